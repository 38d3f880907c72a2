#include "history/gbk.h"
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

namespace {

constexpr const char* kReportName = "Kulbo的历史幸运号报告20220101000509.txt";
using Boxes = std::vector<ShownBox>;
const std::string kLine = "2022年01月01日_00:05:09抽到幸运数: [7]\r\n";

// The history panel open at 2022-01-01 00:05:09 with one pick, 7.
struct ReportFixture : FormFixture {
    ReportFixture() {
        platform.now = {2022, 1, 1, 0, 5, 9};
        form.tick(form.Timer5);
        form.Label5.Caption = "7";
        form.click(form.Command1);
        form.click(form.Command11);
    }
    void exportAt(int minute) {
        platform.now.minute = minute;
        form.tick(form.Timer5);
        form.click(form.Command10);
    }
    std::string lastPrompt() const { return platform.boxes.back().prompt; }
};

}  // namespace

// Beside the program, with one more line break; a second report in the same
// second replaces the first.
TEST(Report, WritesTheHistoryUnderTheStampedNameBesideTheProgram) {
    ReportFixture f;
    f.form.click(f.form.Command10);
    f.form.click(f.form.Command1);
    f.form.click(f.form.Command10);
    EXPECT_EQ(f.platform.files,
              (std::map<std::string, std::string>{{std::string("/programs/kulbo/") + kReportName, kLine + kLine + "\r\n"}}));
    EXPECT_EQ(f.platform.boxes.at(1), (ShownBox{"txt报告生成成功!已生成在本程序的同一路径内", box::kInformation, "提示"}));
    EXPECT_EQ(f.form.Text6.Text, kLine + kLine);
}

