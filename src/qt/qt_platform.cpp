#include "qt/qt_platform.h"

#include "qt/main_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace kulbo {

int QtPlatform::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    QMessageBox box(window_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(prompt).replace("\r\n", "\n"));
    switch (flags & box::kIconField) {
    case box::kCriticalIcon: box.setIcon(QMessageBox::Critical); break;
    case box::kQuestionIcon: box.setIcon(QMessageBox::Question); break;
    case box::kExclamationIcon: box.setIcon(QMessageBox::Warning); break;
    case box::kInformationIcon: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    // Qt's own buttons, so its translation gives 是(Y) and 否(N) with their keys.
    if ((flags & box::kButtonsField) == box::kYesNoButtons) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        bool noByDefault = (flags & box::kDefaultField) == box::kSecondButtonDefault;
        box.setDefaultButton(noByDefault ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? box::kYes : box::kNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box::kOk;
}

// In the documents folder, or the home folder when there is none. A name
// typed without an extension gets ".txt" before the dialog looks for a file
// of that name to ask about.
std::optional<std::string> QtPlatform::ChooseSaveFile(const std::string& proposedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QFileDialog dialog(window_, "保存txt报告", folder, "文本文件 (*.txt)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(QString::fromStdString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

void QtPlatform::OpenUrl(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void QtPlatform::HookTextBox(TextBox& box) {
    if (window_) window_->setContextMenuAllowed(box, false);
}

void QtPlatform::UnhookTextBox(TextBox& box) {
    if (window_) window_->setContextMenuAllowed(box, true);
}

}  // namespace kulbo
