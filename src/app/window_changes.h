// What each front end does to its window after a change of the model: one
// ordered list of steps, decided here once, that the front end applies as it
// comes and decides nothing about.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace kulbo {

class Control;
class Form1;
class Readers;
class View;
enum class Property;

struct WindowChange {
    enum Step {
        Content,          // caption, text or value; for the form its title
        Geometry,         // place and size; for the form its outer size
        Enabled,          // enabled or disabled, and whether it takes the focus
        WindowState,      // the form: normal, minimized or maximized
        Show,             // the control's own widget comes into sight
        Hide,             // ... goes out of sight
        Focus,            // the keyboard's focus goes here
        HistoryReplaced,  // the history box shows its whole text, `text`, anew
        HistoryAppended,  // ... adds `text`, its text from byte `from` on
        ReaderName,       // a screen reader's name for it is now `text`
        ReaderDescription,  // ... its description
        Announce,         // the focused control's description is now `text`, spoken as news
    };
    Step step;
    Control* control;
    std::size_t from = 0;
    std::string text;
};

// The front end's side: where its focus is, and the window's steps.
class WindowFront {
public:
    virtual Control* focused() const = 0;
    virtual void apply(const std::vector<WindowChange>& changes) = 0;

protected:
    ~WindowFront() = default;
};

class WindowFollower {
public:
    WindowFollower(Form1& form, View& view, const Readers& readers) : form_(form), view_(view), readers_(readers) {}

    // The front end's window follows from now on, starting from the steps
    // that show every control as the model has it.
    void follow(WindowFront* front);

    void changed(Control& control, Property property);
    void appended(Control& control, std::size_t from);

private:
    void content(Control& control);
    void visibility();
    void refocus(Control* focusedBefore);
    void tell(Control& control, bool name);
    void add(WindowChange::Step step, Control& control, std::size_t from = 0, std::string text = {});
    void send();

    Form1& form_;
    View& view_;
    const Readers& readers_;
    WindowFront* front_ = nullptr;
    std::vector<std::pair<Control*, bool>> widgetShown_;  // in the window's order
    // Out of sight, a control's content waits (the rolling number changes a
    // thousand times a second) and catches up when it comes into sight. The
    // history box keeps up line by line, which costs a pick only its line,
    // and a screen reader hears of each.
    std::unordered_set<Control*> behind_;
    std::vector<WindowChange> changes_;
};

}  // namespace kulbo
