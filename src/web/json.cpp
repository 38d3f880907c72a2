#include "web/json.h"

#include <cstdio>

namespace kulbo {

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        char escaped[8] = {c, 0};
        if (c == '"' || c == '\\') std::snprintf(escaped, sizeof escaped, "\\%c", c);
        if (static_cast<unsigned char>(c) < 0x20) std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        quoted += escaped;
    }
    return quoted + "\"";
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string array = "[";
    for (const std::string& item : items) array += (array.size() > 1 ? "," : "") + item;
    return array + "]";
}

}  // namespace kulbo
