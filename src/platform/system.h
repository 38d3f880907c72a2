// What the program needs of the operating system: one implementation for
// each platform, in its folder.
#pragma once

#include "app/system_port.h"

#include <optional>
#include <string>

namespace kulbo::os {

// The folder that holds the program file, in UTF-8 (Windows) or as the file
// system's bytes (POSIX), without a separator at its end; none when it
// cannot be found.
std::optional<std::string> programFolder();

LocalTime localNow();

// Ends the process at once: nothing more runs, no destructor included.
[[noreturn]] void endNow();

// The user's documents folder (as the desktop names it) and home folder,
// when they exist.
std::optional<std::string> documentsFolder();
std::optional<std::string> homeFolder();

// The characters that separate the folders of a path, the usual one first.
const char* pathSeparators();

}  // namespace kulbo::os
