// Drives the window's timers. Every timer asks for a tick each millisecond,
// yet nothing they do shows between two inputs: the rolling number and the
// stamps are hidden, and the size guard and the permissions answer changes
// that an input or the window manager made. So the source keeps an absolute
// count of the 1 ms periods since it started and sleeps; before every input
// and every change by the window manager it brings each timer to where a
// tick per period would have brought it, and once more a period later, so
// that what a handler or the window manager changed settles at once.
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <vector>

namespace kulbo {

class Form1;
class Timer;

class TickSource : public QObject {
public:
    explicit TickSource(Form1& form);

    void start();

    // Delivers every period that has come due. Safe to call at any time.
    void catchUp();

    // Delivers what has come due now, and again once the next period begins.
    void catchUpNowAndSoon();

    // Periods delivered so far to each timer, in the model's order.
    const std::vector<std::uint64_t>& delivered() const { return delivered_; }
    const std::vector<Timer*>& timers() const { return timers_; }

private:
    Form1& form_;
    std::vector<Timer*> timers_;
    std::vector<std::uint64_t> delivered_;
    std::chrono::steady_clock::time_point origin_;
    std::uint64_t periodsDone_ = 0;
    bool running_ = false;
    QTimer settle_;
};

}  // namespace kulbo
