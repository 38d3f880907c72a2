// Sets up Qt for the program: its name, version and desktop entry, its
// typeface and icon, disabled text that stays readable, screen readers'
// interfaces, and Qt's own texts in Chinese.
#pragma once

namespace kulbo {

void prepareQt();

}  // namespace kulbo
