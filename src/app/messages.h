#pragma once

namespace kulbo {

// The program's name: the window's title, the title of every message box
// that has none of its own, and the start of the report's file name.
inline constexpr const char* kAppTitle = "Kulbo";

}  // namespace kulbo
