#include "platform/system.h"

#include <ctime>
#include <emscripten/emscripten.h>

namespace kulbo::os {

// A page lives in no folder, and the user's folders are the browser's:
// its reports are downloads.
std::optional<std::string> programFolder() { return std::nullopt; }
std::optional<std::string> documentsFolder() { return std::nullopt; }
std::optional<std::string> homeFolder() { return std::nullopt; }

// The browser's local time.
LocalTime localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

// The runtime stops, and the page, told by Module.onExit, takes no more input.
void endNow() { emscripten_force_exit(0); }

const char* pathSeparators() { return "/"; }

}  // namespace kulbo::os
