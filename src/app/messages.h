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

// What the program writes on its standard error; each takes the program's
// name first.
inline constexpr const char* kCannotTellIfRunning = "%s: 无法确认是否已有另一个 %s 在运行，照常启动\n";
inline constexpr const char* kCannotReachDisplay =
    "%s: 无法连接图形显示 %s，无法打开窗口。 / Cannot connect to the display %s: no window can open.\n";
inline constexpr const char* kNoDisplay =
    "%s: 没有图形显示（未设置 DISPLAY），无法打开窗口。 / No display (DISPLAY is not set): no window can open.\n";
inline constexpr const char* kNoChineseFont =
    ": 没有找到中文字体，中文会显示成方框。请安装 fonts-arphic-gbsn00lp（或 fonts-noto-cjk）。"
    " / No Chinese font found: install fonts-arphic-gbsn00lp (or fonts-noto-cjk).\n";
inline constexpr const char* kScaleDoesNotFit = "%s: QT_SCALE_FACTOR=%g does not fit a %dx%d screen; using %g\n";
inline constexpr const char* kCannotStartOverScaled = "%s: cannot start over scaled: %s\n";

// The Linux program's answer to --help.
inline constexpr const char* kCommandLineHelp =
    "用法 / Usage: kulbo [--version | --help]\n"
    "为班级或公司抽取幸运号码。 / Draws lucky numbers for a class or a company.\n"
    "  --version  显示版本 / print the version\n"
    "  --help     显示本帮助 / print this help\n"
    "环境变量 / Environment:\n"
    "  QT_SCALE_FACTOR=1.5 或 2  为投影放大窗口 / enlarge the window for a projector\n";

}  // namespace kulbo
