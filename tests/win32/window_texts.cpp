// Prints what a window of another program shows, for the end-to-end tests
// (the installer's pages): each visible control of the top-level window
// titled so, one a line, in UTF-8:
//   class <TAB> left top width height, in the window's client area <TAB> text
//   kulbo_window_texts.exe TITLE
#include "platform/windows/wide_text.h"

#include <windows.h>

#include <string>

namespace {

void print(const std::wstring& line) {
    std::string bytes = kulbo::utf8(line + L"\n");
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Another program's control gives its text only when asked by message.
BOOL CALLBACK printControl(HWND control, LPARAM window) {
    if (!IsWindowVisible(control)) return TRUE;
    wchar_t kind[64] = L"";
    GetClassNameW(control, kind, 64);
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(window), reinterpret_cast<POINT*>(&place), 2);
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
    print(std::wstring(kind) + L"\t" + std::to_wstring(place.left) + L" " + std::to_wstring(place.top) + L" " +
          std::to_wstring(place.right - place.left) + L" " + std::to_wstring(place.bottom - place.top) + L"\t" + text);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (!window) {
        print(L"usage: kulbo_window_texts.exe TITLE (of a window that is open)");
        return 1;
    }
    EnumChildWindows(window, printControl, reinterpret_cast<LPARAM>(window));
    return 0;
}
