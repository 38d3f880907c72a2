// Keeps the window at its design size for the whole run.
#include "app/form1.h"

namespace kulbo {

void Form1::Timer2_Timer() {
    if (WindowState == kMaximized) WindowState = kNormal;
}

void Form1::Timer3_Timer() {
    if (WindowState == kMaximized) return;
    if (WindowState == kMinimized) return;
    Height = kDesignOuterHeight;
    Width = kDesignOuterWidth;
}

}  // namespace kulbo
