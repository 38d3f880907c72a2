#include "win32/win32_dialogs.h"

#include "platform/windows/system_library.h"
#include "platform/windows/wide_text.h"
#include "win32/main_window.h"
#include "win32/question_box.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace kulbo {

namespace {

constexpr UINT_PTR kMenuHook = 1;

// The box sees every message but the request for its context menu, whether
// it comes from the right button, the menu key or Shift+F10.
LRESULT CALLBACK withoutMenu(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_CONTEXTMENU) return -1;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, &withoutMenu, kMenuHook);
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

HWND Win32Dialogs::owner() const {
    HWND main = window_ ? window_->handle() : nullptr;
    return main && IsWindowVisible(main) ? main : nullptr;
}

HWND Win32Dialogs::handleOf(const Control& control) const { return window_ ? window_->controls().handleOf(control) : nullptr; }

// The style flags go to the system as they are, so a Chinese Windows shows
// its own 是(Y) and 否(N).
int Win32Dialogs::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    const BoxLayout layout = layOutBox(prompt, flags, title);
    int pressed = showMessageBox(owner(), wide(prompt).c_str(), wide(layout.title).c_str(), static_cast<UINT>(flags));
    return box::answerOf(flags, pressed);
}

std::optional<std::string> Win32Dialogs::ChooseSaveFile(const SaveDialog& request) {
    std::wstring file = wide(request.proposedName);
    file.resize(32768, L'\0');
    std::wstring folder = wide(request.folder);
    std::wstring filter = wide(request.filterName) + L'\0' + wide(request.pattern) + L'\0';
    std::wstring title = wide(request.title), extension = wide(request.extension);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    static const auto saveDialog = systemFunction<decltype(&GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    if (!saveDialog || !saveDialog(&dialog)) return std::nullopt;
    return utf8(file.c_str());
}

// The shell answers more than 32 when it took the address.
bool Win32Dialogs::OpenUrl(const std::string& address) {
    static const auto shellExecute = systemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) return false;
    auto answer = reinterpret_cast<INT_PTR>(
        shellExecute(owner(), L"open", wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return answer > 32;
}

// A hook of its own on each box, so that the box keeps its own procedure
// under it and has it alone again once unhooked.
void Win32Dialogs::HookTextBox(TextBox& box) {
    if (HWND window = handleOf(box)) SetWindowSubclass(window, &withoutMenu, kMenuHook, 0);
}

void Win32Dialogs::UnhookTextBox(TextBox& box) {
    if (HWND window = handleOf(box)) RemoveWindowSubclass(window, &withoutMenu, kMenuHook);
}

}  // namespace kulbo
