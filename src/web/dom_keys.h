// The browser's keys (KeyboardEvent.key) in the core's terms.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kulbo {

// The key code the window's KeyDown sees: a named key's, a function key's,
// or that of the key that types the character; 0 for any other.
int keyCodeOfDomKey(std::string_view key);

// What a key that types no character hands to a box's KeyPress filter:
// Backspace, Enter, Escape, and Ctrl with a letter. The characters come by
// the input the key makes.
std::optional<std::int16_t> keyAsciiOfDomKey(std::string_view key, int shift);

}  // namespace kulbo
