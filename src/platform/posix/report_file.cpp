#include "platform/report_file.h"
#include "app/messages.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <string_view>
#include <unistd.h>

namespace kulbo {

Outcome toGbk(const std::string& utf8, std::string& gbk) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return Outcome::failed(std::string(kNoGbkConversion) + std::strerror(errno));
    gbk.assign(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* out = gbk.data();
    std::size_t outLeft = gbk.size();
    std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    int error = errno;
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        return Outcome::failed(noGbkForm(static_cast<std::size_t>(in - utf8.data()) + 1) + ": " + std::strerror(error));
    gbk.resize(gbk.size() - outLeft);
    return Outcome::done();
}

namespace {

std::string systemReason(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

namespace {

constexpr const char* kTemporaryPrefix = ".kulbo-report-";

// A temporary left by a copy of the program that was killed while writing:
// ours by its name, stale once the process named in it is gone.
void removeStaleTemporaries(const std::string& folder) {
    DIR* entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!entries) return;
    std::string_view prefix = kTemporaryPrefix;
    while (const dirent* entry = ::readdir(entries)) {
        std::string_view name = entry->d_name;
        if (!name.starts_with(prefix)) continue;
        char* end = nullptr;
        long pid = std::strtol(entry->d_name + prefix.size(), &end, 10);
        if (pid <= 0 || *end != '-') continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) ::unlinkat(::dirfd(entries), entry->d_name, 0);
    }
    ::closedir(entries);
}

std::string temporaryName(const std::string& folder, int attempt) {
    return folder + kTemporaryPrefix + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

// Gives the unnamed file a name of its own in its folder, ready to be renamed.
bool linkUnnamed(int fd, const std::string& folder, std::string& temporary) {
    std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(folder, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, temporary.c_str(), AT_EMPTY_PATH) == 0) return true;
        if (errno != EEXIST) break;
    }
    temporary.clear();
    return false;
}

}  // namespace

Outcome writeGbkFile(const std::string& path, const std::string& utf8Text) {
    std::string bytes;
    if (Outcome converted = toGbk(utf8Text, bytes); !converted.ok()) return converted;

    std::string folder = path.substr(0, path.rfind('/') + 1);
    removeStaleTemporaries(folder);
    // Unnamed until complete, so that a kill in between leaves nothing; where
    // the file system cannot, a named temporary that the next export removes.
    std::string temporary;
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    bool unnamed = fd >= 0;
    if (!unnamed && (errno == EOPNOTSUPP || errno == EISDIR)) {
        temporary = temporaryName(folder, 0) + "XXXXXX";
        fd = ::mkstemp(temporary.data());
    }
    if (fd < 0) return Outcome::failed(systemReason(kCannotCreateFile));
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);  // mkstemp makes it private; a report is an ordinary file

    std::string failure;
    if (!writeAll(fd, bytes)) failure = systemReason(kCannotWrite);
    else if (::fsync(fd) != 0) failure = systemReason(kCannotWrite);
    else if (unnamed && !linkUnnamed(fd, folder, temporary)) failure = systemReason(kCannotCreateFile);
    if (::close(fd) != 0 && failure.empty()) failure = systemReason(kCannotClose);
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) failure = systemReason(kCannotReplace);
    if (failure.empty()) return Outcome::done();
    if (!temporary.empty()) ::unlink(temporary.c_str());
    return Outcome::failed(failure);
}

}  // namespace kulbo
