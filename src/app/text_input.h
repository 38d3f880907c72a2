// How text reaches the boxes by roads other than one typed key at a time:
// characters that arrive together, pasting and dropping, and the characters
// no box takes; and the check every change of a box's text passes, whatever
// road it came by. The front ends translate their toolkit's events into these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kulbo {

class Form1;
class TextBox;

// The code a typed character hands to a box's KeyPress filter: ASCII as it
// is (Ctrl+V is 22), anything beyond as a negative double-byte code, as an
// input method sends it.
std::int16_t keyAsciiOf(char32_t character);

// Control characters, line and paragraph separators, and the marks that
// turn text around. The joiner U+200D is not one: it holds emoji together.
bool isControlCharacter(char32_t character);

// The text without its control characters.
std::u32string withoutControlCharacters(std::u32string_view text);

// The number boxes and the history box filter every typed key. They refuse
// pasting and dropping, which would get around the filter.
bool hasKeyFilter(const Form1& form, const TextBox& box);

// The keys that paste: Ctrl+V and Shift+Insert.
bool isPasteKey(int keyCode, int shift);

// Characters that arrive together (an input method's commit, a key that
// carries several) are typed one by one: each passes the box's key filter
// against the text that the ones before it left. `type` enters one admitted
// character into the box, and so into the model, before the next is tested.
void typeEach(Form1& form, TextBox& box, std::u32string_view characters, const std::function<void(char32_t)>& type);

// The box's native text changed to `shown` (UTF-16), the caret at `caret`:
// what the box keeps, which the model now holds too. What was put in loses
// its control characters and any half of a character cut in two, and keeps
// as much of its beginning as the box's limit leaves room for, in whole
// characters; a filtered box refuses a change that leaves it holding
// anything but digits and one point. When
// `changed` is set, the box must show `text` with the caret at `caret`.
struct KeptEdit {
    std::u16string text;
    std::size_t caret = 0;
    bool changed = false;
};
KeptEdit keepEdit(Form1& form, TextBox& box, std::u16string_view shown, std::size_t caret);

}  // namespace kulbo
