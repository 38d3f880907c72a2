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
    return {kSaveReportTitle, kSaveReportFilter, "*.txt", "txt", folder, fileName};
}

// A download has no other place to offer: the browser chose where it goes.
void downloadReport(SystemPort& system, DialogPort& dialogs, const std::string& fileName, const std::string& text) {
    Outcome written = system.WriteTextFile(fileName, text);
    if (written.ok())
        dialogs.MsgBox(kReportDownloaded, box::kInformation, kNote);
    else
        dialogs.MsgBox(kReportNotDownloaded + written.reason(), box::kCritical, kAppTitle);
}

}  // namespace

void Form1::Command10_Click() {
    if (Check2.Value != 1 || Check4.Value != 1) return;
    if (Text6.Text.get().empty()) {
        dialogs_.MsgBox(kNothingToReport, box::kCritical, kAppTitle);
        return;
    }
    std::string fileName = reportFileName(Label13.Caption.get());
    std::string text = Text6.Text.get() + "\r\n";
    if (system_.ReportsGoTo() == ReportPlace::Downloads) return downloadReport(system_, dialogs_, fileName, text);
    const char* separators = system_.PathSeparators();
    auto savedAt = [this](const std::string& path) {
        dialogs_.MsgBox(kReportWrittenAt + path, box::kInformation, kNote);
    };

    std::optional<std::string> programFolder = system_.ProgramFolder();
    Outcome written = programFolder ? system_.WriteTextFile(inFolder(*programFolder, fileName, separators), text)
                                    : Outcome::failed(kNoProgramFolder);
    if (written.ok()) {
        dialogs_.MsgBox(kReportWrittenBeside, box::kInformation, kNote);
        return;
    }
    std::string question = reportNotWritten(kBesideTheProgram, programFolder.value_or(kFolderUnknown), written.reason());

    // Once the user has saved elsewhere, the program's folder failing again
    // is no news: the report goes where the last one went.
    if (!ReportFolder.empty()) {
        std::string path = inFolder(ReportFolder, fileName, separators);
        written = system_.WriteTextFile(path, text);
        if (written.ok()) {
            savedAt(path);
            return;
        }
        question = reportNotWritten(kChosenPlace, ReportFolder, written.reason());
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
        question = reportNotWritten(kChosenPlace, folderOf(*chosen, separators), written.reason());
    }
}

}  // namespace kulbo
