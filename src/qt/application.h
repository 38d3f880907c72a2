// The running program: platform, window model, view and tick source, started
// the way the program starts.
#pragma once

#include "app/form1.h"
#include "qt/close_requests.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/tick_source.h"

#include <optional>

namespace kulbo {

class Application {
public:
    // Loads the window (a second copy ends here), shows it and starts the timers.
    Application();

    Form1& form() { return form_; }
    MainWindow& window() { return window_; }
    TickSource& ticks() { return ticks_; }

private:
    QtPlatform platform_;
    Form1 form_{platform_};
    MainWindow window_{form_};
    TickSource ticks_{form_};
    CloseRequests closeRequests_{form_, [this] { ticks_.catchUp(); }};
};

// Answers --version and --help, which need no display. Returns the exit
// status when the program is to end here.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Qt ends the program with abort() when it cannot reach a display, after
// words of its own. While this lives, Qt's words are held back; without a
// display, one line in Chinese and English says so and the program exits
// with status 1. started() lets the held words out once Qt has its display.
class DisplayStart {
public:
    DisplayStart();
    ~DisplayStart();
    DisplayStart(const DisplayStart&) = delete;
    DisplayStart& operator=(const DisplayStart&) = delete;
    void started();
};

// Sets up Qt for the program: its name, version and desktop entry, and Qt's
// own texts in Chinese.
void prepareQt();

}  // namespace kulbo
