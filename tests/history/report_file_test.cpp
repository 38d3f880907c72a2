#include "history/report_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace kulbo;
namespace fs = std::filesystem;

namespace {

const std::string kLine = "2022年01月01日_00:05:09抽到幸运数: [7]\r\n";

// The same line in code page 936, byte by byte.
const std::string kLineGbk =
    "2022\xC4\xEA"
    "01\xD4\xC2"
    "01\xC8\xD5"
    "_00:05:09"
    "\xB3\xE9\xB5\xBD\xD0\xD2\xD4\xCB\xCA\xFD"
    ": [7]\r\n";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string gbkToUtf8(const std::string& gbk) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    std::string utf8(gbk.size() * 2, '\0');
    char* in = const_cast<char*>(gbk.data());
    std::size_t inLeft = gbk.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return "<not GBK>";
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

class ReportFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "kulbo-report-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        folder = pattern;
        report = folder / "Kulbo的历史幸运号报告20220101000509.txt";
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    // Names in the folder: a failed write must leave no temporary file behind.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path folder, report;
};

}  // namespace

TEST_F(ReportFile, OneLineIsWrittenAsGbkWithNoByteOrderMark) {
    ASSERT_EQ(writeGbkFile(report, kLine + "\r\n"), "");
    EXPECT_EQ(readBytes(report), kLineGbk + "\r\n");
    EXPECT_EQ(gbkToUtf8(readBytes(report)), kLine + "\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{report.filename()});

    // An ordinary file, not one only its owner may read.
    mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat(report.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

TEST_F(ReportFile, ReplacesAnExistingFileWhole) {
    writeBytes(report, std::string(4096, 'x'));
    ASSERT_EQ(writeGbkFile(report, kLine + "\r\n"), "");
    EXPECT_EQ(readBytes(report), kLineGbk + "\r\n");
}

TEST_F(ReportFile, ReplacesALinkInsteadOfFollowingIt) {
    fs::path victim = folder / "victim.txt";
    writeBytes(victim, "keep");
    fs::create_symlink(victim, report);
    ASSERT_EQ(writeGbkFile(report, kLine), "");
    EXPECT_FALSE(fs::is_symlink(report));
    EXPECT_EQ(readBytes(report), kLineGbk);
    EXPECT_EQ(readBytes(victim), "keep");
}

TEST_F(ReportFile, FolderStandingAtTheNameFailsWithTheReason) {
    fs::create_directory(report);
    std::string reason = writeGbkFile(report, kLine);
    EXPECT_NE(reason.find(std::strerror(EISDIR)), std::string::npos) << reason;
    EXPECT_TRUE(fs::is_directory(report));
    EXPECT_EQ(entries(), std::vector<std::string>{report.filename()});
}

TEST_F(ReportFile, UnusableFolderFailsWithTheReason) {
    fs::path notAFolder = folder / "plain";
    writeBytes(notAFolder, "");
    std::string reason = writeGbkFile(notAFolder / report.filename(), kLine);
    EXPECT_NE(reason.find(std::strerror(ENOTDIR)), std::string::npos) << reason;
    EXPECT_EQ(readBytes(notAFolder), "");
}

TEST_F(ReportFile, ReadOnlyFolderFailsAndKeepsTheEarlierReport) {
    ASSERT_EQ(writeGbkFile(report, kLine), "");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder.c_str(), W_OK) == 0)
        GTEST_SKIP() << "permission bits do not stop this user from writing";
    std::string reason = writeGbkFile(report, kLine + kLine);
    EXPECT_NE(reason.find(std::strerror(EACCES)), std::string::npos) << reason;
    EXPECT_EQ(readBytes(report), kLineGbk);
}

// Nothing is dropped: a character without a GBK form fails the whole report.
TEST_F(ReportFile, CharacterWithoutGbkFormFailsAndKeepsTheEarlierReport) {
    ASSERT_EQ(writeGbkFile(report, kLine), "");
    std::string reason = writeGbkFile(report, kLine + "\xF0\x9F\x98\x80\r\n");
    EXPECT_NE(reason, "");
    EXPECT_EQ(readBytes(report), kLineGbk);
    EXPECT_EQ(entries(), std::vector<std::string>{report.filename()});
}
