// What a screen reader asks of a control through MSAA: the name and the
// description the program gives it. The system's own accessible object of
// the control answers everything else.
#pragma once

#include <windows.h>

namespace kulbo {

class Control;
class Readers;

// The answer to WM_GETOBJECT for the control's client object; 0 when none
// could be made (the system's own answer then stands).
LRESULT readerObject(HWND window, WPARAM wParam, const Readers& readers, const Control& control);

}  // namespace kulbo
