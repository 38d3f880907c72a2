// Text in code page 936 (GBK) by the program's own chart, for a platform
// that has no converter of its own (a browser only reads GBK).
#pragma once

#include "app/outcome.h"

#include <string>
#include <string_view>

namespace kulbo {

// The bytes the C library's GBK converter writes for UTF-8 text. Fails,
// naming the byte where it stopped, on a character GBK lacks or on bytes
// that are no UTF-8; nothing is dropped silently.
Outcome encodeGbk(std::string_view utf8, std::string& gbk);

}  // namespace kulbo
