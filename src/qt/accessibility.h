// What a screen reader finds in the window besides what Qt's own accessible
// interfaces tell: the window as a frame named by its title, without the
// hidden rolling number; the panels as panels; the history box's text, line
// by line, with the current line as its caret.
#pragma once

namespace kulbo {

// Once, before any accessible interface is asked for.
void installAccessibility();

}  // namespace kulbo
