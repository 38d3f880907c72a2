#include "platform/report_file.h"
#include "app/messages.h"

#include "platform/windows/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace kulbo {

namespace {

constexpr UINT kGbk = 936;
constexpr std::wstring_view kTemporaryPrefix = L".kulbo-report-";

// The first character, by its byte in the UTF-8 text, that has no GBK form.
std::size_t firstWithoutGbkForm(const std::string& utf8Text) {
    for (std::size_t at = 0; at < utf8Text.size();) {
        std::size_t length = 1;
        while (at + length < utf8Text.size() && (static_cast<unsigned char>(utf8Text[at + length]) & 0xC0) == 0x80)
            ++length;
        std::wstring one = wide(utf8Text.substr(at, length));
        BOOL replaced = FALSE;
        WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, one.data(), static_cast<int>(one.size()), nullptr, 0, nullptr,
                            &replaced);
        if (replaced || one == L"\uFFFD") return at;
        at += length;
    }
    return 0;
}

std::string failure(const char* step) { return std::string(step) + ": " + systemMessage(GetLastError()); }

// Paths past the old limit of 260 characters need the long form.
std::wstring fileSystemPath(const std::string& path) {
    std::wstring name = wide(path);
    bool absolute = name.size() > 2 && name[1] == L':' && (name[2] == L'\\' || name[2] == L'/');
    if (name.size() >= MAX_PATH - 12 && absolute) {
        for (wchar_t& c : name)
            if (c == L'/') c = L'\\';
        name = L"\\\\?\\" + name;
    }
    return name;
}

bool processRuns(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // someone else's, and alive
    DWORD code = 0;
    bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

// A temporary left by a copy of the program that ended in the moment
// between finishing and naming it: ours by its name, stale once the process
// named in it is gone.
void removeStaleTemporaries(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + std::wstring(kTemporaryPrefix) + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring_view name = found.cFileName;
        name.remove_prefix(kTemporaryPrefix.size());
        std::size_t dash = name.find(L'-');
        if (dash == 0 || dash == std::wstring_view::npos || !name.ends_with(L".tmp")) continue;
        DWORD id = 0;
        bool digits = true;
        for (wchar_t c : name.substr(0, dash)) {
            digits = digits && c >= L'0' && c <= L'9';
            id = id * 10 + (c - L'0');
        }
        if (digits && !processRuns(id)) DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// While it is being written, the temporary goes with its handle, however the
// program ends.
bool deleteWhenClosed(HANDLE file, bool yes) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = yes;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

}  // namespace

Outcome toGbk(const std::string& utf8Text, std::string& gbk) {
    gbk.clear();
    if (utf8Text.empty()) return Outcome::done();
    std::wstring text = wide(utf8Text);
    BOOL replaced = FALSE;
    int length = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr,
                                     0, nullptr, &replaced);
    if (length == 0) return Outcome::failed(std::string(kNoGbkConversion) + systemMessage(GetLastError()));
    if (replaced || text.find(L'\uFFFD') != std::wstring::npos)
        return Outcome::failed(noGbkForm(firstWithoutGbkForm(utf8Text) + 1));
    gbk.assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), gbk.data(), length,
                        nullptr, nullptr);
    return Outcome::done();
}

Outcome writeGbkFile(const std::string& path, const std::string& utf8Text) {
    std::string bytes;
    if (Outcome converted = toGbk(utf8Text, bytes); !converted.ok()) return converted;

    std::wstring target = fileSystemPath(path);
    std::wstring folder = target.substr(0, target.find_last_of(L"\\/") + 1);
    // A report the user made read-only stays as it is.
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Outcome::failed(failure(kCannotReplace));
    }
    removeStaleTemporaries(folder);

    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folder + std::wstring(kTemporaryPrefix) + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt) + L".tmp";
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE) return Outcome::failed(failure(kCannotCreateFile));
    bool goesWithHandle = deleteWhenClosed(file, true);

    std::string problem;
    std::string_view rest = bytes;
    while (problem.empty() && !rest.empty()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1 << 20));
        if (!WriteFile(file, rest.data(), chunk, &written, nullptr)) problem = failure(kCannotWrite);
        rest.remove_prefix(written);
    }
    if (problem.empty() && !FlushFileBuffers(file)) problem = failure(kCannotWrite);
    if (problem.empty() && goesWithHandle && !deleteWhenClosed(file, false)) problem = failure(kCannotWrite);
    if (!CloseHandle(file) && problem.empty()) problem = failure(kCannotClose);
    if (problem.empty() &&
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        problem = failure(kCannotReplace);
    if (problem.empty()) return Outcome::done();
    DeleteFileW(temporary.c_str());
    return Outcome::failed(problem);
}

}  // namespace kulbo
