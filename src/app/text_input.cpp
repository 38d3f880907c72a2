#include "app/text_input.h"

#include "app/form1.h"

namespace kulbo {

std::int16_t keyAsciiOf(char32_t c) {
    if (c < 0x80) return static_cast<std::int16_t>(c);
    return static_cast<std::int16_t>(0x8000 | (c & 0x7FFF));
}

bool isControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x200E || c == 0x200F ||
           c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::u32string withoutControlCharacters(std::u32string_view text) {
    std::u32string kept;
    for (char32_t c : text)
        if (!isControlCharacter(c)) kept += c;
    return kept;
}

bool refusesPaste(const Form1& form, const TextBox& box) {
    return &box == &form.Text1 || &box == &form.Text2 || &box == &form.Text4 || &box == &form.Text6;
}

void typeEach(Form1& form, TextBox& box, std::u32string_view characters, const std::function<void(char32_t)>& type) {
    for (char32_t c : characters)
        if (form.keyPress(box, keyAsciiOf(c)) != 0) type(c);
}

}  // namespace kulbo
