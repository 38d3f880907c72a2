#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

constexpr const char* kReportName = "Kulbo的历史幸运号报告20220101000509.txt";
const std::string kReportPath = std::string("/programs/kulbo/") + kReportName;
constexpr const char* kReportText = "2022年01月01日_00:05:09抽到幸运数: [7]\r\n\r\n";

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
    EXPECT_EQ(f.platform.files.begin()->first, kReportPath);
    EXPECT_EQ(f.platform.files.begin()->second, kReportText);
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
    EXPECT_EQ(f.platform.files[kReportPath],
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

TEST(Report, WriteFailureNamesTheFolderAndTheReasonAndOffersAnotherPlace) {
    ReportFixture f{"7"};
    const std::string history = f.form.Text6.Text;
    f.platform.unwritableFolders["/programs/kulbo"] = "无法创建文件: Permission denied";
    f.form.click(f.form.Command10);  // answered No
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    const ShownBox& box = f.platform.boxes[0];
    EXPECT_EQ(box.flags, box::kCriticalIcon | box::kYesNoButtons);
    EXPECT_EQ(box.title, "Kulbo");
    EXPECT_EQ(box.prompt,
              "txt报告未能生成在本程序的同一路径内:\r\n/programs/kulbo\r\n原因: 无法创建文件: Permission denied\r\n\r\n"
              "是否保存到其他位置?");
    EXPECT_TRUE(f.platform.saveDialogs.empty());
    EXPECT_TRUE(f.platform.files.empty());
    EXPECT_EQ(f.form.Text6.Text, history);
    EXPECT_TRUE(f.form.Picture3.Visible);
    EXPECT_FALSE(f.form.ended());
}

// A place that fails too is reported with its own folder and offers another.
TEST(Report, SavedWhereTheUserChoosesAndThePathIsNamed) {
    ReportFixture f{"7"};
    f.platform.unwritableFolders = {{"/programs/kulbo", "只读文件系统"}, {"/media/cd", "权限不够"}};
    f.platform.answers = {box::kYes, box::kYes};
    f.platform.chosenFiles = {"/media/cd/a.txt", "/home/t/报告.txt"};
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.saveDialogs.size(), 2u);
    for (const SaveDialog& dialog : f.platform.saveDialogs) {
        EXPECT_EQ(dialog.proposedName, kReportName);
        EXPECT_EQ(dialog.title + dialog.filterName + dialog.pattern + dialog.extension, "保存txt报告文本文件 (*.txt)*.txttxt");
        EXPECT_EQ(dialog.folder, "/home/teacher/文档");
    }
    EXPECT_EQ(f.platform.files, (std::map<std::string, std::string>{{"/home/t/报告.txt", kReportText}}));
    ASSERT_EQ(f.platform.boxes.size(), 3u);
    EXPECT_NE(f.platform.boxes[1].prompt.find("所选位置:\r\n/media/cd\r\n原因: 权限不够"), std::string::npos);
    EXPECT_EQ(f.platform.boxes[1].flags, box::kCriticalIcon | box::kYesNoButtons);
    EXPECT_EQ(f.platform.boxes[2].prompt, "txt报告生成成功!已生成在:\r\n/home/t/报告.txt");
    EXPECT_EQ(f.platform.boxes[2].flags, box::kInformation);
    EXPECT_EQ(f.platform.boxes[2].title, "提示");
}

