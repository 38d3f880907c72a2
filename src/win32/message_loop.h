// The road every message takes from the queue: the program sees it first,
// then it is translated and dispatched.
#pragma once

#include <windows.h>

namespace kulbo {

class MainWindow;

void deliver(MainWindow& window, const MSG& message);

// Delivers messages until the program ends; returns its exit status.
int runMessageLoop(MainWindow& window);

}  // namespace kulbo
