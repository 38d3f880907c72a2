// A second copy is simulated in one process: two flock opens of one file
// conflict even within a process.
#include "platform/posix/instance_places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kulbo;
using enum InstanceCheck;
namespace fs = std::filesystem;

namespace {

struct SingleInstance : ::testing::Test {
    SingleInstance() {
        char name[] = "/tmp/kulbo-instance-test-XXXXXX";
        root = ::mkdtemp(name);
        runtime = root / "runtime";
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }
    ~SingleInstance() override { fs::remove_all(root); }

    // The places of a copy in the test's own folders.
    std::vector<InstancePlace> places(bool withRuntime) const {
        return instancePlaces({withRuntime ? runtime.string() : "", "", (root / "home").string(), "", root.string()});
    }

    fs::path root, runtime;
};

// With and without the runtime folder in the environment, copies meet; the
// third lets go of what it took.
TEST_F(SingleInstance, SecondCopyGivesWayUntilTheFirstEnds) {
    auto first = std::make_unique<InstanceLock>();
    InstanceLock second, third, fourth;
    EXPECT_EQ((std::vector{acquireAt(*first, places(true)), acquireAt(second, places(true)), acquireAt(second, places(false))}),
              (std::vector{Alone, AnotherRunning, AnotherRunning}));
    first.reset();
    EXPECT_EQ((std::vector{acquireAt(second, places(false)), acquireAt(third, places(true)),
                           acquireAt(fourth, {{runtime.string(), false}})}),
              (std::vector{Alone, AnotherRunning, Alone}));
}

// Missing, a file, writable by all, a link, a folder at the lock's name:
// the copies fall back to the other places and still meet.
TEST_F(SingleInstance, UnusableRuntimeFoldersFallBackAndCopiesStillMeet) {
    fs::path target = root / "elsewhere";
    fs::create_directory(target);
    fs::permissions(target, fs::perms::owner_all);
    for (int how = 0; how < 5; ++how) {
        fs::remove_all(runtime);
        if (how == 1) std::ofstream(runtime) << "x";
        if (how == 2) {
            fs::create_directory(runtime);
            fs::permissions(runtime, fs::perms::all);
        }
        if (how == 3) fs::create_directory_symlink(target, runtime);
        if (how == 4) fs::create_directories(runtime / "kulbo.lock");
        InstanceLock first, second;
        EXPECT_EQ(acquireAt(first, places(true)), Alone) << how;
        EXPECT_EQ(acquireAt(second, places(true)), AnotherRunning) << how;
        EXPECT_FALSE(how == 2 && fs::exists(runtime / "kulbo.lock"));
    }
    EXPECT_FALSE(fs::exists(target / "kulbo.lock"));
}

TEST_F(SingleInstance, PlantedLinkIsNotFollowedAndNoPlaceMeansUnknown) {
    fs::path target = root / "target";
    fs::create_symlink(target, runtime / "kulbo.lock");
    InstanceLock lock;
    EXPECT_EQ(acquireAt(lock, {{runtime.string(), false}}), Unknown);
    EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
    EXPECT_EQ(acquireAt(lock, {{(root / "missing").string(), false}}), Unknown);
}

// A copy that gives way asks the holder to show its window, through a
// socket a killed copy may have left; a holder that never takes the
// requests holds nobody up, and one that has ended is not asked.
TEST_F(SingleInstance, ALaterCopyAsksTheHolderToShowWithoutWaiting) {
    {
        InstanceLock killed;
        ASSERT_EQ(acquireAt(killed, places(true)), Alone);
        ASSERT_FALSE(listenForShowRequests(killed).empty());
    }
    auto holder = std::make_unique<InstanceLock>();
    // Taken again, not twice: two listeners, in the runtime and the temporary folder.
    ASSERT_EQ((std::vector{acquireAt(*holder, places(true)), acquireAt(*holder, places(true))}), (std::vector{Alone, Alone}));
    std::vector<int> listeners = listenForShowRequests(*holder);
    ASSERT_EQ(listeners.size(), 2u);
    auto asked = [&] { return std::ranges::count_if(listeners, takeShowRequests) > 0; };  // every listener is read
    EXPECT_EQ((std::vector{asked(), askToShow(places(false)), asked()}), (std::vector{false, true, true}));

    for (int i = 0; i < 100; ++i) askToShow(places(true));  // a full queue refuses at once, never blocks
    EXPECT_FALSE(askToShow(places(true)));
    asked();
    holder.reset();
    EXPECT_FALSE(askToShow(places(true)));
}

// Another user who makes the lock file or the folder first and holds the
// lock blocks nobody.
TEST_F(SingleInstance, PlacesOfAnotherUserAreNotUsed) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to hand files to another user";
    struct passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    int theirs = ::open((runtime / "kulbo.lock").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_EQ(::fchown(theirs, nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::flock(theirs, LOCK_EX | LOCK_NB), 0);
    fs::path theirFolder = root / ("kulbo-" + std::to_string(::getuid()));
    fs::create_directory(theirFolder);
    ASSERT_EQ(::chown(theirFolder.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    int folderLock = ::open((theirFolder / "kulbo.lock").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_EQ(::flock(folderLock, LOCK_EX | LOCK_NB), 0);

    InstanceLock lock;
    EXPECT_EQ(acquireAt(lock, places(true)), Unknown);
    fs::create_directories(root / "home" / ".cache");
    EXPECT_EQ(acquireAt(lock, places(true)), Alone);
    ::close(theirs);
    ::close(folderLock);
}

}  // namespace
