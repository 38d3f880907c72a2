#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

void pick(FormFixture& f, const std::string& number) {
    f.form.Label5.Caption = number;
    f.form.click(f.form.Command1);
}

}  // namespace

// A pick carries the stamp of the latest tick, even when the clock has
// moved on since; two picks in one second both stay, and the draw goes on
// without a word.
TEST(Stamps, FollowTheClockZeroPaddedOnA24HourClock) {
    FormFixture f;
    f.platform.now = {2022, 1, 1, 0, 5, 9};
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption, "20220101000509");
    f.platform.now = {2023, 12, 31, 23, 59, 59};
    pick(f, "12");
    pick(f, "3");
    EXPECT_EQ(f.form.Text6.Text, "2022年01月01日_00:05:09抽到幸运数: [12]\r\n2022年01月01日_00:05:09抽到幸运数: [3]\r\n");
    EXPECT_EQ(f.form.Label4.Caption, "3");
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_TRUE(f.form.Timer1.Enabled && f.form.Command1.Enabled);
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption, "20231231235959");
    EXPECT_EQ(f.form.Label14.Caption, "2023年12月31日_23:59:59抽到幸运数: ");
}

// The panel opens only when viewing is allowed and keeps the settings shut.
// Clearing asks and clears only on Yes; no question when there is nothing to
// clear, and none without both permissions (a click can reach the handler
// before the settings timer disables the button).
TEST(HistoryPanel, OpensWhenAllowedAndClearsOnlyOnYes) {
    FormFixture f;
    pick(f, "7");
    const std::string history = f.form.Text6.Text;
    f.form.Check2.Value = 0;
    f.form.click(f.form.Command11);
    EXPECT_EQ(f.platform.boxes, (std::vector<ShownBox>{{"历史记录_拒绝访问[请联系开发者后重新尝试]", box::kCritical, "Kulbo"}}));
    EXPECT_TRUE(!f.form.Picture3.Visible && f.form.Command3.Enabled);
    f.platform.answers = {box::kYes, box::kYes};
    f.form.Command8_Click();
    f.form.Check2.Value = 1;
    f.form.Check3.Value = 0;
    f.form.Command8_Click();
    f.form.Check3.Value = 1;
    EXPECT_EQ(f.platform.boxes.size(), 1u);

    f.platform.answers = {box::kNo};
    f.form.click(f.form.Command11);
    EXPECT_FALSE(f.form.Command3.Enabled);
    f.form.click(f.form.Command8);
    EXPECT_EQ(f.platform.boxes.back(), (ShownBox{"确定要清除历史记录？", box::kYesNoQuestionNoDefault, "Kulbo - 清除历史"}));
    EXPECT_EQ(f.form.Text6.Text, history);
    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command8);
    EXPECT_EQ(f.form.Text6.Text, "");
    f.form.click(f.form.Command8);
    EXPECT_EQ(f.platform.boxes.size(), 3u);
    f.form.click(f.form.Command9);
    EXPECT_TRUE(!f.form.Picture3.Visible && f.form.Command3.Enabled);
}
