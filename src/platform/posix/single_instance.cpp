#include "platform/posix/instance_places.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <set>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace kulbo {

namespace {

constexpr const char* kLockName = "kulbo.lock";
constexpr const char* kSocketName = "kulbo.socket";  // where the holder hears a later copy

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

// The socket beside the lock in folder; false when the path is too long for one.
bool socketAddress(const std::string& folder, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    std::string path = folder + "/" + kSocketName;
    if (path.size() >= sizeof address.sun_path) return false;
    path.copy(address.sun_path, path.size());
    return true;
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
    std::vector<std::string> folders;  // where the locks are
    std::vector<int> listeners;
    void release() {
        for (int fd : descriptors) ::close(fd);
        for (int fd : listeners) ::close(fd);
        descriptors.clear();
        folders.clear();
        listeners.clear();
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
            held.folders.push_back(place.folder);
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

// Holding the lock there, no other copy listens: a socket left by a copy
// that was killed is replaced.
std::vector<int> listenForShowRequests(InstanceLock& lock) {
    InstanceLock::Held& held = lock.held();
    for (const std::string& folder : held.folders) {
        sockaddr_un address;
        if (!socketAddress(folder, address)) continue;
        struct stat st{};
        if (::lstat(address.sun_path, &st) == 0 && S_ISSOCK(st.st_mode)) ::unlink(address.sun_path);
        int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) continue;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0) {
            ::close(fd);
            continue;
        }
        held.listeners.push_back(fd);
    }
    return held.listeners;
}

bool takeShowRequests(int listener) {
    bool asked = false;
    for (int fd; (fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; asked = true) ::close(fd);
    return asked;
}

// The connection is the request: nothing is written, nothing awaited. A
// copy that hangs leaves it in its queue, or, with the queue full, the
// connection fails at once.
bool askToShow(const std::vector<InstancePlace>& places) {
    for (const InstancePlace& place : places) {
        int dir = openOwnFolder({place.folder, false});
        if (dir < 0) continue;
        ::close(dir);
        sockaddr_un address;
        if (!socketAddress(place.folder, address)) continue;
        int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) continue;
        bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        if (connected) return true;
    }
    return false;
}

bool askRunningCopyToShow() { return askToShow(instancePlaces(userFolders())); }

}  // namespace kulbo
