// Guards the roads by which text reaches the boxes: typed characters pass
// the box's key filter, an input method's commit passes it one character
// at a time, and the boxes with a filter refuse pasting (Ctrl+V and
// Shift+Insert alike). Characters a single-line box only beeps at are kept
// out. Screen readers hear each box by the name of its label.
#pragma once

#include <windows.h>

#include <string>

namespace kulbo {

class Form1;
class TextBox;

// Subclasses the box's window; it stays guarded until it is destroyed.
void guardTextBox(HWND window, Form1& form, TextBox& box, std::wstring accessibleName);

// Text an input method committed into the box, as it arrives with
// WM_IME_COMPOSITION.
void commitText(HWND window, std::wstring_view text);

// Between UTF-16 and the code points the filters look at.
std::u32string codePoints(std::wstring_view text);
std::wstring utf16(std::u32string_view text);

}  // namespace kulbo
