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
            std::cout << kCommandLineHelp;
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace kulbo