// Saved elsewhere once, a later report still tries the program's folder
// first, then goes straight to the folder chosen, under its own stamp; when
// that folder fails as well, the failure box comes again.
TEST(Report, LaterReportsGoStraightToTheFolderChosenBefore) {
    ReportFixture f{"7"};
    f.platform.unwritableFolders["/programs/kulbo"] = "权限不够";
    f.platform.answers = {box::kYes};
    f.platform.chosenFiles = {"/home/t/报告.txt"};
    f.platform.documents = std::nullopt;  // the dialog opens at home then
    f.form.click(f.form.Command10);
    EXPECT_EQ(f.platform.saveDialogs.at(0).folder, "/home/teacher");
    f.platform.boxes.clear();
    auto exportAt = [&f](int minute) {
        f.platform.now.minute = minute;
        f.form.tick(f.form.Timer5);
        f.form.click(f.form.Command10);
    };

    exportAt(6);
    const std::string later = "/home/t/Kulbo的历史幸运号报告20220101000609.txt";
    EXPECT_EQ(f.platform.files.count(later), 1u);
    EXPECT_EQ(f.platform.saveDialogs.size(), 1u);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "txt报告生成成功!已生成在:\r\n" + later);
    EXPECT_EQ(f.platform.boxes[0].title, "提示");

    f.platform.unwritableFolders["/home/t"] = "设备已移除";
    exportAt(7);  // answered No
    ASSERT_EQ(f.platform.boxes.size(), 2u);
    EXPECT_NE(f.platform.boxes[1].prompt.find("所选位置:\r\n/home/t\r\n原因: 设备已移除"), std::string::npos);
    EXPECT_EQ(f.platform.boxes[1].flags, box::kCriticalIcon | box::kYesNoButtons);

    f.platform.unwritableFolders.clear();
    exportAt(8);
    EXPECT_EQ(f.platform.files.count("/programs/kulbo/Kulbo的历史幸运号报告20220101000809.txt"), 1u);
}

// Windows paths: a drive's root keeps its separator ("D:" alone is somewhere else).
TEST(Report, AReportSavedAtADrivesRootLeadsTheNextThere) {
    ReportFixture f{"7"};
    f.platform.separators = "\\/";
    f.platform.folder = "Z:\\k";
    f.platform.unwritableFolders["Z:\\k"] = "拒绝访问";
    f.platform.answers = {box::kYes};
    f.platform.chosenFiles = {"D:\\报告.txt"};
    f.form.click(f.form.Command10);
    f.platform.now.minute = 6;
    f.form.tick(f.form.Timer5);
    f.form.click(f.form.Command10);
    EXPECT_EQ(f.platform.files.count("D:\\Kulbo的历史幸运号报告20220101000609.txt"), 1u);
    f.platform.unwritableFolders["D:"] = "设备未就绪";
    f.form.click(f.form.Command10);
    EXPECT_NE(f.platform.boxes.back().prompt.find("所选位置:\r\nD:\\\r\n"), std::string::npos) << f.platform.boxes.back().prompt;
}

// An unknown folder is a failure, never "/" or the working folder.
TEST(Report, UnknownFolderIsAFailureOfferingAnotherPlace) {
    ReportFixture f{"7"};
    f.platform.folder.reset();
    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command10);  // the dialog is cancelled
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_NE(f.platform.boxes[0].prompt.find("(文件夹未知)\r\n原因: 无法确定本程序所在的文件夹"), std::string::npos);
    EXPECT_EQ(f.platform.boxes[0].flags, box::kCriticalIcon | box::kYesNoButtons);
    EXPECT_EQ(f.platform.saveDialogs.size(), 1u);
    EXPECT_TRUE(f.platform.files.empty());
}

// A page's report is a download under its own name; the boxes say so, and a
// failure offers no other place, as there is none to choose.
TEST(Report, AsADownloadSaysItWentToTheDownloadsAndOffersNoOtherPlace) {
    ReportFixture f{"7"};
    f.platform.reportsGoTo = ReportPlace::Downloads;
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.files.size(), 1u);
    EXPECT_EQ(f.platform.files.begin()->first, kReportName);
    EXPECT_EQ(f.platform.files.begin()->second, kReportText);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "txt报告生成成功!已生成在浏览器的下载文件夹内");
    EXPECT_EQ(f.platform.boxes[0].flags, box::kInformation);
    EXPECT_EQ(f.platform.boxes[0].title, "提示");

    f.platform.files.clear();
    f.platform.unwritableFolders[kReportName] = "文本中有GBK无法表示的字符 (第 5 字节)";
    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.boxes.size(), 2u);
    EXPECT_EQ(f.platform.boxes[1].prompt, "txt报告未能生成在浏览器的下载文件夹内:\r\n原因: 文本中有GBK无法表示的字符 (第 5 字节)");
    EXPECT_EQ(f.platform.boxes[1].flags, box::kCritical);
    EXPECT_EQ(f.platform.boxes[1].title, "Kulbo");
    EXPECT_TRUE(f.platform.saveDialogs.empty());
    EXPECT_TRUE(f.platform.files.empty());
}
