// Screen readers name a box by the label beside it. The system's own
// accessible object of the box is kept for everything else.
#pragma once

#include <windows.h>

#include <string>

namespace kulbo {

// The answer to WM_GETOBJECT for the box's client object, named; 0 when
// none could be made (the system's own answer then stands).
LRESULT namedAccessibleObject(HWND window, WPARAM wParam, const std::wstring& name);

}  // namespace kulbo
