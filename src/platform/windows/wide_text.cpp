#include "platform/windows/wide_text.h"

#include <windows.h>

namespace kulbo {

std::wstring wide(std::string_view utf8Text) {
    if (utf8Text.empty()) return {};
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), static_cast<int>(utf8Text.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), static_cast<int>(utf8Text.size()), text.data(), length);
    return text;
}

std::string utf8(std::wstring_view wideText) {
    if (wideText.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, wideText.data(), static_cast<int>(wideText.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wideText.data(), static_cast<int>(wideText.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

std::string systemMessage(unsigned long error) {
    wchar_t* words = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::wstring text(words ? words : L"", length);
    LocalFree(words);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return utf8(text) + (text.empty() ? "" : " ") + "(" + std::to_string(error) + ")";
}

}  // namespace kulbo
