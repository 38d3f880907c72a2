// The window as the page's script draws it: each control by its place in
// the model's list, described to the script, and kept in step with the model;
// and the dialogs' half of the platform on the page: its own modal boxes,
// the browser's new tab and the boxes' context menus.
#pragma once

#include "app/dialog_port.h"
#include "app/message_box.h"
#include "app/program.h"

#include <string>

namespace kulbo {

class WebPage : public Host, private WindowFront {
public:
    explicit WebPage(Program& program);
    ~WebPage();
    WebPage(const WebPage&) = delete;
    WebPage& operator=(const WebPage&) = delete;

    // The control at this place of the list, or none; -1 for none.
    Control* control(int index) const;
    int indexOf(const Control* control) const;

    // The page's elements are made: from now on they follow the program.
    void follow();

    // What never changes, for every control: kind, container, fonts, colours.
    std::string describeAll() const;
    // What changes: geometry, caption, mark, and whether it is enabled.
    std::string describeState(int index) const;

    void show(Control* focus) override;
    void settleAfter(TimerClock::Clock::duration delay) override;

private:
    Control* focused() const override;
    void apply(const std::vector<WindowChange>& changes) override;

    Program& program_;
};

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
