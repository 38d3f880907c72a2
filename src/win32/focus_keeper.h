// Where the keyboard's focus is among the window's controls, and where it
// goes back to when the window is active again.
#pragma once

#include <windows.h>

namespace kulbo {

class Control;
class ControlSet;

class FocusKeeper {
public:
    FocusKeeper(HWND window, const ControlSet& controls) : window_(window), controls_(controls) {}

    // The control with the focus, or the one that gets it back.
    Control* focused() const;

    // Gives the control the focus now, or when the window is active again.
    void focusOn(const Control* control);

    // The window was deactivated or activated; true when the focus was
    // given back (the system must then not place it itself).
    bool activated(bool active);

private:
    HWND window_;
    const ControlSet& controls_;
    HWND focusWhileInactive_ = nullptr;
};

}  // namespace kulbo