// Without permission nothing at all, even for an empty history; with it, an
// empty history is refused.
TEST(Report, EmptyHistoryIsRefusedAndWithoutPermissionNothingHappens) {
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
TEST(Report, FailuresOfferAnotherPlaceAndLaterReportsFollowIt) {
    ReportFixture f;
    f.platform.unwritableFolders = {{"/programs/kulbo", "只读文件系统"}, {"/media/cd", "权限不够"}};
    f.form.click(f.form.Command10);  // answered No
    EXPECT_EQ(f.platform.boxes, (Boxes{{"txt报告未能生成在本程序的同一路径内:\r\n/programs/kulbo\r\n原因: 只读文件系统\r\n\r\n是否保存到其他位置?",
                                        box::kCriticalIcon | box::kYesNoButtons, "Kulbo"}}));
    EXPECT_TRUE(f.platform.saveDialogs.empty());

    f.platform.answers = {box::kYes, box::kYes};
    f.platform.chosenFiles = {"/media/cd/a.txt", "/home/t/报告.txt"};
    f.platform.documents.reset();  // the dialog opens at home then
    f.form.click(f.form.Command10);
    ASSERT_EQ(f.platform.saveDialogs.size(), 2u);
    EXPECT_EQ(f.platform.saveDialogs[0].proposedName, kReportName);
    EXPECT_EQ(f.platform.saveDialogs[0].folder, "/home/teacher");
    ASSERT_EQ(f.platform.boxes.size(), 4u);
    EXPECT_NE(f.platform.boxes[2].prompt.find("所选位置:\r\n/media/cd\r\n原因: 权限不够"), std::string::npos);
    EXPECT_EQ(f.lastPrompt(), "txt报告生成成功!已生成在:\r\n/home/t/报告.txt");
    EXPECT_EQ(f.platform.files.at("/home/t/报告.txt"), kLine + "\r\n");

    f.exportAt(6);
    EXPECT_EQ(f.lastPrompt(), "txt报告生成成功!已生成在:\r\n/home/t/Kulbo的历史幸运号报告20220101000609.txt");
    EXPECT_EQ(f.platform.saveDialogs.size(), 2u);
    f.platform.unwritableFolders["/home/t"] = "设备已移除";
    f.exportAt(7);  // answered No
    EXPECT_NE(f.lastPrompt().find("所选位置:\r\n/home/t\r\n原因: 设备已移除"), std::string::npos);
    f.platform.unwritableFolders.clear();
    f.exportAt(8);
    EXPECT_EQ(f.platform.files.count("/programs/kulbo/Kulbo的历史幸运号报告20220101000809.txt"), 1u);
}

// A drive's root keeps its separator ("D:" alone is somewhere else); an
// unknown program folder is a failure, never "/" or the working folder.
TEST(Report, WindowsDriveRootsAndAnUnknownFolder) {
    ReportFixture f;
    f.platform.separators = "\\/";
    f.platform.folder.reset();
    f.platform.answers = {box::kYes};
    f.platform.chosenFiles = {"D:\\报告.txt"};
    f.form.click(f.form.Command10);
    EXPECT_NE(f.platform.boxes[0].prompt.find("(文件夹未知)\r\n原因: 无法确定本程序所在的文件夹"), std::string::npos);
    f.exportAt(6);
    EXPECT_EQ(f.platform.files.count("D:\\Kulbo的历史幸运号报告20220101000609.txt"), 1u);
    f.platform.unwritableFolders["D:"] = "设备未就绪";
    f.exportAt(7);
    EXPECT_NE(f.lastPrompt().find("所选位置:\r\nD:\\\r\n"), std::string::npos) << f.lastPrompt();
}

// A page's report is a download: no other place to offer when it fails.
TEST(Report, AsADownloadOffersNoOtherPlace) {
    ReportFixture f;
    f.platform.reportsGoTo = ReportPlace::Downloads;
    f.form.click(f.form.Command10);
    EXPECT_EQ(f.platform.files.at(kReportName), kLine + "\r\n");
    EXPECT_EQ(f.lastPrompt(), "txt报告生成成功!已生成在浏览器的下载文件夹内");
    f.platform.unwritableFolders[kReportName] = "磁盘已满";
    f.platform.answers = {box::kYes};
    f.form.click(f.form.Command10);
    EXPECT_EQ(f.platform.boxes.back(), (ShownBox{"txt报告未能生成在浏览器的下载文件夹内:\r\n原因: 磁盘已满", box::kCritical, "Kulbo"}));
    EXPECT_TRUE(f.platform.saveDialogs.empty());
}

// The program's own GBK, where no system converter writes the report.
// A character from each part of the chart: ASCII, the one-byte euro, the
// GB2312 rows, the cells filled by rule (first and last), the stretches
// after them, and the tags, which are written as nothing.
TEST(Gbk, WritesEachPartOfTheChart) {
    std::string bytes;
    ASSERT_TRUE(encodeGbk("2022年01月 €·啊ā〇\u4E02\u9FA5\uF92C\uFA29\U000E0001!\r\n", bytes).ok());
    EXPECT_EQ(bytes, "2022\xC4\xEA" "01\xD4\xC2 \x80\xA1\xA4\xB0\xA1\xA8\xA1\xA9\x96\x81\x40\xFD\x9B\xFD\x9C\xFE\x4F!\r\n");
}

TEST(Gbk, FailsAtTheFirstByteItCannotWrite) {
    for (auto [text, at] : {std::pair{"ab😀", 3}, {"a\x80z", 2}, {"ab\xE4\xB8", 3}, {"a\xC0\xAF", 2},
                            {"\xED\xA0\x80", 1}, {"\xF4\x90\x80\x80", 1}, {"\xE4\xB8z", 1}, {"\xFF", 1}}) {
        std::string bytes;
        Outcome written = encodeGbk(text, bytes);
        EXPECT_FALSE(written.ok()) << text;
        EXPECT_EQ(written.reason(), "文本中有GBK无法表示的字符 (第 " + std::to_string(at) + " 字节)");
    }
}
