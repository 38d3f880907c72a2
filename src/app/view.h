// What the user sees of the window and where the keyboard goes. Every front
// end asks here instead of its toolkit, so that the programs on all
// platforms show the same controls and move the focus the same way.
#pragma once

#include "app/keys.h"

#include <optional>
#include <string>

namespace kulbo {

class Control;
class Form1;
class OptionButton;

// A button's caption as it is shown: "解锁（&O）" is "解锁（O）" with O, `at`
// UTF-16 units in, its access key (Alt+O presses it); no key: 0 and -1.
struct ShownCaption {
    std::string text;
    char key = 0;
    int at = -1;
};
ShownCaption shownCaption(const std::string& caption);
// What a control shows: a button's caption as above, any other's as written,
// a one-line box's text; the history box's text goes its own road.
ShownCaption shownCaptionOf(const Control& control);

class View {
public:
    explicit View(Form1& form) : form_(form) {}

    // Whether the control's own widget is shown while its container's is:
    // for a control of the main face, that it is visible, lies inside the
    // client area and is not under a shown panel; for any other, that it is
    // visible (a hidden container hides what it holds).
    bool showsWidget(const Control& control) const;

    // On screen: its widget and every container's are shown.
    bool seen(const Control& control) const;

    // Of a kind the keyboard can reach: buttons, boxes, options, check boxes.
    static bool reachableByKeyboard(const Control& control);

    // Takes the focus, keys and clicks: seen, enabled, and reachable by the
    // keyboard.
    bool takesFocus(const Control& control) const;

    // The shown panel that covers the main face, if any.
    const Control* topPanel() const;

    // The first control in the tab order that takes the focus.
    Control* firstFocus() const;

    // Tab and Shift+Tab: the next control in the tab order that takes the
    // focus, round and round. An option group is one stop, its chosen option.
    Control* nextFocus(const Control* from, bool backwards) const;

    // After something was shown, hidden, enabled or disabled: where the
    // focus must go, or nullptr to leave it. Opening a panel puts the focus
    // on its first control; closing the last one gives the focus back to
    // where it was before the first opened; a control that lost the focus's
    // right hands it on to the next.
    Control* focusAfterChange(const Control* focused);

    // A key went down in the window, the focus on `focused`. The form sees
    // it first (key preview), then the window's own keys act: Tab moves the
    // focus, the arrow keys move the choice in an option group, Escape
    // closes the lock and the history panels as their buttons do, Alt with
    // a letter presses the button that has it as its access key. A key
    // whose handler moved the focus (it opened or closed a panel, or the
    // focused control can take it no more) has done its work: the control
    // the focus goes to must not act on it too.
    struct KeyResult {
        bool consumed = false;       // the focused control must not see the key
        Control* focus = nullptr;    // where the focus goes, if it moves
    };
    KeyResult keyDown(const Control* focused, int keyCode, int shift);

    // In the history box the arrow keys, Page Up and Page Down move the
    // current line by one or by the lines in sight, Home and End to the
    // first and the last. The line a key moves to, or none for another key.
    static std::optional<int> historyLineAfterKey(int keyCode, int current, int lineCount, int linesInSight);

private:
    const Control* place(const Control& control) const;
    Control* stop(Control& control) const;
    OptionButton* neighbourChoice(const OptionButton& option, int step) const;
    Control* accessKeyTarget(int keyCode) const;

    Form1& form_;
    const Control* panelBefore_ = nullptr;
    const Control* focusBeforePanels_ = nullptr;
};


}  // namespace kulbo
