#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

// The settings panel, reached through the lock as a user would.
void openSettings(Form1& form) {
    form.click(form.Command3);
    form.click(form.Command4);
}

const std::string kCode = "731952846017364528";
constexpr int kEnter = 13;

struct LockFixture : FormFixture {
    LockFixture() {
        pick("7");  // something in the display for the panel to blank
        form.click(form.Command3);
    }
    // The code box and the display stay blank, and Command11 off until the
    // panels are cancelled or the settings confirmed.
    void expectPanel(PictureBox& panel) {
        EXPECT_EQ(std::tuple(form.Picture1.Visible.get(), form.Picture2.Visible.get(),
                             form.Text3.Text.get() + form.Label4.Caption.get(), form.Command11.Enabled.get()),
                  std::tuple(&panel == &form.Picture1, &panel == &form.Picture2, "", false));
    }
};

}  // namespace

// An option's handler runs even when it is chosen already; random mode
// locks the minimum at 1. Viewing the history enables the other two
// permissions, which keep their ticks, and a disabled one does nothing.
TEST(Settings, OptionsAndPermissionsTakeEffectAtOnce) {
    FormFixture f;
    openSettings(f.form);
    auto avoidance = [&] { return std::pair(f.form.Text4.Enabled.get(), f.form.Label8.Enabled.get()); };
    auto minimum = [&] { return f.form.Text1.Text.get() + (f.form.Label11.Visible ? " shown" : ""); };
    EXPECT_EQ(avoidance(), std::pair(false, true));  // at start the box and its label differ
    f.form.click(f.form.Option2);
    EXPECT_EQ(avoidance(), std::pair(false, false));
    f.form.click(f.form.Option1);
    EXPECT_EQ(avoidance(), std::pair(true, true));
    f.form.click(f.form.Option3);
    EXPECT_EQ(minimum(), "1");
    f.form.Text1.Text = "20";
    f.form.click(f.form.Option5);
    EXPECT_EQ(minimum(), "20");
    f.form.click(f.form.Option4);
    EXPECT_EQ(minimum(), "1 shown");
    EXPECT_FALSE(f.form.Option3.Value);

    f.form.click(f.form.Check3);
    f.form.click(f.form.Check2);
    EXPECT_FALSE(f.form.Check3.Enabled || f.form.Check4.Enabled);
    f.form.click(f.form.Check4);  // disabled: no effect
    f.form.click(f.form.Check2);
    EXPECT_TRUE(f.form.Check3.Enabled && f.form.Check4.Enabled);
    EXPECT_EQ(f.form.Check3.Value * 10 + f.form.Check4.Value, 1);
}

// Each tick makes the history controls follow the three permissions, from
// either starting state.
TEST(Settings, PermissionTimerInEveryCombination) {
    for (int bits = 0; bits < 16; ++bits) {
        const int view = bits & 1, clear = bits >> 1 & 1, report = bits >> 2 & 1;
        FormFixture f;
        f.form.click(f.form.Command11);
        f.form.Command8.Enabled = f.form.Command10.Enabled = bits >> 3;
        f.form.Check2.Value = view;
        f.form.Check3.Value = clear;
        f.form.Check4.Value = report;
        f.form.tick(f.form.Timer4);
        EXPECT_EQ(std::tuple(f.form.Picture3.Visible.get(), f.form.Command8.Enabled.get(), f.form.Command10.Enabled.get()),
                  std::tuple(view == 1, clear == 1, report == 1)) << bits;
    }
}

// 确定 sets the title, and switches avoidance off when no number was given.
TEST(Settings, ConfirmAppliesTheTitleAndAvoidanceAndClosesThePanel) {
    FormFixture f;
    for (auto [title, avoided, caption] : {std::tuple{"三年二班", "", "三年二班 - Kulbo"}, {"", "7", "Kulbo"}}) {
        openSettings(f.form);
        f.form.Text5.Text = title;
        f.form.click(f.form.Option1);
        f.form.Text4.Text = avoided;
        EXPECT_NE(f.form.Caption, caption);  // nothing until confirmed
        f.form.click(f.form.Command6);
        EXPECT_EQ(f.form.Caption, caption);
        const bool avoiding = *avoided;
        EXPECT_EQ(std::tuple(f.form.Option2.Value.get(), f.form.Text4.Enabled.get(), f.form.Label8.Enabled.get()),
                  std::tuple(!avoiding, avoiding, avoiding));
        EXPECT_EQ(std::tuple(f.form.Picture1.Visible.get(), f.form.Picture2.Visible.get(), f.form.Command11.Enabled.get()),
                  std::tuple(false, false, true));
    }
    EXPECT_TRUE(f.platform.boxes.empty());
}

// Opening blanks the display; every text but the code unlocks, and Cancel
// closes with the display left blank.
TEST(LockPanel, EveryTextButTheCodeUnlocksAndCancelCloses) {
    for (std::string text : {std::string(""), kCode + " ", "0" + kCode, kCode.substr(1)}) {
        SCOPED_TRACE('"' + text + '"');
        LockFixture f;
        f.expectPanel(f.form.Picture1);
        f.type(f.form.Text3, text);
        f.form.click(f.form.Command4);
        f.expectPanel(f.form.Picture2);
        EXPECT_TRUE(f.platform.boxes.empty());
    }
    LockFixture f;
    f.type(f.form.Text3, "abc");
    f.form.click(f.form.Command5);
    EXPECT_EQ(std::tuple(f.form.Picture1.Visible.get(), f.form.Text3.Text.get() + f.form.Label4.Caption.get(),
                         f.form.Command11.Enabled.get()), std::tuple(false, "", true));
}

// The code shows the credits and empties the box, so the next attempt
// unlocks. Enter does what 解锁 does, but only on the lock panel.
TEST(LockPanel, TheCodeShowsTheCreditsAndEnterUnlocksOnlyOnTheLockPanel) {
    LockFixture f;
    f.type(f.form.Text3, kCode);
    f.form.keyDown(kEnter, 1);
    EXPECT_EQ(f.platform.boxes.size() == 1 ? f.platform.boxes[0].title : "", "版权");
    f.expectPanel(f.form.Picture1);
    f.form.keyDown(27, 0);
    f.expectPanel(f.form.Picture1);
    f.form.click(f.form.Command4);
    f.expectPanel(f.form.Picture2);
    f.form.keyDown(kEnter, 0);  // on the settings panel: nothing
    f.expectPanel(f.form.Picture2);

    FormFixture main;
    main.form.Text3.Text = kCode;
    main.form.keyDown(kEnter, 0);
    main.form.click(main.form.Command11);
    main.form.keyDown(kEnter, 0);
    EXPECT_TRUE(main.platform.boxes.empty() && !main.form.Picture2.Visible);
}
