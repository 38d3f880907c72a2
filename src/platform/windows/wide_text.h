// The program speaks UTF-8; Windows speaks UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace kulbo {

// Text that is not UTF-8 comes back with U+FFFD in place of what was wrong.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

// The system's words for an error code, with the code.
std::string systemMessage(unsigned long error);

}  // namespace kulbo
