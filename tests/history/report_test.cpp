#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

constexpr const char* kReportName = "Kulbo的历史幸运号报告20220101000509.txt";

// The history panel open at 2022-01-01 00:05:09, with the picks given.
struct ReportFixture : FormFixture {
    explicit ReportFixture(std::initializer_list<const char*> picks = {}) {
        platform.now = {2022, 1, 1, 0, 5, 9};
        form.tick(form.Timer5);
        for (const char* number : picks) {
            form.Label5.Caption = std::string(number);
            form.click(form.Command1);
        }
        form.click(form.Command11);
    }
};

}  // namespace

TEST(Report, WritesTheHistoryAndOneLineBreakUnderTheStampedName) {
    ReportFixture f{"7"};
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.files.size(), 1u);
    EXPECT_EQ(f.platform.files.begin()->first, kReportName);
    EXPECT_EQ(f.platform.files.begin()->second, "2022年01月01日_00:05:09抽到幸运数: [7]\r\n\r\n");
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "txt报告生成成功!已生成在本程序的同一路径内");
    EXPECT_EQ(f.platform.boxes[0].flags, 64);
    EXPECT_EQ(f.platform.boxes[0].title, "提示");
    EXPECT_EQ(f.form.Text6.Text, "2022年01月01日_00:05:09抽到幸运数: [7]\r\n");
    EXPECT_TRUE(f.form.Picture3.Visible);

    // A second report in the same second takes the same name and replaces it.
    f.form.Label5.Caption = "8";
    f.form.click(f.form.Command1);
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.files.size(), 1u);
    EXPECT_EQ(f.platform.files[kReportName],
              "2022年01月01日_00:05:09抽到幸运数: [7]\r\n2022年01月01日_00:05:09抽到幸运数: [8]\r\n\r\n");
}

TEST(Report, EmptyHistoryIsRefusedAndTouchesNoFile) {
    ReportFixture f{"7"};
    f.form.click(f.form.Command10);
    const auto earlier = f.platform.files;
    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command8);
    f.platform.boxes.clear();

    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "没有历史记录: txt报告生成失败!");
    EXPECT_EQ(f.platform.boxes[0].flags, 16);
    EXPECT_EQ(f.platform.boxes[0].title, "Kulbo");
    EXPECT_EQ(f.platform.files, earlier);
}

// Permission comes before the empty test: without it, even an empty history
// gives no box.
TEST(Report, SilentWithoutPermission) {
    for (bool emptyHistory : {true, false}) {
        for (int which : {2, 4}) {
            ReportFixture f;
            if (!emptyHistory) f.form.Text6.Text = "2022年01月01日_00:05:09抽到幸运数: [7]\r\n";
            (which == 2 ? f.form.Check2 : f.form.Check4).Value = 0;
            f.form.Command10_Click();
            SCOPED_TRACE("Check" + std::to_string(which) + (emptyHistory ? " off, empty history" : " off"));
            EXPECT_TRUE(f.platform.boxes.empty());
            EXPECT_TRUE(f.platform.files.empty());
        }
    }
}

TEST(Report, WriteFailureNamesTheFileAndTheReason) {
    ReportFixture f{"7"};
    const std::string history = f.form.Text6.Text;
    f.platform.writeFailure = "无法创建文件: Permission denied";
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    const ShownBox& box = f.platform.boxes[0];
    EXPECT_EQ(box.flags, 16);
    EXPECT_EQ(box.title, "Kulbo");
    EXPECT_NE(box.prompt.find(std::string("/programs/kulbo/") + kReportName), std::string::npos) << box.prompt;
    EXPECT_NE(box.prompt.find("Permission denied"), std::string::npos) << box.prompt;
    EXPECT_EQ(box.prompt.find("成功"), std::string::npos);
    EXPECT_EQ(f.form.Text6.Text, history);
    EXPECT_TRUE(f.form.Picture3.Visible);
    EXPECT_FALSE(f.form.ended());
}
