// The dialogs' half of the platform on the page: its own modal boxes, the
// browser's new tab and the boxes' context menus.
#pragma once

#include "app/dialog_port.h"
#include "app/message_box.h"

namespace kulbo {

class WebPage;

class WebDialogs : public DialogPort {
public:
    void setPage(const WebPage* page) { page_ = page; }

    // Waits, without blocking the page, for the box's answer.
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    // Never asked for: a page's reports are downloads, saved where the browser saves them.
    std::optional<std::string> ChooseSaveFile(const SaveDialog& dialog) override;
    bool OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

    // The box the page shows now, if any.
    const BoxLayout* openBox() const { return openBox_; }

private:
    const WebPage* page_ = nullptr;
    const BoxLayout* openBox_ = nullptr;
};

}  // namespace kulbo
