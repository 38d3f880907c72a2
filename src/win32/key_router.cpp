#include "win32/key_router.h"

#include "app/program.h"
#include "win32/focus_keeper.h"

namespace kulbo {

namespace {

// Messages that may run a handler. Moving the mouse runs none.
bool isInput(UINT message) {
    switch (message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_IME_COMPOSITION:
        return true;
    default:
        return false;
    }
}

}  // namespace

int shiftState() {
    int mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= key::kShift;
    if (GetKeyState(VK_CONTROL) < 0) mask |= key::kCtrl;
    if (GetKeyState(VK_MENU) < 0) mask |= key::kAlt;
    return mask;
}

bool KeyRouter::preTranslate(const MSG& message) {
    if (isInput(message.message)) program_.beforeInput();
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        View::KeyResult result = program_.view().keyDown(focus_.focused(), static_cast<int>(message.wParam), shiftState());
        focus_.focusOn(result.focus);
        // Alt let go after a letter it pressed a button with must not open
        // the window's menu.
        if (result.consumed && message.message == WM_SYSKEYDOWN) swallowAltRelease_ = true;
        return result.consumed;
    }
    if ((message.message == WM_SYSKEYUP || message.message == WM_KEYUP) && message.wParam == VK_MENU && swallowAltRelease_) {
        swallowAltRelease_ = false;
        return true;
    }
    return false;
}

}  // namespace kulbo
