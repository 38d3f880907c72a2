#include "win32/native_control.h"

#include "app/geometry.h"
#include "app/program.h"
#include "win32/looks.h"
#include "win32/reader_object.h"

#include <commctrl.h>

namespace kulbo {

namespace {

constexpr const wchar_t* kHandlerProperty = L"Kulbo.Handler";

}  // namespace

NativeControl::~NativeControl() {
    if (!window_) return;
    RemoveWindowSubclass(window_, &NativeControl::procedure, 0);
    RemovePropW(window_, kHandlerProperty);
}

void NativeControl::create(HWND parent, int id) {
    ChildWindow child = describe();
    child.parent = parent;
    child.id = id;
    if (View::reachableByKeyboard(control_)) child.style |= WS_TABSTOP;
    window_ = createChild(child);
    SetPropW(window_, kHandlerProperty, this);
    SetWindowSubclass(window_, &NativeControl::procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

NativeControl* NativeControl::of(HWND window) {
    return window ? static_cast<NativeControl*>(GetPropW(window, kHandlerProperty)) : nullptr;
}

bool NativeControl::reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        if (NativeControl* child = of(reinterpret_cast<HWND>(lParam))) {
            child->command(HIWORD(wParam));
            result = 0;
            return true;
        }
        return false;
    case WM_DRAWITEM: {
        auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (NativeControl* child = of(item.hwndItem)) {
            child->drawItem(item);
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (NativeControl* child = of(reinterpret_cast<HWND>(lParam))) {
            result = child->colours(reinterpret_cast<HDC>(wParam));
            return true;
        }
        return false;
    default:
        return false;
    }
}

void NativeControl::place() {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(looks().font(control_)), FALSE);
    const PixelRect place = placeOf(control_, looks().dpi());
    SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A control stands on its own colour or its container's; a box keeps a
// white ground until it is disabled.
LRESULT NativeControl::colours(HDC dc) {
    COLORREF ground = looks().background(control_);
    if (control_.kind == Kind::TextBox && !control_.BackColor)
        ground = GetSysColor(control_.Enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    SetTextColor(dc, looks().text(control_));
    SetBkColor(dc, ground);
    return reinterpret_cast<LRESULT>(looks().brush(ground));
}

LRESULT NativeControl::message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (LRESULT answer = readerObject(window_, wParam, program().readers(), control_)) return answer;
    }
    return passOn(message, wParam, lParam);
}

LRESULT NativeControl::passOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

Form1& NativeControl::form() const { return context_.program.form(); }

LRESULT CALLBACK NativeControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &NativeControl::procedure, 0);
        RemovePropW(window, kHandlerProperty);
        reinterpret_cast<NativeControl*>(self)->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<NativeControl*>(self)->message(message, wParam, lParam);
}

}  // namespace kulbo
