#include "win32/window_size.h"

#include "app/geometry.h"
#include "platform/windows/system_library.h"

namespace kulbo {

int dpiOf(HWND window) {
    static const auto forWindow = systemFunction<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
    if (forWindow) return static_cast<int>(forWindow(window));
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

SIZE outerSizeFor(int outerWidthTwips, int outerHeightTwips, int dpi) {
    PixelSize client = clientSizeForOuter(outerWidthTwips, outerHeightTwips, dpi);
    RECT rect{0, 0, client.width, client.height};
    static const auto forDpi = systemFunction<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
        L"user32.dll", "AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&rect, kWindowStyle, FALSE, 0, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, kWindowStyle, FALSE, 0);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace kulbo
