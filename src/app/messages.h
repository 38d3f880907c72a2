// Every text a person or a screen reader meets, but the captions of the
// window's controls, which the window model's table holds with their places.
#pragma once

#include <array>
#include <cstddef>
#include <string>

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

// The range's button, and what it says when a range is refused.
inline constexpr const char* kEditRange = "修改";
inline constexpr const char* kRangeDone = "完成";
inline constexpr const char* kMaximumNotANumber = "最大值必须是数字";
inline constexpr const char* kMinimumNotANumber = "最小值必须是数字";
inline constexpr const char* kMinimumNotBelowMaximum = "最小值不能大于等于最大值";
inline constexpr const char* kMinimumEmpty = "最小值不能为空";
inline constexpr const char* kMaximumEmpty = "最大值不能为空";
inline constexpr const char* kMaximumOver999 = "最大值不能超过999";
inline constexpr const char* kNothingToDraw = "范围内没有可以抽的整数";
inline constexpr const char* kRoundComplete = "本轮已全部抽完，下一次开始新的一轮";

// A pick's announcement.
inline std::string pickedNumber(const std::string& number) { return "恭喜" + number + "号被抽中！"; }
inline constexpr const char* kPickedTitle = " - 选中的幸运号";  // after the program's name

// Starting and ending.
inline constexpr const char* kAlreadyRunning = "该程序已在运行！";
inline constexpr const char* kAlreadyRunningTitle = "运行中断 - ";  // before the program's name
inline constexpr const char* kReallyQuit = "确定要退出吗？";

// The history panel and its report.
inline constexpr const char* kHistoryRefused = "历史记录_拒绝访问[请联系开发者后重新尝试]";
inline constexpr const char* kReallyClearHistory = "确定要清除历史记录？";
inline constexpr const char* kClearHistoryTitle = " - 清除历史";  // after the program's name
inline constexpr std::array<const char*, 6> kHistoryStampParts = {"年", "月", "日_", ":", ":", "抽到幸运数: "};
inline constexpr const char* kReportName = "的历史幸运号报告";  // between the program's name and the time
inline constexpr const char* kSaveReportTitle = "保存txt报告";
inline constexpr const char* kSaveReportFilter = "文本文件 (*.txt)";
inline constexpr const char* kNote = "提示";
inline constexpr const char* kNothingToReport = "没有历史记录: txt报告生成失败!";
inline constexpr const char* kReportWrittenAt = "txt报告生成成功!已生成在:\r\n";  // the file's path follows
inline constexpr const char* kReportWrittenBeside = "txt报告生成成功!已生成在本程序的同一路径内";
inline constexpr const char* kReportDownloaded = "txt报告生成成功!已生成在浏览器的下载文件夹内";
inline constexpr const char* kReportNotDownloaded = "txt报告未能生成在浏览器的下载文件夹内:\r\n原因: ";  // the reason follows
inline constexpr const char* kBesideTheProgram = "本程序的同一路径内";
inline constexpr const char* kChosenPlace = "所选位置";
inline constexpr const char* kFolderUnknown = "(文件夹未知)";
inline constexpr const char* kNoProgramFolder = "无法确定本程序所在的文件夹";
inline std::string reportNotWritten(const std::string& where, const std::string& folder, const std::string& reason) {
    return "txt报告未能生成在" + where + ":\r\n" + folder + "\r\n原因: " + reason + "\r\n\r\n是否保存到其他位置?";
}
// Why a report could not be written.
inline std::string noGbkForm(std::size_t byte) { return "文本中有GBK无法表示的字符 (第 " + std::to_string(byte) + " 字节)"; }
inline constexpr const char* kNoGbkConversion = "无法转换为GBK编码: ";  // the system's reason follows
inline constexpr const char* kCannotCreateFile = "无法创建文件";
inline constexpr const char* kCannotWrite = "写入失败";
inline constexpr const char* kCannotClose = "关闭文件失败";
inline constexpr const char* kCannotReplace = "无法替换文件";

// The settings' about box, the website and the credits.
inline constexpr const char* kWebsite = "https://kulbo.example.org/";
inline std::string aboutText(const std::string& name) {
    return name + " 官网：" + kWebsite + "\r\n" + name + " 论坛域名：暂无\r\n公平抽号，一键开始";
}
inline constexpr const char* kAboutTitle = " - 关于";  // after the program's name
inline constexpr const char* kNoBrowser = "无法打开浏览器，请在浏览器中输入以下网址：\r\n";  // the website follows
inline constexpr const char* kCreditsTitle = "版权";
inline constexpr const char* kCredits =
    "作者QQ名：无（本项目没有QQ账号）\r\n"
    "作者QQ：无（本项目没有QQ号码）\r\n"
    "邮箱：无（本项目没有公开邮箱）\r\n"
    "本软件免费提供，仅供学习和交流使用";

// A message box's buttons.
inline constexpr const char* kYesButton = "是(&Y)";
inline constexpr const char* kNoButton = "否(&N)";
inline constexpr const char* kOkButton = "确定";

// What a screen reader is told besides the captions.
inline constexpr const char* kCaptionColon = "：";  // left out of a caption that names a box
inline constexpr const char* kNoHistory = "没有记录";
inline std::string historySummary(int lines, const std::string& newest) {
    return "共 " + std::to_string(lines) + " 条，最新：" + newest;
}
inline std::string pickNews(int picks, const std::string& number) {
    return "第 " + std::to_string(picks) + " 次抽到 " + number + " 号";
}

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

// The desktop menu's actions for a projector, written into the desktop
// entry when it is built.
inline constexpr const char* kProjectorOneAndHalf = "投影放大 1.5 倍";
inline constexpr const char* kProjectorOneAndHalfEnglish = "Projector: enlarge 1.5 times";
inline constexpr const char* kProjectorTwice = "投影放大 2 倍";
inline constexpr const char* kProjectorTwiceEnglish = "Projector: enlarge 2 times";

// The Linux program's answer to --help.
inline constexpr const char* kCommandLineHelp =
    "用法 / Usage: kulbo [--version | --help]\n"
    "为班级或公司抽取幸运号码。 / Draws lucky numbers for a class or a company.\n"
    "  --version  显示版本 / print the version\n"
    "  --help     显示本帮助 / print this help\n"
    "环境变量 / Environment:\n"
    "  QT_SCALE_FACTOR=1.5 或 2  为投影放大窗口 / enlarge the window for a projector\n";

}  // namespace kulbo
