#include "history/report_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <string_view>
#include <unistd.h>

namespace kulbo {

Outcome toGbk(const std::string& utf8, std::string& gbk) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return Outcome::failed(std::string("无法转换为GBK编码: ") + std::strerror(errno));
    gbk.assign(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* out = gbk.data();
    std::size_t outLeft = gbk.size();
    std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    int error = errno;
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        return Outcome::failed("文本中有GBK无法表示的字符 (第 " + std::to_string(in - utf8.data() + 1) + " 字节): " +
                               std::strerror(error));
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

Outcome writeGbkFile(const std::string& path, const std::string& utf8Text) {
    std::string bytes;
    if (Outcome converted = toGbk(utf8Text, bytes); !converted.ok()) return converted;

    std::string folder = path.substr(0, path.rfind('/') + 1);
    std::string temporary = folder + ".kulbo-report-XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Outcome::failed(systemReason("无法创建文件"));
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);  // mkstemp makes it private; a report is an ordinary file

    std::string failure;
    if (!writeAll(fd, bytes)) failure = systemReason("写入失败");
    else if (::fsync(fd) != 0) failure = systemReason("写入失败");
    if (::close(fd) != 0 && failure.empty()) failure = systemReason("关闭文件失败");
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) failure = systemReason("无法替换文件");
    if (failure.empty()) return Outcome::done();
    ::unlink(temporary.c_str());
    return Outcome::failed(failure);
}

}  // namespace kulbo
