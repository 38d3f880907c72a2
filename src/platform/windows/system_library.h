// Functions of the system's libraries looked up while the program runs:
// those newer than the oldest Windows it runs on, and those of libraries it
// needs only now and then (the Save dialog, the shell, screen readers),
// which, imported, would be loaded at every start and cost it time and
// memory (the Save dialog's library brings the printing system with it).
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace kulbo {

// The library of that name from the system's folder, loaded at the first
// call; null when the system has none.
HMODULE systemLibrary(const wchar_t* name);

// The function, typed as Function (decltype(&TheFunction) where the headers
// declare it); null when the library or the function is missing.
template <class Function>
Function systemFunction(const wchar_t* library, const char* name) {
    HMODULE module = systemLibrary(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// A text for screen readers' interfaces, of oleaut32's; null when that
// library is missing.
BSTR allocateString(const wchar_t* text);
void freeString(BSTR text);

}  // namespace kulbo
