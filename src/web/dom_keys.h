// The browser's keys (KeyboardEvent.key) in the core's terms.
#pragma once

#include <string_view>

namespace kulbo {

// The key code the window's KeyDown sees: a named key's, a function key's,
// or that of the key that types the character; 0 for any other.
int keyCodeOfDomKey(std::string_view key);

}  // namespace kulbo
