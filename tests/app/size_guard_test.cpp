#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

// Maximised comes back to normal, then any size to the design's; minimised
// is left alone.
TEST(SizeGuard, TheWindowGoesBackToItsDesignSize) {
    FormFixture f;
    f.form.WindowState = kMaximized;
    f.form.Width = 15000;
    f.form.Height = 3000;
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(f.form.Width, 15000);
    f.form.tick(f.form.Timer2);
    EXPECT_EQ(f.form.WindowState, kNormal);
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(f.form.Width, kDesignOuterWidth);
    EXPECT_EQ(f.form.Height, kDesignOuterHeight);

    f.form.WindowState = kMinimized;
    f.form.Height = 300;
    f.form.tick(f.form.Timer2);
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(f.form.WindowState, kMinimized);
    EXPECT_EQ(f.form.Height, 300);
}
