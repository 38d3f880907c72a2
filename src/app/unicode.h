// The program's text is UTF-8; the toolkits speak UTF-16. Conversions in
// one place, and characters counted as a reader counts them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kulbo {

// Bytes that are not UTF-8, and lone surrogates, become U+FFFD.
std::u32string codePointsOfUtf8(std::string_view text);
std::string utf8Of(std::u32string_view text);
std::u32string codePointsOfUtf16(std::u16string_view text);
std::u16string utf16Of(std::u32string_view text);

// A mark that belongs to the character before it: combining accents,
// variation selectors, skin tones, and what the joiner U+200D joins.
bool continuesCharacter(char32_t previous, char32_t c);

// Characters as a reader counts them: 𠀀 is one, and so is e with its accent.
std::size_t characterCount(std::u32string_view text);

// Where the character that begins at start ends.
std::size_t characterEnd(std::u32string_view text, std::size_t start);

}  // namespace kulbo
