// The platform as the program meets it on a desktop with Qt.
#pragma once

#include "app/platform.h"
#include "app/single_instance.h"

#include <QRandomGenerator>

namespace kulbo {

class MainWindow;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void setWindow(MainWindow* window) { window_ = window; }

    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    LocalTime Now() override;
    double Rnd() override;
    bool PrevInstance() override;
    void End() override;
    std::optional<std::string> ProgramFolder() override;
    Outcome WriteTextFile(const std::string& path, const std::string& text) override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedName) override;
    void OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

private:
    MainWindow* window_ = nullptr;
    QRandomGenerator random_;
    InstanceLock instanceLock_;
};

}  // namespace kulbo
