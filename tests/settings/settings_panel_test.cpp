#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

// The settings panel, reached through the lock as a user would.
struct SettingsFixture : FormFixture {
    SettingsFixture() {
        form.click(form.Command3);
        form.click(form.Command4);
    }
};

}  // namespace

TEST(Settings, AvoidanceOptionsSwitchTheBoxAndItsLabelTogether) {
    SettingsFixture f;
    EXPECT_FALSE(f.form.Text4.Enabled);  // at start the two differ
    EXPECT_TRUE(f.form.Label8.Enabled);
    f.form.click(f.form.Option2);  // already chosen: its handler runs all the same
    EXPECT_FALSE(f.form.Label8.Enabled);
    f.form.click(f.form.Option1);
    EXPECT_TRUE(f.form.Text4.Enabled);
    EXPECT_TRUE(f.form.Label8.Enabled);
    f.form.Text4.Text = "7";
    f.form.click(f.form.Option2);
    EXPECT_FALSE(f.form.Text4.Enabled);
    EXPECT_FALSE(f.form.Label8.Enabled);
    EXPECT_EQ(f.form.Text4.Text, "7");
}

TEST(Settings, ModeOptionsMarkTheMinimumLockedInRandomMode) {
    SettingsFixture f;
    f.form.click(f.form.Option3);
    EXPECT_FALSE(f.form.Label11.Visible);
    EXPECT_EQ(f.form.Text1.Text, "1");
    f.form.Text1.Text = "20";
    f.form.click(f.form.Option5);  // as in order
    EXPECT_FALSE(f.form.Label11.Visible);
    EXPECT_EQ(f.form.Text1.Text, "20");
    f.form.click(f.form.Option4);
    EXPECT_EQ(f.form.Text1.Text, "1");
    EXPECT_TRUE(f.form.Label11.Visible);
    EXPECT_TRUE(f.form.Option4.Value);
    EXPECT_FALSE(f.form.Option3.Value);
}

TEST(Settings, ViewPermissionEnablesTheOthersAndKeepsTheirTicks) {
    SettingsFixture f;
    f.form.click(f.form.Check3);  // 0
    f.form.click(f.form.Check2);  // 0
    EXPECT_EQ(f.form.Check2.Value, 0);
    EXPECT_FALSE(f.form.Check3.Enabled);
    EXPECT_FALSE(f.form.Check4.Enabled);
    EXPECT_EQ(f.form.Check3.Value, 0);
    EXPECT_EQ(f.form.Check4.Value, 1);
    f.form.click(f.form.Check4);  // disabled: no effect
    EXPECT_EQ(f.form.Check4.Value, 1);

    f.form.click(f.form.Check2);  // 1
    EXPECT_TRUE(f.form.Check3.Enabled);
    EXPECT_TRUE(f.form.Check4.Enabled);
    EXPECT_EQ(f.form.Check3.Value, 0);
    EXPECT_EQ(f.form.Check4.Value, 1);
}

// Each tick makes the history controls follow the three permissions, from
// either starting state and whichever panel is shown.
TEST(Settings, PermissionTimerInEveryCombination) {
    for (int bits = 0; bits < 8; ++bits)
        for (bool wasEnabled : {false, true}) {
            int view = bits & 1, clear = (bits >> 1) & 1, report = (bits >> 2) & 1;
            SCOPED_TRACE("view " + std::to_string(view) + " clear " + std::to_string(clear) + " report " +
                         std::to_string(report) + (wasEnabled ? ", buttons enabled" : ", buttons disabled"));
            FormFixture f;
            f.form.click(f.form.Command11);
            ASSERT_TRUE(f.form.Picture3.Visible);
            f.form.Command8.Enabled = wasEnabled;
            f.form.Command10.Enabled = wasEnabled;
            f.form.Check2.Value = view;
            f.form.Check3.Value = clear;
            f.form.Check4.Value = report;
            f.form.tick(f.form.Timer4);
            EXPECT_EQ(f.form.Picture3.Visible.get(), view == 1);
            EXPECT_EQ(f.form.Command8.Enabled.get(), clear == 1);
            EXPECT_EQ(f.form.Command10.Enabled.get(), report == 1);
            EXPECT_TRUE(f.platform.boxes.empty());
        }
}

