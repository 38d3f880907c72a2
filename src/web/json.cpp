#include "web/json.h"

#include <cstdio>

namespace kulbo {

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string array = "[";
    for (const std::string& item : items) array += (array.size() > 1 ? "," : "") + item;
    return array + "]";
}

JsonObject& JsonObject::addJson(std::string_view key, std::string_view json) {
    if (!body_.empty()) body_ += ',';
    body_ += jsonString(key) + ":";
    body_ += json;
    return *this;
}

JsonObject& JsonObject::add(std::string_view key, std::string_view text) { return addJson(key, jsonString(text)); }
JsonObject& JsonObject::add(std::string_view key, int number) { return addJson(key, std::to_string(number)); }
JsonObject& JsonObject::add(std::string_view key, bool flag) { return addJson(key, flag ? "true" : "false"); }

}  // namespace kulbo
