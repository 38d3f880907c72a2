// A Win32 window that only waits, built as Kulbo is: the floor an idle
// Kulbo for Windows is measured against.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW type{};
    type.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    type.hInstance = instance;
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"BareWindow";
    RegisterClassW(&type);
    RECT outer{0, 0, 441, 426};  // Kulbo's client area
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    CreateWindowW(L"BareWindow", L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
