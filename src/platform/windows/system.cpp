#include "platform/system.h"

#include "platform/windows/system_library.h"
#include "platform/windows/wide_text.h"

#include <windows.h>
#include <shlobj.h>

namespace kulbo::os {

namespace {

std::optional<std::string> knownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::optional<std::string> folder;
    static const auto knownFolderPath =
        systemFunction<decltype(&SHGetKnownFolderPath)>(L"shell32.dll", "SHGetKnownFolderPath");
    if (knownFolderPath && SUCCEEDED(knownFolderPath(id, 0, nullptr, &path))) {
        DWORD attributes = GetFileAttributesW(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) folder = utf8(path);
    }
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

// Any length and any characters: the buffer grows until the name fits.
std::optional<std::string> programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() > 32768) return std::nullopt;
        path.resize(path.size() * 2);
    }
    std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return std::nullopt;
    // A drive's root keeps its separator: "C:" alone means somewhere else.
    bool root = separator > 0 && path[separator - 1] == L':';
    return utf8(path.substr(0, root ? separator + 1 : separator));
}

LocalTime localNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void endNow() {
    TerminateProcess(GetCurrentProcess(), 0);
    ExitProcess(0);  // not reached
}

std::optional<std::string> documentsFolder() { return knownFolder(FOLDERID_Documents); }

std::optional<std::string> homeFolder() { return knownFolder(FOLDERID_Profile); }

const char* pathSeparators() { return "\\/"; }

}  // namespace kulbo::os
