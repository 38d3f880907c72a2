// Drives the window's timers. Every timer asks for a tick each millisecond,
// yet nothing they do shows between two inputs: the rolling number and the
// stamps are hidden, and the size guard and the permissions answer changes
// that an input or the window manager made. So the clock keeps an absolute
// count of the 1 ms periods since it started and the program sleeps; before
// every input, and once more a period after it, the front end asks the clock
// to bring each timer to where a tick per period would have brought it.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace kulbo {

class Form1;
class Timer;

class TimerClock {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kPeriod{1};

    explicit TimerClock(Form1& form);

    void start(Clock::time_point now);

    // Delivers every period that has come due by now to every enabled
    // timer. Periods that come due while a handler runs (a box is open) are
    // dropped by the window, as ticks would be.
    void catchUp(Clock::time_point now);

    // Periods delivered so far to each timer, in the model's order.
    const std::vector<std::uint64_t>& delivered() const { return delivered_; }
    const std::vector<Timer*>& timers() const { return timers_; }

private:
    Form1& form_;
    std::vector<Timer*> timers_;
    std::vector<std::uint64_t> delivered_;
    Clock::time_point origin_;
    std::uint64_t periodsDone_ = 0;
    bool running_ = false;
};

}  // namespace kulbo
