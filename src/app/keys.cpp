#include "app/keys.h"

#include <charconv>
#include <iterator>
#include <string_view>

namespace kulbo {

int keyCodeOf(NamedKey k) {
    switch (k) {
    case NamedKey::Backspace: return key::kBackspace;
    case NamedKey::Tab: return key::kTab;
    case NamedKey::Enter: return key::kEnter;
    case NamedKey::Escape: return key::kEscape;
    case NamedKey::Space: return key::kSpace;
    case NamedKey::PageUp: return key::kPageUp;
    case NamedKey::PageDown: return key::kPageDown;
    case NamedKey::End: return key::kEnd;
    case NamedKey::Home: return key::kHome;
    case NamedKey::Left: return key::kLeft;
    case NamedKey::Up: return key::kUp;
    case NamedKey::Right: return key::kRight;
    case NamedKey::Down: return key::kDown;
    case NamedKey::Insert: return key::kInsert;
    case NamedKey::Delete: return key::kDelete;
    }
    return 0;
}

int functionKeyCode(int number) { return number >= 1 && number <= 24 ? key::kF1 + number - 1 : 0; }

namespace {

// The punctuation keys of the usual layout, each with what it types with
// and without Shift.
struct PunctuationKey {
    std::string_view characters;
    int code;
};
constexpr PunctuationKey kPunctuation[] = {
    {";:", 186}, {"=+", 187}, {",<", 188}, {"-_", 189}, {".>", 190}, {"/?", 191},
    {"`~", 192}, {"[{", 219}, {"\\|", 220}, {"]}", 221}, {"'\"", 222},
};

// Shift with a digit key.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

}  // namespace

int keyCodeOfCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z') return static_cast<int>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<int>(c);
    if (c == ' ') return key::kSpace;
    if (c >= 0x80) return 0;
    if (std::size_t digit = kShiftedDigits.find(static_cast<char>(c)); digit != std::string_view::npos)
        return static_cast<int>('0' + digit);
    for (const PunctuationKey& k : kPunctuation)
        if (k.characters.find(static_cast<char>(c)) != std::string_view::npos) return k.code;
    return 0;
}

int controlCharacterOfKey(int keyCode, int shift) {
    if (keyCode == key::kBackspace || keyCode == key::kEnter || keyCode == key::kEscape) return keyCode;
    const bool ctrlOnly = (shift & (key::kCtrl | key::kAlt)) == key::kCtrl;
    return ctrlOnly && keyCode >= 'A' && keyCode <= 'Z' ? keyCode - 'A' + 1 : 0;
}

namespace {

// By NamedKey's order.
constexpr std::string_view kKeyNames[] = {"Backspace", "Tab",     "Enter",      "Escape",    " ",
                                          "PageUp",    "PageDown", "End",        "Home",      "ArrowLeft",
                                          "ArrowUp",   "ArrowRight", "ArrowDown", "Insert",   "Delete"};
static_assert(std::size(kKeyNames) == static_cast<std::size_t>(NamedKey::Delete) + 1, "a name for every named key");

}  // namespace

int keyCodeOfName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kKeyNames); ++i)
        if (name == kKeyNames[i]) return keyCodeOf(static_cast<NamedKey>(i));
    int number = 0;
    if (name.size() > 1 && name[0] == 'F' &&
        std::from_chars(name.data() + 1, name.data() + name.size(), number).ptr == name.data() + name.size())
        return functionKeyCode(number);
    // A character beyond ASCII takes several bytes and has no key of its own.
    return name.size() == 1 ? keyCodeOfCharacter(static_cast<unsigned char>(name[0])) : 0;
}

}  // namespace kulbo
