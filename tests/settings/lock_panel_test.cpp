#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

constexpr const char* kCode = "731952846017364528";
constexpr int kEnter = 13;

struct LockFixture : FormFixture {
    LockFixture() {
        form.Label5.Caption = "7";
        form.click(form.Command1);  // something in the display for the panel to blank
        form.click(form.Command3);
    }
    void expectLocked() {
        EXPECT_TRUE(form.Picture1.Visible);
        EXPECT_FALSE(form.Picture2.Visible);
        EXPECT_EQ(form.Text3.Text, "");
        EXPECT_FALSE(form.Command11.Enabled);
    }
    void expectSettings() {
        EXPECT_FALSE(form.Picture1.Visible);
        EXPECT_TRUE(form.Picture2.Visible);
        EXPECT_EQ(form.Text3.Text, "");
        EXPECT_FALSE(form.Command11.Enabled);  // until the settings are confirmed
    }
};

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0, end;
    while ((end = text.find(separator, start)) != std::string::npos) {
        parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

TEST(LockPanel, OpensOverTheMainViewAndCancelCloses) {
    LockFixture f;
    EXPECT_EQ(f.form.Label4.Caption, "");
    f.expectLocked();
    f.type(f.form.Text3, "abc");
    f.form.click(f.form.Command5);
    EXPECT_FALSE(f.form.Picture1.Visible);
    EXPECT_EQ(f.form.Text3.Text, "");
    EXPECT_TRUE(f.form.Command11.Enabled);
    EXPECT_EQ(f.form.Label4.Caption, "");  // not restored
    EXPECT_TRUE(f.platform.boxes.empty());
}

TEST(LockPanel, EveryTextButTheCodeUnlocks) {
    for (std::string text : {std::string(""), std::string("hello"), std::string(kCode) + " ", " " + std::string(kCode),
                             "0" + std::string(kCode), std::string(kCode).substr(1)}) {
        SCOPED_TRACE('"' + text + '"');
        LockFixture f;
        f.type(f.form.Text3, text);
        ASSERT_EQ(f.form.Text3.Text, text);
        f.form.click(f.form.Command4);
        f.expectSettings();
        EXPECT_TRUE(f.platform.boxes.empty());
    }
}

TEST(LockPanel, TheCodeShowsTheCreditsAndStaysLocked) {
    LockFixture f;
    f.type(f.form.Text3, kCode);
    f.form.click(f.form.Command4);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    const ShownBox& credits = f.platform.boxes[0];
    EXPECT_EQ(credits.title, "版权");
    EXPECT_EQ(credits.flags, 64);
    auto lines = split(credits.prompt, "\r\n");
    ASSERT_EQ(lines.size(), 4u) << credits.prompt;
    EXPECT_EQ(lines[0].rfind("作者QQ名：", 0), 0u);
    EXPECT_EQ(lines[1].rfind("作者QQ：", 0), 0u);
    EXPECT_EQ(lines[2].rfind("邮箱：", 0), 0u);
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    }
    f.expectLocked();

    // The box is empty now, so the next attempt unlocks.
    f.form.click(f.form.Command4);
    f.expectSettings();
    EXPECT_EQ(f.platform.boxes.size(), 1u);
}

TEST(LockPanel, EnterActsAsUnlockOnlyOnTheLockPanel) {
    for (int shift : {0, 1, 2, 4, 7}) {
        LockFixture f;
        f.type(f.form.Text3, kCode);
        f.form.keyDown(kEnter, shift);
        EXPECT_EQ(f.platform.boxes.size(), 1u) << shift;
        f.expectLocked();
        f.form.keyDown(kEnter, shift);
        f.expectSettings();

        f.form.keyDown(kEnter, shift);  // on the settings panel: nothing
        f.expectSettings();
        EXPECT_EQ(f.platform.boxes.size(), 1u);
    }

    LockFixture f;
    for (int key : {10, 27, 32, 79, 108}) f.form.keyDown(key, 0);
    f.expectLocked();
}

TEST(LockPanel, EnterDoesNothingOnTheMainViewOrTheHistoryPanel) {
    FormFixture f;
    f.form.Text3.Text = std::string(kCode);
    f.form.keyDown(kEnter, 0);
    f.form.click(f.form.Command11);
    f.form.keyDown(kEnter, 0);
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_FALSE(f.form.Picture2.Visible);
    EXPECT_EQ(f.form.Text3.Text, kCode);
}
