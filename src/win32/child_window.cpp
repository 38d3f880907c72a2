#include "win32/child_window.h"

namespace kulbo {

HWND createChild(const ChildWindow& child) {
    return CreateWindowExW(child.extendedStyle, child.windowClass, child.text.c_str(),
                           child.style | WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, child.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)), GetModuleHandleW(nullptr), nullptr);
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

namespace {

constexpr const wchar_t* kFontProperty = L"Kulbo.Font";

LRESULT CALLBACK containerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT:
        SetPropW(window, kFontProperty, reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropW(window, kFontProperty));
    case WM_NCDESTROY:
        RemovePropW(window, kFontProperty);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

const wchar_t* containerClass() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = containerProcedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = L"KulboContainer";
        RegisterClassExW(&type);
        return L"KulboContainer";
    }();
    return name;
}

}  // namespace kulbo
