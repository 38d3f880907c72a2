#include "app/unicode.h"

namespace kulbo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::u32string codePointsOfUtf8(std::string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        int length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
        bool whole = length > 0 && i + length <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!whole || c < kLeast[length] || c > 0x10FFFF || isSurrogate(c)) {
            points += kReplacement;
            ++i;
            continue;
        }
        points += c;
        i += static_cast<std::size_t>(length);
    }
    return points;
}

std::string utf8Of(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) {
        if (c > 0x10FFFF || isSurrogate(c)) c = kReplacement;
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::u32string codePointsOfUtf16(std::u16string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (isSurrogate(c))
            c = kReplacement;
        points += c;
    }
    return points;
}

std::u16string utf16Of(std::u32string_view text) {
    std::u16string units;
    for (char32_t c : text) {
        if (c > 0x10FFFF || isSurrogate(c)) c = kReplacement;
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
        } else {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return units;
}

bool continuesCharacter(char32_t previous, char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
           (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0100 && c <= 0xE01EF) || c == 0x200D || previous == 0x200D;
}

std::size_t characterEnd(std::u32string_view text, std::size_t start) {
    std::size_t end = start + 1;
    while (end < text.size() && continuesCharacter(text[end - 1], text[end])) ++end;
    return end;
}

std::size_t characterCount(std::u32string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = characterEnd(text, at)) ++count;
    return count;
}

}  // namespace kulbo
