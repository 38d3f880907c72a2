// Where a copy of the program locks on Windows: a named object in the
// session's own namespace, named after the user, so that another session or
// another user's copy in this one never blocks it.
#pragma once

#include "platform/single_instance.h"

#include <string>

namespace kulbo {

// "Local\org.example.kulbo.Kulbo-<the user's security id>"
std::wstring instanceName();

InstanceCheck acquireNamed(InstanceLock& lock, const std::wstring& name);

}  // namespace kulbo
