#include "app/front_end/tick_source.h"

#include "app/form1.h"

namespace kulbo {

namespace {

constexpr std::chrono::milliseconds kPeriod{1};

}  // namespace

TickSource::TickSource(Form1& form) : form_(form), timers_(form.timers()), delivered_(timers_.size(), 0) {
    settle_.setSingleShot(true);
    settle_.setTimerType(Qt::PreciseTimer);
    settle_.setInterval(kPeriod);
    connect(&settle_, &QTimer::timeout, this, &TickSource::catchUp);
}

void TickSource::start() {
    origin_ = std::chrono::steady_clock::now();
    periodsDone_ = 0;
    running_ = true;
}

// Periods that come due while a handler runs (a box is open) are dropped by
// the window, as ticks would be.
void TickSource::catchUp() {
    if (!running_ || form_.ended()) return;
    auto due = static_cast<std::uint64_t>((std::chrono::steady_clock::now() - origin_) / kPeriod);
    std::uint64_t periods = due - periodsDone_;
    periodsDone_ = due;
    if (periods == 0) return;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (!timers_[i]->Enabled) continue;
        form_.advance(*timers_[i], periods);
        delivered_[i] += periods;
    }
}

void TickSource::catchUpNowAndSoon() {
    catchUp();
    if (running_ && !settle_.isActive()) settle_.start();
}

}  // namespace kulbo
