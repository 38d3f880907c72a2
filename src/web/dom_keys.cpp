#include "web/dom_keys.h"

#include "app/keys.h"
#include "app/unicode.h"

#include <charconv>
#include <utility>

namespace kulbo {

namespace {

constexpr std::pair<std::string_view, NamedKey> kNamedKeys[] = {
    {"Backspace", NamedKey::Backspace}, {"Tab", NamedKey::Tab},         {"Enter", NamedKey::Enter},
    {"Escape", NamedKey::Escape},       {" ", NamedKey::Space},         {"PageUp", NamedKey::PageUp},
    {"PageDown", NamedKey::PageDown},   {"End", NamedKey::End},         {"Home", NamedKey::Home},
    {"ArrowLeft", NamedKey::Left},      {"ArrowUp", NamedKey::Up},      {"ArrowRight", NamedKey::Right},
    {"ArrowDown", NamedKey::Down},      {"Insert", NamedKey::Insert},   {"Delete", NamedKey::Delete},
};

}  // namespace

int keyCodeOfDomKey(std::string_view key) {
    for (auto [name, named] : kNamedKeys)
        if (key == name) return keyCodeOf(named);
    int number = 0;
    if (key.size() > 1 && key[0] == 'F' &&
        std::from_chars(key.data() + 1, key.data() + key.size(), number).ptr == key.data() + key.size())
        return functionKeyCode(number);
    std::u32string characters = codePointsOfUtf8(key);
    return characters.size() == 1 ? keyCodeOfCharacter(characters[0]) : 0;
}

}  // namespace kulbo
