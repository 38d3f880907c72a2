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

TEST(Stamps, FollowTheClockZeroPaddedOnA24HourClock) {
    FormFixture f;
    EXPECT_EQ(f.form.Label13.Caption, "#1");
    EXPECT_EQ(f.form.Label14.Caption, "#2");

    f.platform.now = {2022, 1, 1, 0, 5, 9};
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption, "20220101000509");
    EXPECT_EQ(f.form.Label14.Caption, "2022年01月01日_00:05:09抽到幸运数: ");
    pick(f, "7");
    EXPECT_EQ(f.form.Text6.Text, "2022年01月01日_00:05:09抽到幸运数: [7]\r\n");

    f.platform.now = {2023, 12, 31, 23, 59, 59};
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption, "20231231235959");
    EXPECT_EQ(f.form.Label14.Caption, "2023年12月31日_23:59:59抽到幸运数: ");

    f.platform.now = {2024, 1, 1, 0, 0, 0};
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption, "20240101000000");
    EXPECT_EQ(f.form.Label14.Caption, "2024年01月01日_00:00:00抽到幸运数: ");
}

TEST(Stamps, APickCarriesTheLatestTickAndTwoInOneSecondBothStay) {
    FormFixture f;
    f.platform.now = {2024, 3, 15, 13, 5, 7};
    f.form.tick(f.form.Timer5);
    f.platform.now.second = 8;  // no tick yet: the pick still carries :07
    pick(f, "12");
    pick(f, "3");
    EXPECT_EQ(f.form.Text6.Text,
              "2024年03月15日_13:05:07抽到幸运数: [12]\r\n"
              "2024年03月15日_13:05:07抽到幸运数: [3]\r\n");
}

TEST(HistoryPanel, OpensOnlyWhenViewingIsAllowed) {
    FormFixture f;
    f.form.Check2.Value = 0;
    f.form.click(f.form.Command11);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "历史记录_拒绝访问[请联系开发者后重新尝试]");
    EXPECT_EQ(f.platform.boxes[0].flags, 16);
    EXPECT_EQ(f.platform.boxes[0].title, "Kulbo");
    EXPECT_FALSE(f.form.Picture3.Visible);
    EXPECT_TRUE(f.form.Command3.Enabled);

    f.form.Check2.Value = 1;
    f.form.click(f.form.Command11);
    EXPECT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_TRUE(f.form.Picture3.Visible);
    EXPECT_FALSE(f.form.Command3.Enabled);

    f.form.click(f.form.Command9);
    EXPECT_FALSE(f.form.Picture3.Visible);
    EXPECT_TRUE(f.form.Command3.Enabled);
    EXPECT_EQ(f.platform.boxes.size(), 1u);
}

TEST(HistoryPanel, ClearAsksAndClearsOnlyOnYes) {
    FormFixture f;
    f.form.tick(f.form.Timer5);
    pick(f, "7");
    pick(f, "9");
    const std::string history = f.form.Text6.Text;
    f.form.click(f.form.Command11);

    f.form.click(f.form.Command8);  // answered No
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "确定要清除历史记录？");
    EXPECT_EQ(f.platform.boxes[0].flags, 292);
    EXPECT_EQ(f.platform.boxes[0].title, "Kulbo - 清除历史");
    EXPECT_EQ(f.form.Text6.Text, history);

    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command8);
    EXPECT_EQ(f.platform.boxes.size(), 2u);
    EXPECT_EQ(f.form.Text6.Text, "");
    EXPECT_TRUE(f.form.Picture3.Visible);

    f.form.click(f.form.Command8);  // nothing left to clear: no question
    EXPECT_EQ(f.platform.boxes.size(), 2u);
}

// A click can still reach the handler before the settings timer disables the
// button; without both permissions it does nothing.
TEST(HistoryPanel, ClearIsSilentWithoutPermission) {
    FormFixture f;
    pick(f, "7");
    const std::string history = f.form.Text6.Text;
    f.platform.answers = {box::kYes, box::kYes};
    f.form.Check3.Value = 0;
    f.form.Command8_Click();
    f.form.Check3.Value = 1;
    f.form.Check2.Value = 0;
    f.form.Command8_Click();
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_EQ(f.form.Text6.Text, history);
}
