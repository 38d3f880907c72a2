// The GBK chart of the program's own encoder, as the C library's converter
// has it (gbk_table.cpp is made by tools/gbk_table.py).
#pragma once

#include <cstddef>

namespace kulbo::gbk {

// Characters besides ASCII that are written as one byte.
struct SingleByte {
    char32_t codePoint;
    unsigned char byte;
};
extern const SingleByte kSingleBytes[];
extern const std::size_t kSingleByteCount;

// Characters written as nothing at all (the tags).
extern const char32_t kNothingFirst, kNothingLast;

// A stretch of one row of the chart: its lead byte, the trail byte of its
// first cell, and its characters in UTF-8, one a cell, a space where a cell
// is empty (trail byte 7F is no cell). The cells of rows 81-A0 and those at
// trail bytes 40-A0 of rows AA-FE hold, in order, the ideographs
// U+4E00-U+9FA5 that the stretches leave out; stretches name the cells
// after the last of them.
struct Row {
    unsigned char lead, firstTrail;
    const char* cells;
};
extern const Row kRows[];
extern const std::size_t kRowCount;

}  // namespace kulbo::gbk
