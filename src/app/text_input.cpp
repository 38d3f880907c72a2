#include "app/text_input.h"

#include "app/form1.h"
#include "app/keys.h"
#include "app/unicode.h"

#include <algorithm>

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

bool hasKeyFilter(const Form1& form, const TextBox& box) { return form.keyPressHandler(box) != nullptr; }

bool isPasteKey(int keyCode, int shift) {
    const int modifiers = shift & (key::kShift | key::kCtrl | key::kAlt);
    return (keyCode == 'V' && modifiers == key::kCtrl) || (keyCode == key::kInsert && modifiers == key::kShift);
}

void typeEach(Form1& form, TextBox& box, std::u32string_view characters, const std::function<void(char32_t)>& type) {
    for (char32_t c : characters)
        if (form.keyPress(box, keyAsciiOf(c)) != 0) type(c);
}

namespace {

// What the key filter can leave in a box: digits and at most one point.
bool numberBoxText(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
           std::count(text.begin(), text.end(), U'.') <= 1;
}

// The longest beginning of `inserted`, in whole characters, that fits
// between `before` and `after` within the limit.
std::u32string fitting(std::u32string_view before, std::u32string_view inserted, std::u32string_view after,
                       int limit) {
    std::u32string kept;
    for (std::size_t at = 0; at < inserted.size();) {
        std::size_t end = characterEnd(inserted, at);
        std::u32string longer = kept + std::u32string(inserted.substr(at, end - at));
        if (characterCount(std::u32string(before) + longer + std::u32string(after)) > static_cast<std::size_t>(limit))
            break;
        kept = longer;
        at = end;
    }
    return kept;
}

// A unit of a character cut in two stands for no character.
std::u16string wholeCharacters(std::u16string_view text) {
    std::u16string whole;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool high = text[i] >= 0xD800 && text[i] < 0xDC00;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            whole += text.substr(i++, 2);
        else if (!high && !(text[i] >= 0xDC00 && text[i] < 0xE000))
            whole += text[i];
    }
    return whole;
}

}  // namespace

KeptEdit keepEdit(Form1& form, TextBox& box, std::u16string_view shown, std::size_t caret) {
    const std::u32string was = codePointsOfUtf8(box.Text.get());
    const std::u32string now = codePointsOfUtf16(wholeCharacters(shown));
    // The change is what lies between the part both share at the start and
    // the part both share at the end.
    std::size_t start = 0;
    while (start < was.size() && start < now.size() && was[start] == now[start]) ++start;
    std::size_t tail = 0;
    while (tail < was.size() - start && tail < now.size() - start && was[was.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const std::u32string_view before = std::u32string_view(now).substr(0, start);
    const std::u32string_view after = std::u32string_view(now).substr(now.size() - tail);
    std::u32string inserted = withoutControlCharacters(std::u32string_view(now).substr(start, now.size() - start - tail));
    if (box.MaxLength > 0) inserted = fitting(before, inserted, after, box.MaxLength);

    std::u32string kept = std::u32string(before) + inserted + std::u32string(after);
    std::size_t keptCaret = utf16Of(std::u32string(before) + inserted).size();
    if (hasKeyFilter(form, box) && !numberBoxText(now)) {  // refused whole
        kept = was;
        keptCaret = utf16Of(before).size();
    }
    KeptEdit edit{utf16Of(kept), keptCaret, false};
    edit.changed = edit.text != shown;
    if (!edit.changed) edit.caret = caret;
    box.Text = utf8Of(kept);
    return edit;
}

}  // namespace kulbo
