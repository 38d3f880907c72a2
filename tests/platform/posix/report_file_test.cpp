#include "platform/report_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <sstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

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

// The error with which creating a file in the folder fails, or 0 if it works.
int creationError(const fs::path& folder) {
    fs::path probe = folder / "probe";
    int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    if (fd < 0) return errno;
    ::close(fd);
    ::unlink(probe.c_str());
    return 0;
}

// Sets or clears the immutable flag, which stops even a user whom permission
// bits do not stop. Returns false where the file system cannot do it.
bool setImmutable([[maybe_unused]] const fs::path& folder, [[maybe_unused]] bool on) {
#ifdef FS_IOC_SETFLAGS
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
#else
    return false;
#endif
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
        setImmutable(folder, false);
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
    ASSERT_TRUE(writeGbkFile(report, kLine + "\r\n").ok());
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
    ASSERT_TRUE(writeGbkFile(report, kLine + "\r\n").ok());
    EXPECT_EQ(readBytes(report), kLineGbk + "\r\n");
}

TEST_F(ReportFile, ReplacesALinkInsteadOfFollowingIt) {
    fs::path victim = folder / "victim.txt";
    writeBytes(victim, "keep");
    fs::create_symlink(victim, report);
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    EXPECT_FALSE(fs::is_symlink(report));
    EXPECT_EQ(readBytes(report), kLineGbk);
    EXPECT_EQ(readBytes(victim), "keep");
}

TEST_F(ReportFile, FolderStandingAtTheNameFailsWithTheReason) {
    fs::create_directory(report);
    std::string reason = writeGbkFile(report, kLine).reason();
    EXPECT_NE(reason.find(std::strerror(EISDIR)), std::string::npos) << reason;
    EXPECT_TRUE(fs::is_directory(report));
    EXPECT_EQ(entries(), std::vector<std::string>{report.filename()});
}

TEST_F(ReportFile, UnusableFolderFailsWithTheReason) {
    fs::path notAFolder = folder / "plain";
    writeBytes(notAFolder, "");
    std::string reason = writeGbkFile(notAFolder / report.filename(), kLine).reason();
    EXPECT_NE(reason.find(std::strerror(ENOTDIR)), std::string::npos) << reason;
    EXPECT_EQ(readBytes(notAFolder), "");
}

TEST_F(ReportFile, ReadOnlyFolderFailsAndKeepsTheEarlierReport) {
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (creationError(folder) == 0 && !setImmutable(folder, true))
        GTEST_SKIP() << "nothing here stops this user from writing into the folder";
    int error = creationError(folder);
    ASSERT_NE(error, 0);
    std::string reason = writeGbkFile(report, kLine + kLine).reason();
    EXPECT_NE(reason.find(std::strerror(error)), std::string::npos) << reason;
    EXPECT_EQ(readBytes(report), kLineGbk);
}

// Nothing is dropped: a character without a GBK form fails the whole report.
TEST_F(ReportFile, CharacterWithoutGbkFormFailsAndKeepsTheEarlierReport) {
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    Outcome written = writeGbkFile(report, kLine + "\xF0\x9F\x98\x80\r\n");
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.reason(), "");
    EXPECT_EQ(readBytes(report), kLineGbk);
    EXPECT_EQ(entries(), std::vector<std::string>{report.filename()});
}

// The temporary file belongs in the report's own folder, not in its parent.
TEST_F(ReportFile, WritesIntoAFolderWhoseParentIsReadOnly) {
    fs::path child = folder / "child";
    fs::create_directory(child);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (creationError(folder) == 0 && !setImmutable(folder, true))
        GTEST_SKIP() << "nothing here stops this user from writing into the folder";
    Outcome written = writeGbkFile(child / report.filename(), kLine);
    EXPECT_TRUE(written.ok()) << written.reason();
}

// What a copy killed while writing left behind goes; a running copy's stays.
TEST_F(ReportFile, RemovesTemporariesOfCopiesThatAreGone) {
    long gone = 0;  // process numbers stay below pid_max: no process has this one
    std::ifstream("/proc/sys/kernel/pid_max") >> gone;
    std::string stale = ".kulbo-report-" + std::to_string(gone) + "-0";
    std::string running = ".kulbo-report-" + std::to_string(::getppid()) + "-0";
    std::string notOurs = ".kulbo-report-" + std::to_string(gone) + "x";
    std::string taken = ".kulbo-report-" + std::to_string(::getpid()) + "-0";  // the first name tried is in use
    for (const std::string& name : {stale, running, notOurs, taken}) writeBytes(folder / name, "half");
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    std::vector<std::string> kept{taken, running, notOurs, report.filename()};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(entries(), kept);
}
