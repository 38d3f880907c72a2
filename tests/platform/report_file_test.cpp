// What the report file must be on every platform, and the system's random
// numbers.
#include "platform/report_file.h"
#include "platform/report_file_fixture.h"
#include "platform/system_platform.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kulbo;
using namespace kulbo::testing;

// In GBK with no byte order mark under its Chinese name, replacing an
// existing file whole. Nothing is dropped: a character without a GBK form
// fails the whole report and keeps the earlier one.
TEST_F(ReportFile, IsWrittenAsGbkWholeOrNotAtAll) {
    writeBytes(report, std::string(4096, 'x'));
    ASSERT_TRUE(writeGbkFile(utf8Path(report), kLine + "\r\n").ok());
    EXPECT_EQ(readBytes(report), kLineGbk + "\r\n");
    Outcome written = writeGbkFile(utf8Path(report), kLine + "\xF0\x9F\x98\x80\r\n");
    EXPECT_NE(written.reason().find("GBK"), std::string::npos) << written.reason();
    EXPECT_EQ(std::tuple(readBytes(report), entries()), std::tuple(kLineGbk + "\r\n", std::set<fs::path>{report.filename()}));
}

// A folder where the file should go, a file where the folder should be:
// a failure with its reason, and nothing left behind.
TEST_F(ReportFile, UnusablePlacesFailWithAReasonAndLeaveNothing) {
    fs::create_directory(report);
    fs::path notAFolder = folder / "plain";
    writeBytes(notAFolder, "");
    for (const fs::path& path : {report, notAFolder / report.filename()}) {
        Outcome written = writeGbkFile(utf8Path(path), kLine);
        EXPECT_TRUE(!written.ok() && !written.reason().empty()) << written.reason();
    }
    EXPECT_EQ(std::tuple(fs::is_directory(report), readBytes(notAFolder), entries()),
              std::tuple(true, "", std::set<fs::path>{report.filename(), "plain"}));
}

TEST(SystemPlatform, TwoStartsDrawDifferentNumbers) {
    kulbo::SystemPlatform first, second;
    EXPECT_NE(first.Rnd(), second.Rnd());  // 53 random bits each
}
