// A later copy that gives way asks the copy that runs to bring its window
// forward; the copy that runs hears the request on its own event loop.
#pragma once

#include "platform/single_instance.h"

#include <vector>

namespace kulbo {

// The running copy's listening handles, non-blocking, one for each place it
// holds the lock in; they close with the lock.
std::vector<int> listenForShowRequests(InstanceLock& lock);

// Takes every request waiting on a listening handle; whether there was one.
bool takeShowRequests(int listener);

// Asks the copy that runs to show its window, without ever waiting for it;
// whether the request went out.
bool askRunningCopyToShow();

}  // namespace kulbo
