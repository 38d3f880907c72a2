#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

constexpr const char* kReportName = "Kulbo的历史幸运号报告20220101000509.txt";
using Boxes = std::vector<ShownBox>;
const std::string kLine = "2022年01月01日_00:05:09抽到幸运数: [7]\r\n";

}  // namespace

// The history panel open at 2022-01-01 00:05:09 with one pick, 7; outside
// the anonymous namespace, as the test classes derive from it.
struct ReportFixture : FormFixture {
    ReportFixture() {
        platform.now = {2022, 1, 1, 0, 5, 9};
        form.tick(form.Timer5);
        pick("7");
        form.click(form.Command11);
    }
    void exportAt(int minute) {
        platform.now.minute = minute;
        form.tick(form.Timer5);
        form.click(form.Command10);
    }
    std::string lastPrompt() const { return platform.boxes.back().prompt; }
};
struct ReportTest : ::testing::Test, ReportFixture {};

// A pick carries the stamp of the latest tick, even when the clock has
// moved on since; two picks in one second both stay, and the draw goes on
// without a word.
TEST(Stamps, FollowTheClockZeroPaddedOnA24HourClock) {
    FormFixture f;
    f.platform.now = {2022, 1, 1, 0, 5, 9};
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption, "20220101000509");
    f.platform.now = {2023, 12, 31, 23, 59, 59};
    f.pick("12");
    f.pick("3");
    EXPECT_EQ(f.form.Text6.Text, "2022年01月01日_00:05:09抽到幸运数: [12]\r\n2022年01月01日_00:05:09抽到幸运数: [3]\r\n");
    EXPECT_EQ(std::tuple(f.form.Label4.Caption.get(), f.platform.boxes.size(), f.form.Timer1.Enabled && f.form.Command1.Enabled),
              std::tuple("3", 0u, true));
    f.form.tick(f.form.Timer5);
    EXPECT_EQ(f.form.Label13.Caption.get() + " " + f.form.Label14.Caption.get(),
              "20231231235959 2023年12月31日_23:59:59抽到幸运数: ");
}

// The panel opens only when viewing is allowed and keeps the settings shut.
// Clearing asks and clears only on Yes; no question when there is nothing to
// clear, and none without both permissions (a click can reach the handler
// before the settings timer disables the button).
TEST(HistoryPanel, OpensWhenAllowedAndClearsOnlyOnYes) {
    FormFixture f;
    f.pick("7");
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
    EXPECT_EQ(f.form.Text6.Text, "#2[7]\r\n");
    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command8);
    EXPECT_EQ(f.form.Text6.Text, "");
    f.form.click(f.form.Command8);
    EXPECT_EQ(f.platform.boxes.size(), 3u);
}

// Beside the program, with one more line break; a second report in the same
// second replaces the first.
TEST_F(ReportTest, WritesTheHistoryUnderTheStampedNameBesideTheProgram) {
    form.click(form.Command10);
    form.click(form.Command1);
    form.click(form.Command10);
    EXPECT_EQ(platform.files,
              (std::map<std::string, std::string>{{std::string("/programs/kulbo/") + kReportName, kLine + kLine + "\r\n"}}));
    EXPECT_EQ(platform.boxes.at(1), (ShownBox{"txt报告生成成功!已生成在本程序的同一路径内", box::kInformation, "提示"}));
    EXPECT_EQ(form.Text6.Text, kLine + kLine);
}

// Without permission nothing at all, even for an empty history; with it, an
// empty history is refused.
TEST(ReportPermissions, EmptyHistoryIsRefusedAndWithoutPermissionNothingHappens) {
    for (int off : {0, 2, 4}) {
        ReportFixture f;
        f.form.Text6.Text = "";
        if (off == 2) f.form.Check2.Value = 0;
        if (off == 4) f.form.Check4.Value = 0;
        f.form.Command10_Click();
        EXPECT_EQ(f.platform.boxes, (off ? Boxes{} : Boxes{{"没有历史记录: txt报告生成失败!", box::kCritical, "Kulbo"}})) << off;
        EXPECT_TRUE(f.platform.files.empty());
    }
}

