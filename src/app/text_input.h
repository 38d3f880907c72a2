// How text reaches the boxes by roads other than one typed key at a time:
// characters that arrive together, pasting and dropping, and the characters
// no box takes. The front ends translate their toolkit's events into these.
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

// The boxes with a key filter refuse pasting and dropping, which would get
// around it.
bool refusesPaste(const Form1& form, const TextBox& box);

// Characters that arrive together (an input method's commit, a key that
// carries several) are typed one by one: each passes the box's key filter
// against the text that the ones before it left. `type` enters one admitted
// character into the box, and so into the model, before the next is tested.
void typeEach(Form1& form, TextBox& box, std::u32string_view characters, const std::function<void(char32_t)>& type);

}  // namespace kulbo
