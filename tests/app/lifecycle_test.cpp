#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;
using Boxes = std::vector<ShownBox>;

// The five boxes with filters are hooked from load to unload; a second copy
// warns, ends, and runs nothing after.
TEST(Lifecycle, LoadHooksTheFiveBoxesAndASecondInstanceWarnsAndEnds) {
    FormFixture f;
    f.form.unload();
    EXPECT_EQ(f.platform.hookLog, (std::vector<std::string>{"hook Text1", "hook Text2", "hook Text3", "hook Text4",
                                                            "hook Text6", "unhook Text1", "unhook Text2", "unhook Text3",
                                                            "unhook Text4", "unhook Text6"}));
    FakePlatform platform;
    platform.previousInstance = true;
    Form1 form(platform, platform);
    form.load();
    EXPECT_EQ(platform.boxes, (Boxes{{"该程序已在运行！", box::kExclamation, "运行中断 - Kulbo"}}));
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(platform.hookLog.empty());
    form.click(form.Command1);
    form.tick(form.Timer1);
    EXPECT_EQ(form.Label5.Caption.get() + form.Label4.Caption.get(), "1");
}

// No keeps everything as it was; Yes ends at once, without unloading. The
// session's end asks only when it may, and No cancels it.
TEST(Lifecycle, CloseAsksAndOnlyYesEnds) {
    FormFixture f;
    EXPECT_FALSE(f.form.cancelSessionEnd(false));
    EXPECT_TRUE(f.form.cancelSessionEnd(true));
    EXPECT_EQ(f.platform.boxes, (Boxes{{"确定要退出吗？", box::kYesNoQuestionNoDefault, "Kulbo"}}));
    f.platform.answers = {box::kYes};
    f.form.requestClose();
    EXPECT_EQ(f.platform.ends, 1);
    EXPECT_TRUE(f.form.ended());
    EXPECT_EQ(f.platform.hookLog.size(), 5u);
}

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
    f.form.Label5.Caption = "9";
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.platform.prompts(), (std::vector<std::string>{"恭喜9号被抽中！", "确定要退出吗？"}));
    EXPECT_TRUE(swallowed);
    EXPECT_EQ(f.form.Label5.Caption, "9");
    EXPECT_EQ(f.form.Text6.Text, "#2[9]\r\n");
    EXPECT_FALSE(f.form.ended());
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
    EXPECT_EQ(f.form.Width, kDesignOuterWidth);
    EXPECT_EQ(f.form.Height, kDesignOuterHeight);

    f.form.WindowState = kMinimized;
    f.form.Height = 300;
    f.form.tick(f.form.Timer2);
    f.form.tick(f.form.Timer3);
    EXPECT_EQ(f.form.WindowState, kMinimized);
    EXPECT_EQ(f.form.Height, 300);
}
