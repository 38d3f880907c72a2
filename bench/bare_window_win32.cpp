// A Win32 window that only waits, built as Kulbo is: the floors Kulbo for
// Windows is measured against. Built twice: bare, and with one label in the
// Song face Kulbo draws in (KULBO_SONG_LABEL), which adds loading a Chinese
// font and nothing of Kulbo's own.
#include <windows.h>

namespace {

constexpr bool kSongLabel = KULBO_SONG_LABEL;

}  // namespace

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
    HWND window = CreateWindowW(L"BareWindow", kSongLabel ? L"Song label" : L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                instance, nullptr);
    if (kSongLabel) {
        HFONT song = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
        HWND label = CreateWindowW(L"STATIC", L"幸运数", WS_CHILD | WS_VISIBLE, 20, 20, 200, 20, window, nullptr,
                                   instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(song), FALSE);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
