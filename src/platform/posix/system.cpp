#include "platform/system.h"

#include <ctime>
#include <unistd.h>

namespace kulbo::os {

// By the bytes of the link: a folder name that is not UTF-8 (GBK from a
// Windows zip) must come back as it is.
std::optional<std::string> programFolder() {
    std::string target(4096, '\0');
    ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size() || target[0] != '/') return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    std::size_t slash = target.rfind('/');
    return slash == 0 ? "/" : target.substr(0, slash);
}

LocalTime localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

void endNow() { ::_exit(0); }

const char* pathSeparators() { return "/"; }

}  // namespace kulbo::os
