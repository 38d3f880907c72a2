#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

const std::string kCode = "731952846017364528";
constexpr int kEnter = 13;

struct LockFixture : FormFixture {
    LockFixture() {
        form.Label5.Caption = "7";
        form.click(form.Command1);  // something in the display for the panel to blank
        form.click(form.Command3);
    }
    void expectPanel(PictureBox& panel) {
        EXPECT_EQ(form.Picture1.Visible.get(), &panel == &form.Picture1);
        EXPECT_EQ(form.Picture2.Visible.get(), &panel == &form.Picture2);
        EXPECT_EQ(form.Text3.Text, "");
        EXPECT_FALSE(form.Command11.Enabled);  // until cancelled or the settings are confirmed
    }
};

}  // namespace

// Opening blanks the display; every text but the code unlocks, and Cancel
// closes with the display left blank.
TEST(LockPanel, EveryTextButTheCodeUnlocksAndCancelCloses) {
    for (std::string text : {std::string(""), kCode + " ", "0" + kCode, kCode.substr(1)}) {
        SCOPED_TRACE('"' + text + '"');
        LockFixture f;
        EXPECT_EQ(f.form.Label4.Caption, "");
        f.expectPanel(f.form.Picture1);
        f.type(f.form.Text3, text);
        f.form.click(f.form.Command4);
        f.expectPanel(f.form.Picture2);
        EXPECT_TRUE(f.platform.boxes.empty());
    }
    LockFixture f;
    f.type(f.form.Text3, "abc");
    f.form.click(f.form.Command5);
    EXPECT_FALSE(f.form.Picture1.Visible);
    EXPECT_EQ(f.form.Text3.Text.get() + f.form.Label4.Caption.get(), "");
    EXPECT_TRUE(f.form.Command11.Enabled);
}

// The code shows the credits and empties the box, so the next attempt
// unlocks. Enter does what 解锁 does, but only on the lock panel.
TEST(LockPanel, TheCodeShowsTheCreditsAndEnterUnlocksOnlyOnTheLockPanel) {
    LockFixture f;
    f.type(f.form.Text3, kCode);
    f.form.keyDown(kEnter, 1);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].title, "版权");
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
    EXPECT_TRUE(main.platform.boxes.empty());
    EXPECT_FALSE(main.form.Picture2.Visible);
}
