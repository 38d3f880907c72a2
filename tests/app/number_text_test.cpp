#include "app/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>

using namespace kulbo;

TEST(NumberText, StrictAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(strictNumber("5."), 5);
    EXPECT_EQ(strictNumber(".5"), 0.5);
    EXPECT_EQ(strictNumber("050"), 50);
    EXPECT_EQ(strictNumber("5.5"), 5.5);
    EXPECT_EQ(strictNumber("7.0"), 7);
    EXPECT_EQ(strictNumber("999"), 999);
    EXPECT_EQ(strictNumber("1000"), 1000);
    EXPECT_EQ(strictNumber("-3"), -3);
    EXPECT_EQ(strictNumber("9007199254740993"), 9007199254740992.0);  // halfway: to the even neighbour
    EXPECT_EQ(strictNumber("9007199254740993.1"), 9007199254740994.0);  // past it: up
    EXPECT_EQ(strictNumber("0.30000000000000004"), 0.1 + 0.2);
    for (const char* text : {"", ".", "..", "5a", "a5", "5.5.", " 5", "5 ", "-", "+.", "1e3"})
        EXPECT_FALSE(strictNumber(text).has_value()) << '"' << text << '"';
}

TEST(NumberText, LenientTakesTheLeadingNumber) {
    EXPECT_EQ(lenientNumber(""), 0);
    EXPECT_EQ(lenientNumber("."), 0);
    EXPECT_EQ(lenientNumber("5."), 5);
    EXPECT_EQ(lenientNumber(".5"), 0.5);
    EXPECT_EQ(lenientNumber("050"), 50);
    EXPECT_EQ(lenientNumber("5.5.5"), 5.5);
    EXPECT_EQ(lenientNumber("12abc"), 12);
    EXPECT_EQ(lenientNumber("abc"), 0);
    EXPECT_EQ(lenientNumber("1000"), 1000);
    EXPECT_EQ(lenientNumber(std::string(400, '9')), 0);  // beyond a double
}

TEST(NumberText, ShortestDecimalForm) {
    EXPECT_EQ(numberText(7), "7");
    EXPECT_EQ(numberText(7.0), "7");
    EXPECT_EQ(numberText(50), "50");
    EXPECT_EQ(numberText(5.5), "5.5");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(999), "999");
    EXPECT_EQ(numberText(1000), "1000");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    EXPECT_EQ(numberText(1e23), "99999999999999991611392");  // whole numbers in full
    EXPECT_EQ(numberText(-2.5), "-2.5");
    EXPECT_EQ(numberText(0.3), "0.3");
    EXPECT_EQ(numberText(0x1p-24), "0.00000005960464477539063");  // the neighbour below is nearer
    EXPECT_EQ(numberText(5e-324), "0." + std::string(323, '0') + "5");
}

TEST(NumberText, EveryDoubleReadsBack) {
    std::uint64_t bits = 1;
    for (int i = 0; i < 2000; ++i) {
        bits = bits * 6364136223846793005u + 1442695040888963407u;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            EXPECT_EQ(strictNumber(numberText(value)), value) << numberText(value);
        }
    }
}

// Qt sets the C locale from the user's: a decimal comma there changes nothing.
TEST(NumberText, LocaleKeepsThePoint) {
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    std::string cBefore = std::setlocale(LC_ALL, nullptr);
    bool commaInC = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "German", "de-DE"})
        if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') {
            commaInC = true;
            break;
        }
    EXPECT_EQ(numberText(5.5), "5.5");
    EXPECT_EQ(strictNumber("5.5"), 5.5);
    EXPECT_FALSE(strictNumber("5,5"));
    EXPECT_EQ(strictNumber("1234567890.12345678"), 1234567890.12345678);
    std::locale::global(before);
    std::setlocale(LC_ALL, cBefore.c_str());
    if (!commaInC) GTEST_SKIP() << "no C locale with a decimal comma here: only C++'s global locale had one";
}
