// What the program shows on Windows beyond its window: the system's message
// boxes and Save dialog, the shell for the website, and the boxes' context
// menus kept away.
#pragma once

#include "app/dialog_port.h"

#include <windows.h>

namespace kulbo {

class Control;
class MainWindow;

class Win32Dialogs : public DialogPort {
public:
    void setWindow(MainWindow* window) { window_ = window; }

    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    std::optional<std::string> ChooseSaveFile(const SaveDialog& dialog) override;
    bool OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

private:
    HWND owner() const;
    HWND handleOf(const Control& control) const;

    MainWindow* window_ = nullptr;
};

}  // namespace kulbo
