// Qt key events in the numbers the window's handlers speak.
#pragma once

#include <QKeyEvent>

namespace kulbo {

// Virtual-key code for the form's KeyDown (Enter is 13).
int keyCodeOf(const QKeyEvent& key);

// Bit mask: 1 Shift, 2 Ctrl, 4 Alt.
int shiftMaskOf(const QKeyEvent& key);

}  // namespace kulbo
