#include "win32/question_box.h"

#include <commctrl.h>

namespace kulbo {

namespace {

// The box's Cancel, which Escape and its close box send, becomes a press of No.
LRESULT CALLBACK cancelIsNo(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) wParam = MAKEWPARAM(IDNO, HIWORD(wParam));
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, &cancelIsNo, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

// The box is the dialog this thread activates while the hook is in (set
// again, the same subclass stays one).
LRESULT CALLBACK watchForBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto box = reinterpret_cast<HWND>(wParam);
        wchar_t name[16] = {};
        GetClassNameW(box, name, 16);
        if (lstrcmpW(name, L"#32770") == 0) SetWindowSubclass(box, &cancelIsNo, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int showMessageBox(HWND owner, const wchar_t* text, const wchar_t* title, UINT flags) {
    if ((flags & MB_TYPEMASK) != MB_YESNO) return MessageBoxW(owner, text, title, flags);
    HHOOK hook = SetWindowsHookExW(WH_CBT, &watchForBox, nullptr, GetCurrentThreadId());
    int answer = MessageBoxW(owner, text, title, flags);
    if (hook) UnhookWindowsHookEx(hook);
    return answer;
}

}  // namespace kulbo
