#include "app/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>

using namespace kulbo;

// What both readers make of a text; a strict reading of nullopt refuses it.
TEST(NumberText, StrictTakesOnlyWholeNumbersLenientTheLeadingOne) {
    struct Case {
        std::string text;
        std::optional<double> strict;
        double lenient;
    };
    const Case cases[] = {
        {"5.", 5, 5}, {".5", 0.5, 0.5}, {"050", 50, 50}, {"-3", -3, -3},
        {"9007199254740993", 9007199254740992.0, 9007199254740992.0},    // halfway: to the even neighbour
        {"9007199254740993.1", 9007199254740994.0, 9007199254740994.0},  // past it: up
        {"0.30000000000000004", 0.1 + 0.2, 0.1 + 0.2},
        {"", {}, 0}, {".", {}, 0}, {"5.5.5", {}, 5.5}, {"12abc", {}, 12}, {"a5", {}, 0},
        {" 5", {}, 0}, {"5 ", {}, 5}, {"+.", {}, 0}, {"1e3", {}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(strictNumber(c.text), c.strict) << '"' << c.text << '"';
        EXPECT_EQ(lenientNumber(c.text), c.lenient) << '"' << c.text << '"';
    }
    EXPECT_EQ(lenientNumber(std::string(400, '9')), 0);  // beyond a double
}

// The shortest text that reads back, whole numbers in full; every finite
// double reads back as itself.
TEST(NumberText, ShortestDecimalFormReadsBack) {
    const std::pair<double, std::string> cases[] = {
        {7.0, "7"}, {-0.0, "0"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.30000000000000004"}, {1e23, "99999999999999991611392"},
        {0x1p-24, "0.00000005960464477539063"},  // the neighbour below is nearer
        {5e-324, "0." + std::string(323, '0') + "5"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(numberText(value), text);
    std::uint64_t bits = 1;
    for (int i = 0; i < 500; ++i) {
        bits = bits * 6364136223846793005u + 1442695040888963407u;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        EXPECT_EQ(strictNumber(numberText(value)), value) << numberText(value);
    }
}

// Qt sets the C locale from the user's: a decimal comma there changes nothing.
TEST(NumberText, LocaleKeepsThePoint) {
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    std::string cBefore = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "German", "de-DE"})
        if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') break;
    EXPECT_EQ(numberText(5.5), "5.5");
    EXPECT_EQ(strictNumber("1234567890.12345678"), 1234567890.12345678);
    EXPECT_FALSE(strictNumber("5,5"));
    std::locale::global(before);
    std::setlocale(LC_ALL, cBefore.c_str());
}
