// The platform as the program meets it on a desktop with Qt: its message
// boxes, file dialog, browser and the boxes' context menus.
#pragma once

#include "platform/system_platform.h"

namespace kulbo {

class MainWindow;

class QtPlatform : public SystemPlatform {
public:
    void setWindow(MainWindow* window) { window_ = window; }

    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedName) override;
    void OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

private:
    MainWindow* window_ = nullptr;
};

}  // namespace kulbo
