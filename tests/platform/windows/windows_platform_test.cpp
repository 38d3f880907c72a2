// What Windows adds: the report's read-only twin, long paths, temporaries of
// ended copies; the one-copy lock in the session's namespace; the program's
// folder.
#include "platform/report_file.h"
#include "platform/report_file_fixture.h"
#include "platform/system.h"
#include "platform/windows/instance_name.h"

#include <windows.h>

using namespace kulbo;
using namespace kulbo::testing;

TEST_F(ReportFile, AReadOnlyReportIsNotReplacedAndTheFailureSaysWhy) {
    ASSERT_TRUE(writeGbkFile(utf8Path(report), kLine).ok());
    SetFileAttributesW(report.c_str(), FILE_ATTRIBUTE_READONLY);
    Outcome written = writeGbkFile(utf8Path(report), kLine + kLine);
    SetFileAttributesW(report.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(!written.ok() && written.reason().find("(5)") != std::string::npos) << written.reason();  // access denied
    EXPECT_EQ(std::tuple(readBytes(report), entries()), std::tuple(kLineGbk, std::set<fs::path>{report.filename()}));
}

TEST_F(ReportFile, AFolderPastTheOldPathLimitTakesTheReport) {
    fs::path deep = folder;
    while (deep.native().size() < 300) deep /= std::wstring(40, L'深');
    fs::create_directories(L"\\\\?\\" + deep.native());
    ASSERT_TRUE(writeGbkFile(utf8Path(deep / report.filename()), kLine).ok());
    EXPECT_EQ(readBytes(L"\\\\?\\" + (deep / report.filename()).native()), kLineGbk);
    std::error_code ignored;
    fs::remove_all(L"\\\\?\\" + folder.native(), ignored);
    const fs::path atRoot = L"C:\\" + report.filename().native();  // and a drive's root
    EXPECT_TRUE(writeGbkFile(utf8Path(atRoot), kLine).ok());
    EXPECT_EQ(readBytes(atRoot), kLineGbk);
    fs::remove(atRoot, ignored);
}

TEST_F(ReportFile, TemporariesOfEndedCopiesGoAndARunningCopysStay) {
    std::wstring running = L".kulbo-report-" + std::to_wstring(GetCurrentProcessId()) + L"-7.tmp";
    std::wstring ended = L".kulbo-report-1-0.tmp";  // Windows numbers its processes by fours
    for (const std::wstring& name : {running, ended}) writeBytes(folder / name, "half");
    ASSERT_TRUE(writeGbkFile(utf8Path(report), kLine).ok());
    EXPECT_EQ(entries(), (std::set<fs::path>{running, report.filename()}));
}

TEST(WindowsInstance, ASecondCopyGivesWayUntilTheFirstEnds) {
    std::wstring name = L"Local\\kulbo-test-" + std::to_wstring(GetCurrentProcessId());
    auto first = std::make_unique<InstanceLock>();
    InstanceLock second;
    EXPECT_EQ((std::vector{acquireNamed(*first, name), acquireNamed(second, name)}),
              (std::vector{InstanceCheck::Alone, InstanceCheck::AnotherRunning}));
    first.reset();
    EXPECT_EQ(acquireNamed(second, name), InstanceCheck::Alone);
    EXPECT_EQ(instanceName().rfind(L"Local\\org.example.kulbo.Kulbo-S-1-5-", 0), 0u) << instanceName().size();
}

TEST(WindowsSystem, TheProgramsFolderHoldsTheProgram) {
    std::optional<std::string> folder = os::programFolder();
    ASSERT_TRUE(folder);
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(fs::path(std::u8string(folder->begin(), folder->end())), fs::path(path).parent_path());
}
