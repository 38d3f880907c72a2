#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

TEST(Lifecycle, LoadHooksTheFiveBoxesInOrder) {
    FormFixture f;
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_EQ(f.platform.hookLog,
              (std::vector<std::string>{"hook Text1", "hook Text2", "hook Text3", "hook Text4", "hook Text6"}));
    f.platform.hookLog.clear();
    f.form.unload();
    EXPECT_EQ(f.platform.hookLog, (std::vector<std::string>{"unhook Text1", "unhook Text2", "unhook Text3",
                                                            "unhook Text4", "unhook Text6"}));
}

TEST(Lifecycle, SecondInstanceWarnsAndEnds) {
    FakePlatform platform;
    platform.previousInstance = true;
    Form1 form(platform, platform);
    form.load();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].prompt, "该程序已在运行！");
    EXPECT_EQ(platform.boxes[0].flags, 48);
    EXPECT_EQ(platform.boxes[0].title, "运行中断 - Kulbo");
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(platform.hookLog.empty());
    // Nothing runs after the end.
    form.click(form.Command1);
    form.tick(form.Timer1);
    EXPECT_EQ(form.Label4.Caption, "");
    EXPECT_EQ(form.Label5.Caption, "1");
}

TEST(Lifecycle, CloseAnsweredNoKeepsEverything) {
    FormFixture f;
    f.form.click(f.form.Command1);
    std::string history = f.form.Text6.Text;
    f.form.requestClose();
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "确定要退出吗？");
    EXPECT_EQ(f.platform.boxes[0].flags, 292);
    EXPECT_EQ(f.platform.boxes[0].title, "Kulbo");
    EXPECT_EQ(f.platform.ends, 0);
    EXPECT_FALSE(f.form.ended());
    EXPECT_EQ(f.form.Text6.Text, history);
    f.form.click(f.form.Command1);  // still running
    EXPECT_NE(f.form.Text6.Text, history);
}

TEST(Lifecycle, CloseAnsweredYesEndsWithoutUnloading) {
    FormFixture f;
    f.platform.answers = {box::kYes};
    f.form.requestClose();
    EXPECT_EQ(f.platform.ends, 1);
    EXPECT_TRUE(f.form.ended());
    EXPECT_EQ(f.platform.hookLog.size(), 5u);  // no unhooking on the way out
    EXPECT_EQ(f.platform.boxes.size(), 1u);
}

// A box that is open keeps its handler running; events that arrive meanwhile
// (timer ticks go on behind a modal box) are dropped, not nested, but for a
// request to close, which is asked once the handler is done.
TEST(Lifecycle, EventsDuringAHandlerAreDropped) {
    struct ReentrantPlatform : FakePlatform {
        Form1* form = nullptr;
        int MsgBox(const std::string& prompt, int flags, const std::string& title) override {
            if (!boxes.empty()) return FakePlatform::MsgBox(prompt, flags, title);
            swallowed = form->keyPress(form->Text2, '5') == 0;
            form->tick(form->Timer1);
            form->tick(form->Timer5);
            form->click(form->Command1);
            form->requestClose();
            return FakePlatform::MsgBox(prompt, flags, title);
        }
        bool swallowed = false;
    } platform;
    Form1 form(platform, platform);
    platform.form = &form;
    form.load();
    form.Check1.Value = 1;
    form.Label5.Caption = "9";
    form.click(form.Command1);
    ASSERT_EQ(platform.boxes.size(), 2u);  // no nested pick; the close question after the box
    EXPECT_EQ(platform.boxes[1].prompt, "确定要退出吗？");
    EXPECT_TRUE(platform.swallowed);
    EXPECT_EQ(form.Label5.Caption, "9");
    EXPECT_EQ(form.Label14.Caption, "#2");
    EXPECT_EQ(form.Text6.Text, "#2[9]\r\n");
    EXPECT_FALSE(form.ended());
}

// The session's end asks the closing question when it may, and No cancels it.
TEST(Lifecycle, SessionEndAsksWhenItMayAndNoCancelsIt) {
    FormFixture f;
    EXPECT_FALSE(f.form.cancelSessionEnd(false));
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_TRUE(f.form.cancelSessionEnd(true));  // No
    f.platform.answers = {box::kYes};
    EXPECT_FALSE(f.form.cancelSessionEnd(true));
    ASSERT_EQ(f.platform.boxes.size(), 2u);
    EXPECT_EQ(f.platform.boxes[1].prompt, "确定要退出吗？");
    EXPECT_EQ(f.platform.ends, 1);
}
