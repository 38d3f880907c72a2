// The history box's lines, counted and scrolled the same on every platform.
// Its text ends every line with a line break ("\r\n", or "\n" where a box
// keeps only that): the empty line after the last is none.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kulbo::history_lines {

int count(std::u16string_view text);

// The line a caret offset lies on, and the offset where a line starts.
int lineAt(std::u16string_view text, std::size_t caret);
std::size_t startOf(std::u16string_view text, int line);

// Whole lines that a box of this height shows, one at least.
int inSight(double height, double lineHeight);

// The first line in sight once the box scrolled the least that brings the
// line into sight.
int firstInSight(int line, int first, int inSight);

// A key in the box moves the caret to the start of another line, and the
// box scrolls with it; none for a key that moves nothing.
struct Move {
    std::size_t caret = 0;
    int first = 0;
};
std::optional<Move> afterKey(int keyCode, std::u16string_view text, std::size_t caret, int first, int inSight);

}  // namespace kulbo::history_lines
