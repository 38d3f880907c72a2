#include "app/number_text.h"

#include <charconv>
#include <cmath>

namespace kulbo {

namespace {

// Length of the number at the start of text (sign, digits, one point), or 0.
std::size_t leadingNumberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false, point = false;
    std::size_t end = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            end = i + 1;
        } else if (c == '.' && !point) {
            point = true;
            if (digits) end = i + 1;
        } else {
            break;
        }
    }
    return digits ? end : 0;
}

double parse(std::string_view number) {
    bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '-' || number.front() == '+')) number.remove_prefix(1);
    if (!number.empty() && number.back() == '.') number.remove_suffix(1);
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
}

}  // namespace

std::optional<double> strictNumber(std::string_view text) {
    std::size_t length = leadingNumberLength(text);
    if (length == 0 || length != text.size()) return std::nullopt;
    return parse(text);
}

double lenientNumber(std::string_view text) {
    return parse(text.substr(0, leadingNumberLength(text)));
}

std::string numberText(double value) {
    if (value == 0) return "0";  // also folds -0
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace kulbo
