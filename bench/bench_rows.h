// The benchmarks' shared pieces: the summary row each figure prints, and a
// process's peak memory.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>

namespace kulbo::bench {

// One line per figure for the summary:
//   row <TAB> figure <TAB> Kulbo <TAB> bare <TAB> before <TAB> bar <TAB> PASS|FAIL|-
inline void row(const std::string& figure, const std::string& kulbo, const std::string& bare, const std::string& before,
                const std::string& bar, const char* result) {
    std::printf("row\t%s\t%s\t%s\t%s\t%s\t%s\n", figure.c_str(), kulbo.c_str(), bare.c_str(), before.c_str(),
                bar.c_str(), result);
}

inline const char* verdict(bool pass) { return pass ? "PASS" : "FAIL"; }

inline std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Peak resident memory of a process in kB, or -1 when it is gone.
inline long peakResidentKilobytes(const std::string& pid = "self") {
    std::ifstream status("/proc/" + pid + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

}  // namespace kulbo::bench
