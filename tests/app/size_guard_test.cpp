#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

TEST(SizeGuard, MaximisedComesBackToNormalAtTheDesignSize) {
    FormFixture f;
    f.form.WindowState = kMaximized;
    f.form.Width = 15000;
    f.form.tick(f.form.Timer2);
    EXPECT_EQ(f.form.WindowState, kNormal);
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(f.form.Width, 6705);
}

TEST(SizeGuard, AnyOtherSizeGoesBackToTheDesign) {
    FormFixture f;
    f.form.Width = 9000;
    f.form.Height = 3000;
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(f.form.Width, 6705);
    EXPECT_EQ(f.form.Height, 6810);
}

TEST(SizeGuard, MinimisedIsLeftAlone) {
    FormFixture f;
    f.form.WindowState = kMinimized;
    f.form.Height = 300;
    f.ticks(f.form.Timer2, 1);
    f.ticks(f.form.Timer3, 1);
    EXPECT_EQ(f.form.WindowState, kMinimized);
    EXPECT_EQ(f.form.Height, 300);
}
