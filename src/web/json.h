// What the page's script is handed: JSON objects of texts, numbers and flags.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kulbo {

std::string jsonString(std::string_view text);
std::string jsonArray(const std::vector<std::string>& items);  // items already JSON

class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view text);
    JsonObject& add(std::string_view key, const char* text) { return add(key, std::string_view(text)); }
    JsonObject& add(std::string_view key, int number);
    JsonObject& add(std::string_view key, bool flag);
    JsonObject& addJson(std::string_view key, std::string_view json);
    std::string str() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

}  // namespace kulbo
