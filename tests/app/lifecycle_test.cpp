#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

// A box that is open keeps its handler running; events that arrive meanwhile
// (timer ticks go on behind a modal box) are dropped, not nested, but for a
// request to close, which is asked once the handler is done.
TEST(Lifecycle, EventsDuringAHandlerAreDropped) {
    FormFixture f;
    bool swallowed = false;
    f.platform.whileBoxesOpen = {[&] {
        swallowed = f.form.keyPress(f.form.Text2, '5') == 0;
        f.form.tick(f.form.Timer1);
        f.form.tick(f.form.Timer5);
        f.form.click(f.form.Command1);
        f.form.requestClose();
    }};
    f.form.Check1.Value = 1;
    f.pick("9");
    EXPECT_EQ(f.platform.prompts(), (std::vector<std::string>{"恭喜9号被抽中！", "确定要退出吗？"}));
    EXPECT_EQ(std::tuple(swallowed, f.form.Label5.Caption.get(), f.form.Text6.Text.get(), f.form.ended()),
              std::tuple(true, "9", "#2[9]\r\n", false));
}

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
    EXPECT_EQ(std::pair(f.form.Width.get(), f.form.Height.get()), std::pair(kDesignOuterWidth, kDesignOuterHeight));

    f.form.WindowState = kMinimized;
    f.form.Height = 300;
    f.form.tick(f.form.Timer2);
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(std::tuple(f.form.WindowState.get(), f.form.Height.get()), std::tuple(kMinimized, 300));
}
