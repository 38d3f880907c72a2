#include "qt/tick_source.h"

namespace kulbo {

TickSource::TickSource(Form1& form) : clock_(form) {
    settle_.setSingleShot(true);
    settle_.setTimerType(Qt::PreciseTimer);
    settle_.setInterval(TimerClock::kPeriod);
    connect(&settle_, &QTimer::timeout, this, &TickSource::catchUp);
}

void TickSource::start() { clock_.start(TimerClock::Clock::now()); }

void TickSource::catchUp() { clock_.catchUp(TimerClock::Clock::now()); }

void TickSource::catchUpNowAndSoon() {
    catchUp();
    if (!settle_.isActive()) settle_.start();
}

}  // namespace kulbo
