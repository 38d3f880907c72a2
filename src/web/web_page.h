// The window as the page's script draws it: each control by its place in
// the model's list, described to the script, and kept in step with the model.
#pragma once

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
    // What changes: geometry, caption, value, and whether it is enabled.
    std::string describeState(int index) const;

    void show(Control* focus) override;
    void settleAfter(TimerClock::Clock::duration delay) override;

private:
    Control* focused() const override;
    void apply(const std::vector<WindowChange>& changes) override;

    Program& program_;
};

}  // namespace kulbo
