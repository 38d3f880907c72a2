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

// Maximised, the window keeps its size till Timer2 restores it; minimised,
// for good. Back to the design size from any other: the end-to-end runs.
TEST(SizeGuard, AMaximisedOrMinimisedWindowKeepsItsSize) {
    FormFixture f;
    for (int state : {kMaximized, kMinimized}) {
        f.form.WindowState = state;
        f.form.Height = 300;
        f.form.tick(f.form.Timer3);
        EXPECT_EQ(f.form.Height, 300) << state;
    }
}
