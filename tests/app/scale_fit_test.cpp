#include "app/geometry.h"

#include <gtest/gtest.h>

using kulbo::fittingScaleFactor;
using kulbo::pageScale;

// The design window is 441x426 in a frame 6 wider and 28 higher: the largest
// step that fits, never above the request.
TEST(ScaleFit, LargestStepThatFitsAndNoneAboveTheRequest) {
    struct Case {
        double requested;
        int width, height;
        double factor;
    };
    const Case cases[] = {
        {2, 1920, 1080, 2},   {2, 1024, 768, 1.5} /* 852 + 28 > 768 */, {1.75, 1024, 768, 1.5}, {1.25, 1024, 768, 1.25},
        {3, 1024, 768, 1.5},  {2, 880, 1080, 1.5} /* 882 + 6 > 880 */,  {1.5, 640, 480, 1},      {2, 447, 454, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittingScaleFactor(c.requested, {c.width, c.height}), c.factor) << c.requested << " on " << c.width << 'x' << c.height;
}

// The page's window, 441x426, beside a control 88 pixels square.
TEST(ScaleFit, PageWindowWholeAndClearOfTheCorner) {
    EXPECT_EQ(pageScale(882, 1000, 88), 2);           // room below it
    EXPECT_EQ(pageScale(882, 852, 88), 794.0 / 441);  // none: gives up the side
    EXPECT_EQ(pageScale(882, 852, 0), 2);
}
