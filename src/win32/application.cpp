#include "win32/application.h"

#include "win32/message_loop.h"

#include <chrono>

namespace kulbo {

int Application::loop() { return runMessageLoop(window_); }

void Application::settleAfter(TimerClock::Clock::duration delay) {
    window_.settleAfter(static_cast<UINT>(std::chrono::ceil<std::chrono::milliseconds>(delay).count()));
}

}  // namespace kulbo