TEST(Settings, ConfirmAppliesTheTitleAndClosesThePanel) {
    SettingsFixture f;
    f.form.Text5.Text = "三年二班";
    EXPECT_EQ(f.form.Caption, "Kulbo");  // nothing until confirmed
    f.form.click(f.form.Command6);
    EXPECT_EQ(f.form.Caption, "三年二班 - Kulbo");
    EXPECT_EQ(f.form.Label1.Caption, "Kulbo");
    EXPECT_FALSE(f.form.Picture1.Visible);
    EXPECT_FALSE(f.form.Picture2.Visible);
    EXPECT_TRUE(f.form.Command11.Enabled);

    f.form.click(f.form.Command3);
    f.form.click(f.form.Command4);
    EXPECT_EQ(f.form.Text5.Text, "三年二班");  // reopened as it was left
    f.form.Text5.Text = "";
    f.form.click(f.form.Command6);
    EXPECT_EQ(f.form.Caption, "Kulbo");
    EXPECT_TRUE(f.platform.boxes.empty());
}

TEST(Settings, ConfirmSwitchesAvoidanceOffWhenNoNumberWasGiven) {
    SettingsFixture f;
    f.form.click(f.form.Option1);
    f.form.click(f.form.Command6);
    EXPECT_TRUE(f.form.Option2.Value);
    EXPECT_FALSE(f.form.Option1.Value);
    EXPECT_FALSE(f.form.Text4.Enabled);
    EXPECT_FALSE(f.form.Label8.Enabled);

    SettingsFixture g;
    g.form.click(g.form.Option1);
    g.form.Text4.Text = "7";
    g.form.click(g.form.Command6);
    EXPECT_TRUE(g.form.Option1.Value);
    EXPECT_TRUE(g.form.Text4.Enabled);
    EXPECT_TRUE(g.form.Label8.Enabled);
}

TEST(About, ThreeLinesAndTheWebsiteOfItsFirstLineOrABoxWithItsAddress) {
    SettingsFixture f;
    f.form.click(f.form.Command7);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    const ShownBox& about = f.platform.boxes[0];
    EXPECT_EQ(about.title, "Kulbo - 关于");
    EXPECT_EQ(about.flags, 64);
    std::string text = about.prompt;
    std::size_t first = text.find("\r\n");
    ASSERT_NE(first, std::string::npos);
    std::size_t second = text.find("\r\n", first + 2);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(text.find('\n', second + 2), std::string::npos) << text;
    EXPECT_EQ(text.find('\r', second + 2), std::string::npos) << text;
    EXPECT_GT(text.size(), second + 2);  // a third line, and no break after it

    f.form.click(f.form.Command13);
    EXPECT_EQ(f.platform.boxes.size(), 1u);  // opening the site shows nothing
    ASSERT_EQ(f.platform.openedUrls.size(), 1u);
    const std::string url = f.platform.openedUrls[0];
    EXPECT_EQ(url.rfind("http", 0), 0u) << url;
    std::string firstLine = text.substr(0, first);
    ASSERT_GE(firstLine.size(), url.size());
    EXPECT_EQ(firstLine.substr(firstLine.size() - url.size()), url);
    EXPECT_TRUE(f.form.Picture2.Visible);

    // Without a browser, a box gives the address on a line of its own.
    f.platform.browserOpens = false;
    f.form.click(f.form.Command13);
    ASSERT_EQ(f.platform.boxes.size(), 2u);
    const ShownBox& noBrowser = f.platform.boxes[1];
    EXPECT_EQ(noBrowser.title, "Kulbo");
    EXPECT_EQ(noBrowser.flags, 48);
    EXPECT_EQ(noBrowser.prompt, "无法打开浏览器，请在浏览器中输入以下网址：\r\n" + url);
    EXPECT_TRUE(f.form.Picture2.Visible);
}
