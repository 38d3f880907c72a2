// Drives the window's timers from one periodic source with absolute
// deadlines: each period every enabled timer gets one tick, in the order of
// the window model, and periods the event loop was late for are made up.
#pragma once

#include <QObject>

#include <vector>
#include <cstdint>

class QSocketNotifier;

namespace kulbo {

class Form1;
class Timer;

class TickSource : public QObject {
public:
    explicit TickSource(Form1& form);
    ~TickSource() override;

    void start();

    // Ticks delivered so far to each timer, in the model's order.
    const std::vector<std::uint64_t>& delivered() const { return delivered_; }
    const std::vector<Timer*>& timers() const { return timers_; }

private:
    void onExpired();

    Form1& form_;
    std::vector<Timer*> timers_;
    std::vector<std::uint64_t> delivered_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kulbo
