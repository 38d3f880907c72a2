// The running program on Windows: platform, window model, view and timer
// clock, started the way the program starts, and the message loop.
#pragma once

#include "app/form1.h"
#include "app/timer_clock.h"
#include "win32/main_window.h"
#include "win32/win32_platform.h"

namespace kulbo {

class Application {
public:
    // Loads the window (a second copy ends here), shows it and starts the timers.
    Application();

    // Delivers messages until the window is gone.
    int run();

    Form1& form() { return form_; }
    MainWindow& window() { return window_; }
    TimerClock& clock() { return clock_; }

private:
    Win32Platform platform_;
    Form1 form_{platform_};
    MainWindow window_{form_};
    TimerClock clock_{form_};
};

}  // namespace kulbo
