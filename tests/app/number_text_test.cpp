#include "app/number_text.h"

#include <gtest/gtest.h>

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
}
