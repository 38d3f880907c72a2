// What a desktop front end's running program is made of, built in this
// order: the platform's two halves, the program over them, and the window
// over the program. The front end adds its event loop and its settle timer.
#pragma once

#include "app/program.h"

namespace kulbo {

template <class System, class Dialogs, class Window>
class FrontEnd : private Shell {
public:
    FrontEnd() { dialogs_.setWindow(&window_); }

    // Loads the window (a second copy ends here), shows it, and runs the
    // program until it ends.
    int run() { return program_.run(*this); }

    // Only loads and shows it, for a caller that turns the event loop itself.
    bool start() { return program_.start(*this); }

    Program& program() { return program_; }
    Window& window() { return window_; }

protected:
    System system_;
    Dialogs dialogs_;
    Program program_{system_, dialogs_};
    Window window_{program_};

private:
    void show(Control* focus) override { window_.showCentred(focus); }
};

}  // namespace kulbo
