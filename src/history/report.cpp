// "生成txt报告": writes the whole history to a text file beside the program,
// or, when that folder cannot take it, wherever the user chooses; later in
// the run, into the folder the user chose.
#include "app/form1.h"
#include "app/messages.h"
#include "history/history_text.h"

namespace kulbo {

namespace {

// The root of a file system or a drive keeps its separator.
std::string folderOf(const std::string& path, const char* separators) {
    std::size_t slash = path.find_last_of(separators);
    if (slash == std::string::npos) return ".";
    bool root = slash == 0 || path[slash - 1] == ':';
    return path.substr(0, root ? slash + 1 : slash);
}

std::string inFolder(const std::string& folder, const std::string& fileName, const char* separators) {
    bool separated = !folder.empty() && std::string_view(separators).find(folder.back()) != std::string_view::npos;
    return separated ? folder + fileName : folder + separators[0] + fileName;
}

// Opens in the documents folder, or the home folder when there is none.
SaveDialog reportDialog(SystemPort& system, const std::string& fileName) {
    std::string folder = system.DocumentsFolder().value_or(system.HomeFolder().value_or(""));
    return {"保存txt报告", "文本文件 (*.txt)", "*.txt", "txt", folder, fileName};
}

// The folder on a line of its own, so that a long one reads whole.
std::string writeFailedQuestion(const std::string& where, const std::string& folder, const std::string& reason) {
    return "txt报告未能生成在" + where + ":\r\n" + folder + "\r\n原因: " + reason + "\r\n\r\n是否保存到其他位置?";
}

// A download has no other place to offer: the browser chose where it goes.
void downloadReport(SystemPort& system, DialogPort& dialogs, const std::string& fileName, const std::string& text) {
    Outcome written = system.WriteTextFile(fileName, text);
    if (written.ok())
        dialogs.MsgBox("txt报告生成成功!已生成在浏览器的下载文件夹内", box::kInformation, "提示");
    else
        dialogs.MsgBox("txt报告未能生成在浏览器的下载文件夹内:\r\n原因: " + written.reason(), box::kCritical, kAppTitle);
}

}  // namespace

void Form1::Command10_Click() {
    if (Check2.Value != 1 || Check4.Value != 1) return;
    if (Text6.Text.get().empty()) {
        dialogs_.MsgBox("没有历史记录: txt报告生成失败!", box::kCritical, kAppTitle);
        return;
    }
    std::string fileName = reportFileName(Label13.Caption.get());
    std::string text = Text6.Text.get() + "\r\n";
    if (system_.ReportsGoTo() == ReportPlace::Downloads) return downloadReport(system_, dialogs_, fileName, text);
    const char* separators = system_.PathSeparators();
    auto savedAt = [this](const std::string& path) {
        dialogs_.MsgBox("txt报告生成成功!已生成在:\r\n" + path, box::kInformation, "提示");
    };

    std::optional<std::string> programFolder = system_.ProgramFolder();
    Outcome written = programFolder ? system_.WriteTextFile(inFolder(*programFolder, fileName, separators), text)
                                    : Outcome::failed("无法确定本程序所在的文件夹");
    if (written.ok()) {
        dialogs_.MsgBox("txt报告生成成功!已生成在本程序的同一路径内", box::kInformation, "提示");
        return;
    }
    std::string question = writeFailedQuestion("本程序的同一路径内", programFolder.value_or("(文件夹未知)"), written.reason());

    // Once the user has saved elsewhere, the program's folder failing again
    // is no news: the report goes where the last one went.
    if (!ReportFolder.empty()) {
        std::string path = inFolder(ReportFolder, fileName, separators);
        written = system_.WriteTextFile(path, text);
        if (written.ok()) {
            savedAt(path);
            return;
        }
        question = writeFailedQuestion("所选位置", ReportFolder, written.reason());
    }

    while (dialogs_.MsgBox(question, box::kCriticalIcon | box::kYesNoButtons, kAppTitle) == box::kYes) {
        std::optional<std::string> chosen = dialogs_.ChooseSaveFile(reportDialog(system_, fileName));
        if (!chosen) return;
        written = system_.WriteTextFile(*chosen, text);
        if (written.ok()) {
            ReportFolder = folderOf(*chosen, separators);
            savedAt(*chosen);
            return;
        }
        question = writeFailedQuestion("所选位置", folderOf(*chosen, separators), written.reason());
    }
}

}  // namespace kulbo
