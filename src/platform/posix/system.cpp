#include "platform/system.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kulbo::os {

namespace {

bool isFolder(const std::string& path) {
    struct stat status{};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The desktop's own list of the user's folders: XDG_DOCUMENTS_DIR="$HOME/Dokumente".
std::string documentsFromUserDirs(const std::string& home) {
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty()) config = home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs");
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        return value == home || value == home + "/" ? "" : value;  // "$HOME" itself means none
    }
    return home + "/Documents";
}

}  // namespace

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

std::optional<std::string> homeFolder() {
    std::string home = environment("HOME");
    if (home.empty()) {
        struct passwd* account = ::getpwuid(::getuid());
        if (account && account->pw_dir) home = account->pw_dir;
    }
    if (!isFolder(home)) return std::nullopt;
    return home;
}

std::optional<std::string> documentsFolder() {
    std::optional<std::string> home = homeFolder();
    if (!home) return std::nullopt;
    std::string documents = documentsFromUserDirs(*home);
    if (!isFolder(documents)) return std::nullopt;
    return documents;
}

const char* pathSeparators() { return "/"; }

}  // namespace kulbo::os
