#include "platform/windows/system_library.h"

#include <string>

namespace kulbo {

// By its full path, so that no file of that name beside the program (on a
// USB stick, anyone's) is loaded in its place.
HMODULE systemLibrary(const wchar_t* name) {
    if (HMODULE loaded = GetModuleHandleW(name)) return loaded;
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
    if (path.empty()) return nullptr;
    return LoadLibraryW((path + L"\\" + name).c_str());
}

BSTR allocateString(const wchar_t* text) {
    static const auto allocate = systemFunction<decltype(&SysAllocString)>(L"oleaut32.dll", "SysAllocString");
    return allocate ? allocate(text) : nullptr;
}

void freeString(BSTR text) {
    static const auto release = systemFunction<decltype(&SysFreeString)>(L"oleaut32.dll", "SysFreeString");
    if (release) release(text);
}

}  // namespace kulbo
