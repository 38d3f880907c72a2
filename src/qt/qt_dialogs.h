// What the program shows beyond its window on a desktop with Qt: its message
// boxes, the Save dialog, the browser and the boxes' context menus.
#pragma once

#include "app/dialog_port.h"

namespace kulbo {

class MainWindow;

class QtDialogs : public DialogPort {
public:
    void setWindow(MainWindow* window) { window_ = window; }

    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    std::optional<std::string> ChooseSaveFile(const SaveDialog& dialog) override;
    bool OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

private:
    void allowContextMenu(const TextBox& box, bool allowed);

    MainWindow* window_ = nullptr;
};

}  // namespace kulbo
