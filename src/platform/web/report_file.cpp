#include "platform/report_file.h"

#include "history/gbk.h"

#include <emscripten/emscripten.h>

namespace kulbo {

namespace {

// The browser saves the bytes as they are, under the name, in its downloads.
EM_JS(void, download, (const char* name, const char* bytes, std::size_t length), {
    const link = document.createElement("a");
    link.download = UTF8ToString(name);
    link.href = URL.createObjectURL(new Blob([HEAPU8.slice(bytes, bytes + length)], {type: "text/plain"}));
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
});

}  // namespace

Outcome toGbk(const std::string& utf8, std::string& gbk) { return encodeGbk(utf8, gbk); }

// A download is whole or nothing by the browser itself.
Outcome writeGbkFile(const std::string& name, const std::string& utf8Text) {
    std::string bytes;
    if (Outcome converted = toGbk(utf8Text, bytes); !converted.ok()) return converted;
    download(name.c_str(), bytes.data(), bytes.size());
    return Outcome::done();
}

}  // namespace kulbo
