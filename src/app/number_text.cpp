#include "app/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

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

// A decimal number held exactly, so that conversions to and from double are
// correctly rounded by plain digit arithmetic, whatever the C library and
// its locale would do: the value is 0.digits times 10 to the power point,
// with no leading or trailing zeros in digits (none at all for 0).
struct Decimal {
    std::string digits;
    int point = 0;

    explicit Decimal(std::uint64_t whole) {
        char buffer[24];
        digits.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, whole).ptr);
        point = static_cast<int>(digits.size());
        trim();
    }

    // Digits with the point after the first `point` of them.
    Decimal(std::string_view allDigits, int pointAt) : digits(allDigits), point(pointAt) { trim(); }

    void trim() {
        std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) {
            digits.clear();
            point = 0;
            return;
        }
        digits.erase(0, first);
        point -= static_cast<int>(first);
        digits.erase(digits.find_last_not_of('0') + 1);
    }

    // Times 2^bits, a bit count either way; each step shifts by at most 59
    // bits so that a digit times 2^step still fits in 64 bits.
    void scaleByPowerOfTwo(int bits) {
        for (int step; bits > 0; bits -= step) doubleBy(step = std::min(bits, 59));
        for (int step; bits < 0; bits += step) halveBy(step = std::min(-bits, 59));
    }

    void doubleBy(int step) {
        std::uint64_t carry = 0;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            std::uint64_t value = (std::uint64_t(*digit - '0') << step) + carry;
            *digit = char('0' + value % 10);
            carry = value / 10;
        }
        std::string head;
        for (; carry > 0; carry /= 10) head.insert(head.begin(), char('0' + carry % 10));
        digits.insert(0, head);
        point += static_cast<int>(head.size());
        trim();
    }

    void halveBy(int step) {
        std::string result;
        std::uint64_t remainder = 0, mask = (std::uint64_t(1) << step) - 1;
        for (std::size_t i = 0; i < digits.size() || remainder != 0; ++i) {
            remainder = remainder * 10 + (i < digits.size() ? std::uint64_t(digits[i] - '0') : 0);
            result += char('0' + (remainder >> step));
            remainder &= mask;
        }
        digits = std::move(result);
        trim();
    }

    bool belowHalf() const { return point < 0 || (point == 0 && !digits.empty() && digits[0] < '5'); }

    // The value, at least 1/2 and below 2^64, rounded to nearest, ties to even.
    std::uint64_t rounded() const {
        std::uint64_t whole = 0;
        for (int i = 0; i < point; ++i) whole = whole * 10 + digit(i);
        bool pastHalf = digit(point) > 5 || (digit(point) == 5 && (fractionPlaces() > 1 || whole % 2 == 1));
        return whole + (pastHalf ? 1 : 0);
    }

    unsigned digit(int i) const {
        return i >= 0 && std::size_t(i) < digits.size() ? unsigned(digits[std::size_t(i)] - '0') : 0;
    }

    int fractionPlaces() const { return static_cast<int>(digits.size()) - point; }

    // The digits at the given places around the point, zeros filling in.
    std::string onGrid(int wholePlaces, int fractionPlaces) const {
        std::string grid;
        for (int i = point - wholePlaces; i < point + fractionPlaces; ++i) grid += char('0' + digit(i));
        return grid;
    }

    // As people write it: 7, 0.5, 12.25.
    std::string plainText() const {
        std::string text = onGrid(std::max(point, 1), 0);
        if (fractionPlaces() > 0) text += "." + onGrid(0, fractionPlaces());
        return text;
    }
};

