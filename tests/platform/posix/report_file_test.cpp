// What the report file must be on POSIX systems besides: an ordinary file,
// links replaced rather than followed, the system's own reasons, and
// temporaries of killed copies removed.
#include "platform/report_file.h"
#include "platform/report_file_fixture.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

using namespace kulbo;
using namespace kulbo::testing;

namespace {

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

}  // namespace

// Outside the anonymous namespace: the test classes derive from it.
struct PosixReportFile : ReportFile {
    void TearDown() override {
        setImmutable(folder, false);
        ReportFile::TearDown();
    }
};

// An ordinary file, not one only its owner may read, put in the link's place.
TEST_F(PosixReportFile, AnOrdinaryFileReplacesALinkInsteadOfFollowingIt) {
    fs::path victim = folder / "victim.txt";
    writeBytes(victim, "keep");
    fs::create_symlink(victim, report);
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    EXPECT_EQ(std::tuple(fs::is_symlink(report), readBytes(report), readBytes(victim)), std::tuple(false, kLineGbk, "keep"));
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(report).permissions(), static_cast<fs::perms>(0666 & ~mask));
}

// The failure names the system's reason and the earlier report stays; the
// temporary file belongs in the report's own folder, not in its parent.
TEST_F(PosixReportFile, ReadOnlyFolderFailsWithTheSystemsReasonButNotItsSubfolder) {
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    fs::path child = folder / "child";
    fs::create_directory(child);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (creationError(folder) == 0 && !setImmutable(folder, true))
        GTEST_SKIP() << "nothing here stops this user from writing into the folder";
    int error = creationError(folder);
    ASSERT_NE(error, 0);
    std::string reason = writeGbkFile(report, kLine + kLine).reason();
    EXPECT_NE(reason.find(std::strerror(error)), std::string::npos) << reason;
    EXPECT_EQ(readBytes(report), kLineGbk);
    Outcome written = writeGbkFile(child / report.filename(), kLine);
    EXPECT_TRUE(written.ok()) << written.reason();
}

// What a copy killed while writing left behind goes; a running copy's stays.
TEST_F(PosixReportFile, RemovesTemporariesOfCopiesThatAreGone) {
    long gone = 0;  // process numbers stay below pid_max: no process has this one
    std::ifstream("/proc/sys/kernel/pid_max") >> gone;
    auto named = [](long pid, const char* tail) { return ".kulbo-report-" + std::to_string(pid) + tail; };
    // The first name this copy tries is in use.
    const std::string stale = named(gone, "-0"), running = named(::getppid(), "-0"), notOurs = named(gone, "x"),
                      taken = named(::getpid(), "-0");
    for (const std::string& name : {stale, running, notOurs, taken}) writeBytes(folder / name, "half");
    ASSERT_TRUE(writeGbkFile(report, kLine).ok());
    EXPECT_EQ(entries(), (std::set<fs::path>{taken, running, notOurs, report.filename()}));
}

// With every name for the temporary taken, the report fails and removes none.
TEST_F(PosixReportFile, EveryTemporaryNameTakenFailsAndRemovesNone) {
    for (int attempt = 0; attempt < 100; ++attempt)
        writeBytes(folder / (".kulbo-report-" + std::to_string(::getpid()) + "-" + std::to_string(attempt)), "x");
    EXPECT_FALSE(writeGbkFile(report, kLine).ok());
    EXPECT_EQ(entries().size(), 100u);
}
