#include "platform/single_instance.h"

#include <emscripten/emscripten.h>

namespace kulbo {

namespace {

// The browser's lock for this site, held until the page goes: 0 when this
// page took it, 1 when another page holds it, 2 without the Web Locks API.
EM_ASYNC_JS(int, lockThePage, (), {
    if (!navigator.locks) return 2;
    return await new Promise(resolve => navigator.locks.request("kulbo", {ifAvailable: true}, lock => {
        resolve(lock ? 0 : 1);
        if (lock) return new Promise(() => {});
    }));
});

}  // namespace

struct InstanceLock::Held {};

InstanceLock::InstanceLock() : held_(std::make_unique<Held>()) {}
InstanceLock::~InstanceLock() = default;

InstanceCheck InstanceLock::acquire() {
    switch (lockThePage()) {
    case 0: return InstanceCheck::Alone;
    case 1: return InstanceCheck::AnotherRunning;
    default: return InstanceCheck::Unknown;
    }
}

}  // namespace kulbo
