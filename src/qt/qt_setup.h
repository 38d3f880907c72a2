// The program's start on a desktop with Qt, before its window: the command
// line, the display, the scale that fits the screen, and Qt set up for the
// program.
#pragma once

#include <optional>

namespace kulbo {

// --version and --help, which need no display: the exit status when the
// program is to end here.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Qt ends the program with abort() when it cannot reach a display, after
// words of its own. While a DisplayCheck lives, Qt's words are held back;
// without a display, one line in Chinese and English says so and the
// program exits with status 1. started() lets the held words out once Qt
// has its display.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
    void started();
};

// Projectors: a window enlarged by QT_SCALE_FACTOR must still fit the screen.
// Qt reads QT_SCALE_FACTOR once, at start: when the requested factor does not
// fit the primary screen, the program starts over (argv as it was given to
// main) with the one the core finds fits. Needs the application object;
// returns when nothing is to change.
void restartScaledToFit(char* argv[]);

// Sets up Qt for the program: its name, version and desktop entry, its
// typeface and icon, disabled text that stays readable, screen readers'
// interfaces, and Qt's own texts in Chinese.
void prepareQt();

// What a screen reader finds in the window besides what Qt's own accessible
// interfaces tell: the window as a frame named by its title, without the
// hidden rolling number; the panels as panels; the history box's text, line
// by line, with the current line as its caret. Once, before any accessible
// interface is asked for.
void installAccessibility();

}  // namespace kulbo
