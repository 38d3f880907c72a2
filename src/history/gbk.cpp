#include "history/gbk.h"
#include "app/messages.h"

#include "history/gbk_table.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kulbo {

namespace {

struct Utf8Character {
    char32_t codePoint;
    std::size_t length;
};

// Nothing where the bytes are no well-formed character: a stray or missing
// continuation byte, an overlong form, a surrogate, or past U+10FFFF.
std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80) return Utf8Character{lead, 1};
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return std::nullopt;
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        codePoint = codePoint << 6 | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kShortest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{codePoint, length};
}

// The two bytes (lead, trail) of each character of the chart, by code point; 0 where it has none.
using TwoByteCodes = std::vector<std::uint16_t>;

TwoByteCodes twoByteCodes() {
    TwoByteCodes codes(0x10000, 0);
    for (std::size_t r = 0; r < gbk::kRowCount; ++r) {
        const gbk::Row& row = gbk::kRows[r];
        std::string_view cells = row.cells;
        for (std::size_t at = 0, trail = row.firstTrail; at < cells.size(); trail += trail == 0x7E ? 2 : 1) {
            Utf8Character cell = *utf8CharacterAt(cells, at);
            if (cell.codePoint != ' ') codes[cell.codePoint] = std::uint16_t(row.lead << 8 | trail);
            at += cell.length;
        }
    }
    char32_t ideograph = 0x4E00;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        if (lead > 0xA0 && lead < 0xAA) continue;
        for (unsigned trail = 0x40; trail <= (lead <= 0xA0 ? 0xFE : 0xA0); ++trail) {
            if (trail == 0x7F) continue;
            while (ideograph <= 0x9FA5 && codes[ideograph] != 0) ++ideograph;
            if (ideograph > 0x9FA5) return codes;
            codes[ideograph++] = std::uint16_t(lead << 8 | trail);
        }
    }
    return codes;
}

// Appends the character's bytes; false when GBK has none.
bool appendGbk(char32_t codePoint, const TwoByteCodes& codes, std::string& gbk) {
    if (codePoint < 0x80) {
        gbk += char(codePoint);
        return true;
    }
    if (codePoint >= gbk::kNothingFirst && codePoint <= gbk::kNothingLast) return true;
    for (std::size_t i = 0; i < gbk::kSingleByteCount; ++i) {
        if (gbk::kSingleBytes[i].codePoint != codePoint) continue;
        gbk += char(gbk::kSingleBytes[i].byte);
        return true;
    }
    std::uint16_t code = codePoint < codes.size() ? codes[codePoint] : 0;
    if (code == 0) return false;
    gbk += char(code >> 8);
    gbk += char(code & 0xFF);
    return true;
}

}  // namespace

Outcome encodeGbk(std::string_view utf8, std::string& gbk) {
    static const TwoByteCodes codes = twoByteCodes();  // made once, read only after
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        std::optional<Utf8Character> character = utf8CharacterAt(utf8, at);
        if (!character || !appendGbk(character->codePoint, codes, bytes))
            return Outcome::failed(noGbkForm(at + 1));
        at += character->length;
    }
    gbk = std::move(bytes);
    return Outcome::done();
}

}  // namespace kulbo