// Correctly rounded, like the C library's conversion in the C locale; a
// number too large for a double reads as 0.
double toDouble(Decimal decimal) {
    if (decimal.digits.empty() || decimal.point < -330) return 0;
    if (decimal.point > 310) return 0;
    // Up to 15 digits over a power of ten that a double holds exactly: one
    // division, which rounds correctly by itself.
    int places = std::max(static_cast<int>(decimal.digits.size()), decimal.point);
    if (places <= 15 && decimal.fractionPlaces() <= 22) {
        std::uint64_t whole = 0;
        for (int i = 0; i < places; ++i) whole = whole * 10 + decimal.digit(i);
        double scale = 1;
        for (int i = 0; i < decimal.fractionPlaces(); ++i) scale *= 10;
        return double(whole) / scale;
    }
    // Brought to [0.5, 1) times 2^exponent, in steps that cannot overshoot.
    int exponent = 0;
    while (decimal.point > 0) {
        int step = std::max(1, 3 * (decimal.point - 1));
        decimal.scaleByPowerOfTwo(-step);
        exponent += step;
    }
    while (decimal.belowHalf()) {
        int step = std::max(1, 3 * -decimal.point);
        decimal.scaleByPowerOfTwo(step);
        exponent -= step;
    }
    // 53 bits of mantissa, fewer below the smallest normal number.
    int bits = std::min(53, exponent + 1074);
    if (bits < 0) return 0;
    decimal.scaleByPowerOfTwo(bits);
    double value = std::ldexp(double(decimal.rounded()), exponent - bits);
    return std::isinf(value) ? 0 : value;
}

double parse(std::string_view number) {
    bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '-' || number.front() == '+')) number.remove_prefix(1);
    std::size_t point = number.find('.');
    std::string digits(number.substr(0, point));
    if (point != std::string_view::npos) digits += number.substr(point + 1);
    double value = toDouble(Decimal(digits, static_cast<int>(std::min(point, number.size()))));
    return negative ? -value : value;
}

// The fewest digits that read back as the value (the one nearest the value
// when several do): low and high are the midpoints to its neighbours, which
// read back as the value only when its mantissa is even.
std::string shortestFraction(std::uint64_t mantissa, int exponent) {
    bool narrowBelow = mantissa == (std::uint64_t(1) << 52) && exponent > -1074;
    Decimal value(mantissa), low(narrowBelow ? 4 * mantissa - 1 : 2 * mantissa - 1), high(2 * mantissa + 1);
    value.scaleByPowerOfTwo(exponent);
    low.scaleByPowerOfTwo(exponent - (narrowBelow ? 2 : 1));
    high.scaleByPowerOfTwo(exponent - 1);
    bool inclusive = mantissa % 2 == 0;

    // All three on one grid of digits, with a leading 0 to carry into.
    int wholePlaces = std::max(high.point, 0) + 1;
    int fractionPlaces = low.fractionPlaces();
    std::string exact = value.onGrid(wholePlaces, fractionPlaces);
    std::string lowest = low.onGrid(wholePlaces, fractionPlaces), highest = high.onGrid(wholePlaces, fractionPlaces);
    // Fewer digits than reach the first of the upper midpoint can only give 0.
    for (std::size_t kept = highest.find_first_not_of('0') + 1; kept <= exact.size(); ++kept) {
        std::string down = exact.substr(0, kept) + std::string(exact.size() - kept, '0');
        std::string up = down;
        std::size_t i = kept - 1;
        for (; up[i] == '9'; --i) up[i] = '0';
        ++up[i];
        bool downReads = inclusive ? down >= lowest : down > lowest;
        bool upReads = inclusive ? up <= highest : up < highest;
        if (!downReads && !upReads) continue;
        std::string half = "5" + std::string(exact.size() - kept - 1, '0');
        std::string rest = exact.substr(kept);
        bool nearerUp = rest > half || (rest == half && (down[kept - 1] - '0') % 2 == 1);
        return Decimal(upReads && (!downReads || nearerUp) ? up : down, wholePlaces).plainText();
    }
    return value.plainText();  // not reached: the exact value always reads back
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

// Whole numbers print every digit of their exact value (1e23 is
// 99999999999999991611392); others print the shortest fraction that reads back.
std::string numberText(double value) {
    if (value == 0) return "0";  // also folds -0
    std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) return sign + "nan";
    if (std::isinf(value)) return sign + "inf";
    value = std::fabs(value);
    if (value < 0x1p64 && value == std::floor(value)) return sign + Decimal(std::uint64_t(value)).plainText();

    int exponent = 0;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(value, &exponent), 53));
    exponent -= 53;
    if (exponent < -1074) {  // below the normal numbers the mantissa is shorter
        mantissa >>= -1074 - exponent;
        exponent = -1074;
    }
    if (value == std::floor(value)) {
        Decimal whole(mantissa);
        whole.scaleByPowerOfTwo(exponent);
        return sign + whole.plainText();
    }
    return sign + shortestFraction(mantissa, exponent);
}

}  // namespace kulbo
