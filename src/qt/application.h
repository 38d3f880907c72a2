// The running program on Qt, its window the program's shell on Qt's event
// loop; requests to close come from outside too.
#pragma once

#include "app/front_end.h"
#include "qt/close_requests.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_system.h"

#include <QTimer>

namespace kulbo {

class Application : public FrontEnd<QtSystem, QtDialogs, MainWindow> {
public:
    Application();

private:
    int loop() override;
    void settleAfter(TimerClock::Clock::duration delay) override;

    CloseRequests closeRequests_{program_};
    QTimer settle_;
};

}  // namespace kulbo
