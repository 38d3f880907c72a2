// The running program, the same on every platform: the window model with
// its handlers, what is seen and where the keys go, what screen readers
// hear, and the timers; started and ended one way by every front end.
#pragma once

#include "app/form1.h"
#include "app/readers.h"
#include "app/text_input.h"
#include "app/timer_clock.h"
#include "app/view.h"
#include "app/window_changes.h"

#include <functional>
#include <string_view>

namespace kulbo {

// What a front end's window does for the program's run.
class Host {
public:
    // Shows the window centred on the screen, the focus on this control.
    virtual void show(Control* focus) = 0;
    // Calls Program::settle once, this long from now (again only after it ran).
    virtual void settleAfter(TimerClock::Clock::duration delay) = 0;

protected:
    ~Host() = default;
};

// A host with an event loop of its own; a browser's page has none.
class Shell : public Host {
public:
    // Delivers events until the program ends; returns the exit status.
    virtual int loop() = 0;

protected:
    ~Shell() = default;
};

class Program : private ChangeListener {
public:
    Program(SystemPort& system, DialogPort& dialogs);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Form1& form() { return form_; }
    View& view() { return view_; }
    const Readers& readers() const { return readers_; }
    TimerClock& clock() { return clock_; }

    // The front end's window follows every change of the model, after the
    // program's own bookkeeping, by the steps the follower lists.
    void follow(WindowFront* front) { follower_.follow(front); }

    // Loads the window (a second copy ends here), shows it, starts the
    // timers, delivers events until the end, and unloads it.
    int run(Shell& shell);

    // The same in two steps, for a front end whose events come from outside
    // (the browser's): start returns false when the program ended at load.
    bool start(Host& host);
    void finish();

    // What the user does reaches the program by these calls on every
    // platform, and each brings the timers up to date first: a click, a key
    // going down, characters that arrive together, the window resized,
    // minimized or restored, a request to close. An edit of a box's text is
    // none of its own: a key, click or commit made it.
    void click(Control& control);

    // The window's keys act first (View::keyDown). A filtered box that may
    // still see the key refuses the keys that paste, and its KeyPress filter
    // sees a key that types no character; `consumed` when it refused it.
    View::KeyResult keyDown(Control* focused, int keyCode, int shift);

    // Characters that arrive together, as an input method commits them: each
    // passes the box's filter (typeEach) and `enter` puts in those it admits.
    void type(TextBox& box, std::u32string_view characters, const std::function<void(char32_t)>& enter);
    // The same into a box that has no native edit of its own (the page's):
    // the characters replace the selection [from, to) of its shown text
    // (UTF-16), each one kept as keepEdit keeps it; what the box holds after.
    KeptEdit type(TextBox& box, std::u16string_view shown, std::size_t from, std::size_t to,
                  std::u32string_view characters);

    void windowStateChanged(WindowState state);
    void windowResized(int outerWidth, int outerHeight);  // twips
    void requestClose();
    // The session ends: true when the user chose to stay.
    bool cancelSessionEnd(bool mayAsk);

    // Before every input: the timers catch up now, and once more a period
    // later, so that what the input changed settles.
    void beforeInput();
    void settle();

private:
    void propertyChanged(Control& control, Property property) override;
    void textAppended(Control& control, std::size_t from) override;

    Form1 form_;
    View view_{form_};
    Readers readers_{form_};
    TimerClock clock_{form_};
    WindowFollower follower_{form_, view_, readers_};
    Host* host_ = nullptr;
    bool settling_ = false;
};

}  // namespace kulbo
