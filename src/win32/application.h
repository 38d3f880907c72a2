// The running program on Windows, its window the program's shell on the
// message loop.
#pragma once

#include "app/front_end.h"
#include "platform/system_platform.h"
#include "win32/main_window.h"
#include "win32/win32_dialogs.h"

namespace kulbo {

class Application : public FrontEnd<SystemPlatform, Win32Dialogs, MainWindow> {
private:
    int loop() override;
    void settleAfter(TimerClock::Clock::duration delay) override;
};

}  // namespace kulbo
