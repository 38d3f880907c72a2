// Writes a text file in code page 936 without ever leaving it half-written.
#pragma once

#include <string>

namespace kulbo {

// Converts UTF-8 text to GBK. Returns false, with the reason, when a
// character has no GBK form; nothing is dropped silently.
bool toGbk(const std::string& utf8, std::string& gbk, std::string& reason);

// Writes the text, converted to GBK, to path: first to a temporary file in
// the same folder, flushed to disk, then renamed over the final name, so an
// earlier file is replaced whole or not at all and a link standing at the
// name is replaced rather than followed. Returns "" or the reason it failed.
std::string writeGbkFile(const std::string& path, const std::string& utf8Text);

}  // namespace kulbo
