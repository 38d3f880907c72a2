// The command line: --version and --help, which need no display.
#pragma once

#include <optional>

namespace kulbo {

// The exit status when the program is to end here.
std::optional<int> answerCommandLine(int argc, char* argv[]);

}  // namespace kulbo
