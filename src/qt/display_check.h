// Qt ends the program with abort() when it cannot reach a display, after
// words of its own. While a DisplayCheck lives, Qt's words are held back;
// without a display, one line in Chinese and English says so and the
// program exits with status 1. started() lets the held words out once Qt
// has its display.
#pragma once

namespace kulbo {

class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
    void started();
};

}  // namespace kulbo
