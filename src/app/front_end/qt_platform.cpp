#include "app/front_end/qt_platform.h"

#include "app/front_end/main_window.h"
#include "app/messages.h"
#include "history/report_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
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
    if ((flags & box::kButtonsField) == box::kYesNoButtons) {
        QPushButton* yes = box.addButton("是", QMessageBox::YesRole);
        QPushButton* no = box.addButton("否", QMessageBox::NoRole);
        box.setDefaultButton((flags & box::kDefaultField) == box::kSecondButtonDefault ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? box::kYes : box::kNo;
    }
    QPushButton* ok = box.addButton("确定", QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
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

std::string QtPlatform::ProgramFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

Outcome QtPlatform::WriteTextFile(const std::string& fileName, const std::string& text) {
    return writeGbkFile(ProgramFolder() + "/" + fileName, text);
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
