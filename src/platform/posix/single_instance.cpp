#include "platform/posix/instance_places.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kulbo {

namespace {

constexpr const char* kLockName = "kulbo.lock";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";  // a relative path would depend on the working folder
}

// A folder that only this user can change: a real folder, not a link, owned
// by the user and not writable by anyone else. Returns an open descriptor.
int openOwnFolder(const InstancePlace& place) {
    if (place.create) ::mkdir(place.folder.c_str(), 0700);  // an existing one is checked, never changed
    int dir = ::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return -1;
    struct stat st{};
    if (::fstat(dir, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 022) != 0) {
        ::close(dir);
        return -1;
    }
    return dir;
}

}  // namespace

UserFolders userFolders() {
    UserFolders folders;
    folders.runtime = environment("XDG_RUNTIME_DIR");
    folders.cacheHome = environment("XDG_CACHE_HOME");
    folders.home = environment("HOME");
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
    struct passwd entry{};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
        found->pw_dir[0] == '/')
        folders.accountHome = found->pw_dir;
    return folders;
}

std::vector<InstancePlace> instancePlaces(const UserFolders& folders) {
    std::vector<InstancePlace> places;
    if (!folders.runtime.empty()) places.push_back({folders.runtime, false});
    std::string cache = !folders.cacheHome.empty() ? folders.cacheHome
                        : !folders.home.empty()    ? folders.home + "/.cache"
                                                   : "";
    if (!cache.empty()) places.push_back({cache + "/kulbo", true});
    std::string accountCache = folders.accountHome.empty() ? "" : folders.accountHome + "/.cache";
    if (!accountCache.empty() && accountCache != cache) places.push_back({accountCache + "/kulbo", true});
    places.push_back({folders.temp + "/kulbo-" + std::to_string(::getuid()), true});
    return places;
}

struct InstanceLock::Held {
    std::vector<int> descriptors;
    void release() {
        for (int fd : descriptors) ::close(fd);
        descriptors.clear();
    }
};

InstanceLock::InstanceLock() : held_(std::make_unique<Held>()) {}

InstanceLock::~InstanceLock() { held_->release(); }

InstanceCheck InstanceLock::acquire() { return acquireAt(*this, instancePlaces(userFolders())); }

// Places are tried in one order and the first lock held elsewhere ends the
// search with everything let go: two copies starting together never end up
// holding one place each and both giving way.
InstanceCheck acquireAt(InstanceLock& lock, const std::vector<InstancePlace>& places) {
    InstanceLock::Held& held = lock.held();
    held.release();
    std::set<std::pair<dev_t, ino_t>> files;  // one folder may be reached under two names
    for (const InstancePlace& place : places) {
        int dir = openOwnFolder(place);
        if (dir < 0) continue;
        int fd = ::openat(dir, kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        ::close(dir);
        if (fd < 0) continue;
        struct stat st{};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid() ||
            !files.insert({st.st_dev, st.st_ino}).second) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            held.descriptors.push_back(fd);
            continue;
        }
        bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        if (heldElsewhere) {
            held.release();
            return InstanceCheck::AnotherRunning;
        }
    }
    return held.descriptors.empty() ? InstanceCheck::Unknown : InstanceCheck::Alone;
}

}  // namespace kulbo
