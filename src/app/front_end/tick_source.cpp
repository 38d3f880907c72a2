#include "app/front_end/tick_source.h"

#include "app/form1.h"

namespace kulbo {

namespace {

constexpr std::chrono::milliseconds kPeriod{1};

// Half a frame at 60 Hz: what the timers change on screen (permissions, the
// window's size) still shows within the frame.
constexpr int kWakeEveryMs = 8;

// After a long stall (a suspended machine) at most a second is made up.
constexpr std::uint64_t kMostPeriodsMadeUp = 1000;

}  // namespace

TickSource::TickSource(Form1& form) : form_(form), timers_(form.timers()), delivered_(timers_.size(), 0) {
    wake_.setTimerType(Qt::PreciseTimer);
    wake_.setInterval(kWakeEveryMs);
    connect(&wake_, &QTimer::timeout, this, &TickSource::catchUp);
}

void TickSource::start() {
    origin_ = std::chrono::steady_clock::now();
    periodsDone_ = 0;
    running_ = true;
    wake_.start();
}

void TickSource::catchUp() {
    if (!running_) return;
    auto due = static_cast<std::uint64_t>((std::chrono::steady_clock::now() - origin_) / kPeriod);
    if (due - periodsDone_ > kMostPeriodsMadeUp) periodsDone_ = due - kMostPeriodsMadeUp;
    for (; periodsDone_ < due && !form_.ended(); ++periodsDone_) {
        for (std::size_t i = 0; i < timers_.size(); ++i) {
            if (!timers_[i]->Enabled) continue;
            form_.tick(*timers_[i]);
            ++delivered_[i];
        }
    }
}

}  // namespace kulbo
