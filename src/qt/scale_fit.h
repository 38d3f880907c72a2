// Projectors: a window enlarged by QT_SCALE_FACTOR must still fit the screen.
#pragma once

namespace kulbo {

// The factor to use instead of the requested one: the requested factor when
// the window fits at it, else the largest of 1, 1.5 and 2 below it that fits,
// else 1. The client area scales, the window manager's frame does not; all
// sizes are in device pixels.
double fittingScaleFactor(double requested, int clientWidth, int clientHeight, int frameWidth, int frameHeight,
                          int availableWidth, int availableHeight);

// Qt reads QT_SCALE_FACTOR once, at start: when the requested factor does not
// fit the primary screen, the program starts over (argv as it was given to
// main) with one that does. Needs the application object; returns when
// nothing is to change.
void restartScaledToFit(char* argv[]);

}  // namespace kulbo
