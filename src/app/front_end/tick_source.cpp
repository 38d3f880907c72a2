#include "app/front_end/tick_source.h"

#include "app/form1.h"

#include <QSocketNotifier>

#include <algorithm>
#include <sys/timerfd.h>
#include <unistd.h>

namespace kulbo {

namespace {
// After a long stall (a suspended machine) only this many periods are made up.
constexpr std::uint64_t kMostPeriodsMadeUp = 50;
}  // namespace

TickSource::TickSource(Form1& form) : form_(form), timers_(form.timers()), delivered_(timers_.size(), 0) {}

TickSource::~TickSource() {
    if (fd_ >= 0) ::close(fd_);
}

void TickSource::start() {
    fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) return;
    itimerspec period{};
    period.it_interval.tv_nsec = 1'000'000;  // every timer asks for 1 ms
    period.it_value.tv_nsec = 1'000'000;
    ::timerfd_settime(fd_, 0, &period, nullptr);
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TickSource::onExpired);
}

void TickSource::onExpired() {
    std::uint64_t periods = 0;
    if (::read(fd_, &periods, sizeof periods) != sizeof periods) return;
    periods = std::min(periods, kMostPeriodsMadeUp);
    for (std::uint64_t p = 0; p < periods && !form_.ended(); ++p) {
        for (std::size_t i = 0; i < timers_.size(); ++i) {
            if (!timers_[i]->Enabled) continue;
            form_.tick(*timers_[i]);
            ++delivered_[i];
        }
    }
}

}  // namespace kulbo
