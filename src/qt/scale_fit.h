// Projectors: a window enlarged by QT_SCALE_FACTOR must still fit the screen.
#pragma once

namespace kulbo {

// Qt reads QT_SCALE_FACTOR once, at start: when the requested factor does not
// fit the primary screen, the program starts over (argv as it was given to
// main) with the one the core finds fits. Needs the application object;
// returns when nothing is to change.
void restartScaledToFit(char* argv[]);

}  // namespace kulbo
