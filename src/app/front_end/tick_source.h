// Drives the window's timers. Every timer asks for a tick each millisecond;
// the source keeps an absolute count of the 1 ms periods since it started
// and gives every enabled timer one tick per period, in the order of the
// window model. Waking the process a thousand times a second would cost more
// than everything else it does, so the periods are handed out in small
// batches a few times a frame, and in full before every input event: whatever
// the user does meets the window exactly as if each tick had run on time.
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

    // Ticks delivered so far to each timer, in the model's order.
    const std::vector<std::uint64_t>& delivered() const { return delivered_; }
    const std::vector<Timer*>& timers() const { return timers_; }

private:
    Form1& form_;
    std::vector<Timer*> timers_;
    std::vector<std::uint64_t> delivered_;
    std::chrono::steady_clock::time_point origin_;
    std::uint64_t periodsDone_ = 0;
    bool running_ = false;
    QTimer wake_;
};

}  // namespace kulbo
