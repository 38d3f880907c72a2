// One native control of the window and the handler of its messages: those
// the control gets, and those its parent gets about it (notifications,
// owner drawing, colours), which the parent sends back here.
#pragma once

#include "win32/child_window.h"

#include <windows.h>

#include <cstddef>

namespace kulbo {

class Control;
class Form1;
class Looks;
class Program;

// What every control's handler works with.
struct ControlContext {
    Program& program;
    Looks& looks;
};

class NativeControl {
public:
    NativeControl(Control& control, ControlContext& context) : control_(control), context_(context) {}
    virtual ~NativeControl();
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    // Makes the native window under parent, hidden till the model shows it.
    void create(HWND parent, int id);

    HWND handle() const { return window_; }
    Control& control() const { return control_; }

    // The handler of a native window, if it is one of ours.
    static NativeControl* of(HWND window);

    // A message a parent got about one of its children, handed to that
    // child's handler; false when the message is of another kind or the
    // child is not ours.
    static bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Shows what the model holds.
    virtual void sync() = 0;
    // Text was added at the end of the model's text, from this byte on.
    virtual void appended(std::size_t /*from*/) { sync(); }
    // Where and how large the model says, in the face, at the window's DPI.
    virtual void place();

protected:
    virtual ChildWindow describe() const = 0;
    virtual void command(int /*notification*/) {}
    virtual void drawItem(const DRAWITEMSTRUCT& /*item*/) {}
    virtual LRESULT colours(HDC dc);
    // The control's own messages, before its class's procedure sees them.
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam);

    Form1& form() const;
    Program& program() const { return context_.program; }
    Looks& looks() const { return context_.looks; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    Control& control_;
    ControlContext& context_;
    HWND window_ = nullptr;
};

}  // namespace kulbo