// A failure names the folder and the reason and offers another place; a
// place that fails too is reported in turn. Saved elsewhere once, later
// reports go straight to that folder when the program's still fails.
TEST_F(ReportTest, FailuresOfferAnotherPlaceAndLaterReportsFollowIt) {
    platform.unwritableFolders = {{"/programs/kulbo", "只读文件系统"}, {"/media/cd", "权限不够"}};
    form.click(form.Command10);  // answered No
    EXPECT_EQ(platform.boxes, (Boxes{{"txt报告未能生成在本程序的同一路径内:\r\n/programs/kulbo\r\n原因: 只读文件系统\r\n\r\n是否保存到其他位置?",
                                        box::kCriticalIcon | box::kYesNoButtons, "Kulbo"}}));
    EXPECT_TRUE(platform.saveDialogs.empty());

    platform.answers = {box::kYes, box::kYes};
    platform.chosenFiles = {"/media/cd/a.txt", "/home/t/报告.txt"};
    platform.documents.reset();  // the dialog opens at home then
    form.click(form.Command10);
    EXPECT_EQ(std::tuple(platform.saveDialogs.size(), platform.saveDialogs.at(0).proposedName,
                         platform.saveDialogs.at(0).folder, platform.boxes.size()),
              std::tuple(2u, kReportName, "/home/teacher", 4u));
    EXPECT_NE(platform.boxes.at(2).prompt.find("所选位置:\r\n/media/cd\r\n原因: 权限不够"), std::string::npos);
    EXPECT_EQ(lastPrompt(), "txt报告生成成功!已生成在:\r\n/home/t/报告.txt");
    EXPECT_EQ(platform.files.at("/home/t/报告.txt"), kLine + "\r\n");

    exportAt(6);
    EXPECT_EQ(lastPrompt(), "txt报告生成成功!已生成在:\r\n/home/t/Kulbo的历史幸运号报告20220101000609.txt");
    EXPECT_EQ(platform.saveDialogs.size(), 2u);
    platform.unwritableFolders["/home/t"] = "设备已移除";
    exportAt(7);  // answered No
    EXPECT_NE(lastPrompt().find("所选位置:\r\n/home/t\r\n原因: 设备已移除"), std::string::npos);
    platform.unwritableFolders.clear();
    exportAt(8);
    EXPECT_EQ(platform.files.count("/programs/kulbo/Kulbo的历史幸运号报告20220101000809.txt"), 1u);
}

// A drive's root keeps its separator ("D:" alone is somewhere else); an
// unknown program folder is a failure, never "/" or the working folder.
TEST_F(ReportTest, WindowsDriveRootsAndAnUnknownFolder) {
    platform.separators = "\\/";
    platform.folder.reset();
    platform.answers = {box::kYes};
    platform.chosenFiles = {"D:\\报告.txt"};
    form.click(form.Command10);
    EXPECT_NE(platform.boxes[0].prompt.find("(文件夹未知)\r\n原因: 无法确定本程序所在的文件夹"), std::string::npos);
    exportAt(6);
    EXPECT_EQ(platform.files.count("D:\\Kulbo的历史幸运号报告20220101000609.txt"), 1u);
    platform.unwritableFolders["D:"] = "设备未就绪";
    exportAt(7);
    EXPECT_NE(lastPrompt().find("所选位置:\r\nD:\\\r\n"), std::string::npos) << lastPrompt();
}

// A page's report is a download: no other place to offer when it fails.
TEST_F(ReportTest, AsADownloadOffersNoOtherPlace) {
    platform.reportsGoTo = ReportPlace::Downloads;
    form.click(form.Command10);
    EXPECT_EQ(platform.files.at(kReportName), kLine + "\r\n");
    EXPECT_EQ(lastPrompt(), "txt报告生成成功!已生成在浏览器的下载文件夹内");
    platform.unwritableFolders[kReportName] = "磁盘已满";
    platform.answers = {box::kYes};
    form.click(form.Command10);
    EXPECT_EQ(platform.boxes.back(), (ShownBox{"txt报告未能生成在浏览器的下载文件夹内:\r\n原因: 磁盘已满", box::kCritical, "Kulbo"}));
    EXPECT_TRUE(platform.saveDialogs.empty());
}
