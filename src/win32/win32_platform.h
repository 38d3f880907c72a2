// The platform as the program meets it on Windows: message boxes with the
// system's own buttons, the system's Save dialog, the shell for the website,
// and the boxes' window procedures replaced to keep their menus away.
#pragma once

#include "platform/system_platform.h"

#include <windows.h>

namespace kulbo {

class MainWindow;

class Win32Platform : public SystemPlatform {
public:
    void setWindow(MainWindow* window) { window_ = window; }

    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedName) override;
    void OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

private:
    HWND owner() const;

    MainWindow* window_ = nullptr;
};

}  // namespace kulbo
