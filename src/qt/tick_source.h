// Runs the window's timer clock on Qt's event loop: the clock catches up
// before every input and once more a period later, so that what a handler
// or the window manager changed settles at once; in between, nothing wakes.
#pragma once

#include "app/timer_clock.h"

#include <QObject>
#include <QTimer>

namespace kulbo {

class TickSource : public QObject {
public:
    explicit TickSource(Form1& form);

    void start();

    // Delivers every period that has come due. Safe to call at any time.
    void catchUp();

    // Delivers what has come due now, and again once the next period begins.
    void catchUpNowAndSoon();

    const TimerClock& clock() const { return clock_; }

private:
    TimerClock clock_;
    QTimer settle_;
};

}  // namespace kulbo
