#include "win32/application.h"

namespace kulbo {

Application::Application() {
    platform_.setWindow(&window_);
    window_.setBeforeEvent([this] { clock_.catchUp(TimerClock::Clock::now()); });
    form_.load();
    window_.showCentred();
    clock_.start(TimerClock::Clock::now());
}

int Application::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window_.preTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace kulbo
