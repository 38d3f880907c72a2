#include "qt/application.h"

#include <QApplication>

#include <chrono>

namespace kulbo {

Application::Application() {
    system_.setWindow(&window_);
    settle_.setSingleShot(true);
    settle_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&settle_, &QTimer::timeout, [this] { program_.settle(); });
}

int Application::loop() { return QApplication::exec(); }

void Application::settleAfter(TimerClock::Clock::duration delay) {
    settle_.start(std::chrono::ceil<std::chrono::milliseconds>(delay));
}

}  // namespace kulbo
