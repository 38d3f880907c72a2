// One running copy per user. Every copy takes an advisory lock in each place
// that belongs to the user; the system lets go of them when the holder ends,
// however it ends. Places that another user owns or can write to are never
// used, so nobody else can block or redirect the lock.
#pragma once

#include <string>
#include <vector>

namespace kulbo {

// The folders the places are derived from.
struct UserFolders {
    std::string runtime;      // $XDG_RUNTIME_DIR, may be empty
    std::string cacheHome;    // $XDG_CACHE_HOME, may be empty
    std::string home;         // $HOME, may be empty
    std::string accountHome;  // the home of the user's account
    std::string temp = "/tmp";
};

// From the environment and the user's account.
UserFolders userFolders();

struct InstancePlace {
    std::string folder;
    bool create = false;  // made with mode 0700 when missing
};

// Every copy of the same user tries the places that come from its user id
// (the account's cache folder, the temporary folder), whatever its
// environment, so copies started in different sessions still meet.
std::vector<InstancePlace> instancePlaces(const UserFolders& folders);

enum class InstanceCheck {
    Alone,           // locked at least one place, none held by another copy
    AnotherRunning,  // some place is locked by another copy
    Unknown,         // no place could be locked at all
};

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Locks every usable place; the locks are held until destruction.
    InstanceCheck acquire(const std::vector<InstancePlace>& places);

private:
    void release();

    std::vector<int> held_;
};

}  // namespace kulbo
