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

namespace {

// The count after `steps` additions of 1, each rounded as the tick rounds it.
// Within one binade every addition is exact, so only the crossings into the
// next binade need a step of their own: a handful for numbers below 1000
// (and any below 2^52, where 1 is still a whole number of units).
double countedUp(double value, std::uint64_t steps) {
    while (steps > 0) {
        int exponent = 0;
        std::frexp(value, &exponent);
        double end = value < 0 ? 0 : std::ldexp(1.0, exponent);  // where the binade ends
        double exact = value == 0 ? 0 : std::ceil(end - value) - 1;
        auto within = static_cast<std::uint64_t>(std::fmin(exact, double(steps)));
        value += double(within);
        steps -= within;
        if (steps > 0) {
            value += 1;
            --steps;
        }
    }
    return value;
}

// How many times the count rises from value before the next would pass the top.
std::uint64_t risesBelow(double value, double top) {
    if (value + 1 > top) return 0;
    double guess = std::floor(top - value);
    auto rises = static_cast<std::uint64_t>(guess < 1 ? 1 : guess);
    while (countedUp(value, rises + 1) <= top) ++rises;
    while (rises > 1 && countedUp(value, rises) > top) --rises;
    return rises;
}

}  // namespace

std::string advanceInSequence(std::string_view current, std::string_view minimum, std::string_view maximum,
                              std::uint64_t steps) {
    if (steps == 0) return std::string(current);
    auto top = strictNumber(maximum);
    if (!top) return std::string(minimum);
    auto value = strictNumber(current);
    std::uint64_t rises = value ? risesBelow(*value, *top) : 0;
    if (steps <= rises) return numberText(countedUp(*value, steps));
    steps -= rises + 1;  // the step back to the minimum
    auto low = strictNumber(minimum);
    if (!low) return std::string(minimum);  // text that is not a number stays
    std::uint64_t into = steps % (risesBelow(*low, *top) + 1);
    return into == 0 ? std::string(minimum) : numberText(countedUp(*low, into));
}

std::string randomNumber(double r, std::string_view minimum, std::string_view maximum) {
    auto top = strictNumber(maximum);
    if (!top || *top < 1) return std::string(minimum);
    double count = std::floor(*top);
    double drawn = std::floor(count * r) + 1;
    return numberText(std::fmin(drawn, count));  // r is below 1, but rounding must not reach past the top
}

}  // namespace kulbo
