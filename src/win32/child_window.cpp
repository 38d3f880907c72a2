#include "win32/child_window.h"

namespace kulbo {

HWND createChild(const ChildWindow& child) {
    return CreateWindowExW(child.extendedStyle, child.windowClass, child.text.c_str(),
                           child.style | WS_CHILD | WS_CLIPSIBLINGS, child.bounds.left, child.bounds.top,
                           child.bounds.right - child.bounds.left, child.bounds.bottom - child.bounds.top, child.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)), GetModuleHandleW(nullptr), nullptr);
}

namespace {

constexpr const wchar_t* kFontProperty = L"Kulbo.Font";

LRESULT CALLBACK containerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND top = GetAncestor(window, GA_ROOT);
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return SendMessageW(top, message, wParam, lParam);
    case WM_SETFONT:
        SetPropW(window, kFontProperty, reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropW(window, kFontProperty));
    case WM_NCDESTROY:
        RemovePropW(window, kFontProperty);
        break;
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        SendMessageW(top, kPaintContainer, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window));
        EndPaint(window, &paint);
        return 0;
    }
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
