#pragma once

namespace kulbo {

// The program's name: the window's title, the title of every message box
// that has none of its own, and the start of the report's file name.
inline constexpr const char* kAppTitle = "Kulbo";

// What the browser's page says of itself, around the window. The first two
// are written into the page when it is built, to be read before the program
// has loaded (or when it never can).
inline constexpr const char* kPageLoading = "Kulbo 正在载入……";
inline constexpr const char* kPageNeedsScripts = "Kulbo 需要浏览器允许运行 JavaScript。";
inline constexpr const char* kPageInAnotherTab = "Kulbo 已在另一个标签页中打开，请到那里继续使用。";
inline constexpr const char* kPageFullScreen = "全屏";
inline constexpr const char* kPageLeaveFullScreen = "退出全屏";

}  // namespace kulbo
