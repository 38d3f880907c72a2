// The system's message box, with Escape answering No in a Yes/No box (the
// system itself ignores Escape there, and Wine answers Cancel).
#pragma once

#include <windows.h>

namespace kulbo {

// MessageBoxW's own answer: IDNO for Escape in a Yes/No box.
int showMessageBox(HWND owner, const wchar_t* text, const wchar_t* title, UINT flags);

}  // namespace kulbo
