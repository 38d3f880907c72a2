#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

std::vector<std::string> prompts(const FakePlatform& platform) {
    std::vector<std::string> result;
    for (const ShownBox& box : platform.boxes) result.push_back(box.prompt);
    return result;
}

void expectEditing(const Form1& form) {
    EXPECT_EQ(form.Command2.Caption, "完成");
    EXPECT_TRUE(form.Text2.Enabled);
    EXPECT_EQ(form.Label4.Caption, "");
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_FALSE(form.Command1.Enabled);
    EXPECT_FALSE(form.Command3.Enabled);
    EXPECT_FALSE(form.Command11.Enabled);
}

void expectRunning(const Form1& form) {
    EXPECT_EQ(form.Command2.Caption, "修改");
    EXPECT_FALSE(form.Text1.Enabled);
    EXPECT_FALSE(form.Text2.Enabled);
    EXPECT_TRUE(form.Timer1.Enabled);
    EXPECT_TRUE(form.Command1.Enabled);
    EXPECT_TRUE(form.Command3.Enabled);
    EXPECT_TRUE(form.Command11.Enabled);
}

// Sequential mode with the range open for editing and the texts given.
struct EditingFixture : FormFixture {
    EditingFixture() {
        form.select(form.Option3);
        form.click(form.Command2);
    }
    void confirm(const std::string& minimum, const std::string& maximum) {
        form.Text1.Text = minimum;
        form.Text2.Text = maximum;
        platform.boxes.clear();
        form.click(form.Command2);
    }
};

}  // namespace

TEST(Range, SequentialEditOpensBothBoxesAndConfirmRestartsFromTheMinimum) {
    FormFixture f;
    f.form.select(f.form.Option3);
    f.form.click(f.form.Command1);
    ASSERT_NE(f.form.Label4.Caption, "");

    f.form.click(f.form.Command2);
    expectEditing(f.form);
    EXPECT_TRUE(f.form.Text1.Enabled);
    EXPECT_TRUE(f.platform.boxes.empty());  // the running range is valid: no box
    std::string rolling = f.form.Label5.Caption;
    f.ticks(f.form.Timer1, 5);
    EXPECT_EQ(f.form.Label5.Caption, rolling);

    f.type(f.form.Text1, "\b3");
    f.type(f.form.Text2, "\b\b9");
    f.form.click(f.form.Command2);
    expectRunning(f.form);
    EXPECT_EQ(f.form.Label5.Caption, "3");
    EXPECT_TRUE(f.platform.boxes.empty());
    f.form.tick(f.form.Timer1);
    EXPECT_EQ(f.form.Label5.Caption, "4");
}

TEST(Range, RandomEditKeepsTheMinimumClosedButStillComparesIt) {
    FormFixture f;  // random mode
    f.form.click(f.form.Command2);
    expectEditing(f.form);
    EXPECT_FALSE(f.form.Text1.Enabled);
    EXPECT_EQ(f.form.Text1.Text, "1");

    f.form.Text2.Text = "1";
    f.form.click(f.form.Command2);
    EXPECT_EQ(prompts(f.platform), std::vector<std::string>{"最小值不能大于等于最大值"});
    expectEditing(f.form);
    EXPECT_FALSE(f.form.Text1.Enabled);  // a refusal does not open it either

    f.form.Text2.Text = "2";
    f.form.click(f.form.Command2);
    expectRunning(f.form);
    EXPECT_EQ(f.form.Label5.Caption, "1");
}

// Each refusal: its boxes in order, all critical and titled with the program's
// name, and the window left in editing with the texts as typed.
TEST(Range, RefusalsShowTheirBoxesInOrderAndStayInEditing) {
    struct Case {
        const char* minimum;
        const char* maximum;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"50", "50", {"最小值不能大于等于最大值"}},
        {"60", "50", {"最小值不能大于等于最大值"}},
        {"5.", "5", {"最小值不能大于等于最大值"}},
        {"", "50", {"最小值不能为空"}},
        {"1", "", {"最大值不能为空"}},
        {"", "", {"最小值不能为空", "最大值不能为空"}},
        {"1", "1000", {"最大值不能超过999"}},  // reported once, not also by the start check
        {".", "50", {"最小值必须是数字"}},
        {"1", ".", {"最大值必须是数字"}},
        {".", ".", {"最大值必须是数字"}},  // the maximum is converted first
        {"", ".", {"最小值不能为空"}},
        {".", "1000", {"最大值不能超过999"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("min \"") + c.minimum + "\" max \"" + c.maximum + "\"");
        EditingFixture f;
        f.confirm(c.minimum, c.maximum);
        EXPECT_EQ(prompts(f.platform), c.messages);
        for (const ShownBox& box : f.platform.boxes) {
            EXPECT_EQ(box.flags, 16);
            EXPECT_EQ(box.title, "Kulbo");
        }
        expectEditing(f.form);
        EXPECT_TRUE(f.form.Text1.Enabled);
        EXPECT_EQ(f.form.Text1.Text, c.minimum);
        EXPECT_EQ(f.form.Text2.Text, c.maximum);

        // The next click confirms again rather than reopening the editing.
        f.confirm("2", "8");
        EXPECT_TRUE(f.platform.boxes.empty());
        expectRunning(f.form);
        EXPECT_EQ(f.form.Label5.Caption, "2");
    }
}

TEST(Range, AcceptedRangesStartTheDraw) {
    const std::pair<const char*, const char*> ranges[] = {
        {"1", "999"}, {"5.", "12"}, {".5", "3"}, {"0", ".5"}, {"050", "51"}, {"1", "50."},
    };
    for (auto [minimum, maximum] : ranges) {
        SCOPED_TRACE(std::string(minimum) + " .. " + maximum);
        EditingFixture f;
        f.confirm(minimum, maximum);
        EXPECT_TRUE(f.platform.boxes.empty());
        expectRunning(f.form);
        EXPECT_EQ(f.form.Label5.Caption, minimum);
    }
}

TEST(Range, MaximumBetween999And1000IsIgnoredSilently) {
    for (const char* maximum : {"999.5", "999.999"}) {
        EditingFixture f;
        f.confirm("1", maximum);
        EXPECT_TRUE(f.platform.boxes.empty()) << maximum;
        expectEditing(f.form);
        EXPECT_TRUE(f.form.Text1.Enabled);
    }
}

// The start check runs after "修改" too, so a bad maximum put there by other
// means is reported as editing begins.
TEST(Range, EditingABadRunningRangeReportsItAtOnce) {
    FormFixture f;
    f.form.Text2.Text = "1000";
    f.form.click(f.form.Command2);
    EXPECT_EQ(prompts(f.platform), std::vector<std::string>{"最大值不能超过999"});
    expectEditing(f.form);
}

TEST(Range, ClickWithNeitherModeChangesNothing) {
    FormFixture f;
    f.form.Option4.Value = false;
    f.form.Text2.Text = "";
    f.form.click(f.form.Command2);
    EXPECT_TRUE(f.platform.boxes.empty());
    EXPECT_EQ(f.form.Command2.Caption, "修改");
    EXPECT_TRUE(f.form.Timer1.Enabled);
    EXPECT_TRUE(f.form.Command1.Enabled);
    EXPECT_FALSE(f.form.Text2.Enabled);
}

