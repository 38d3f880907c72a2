#pragma once

namespace kulbo {

// Title of every message box that has none of its own.
inline constexpr const char* kAppTitle = "Kulbo";

}  // namespace kulbo
