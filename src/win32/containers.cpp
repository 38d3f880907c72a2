#include "win32/containers.h"

#include "app/controls.h"
#include "win32/looks.h"

namespace kulbo {

ChildWindow ContainerControl::describe() const {
    const bool panel = control().kind == Kind::PictureBox;
    ChildWindow child;
    child.windowClass = containerClass();
    child.style = WS_CLIPCHILDREN;
    child.extendedStyle = panel ? WS_EX_CLIENTEDGE : 0;
    return child;
}

// A frame's caption is painted with it.
void ContainerControl::sync() { InvalidateRect(handle(), nullptr, TRUE); }

void ContainerControl::paint(HDC dc) { paintContainer(dc, handle(), control(), looks()); }

LRESULT ContainerControl::message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result; NativeControl::reflect(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT painting;
        HDC dc = BeginPaint(handle(), &painting);
        paint(dc);
        EndPaint(handle(), &painting);
        return 0;
    }
    default:
        return NativeControl::message(message, wParam, lParam);
    }
}

}  // namespace kulbo
