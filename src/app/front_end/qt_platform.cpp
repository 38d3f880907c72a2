#include "app/front_end/qt_platform.h"

#include "app/front_end/main_window.h"
#include "app/messages.h"
#include "history/report_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include <ctime>
#include <iostream>
#include <unistd.h>

namespace kulbo {

QtPlatform::QtPlatform() : random_(QRandomGenerator::securelySeeded()) {}

QtPlatform::~QtPlatform() = default;

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

LocalTime QtPlatform::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

double QtPlatform::Rnd() { return random_.generateDouble(); }

bool QtPlatform::PrevInstance() {
    InstanceCheck check = instanceLock_.acquire(instancePlaces(userFolders()));
    if (check == InstanceCheck::Unknown)
        std::cerr << kAppTitle << ": 无法确认是否已有另一个 " << kAppTitle
                  << " 在运行（没有可用的锁文件位置），照常启动\n";
    return check == InstanceCheck::AnotherRunning;
}

void QtPlatform::End() { ::_exit(0); }

// By the bytes of the link: a folder name that is not UTF-8 (GBK from a
// Windows zip) would not survive a trip through QString.
std::optional<std::string> QtPlatform::ProgramFolder() {
    std::string target(4096, '\0');
    ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size() || target[0] != '/') return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    std::size_t slash = target.rfind('/');
    return slash == 0 ? "/" : target.substr(0, slash);
}

Outcome QtPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    return writeGbkFile(path, text);
}

std::optional<std::string> QtPlatform::ChooseSaveFile(const std::string& proposedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QString chosen = QFileDialog::getSaveFileName(window_, "保存txt报告", folder + "/" + QString::fromStdString(proposedName),
                                                  "文本文件 (*.txt)");
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
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
