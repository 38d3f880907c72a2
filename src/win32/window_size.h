// The window's size at its DPI: the model's outer size in twips becomes a
// client area in pixels and the frame the system puts around it.
#pragma once

#include <windows.h>

namespace kulbo {

inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The window's dots per inch, or the screen's on a system that cannot say.
int dpiOf(HWND window);

// The outer size, in pixels, of a window whose model is this large.
SIZE outerSizeFor(int outerWidthTwips, int outerHeightTwips, int dpi);

}  // namespace kulbo
