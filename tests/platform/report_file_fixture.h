// A folder of its own for each report-file test, and its helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <iterator>
#include <string>

namespace kulbo::testing {

namespace fs = std::filesystem;

inline const std::string kLine = "2022年01月01日_00:05:09抽到幸运数: [7]\r\n";

// The same line in code page 936, byte by byte.
inline const std::string kLineGbk = "2022\xC4\xEA" "01\xD4\xC2" "01\xC8\xD5" "_00:05:09\xB3\xE9\xB5\xBD\xD0\xD2\xD4\xCB\xCA\xFD: [7]\r\n";

// Paths as the program names them: UTF-8.
inline std::string utf8Path(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class ReportFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("kulbo-report-" + std::to_string(std::random_device()()));
        fs::create_directory(folder);
        report = folder / fs::path(u8"Kulbo的历史幸运号报告20220101000509.txt");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }
    // Names in the folder: a failed write must leave no temporary file behind.
    std::set<fs::path> entries() const {
        std::set<fs::path> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
        return names;
    }
    fs::path folder, report;
};

}  // namespace kulbo::testing
