// Creating the window's native controls, each from one description.
#pragma once

#include <windows.h>

#include <string>

namespace kulbo {

struct ChildWindow {
    const wchar_t* windowClass = nullptr;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    std::wstring text;
    RECT bounds{};  // pixels, in the parent's client area
    HWND parent = nullptr;
    int id = 0;
};

HWND createChild(const ChildWindow& child);

// The class of the panels and frames. Such a window asks its top-level
// window to paint it (kPaintContainer: wParam the device context, lParam the
// container) and hands its children's notifications and colour questions up,
// so that one window procedure answers for every control.
const wchar_t* containerClass();
inline constexpr UINT kPaintContainer = WM_APP + 1;

}  // namespace kulbo
