#include "qt/command_line.h"

#include "app/messages.h"

#include <cstring>
#include <iostream>

namespace kulbo {

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << kAppTitle << " " << KULBO_VERSION << "\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "用法 / Usage: kulbo [--version | --help]\n"
                         "为班级或公司抽取幸运号码。 / Draws lucky numbers for a class or a company.\n"
                         "  --version  显示版本 / print the version\n"
                         "  --help     显示本帮助 / print this help\n"
                         "环境变量 / Environment:\n"
                         "  QT_SCALE_FACTOR=1.5 或 2  为投影放大窗口 / enlarge the window for a projector\n";
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace kulbo
