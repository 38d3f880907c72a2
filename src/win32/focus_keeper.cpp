#include "win32/focus_keeper.h"

#include "win32/controls.h"

namespace kulbo {

Control* FocusKeeper::focused() const {
    HWND focus = GetFocus();
    Control* control = focus && IsChild(window_, focus) ? controls_.controlOf(focus) : nullptr;
    return control ? control : controls_.controlOf(focusWhileInactive_);
}

void FocusKeeper::focusOn(const Control* control) {
    HWND widget = control ? controls_.handleOf(*control) : nullptr;
    if (!widget) return;
    if (GetActiveWindow() == window_)
        SetFocus(widget);
    else
        focusWhileInactive_ = widget;
}

bool FocusKeeper::activated(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusWhileInactive_ = focus;
        return false;
    }
    if (!focusWhileInactive_ || !IsWindowVisible(focusWhileInactive_) || !IsWindowEnabled(focusWhileInactive_)) return false;
    SetFocus(focusWhileInactive_);
    return true;
}

}  // namespace kulbo
