#include "platform/posix/instance_places.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

// The desktop's own name for the documents folder, then ~/Documents; a
// folder that does not exist is none, and the Save dialog opens at home.
// The account's home is found whatever $HOME says, and the program's folder
// is the one it runs from.
TEST(UserFolders, DocumentsAsTheDesktopNamesThemWhenTheyExist) {
    const fs::path home = fs::temp_directory_path() / ("kulbo-home-" + std::to_string(::getpid()));
    fs::create_directories(home / ".config");
    const std::string homeBefore = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* configBefore = std::getenv("XDG_CONFIG_HOME");
    const std::string keptConfig = configBefore ? configBefore : "";
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(std::tuple(kulbo::os::homeFolder(), kulbo::userFolders().accountHome, kulbo::os::programFolder()),
              std::tuple(home.string(), ::getpwuid(::getuid())->pw_dir, fs::canonical("/proc/self/exe").parent_path().string()));
    EXPECT_EQ(kulbo::os::documentsFolder(), std::nullopt);
    fs::create_directory(home / "Documents");
    EXPECT_EQ(kulbo::os::documentsFolder(), (home / "Documents").string());
    std::ofstream(home / ".config/user-dirs.dirs") << "# written by the desktop\nXDG_DOCUMENTS_DIR=\"$HOME/文档\"\n";
    EXPECT_EQ(kulbo::os::documentsFolder(), std::nullopt);
    fs::create_directory(home / "文档");
    EXPECT_EQ(kulbo::os::documentsFolder(), (home / "文档").string());

    ::setenv("HOME", homeBefore.c_str(), 1);
    if (configBefore) ::setenv("XDG_CONFIG_HOME", keptConfig.c_str(), 1);
    fs::remove_all(home);
}
