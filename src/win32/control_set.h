// The window's native controls, one for each control of the model, made
// from the model's tree and kept in step with it: content, place, what is
// seen and enabled, and where the focus goes when that changes.
#pragma once

#include "win32/native_control.h"

#include <windows.h>

#include <map>
#include <memory>

namespace kulbo {

class FocusKeeper;
struct WindowChange;

class ControlSet {
public:
    // Makes the controls under the top-level window.
    ControlSet(HWND window, ControlContext& context);

    NativeControl* nativeOf(const Control& control) const;
    HWND handleOf(const Control& control) const;
    Control* controlOf(HWND window) const;

    // One of the steps by which the window follows the model.
    void apply(const WindowChange& change, FocusKeeper& focus);

    // The window's DPI changed: fonts and places anew.
    void placeAll();

private:
    void build(Control& container, HWND parent);

    ControlContext& context_;
    std::map<const Control*, std::unique_ptr<NativeControl>> natives_;
};

}  // namespace kulbo
