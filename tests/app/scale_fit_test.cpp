#include "app/geometry.h"

#include <gtest/gtest.h>

using kulbo::fittingScaleFactor;
using kulbo::pageScale;

namespace {

// The design window is 441x426 in a frame 6 wider and 28 higher.
double factorFor(double requested, int screenWidth, int screenHeight) {
    return fittingScaleFactor(requested, {screenWidth, screenHeight});
}

}  // namespace

TEST(ScaleFit, LargestStepThatFitsAndNoneAboveTheRequest) {
    EXPECT_EQ(factorFor(2, 1920, 1080), 2);
    EXPECT_EQ(factorFor(2, 1024, 768), 1.5);    // 852 + 28 > 768
    EXPECT_EQ(factorFor(1.75, 1024, 768), 1.5);
    EXPECT_EQ(factorFor(1.25, 1024, 768), 1.25);  // fits as asked
    EXPECT_EQ(factorFor(3, 1024, 768), 1.5);
    EXPECT_EQ(factorFor(2, 880, 1080), 1.5);    // too narrow: 882 + 6
    EXPECT_EQ(factorFor(1.5, 640, 480), 1);
    EXPECT_EQ(factorFor(2, 447, 454), 1);       // exactly the design window
}

// The page's window, 441x426, beside a control 88 pixels square.
TEST(ScaleFit, PageWindowWholeAndClearOfTheCorner) {
    EXPECT_EQ(pageScale(882, 1000, 88), 2);         // room below it
    EXPECT_EQ(pageScale(882, 852, 88), 794.0 / 441);  // none: gives up the side
    EXPECT_EQ(pageScale(882, 852, 0), 2);
}
