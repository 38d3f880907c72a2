// The description a native control is created from.
#pragma once

#include <windows.h>

#include <string>

namespace kulbo {

struct ChildWindow {
    const wchar_t* windowClass = nullptr;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    std::wstring text;
    HWND parent = nullptr;
    int id = 0;
};

HWND createChild(const ChildWindow& child);

// A window's text as it shows it.
std::wstring windowText(HWND window);

// The class of the panels and frames: a plain window that keeps the font
// it is given. Its handler paints it and answers for its children.
const wchar_t* containerClass();

}  // namespace kulbo
