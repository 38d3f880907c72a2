// One running copy per user. The lock is held until the object goes, and
// the system lets go of it when its holder ends, however it ends.
#pragma once

#include <memory>

namespace kulbo {

enum class InstanceCheck {
    Alone,           // locked, and no other copy of the user holds the lock
    AnotherRunning,  // another copy of the user holds it
    Unknown,         // the lock could not be taken at all
};

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Locks for the user who runs the program.
    InstanceCheck acquire();

    // What the platform keeps open while it holds the lock.
    struct Held;
    Held& held() { return *held_; }

private:
    std::unique_ptr<Held> held_;
};

}  // namespace kulbo
