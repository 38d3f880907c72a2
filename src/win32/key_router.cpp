#include "win32/key_router.h"

#include "app/program.h"
#include "win32/focus_keeper.h"

namespace kulbo {

namespace {

// The Shift, Ctrl and Alt keys held now, as the program's shift mask.
int shiftState() {
    int mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= key::kShift;
    if (GetKeyState(VK_CONTROL) < 0) mask |= key::kCtrl;
    if (GetKeyState(VK_MENU) < 0) mask |= key::kAlt;
    return mask;
}

}  // namespace

bool KeyRouter::preTranslate(const MSG& message) {
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        View::KeyResult result = program_.keyDown(focus_.focused(), static_cast<int>(message.wParam), shiftState());
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
