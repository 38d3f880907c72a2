#include "app/timer_clock.h"

#include "app/form1.h"

namespace kulbo {

TimerClock::TimerClock(Form1& form) : form_(form), timers_(form.timers()), delivered_(timers_.size(), 0) {}

void TimerClock::start(Clock::time_point now) {
    origin_ = now;
    periodsDone_ = 0;
    running_ = true;
}

void TimerClock::catchUp(Clock::time_point now) {
    if (!running_ || form_.ended() || now < origin_) return;
    auto due = static_cast<std::uint64_t>((now - origin_) / kPeriod);
    if (due <= periodsDone_) return;
    std::uint64_t periods = due - periodsDone_;
    periodsDone_ = due;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (!timers_[i]->Enabled) continue;
        form_.advance(*timers_[i], periods);
        delivered_[i] += periods;
    }
}

}  // namespace kulbo
