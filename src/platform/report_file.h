// Writes a text file in code page 936 without ever leaving it half-written.
#pragma once

#include "app/outcome.h"

#include <string>

namespace kulbo {

// Converts UTF-8 text to GBK. Fails when a character has no GBK form;
// nothing is dropped silently.
Outcome toGbk(const std::string& utf8, std::string& gbk);

// Writes the text, converted to GBK, to path: first to a temporary file in
// the same folder (unnamed where the file system allows), flushed to disk,
// then renamed over the final name, so an earlier file is replaced whole or
// not at all and a link standing at the name is replaced rather than
// followed. Temporaries that killed copies left there are removed first.
Outcome writeGbkFile(const std::string& path, const std::string& utf8Text);

}  // namespace kulbo
