// Where a copy of the program locks on POSIX systems: every copy takes an
// advisory lock in each place that belongs to the user. Places that another
// user owns or can write to are never used, so nobody else can block or
// redirect the lock.
#pragma once

#include "platform/show_request.h"

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

// Locks every usable place of the list, held by the lock until it goes.
InstanceCheck acquireAt(InstanceLock& lock, const std::vector<InstancePlace>& places);

// The requests to show the window go through a socket beside each lock.
// Asks the copy that holds one of the places to show its window, without
// ever waiting for it; whether the request went out.
bool askToShow(const std::vector<InstancePlace>& places);

}  // namespace kulbo
