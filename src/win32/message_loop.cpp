#include "win32/message_loop.h"

#include "win32/main_window.h"

namespace kulbo {

void deliver(MainWindow& window, const MSG& message) {
    if (window.preTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(MainWindow& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) deliver(window, message);
    return static_cast<int>(message.wParam);
}

}  // namespace kulbo
