#include "win32/win32_platform.h"

#include "app/messages.h"
#include "platform/windows/wide_text.h"
#include "win32/main_window.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace kulbo {

namespace {

constexpr const wchar_t* kSavedProcedure = L"Kulbo.SavedProcedure";

// The box sees every message but the request for its context menu, whether
// it comes from the right button, the menu key or Shift+F10.
LRESULT CALLBACK hookedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto saved = reinterpret_cast<WNDPROC>(GetPropW(window, kSavedProcedure));
    if (message == WM_CONTEXTMENU) return -1;
    if (message == WM_NCDESTROY) RemovePropW(window, kSavedProcedure);
    return CallWindowProcW(saved, window, message, wParam, lParam);
}

std::wstring documentsFolder() {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

HWND Win32Platform::owner() const {
    HWND main = window_ ? window_->handle() : nullptr;
    return main && IsWindowVisible(main) ? main : nullptr;
}

// The style flags go to the system as they are, so a Chinese Windows shows
// its own 是(Y) and 否(N). Only Yes counts as Yes: Escape on a question gives
// no other answer than No.
int Win32Platform::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    std::wstring caption = wide(title.empty() ? std::string(kAppTitle) : title);
    int pressed = MessageBoxW(owner(), wide(prompt).c_str(), caption.c_str(), static_cast<UINT>(flags));
    if ((flags & box::kButtonsField) == box::kYesNoButtons) return pressed == IDYES ? box::kYes : box::kNo;
    return box::kOk;
}

std::optional<std::string> Win32Platform::ChooseSaveFile(const std::string& proposedName) {
    std::wstring file = wide(proposedName);
    file.resize(32768, L'\0');
    std::wstring folder = documentsFolder();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = L"文本文件 (*.txt)\0*.txt\0";
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"保存txt报告";
    dialog.lpstrDefExt = L"txt";  // added to a name typed without it
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return utf8(file.c_str());
}

// Nothing is said when the address cannot be opened.
void Win32Platform::OpenUrl(const std::string& address) {
    ShellExecuteW(window_ ? window_->handle() : nullptr, L"open", wide(address).c_str(), L"", L"", SW_SHOWNORMAL);
}

// Each box keeps the procedure it had, so that undoing the hook gives every
// box its own back.
void Win32Platform::HookTextBox(TextBox& box) {
    HWND window = window_ ? window_->handleOf(box) : nullptr;
    if (!window || GetPropW(window, kSavedProcedure)) return;
    auto saved = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hookedProcedure));
    SetPropW(window, kSavedProcedure, reinterpret_cast<HANDLE>(saved));
}

void Win32Platform::UnhookTextBox(TextBox& box) {
    HWND window = window_ ? window_->handleOf(box) : nullptr;
    if (!window || !GetPropW(window, kSavedProcedure)) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RemovePropW(window, kSavedProcedure)));
}

}  // namespace kulbo
