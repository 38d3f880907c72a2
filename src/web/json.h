// What the page's script is handed: JSON objects of texts, numbers and flags.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kulbo {

std::string jsonString(std::string_view text);
std::string jsonArray(const std::vector<std::string>& items);  // items already JSON

class JsonObject {
public:
    template <class T>
    JsonObject& add(std::string_view key, const T& value) {
        if constexpr (std::is_same_v<T, bool>) return addJson(key, value ? "true" : "false");
        else if constexpr (std::is_arithmetic_v<T>) return addJson(key, std::to_string(value));
        else return addJson(key, jsonString(value));
    }
    JsonObject& addJson(std::string_view key, std::string_view json) {
        body_ += (body_.empty() ? "" : ",") + jsonString(key) + ":" + std::string(json);
        return *this;
    }
    std::string str() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

}  // namespace kulbo
