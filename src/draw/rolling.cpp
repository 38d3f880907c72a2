#include "draw/rolling.h"

#include "app/number_text.h"

#include <cmath>

namespace kulbo {

std::string nextInSequence(std::string_view current, std::string_view minimum, std::string_view maximum) {
    auto value = strictNumber(current);
    auto top = strictNumber(maximum);
    if (value && top && *value + 1 <= *top) return numberText(*value + 1);
    return std::string(minimum);
}

std::string randomNumber(double r, std::string_view minimum, std::string_view maximum) {
    auto top = strictNumber(maximum);
    if (!top || *top < 1) return std::string(minimum);
    double count = std::floor(*top);
    double drawn = std::floor(count * r) + 1;
    return numberText(std::fmin(drawn, count));  // r is below 1, but rounding must not reach past the top
}

}  // namespace kulbo
