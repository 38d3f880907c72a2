#!/usr/bin/env python3
"""Writes src/history/gbk_table.cpp, the GBK chart of the program's own
encoder, from the C library's converter (glibc's iconv), so that the encoder
writes the bytes the Linux program writes. Run it again only if that
converter changes; the Linux tests compare the two for every character.

    python3 tools/gbk_table.py > src/history/gbk_table.cpp
"""
import ctypes
import sys
import unicodedata

libc = ctypes.CDLL(None, use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
converter = libc.iconv_open(b"GBK", b"UTF-8")
if converter in (None, ctypes.c_void_p(-1).value):
    sys.exit("the C library has no GBK converter")


def gbk(code_point):
    """The bytes for one character, or None where it has none."""
    text = chr(code_point).encode("utf-8")
    source = ctypes.create_string_buffer(text, len(text))
    target = ctypes.create_string_buffer(8)
    source_at, target_at = ctypes.c_void_p(ctypes.addressof(source)), ctypes.c_void_p(ctypes.addressof(target))
    source_left, target_left = ctypes.c_size_t(len(text)), ctypes.c_size_t(8)
    libc.iconv(converter, None, None, None, None)
    done = libc.iconv(converter, ctypes.byref(source_at), ctypes.byref(source_left),
                      ctypes.byref(target_at), ctypes.byref(target_left))
    if done == ctypes.c_size_t(-1).value:
        return None
    return target.raw[:8 - target_left.value]


def trails():
    return [t for t in range(0x40, 0xFF) if t != 0x7F]


def fail(why):
    sys.exit("the converter's GBK is not laid out as the encoder expects: " + why)


single, double, dropped = {}, {}, []
for code_point in range(0x110000):
    if 0xD800 <= code_point <= 0xDFFF:
        continue
    bytes_ = gbk(code_point)
    if bytes_ is None:
        continue
    if len(bytes_) == 0:
        dropped.append(code_point)
    elif len(bytes_) == 1:
        single[code_point] = bytes_[0]
    elif len(bytes_) == 2:
        if code_point > 0xFFFF:
            fail("U+%04X lies beyond the Basic Multilingual Plane" % code_point)
        code = bytes_[0] << 8 | bytes_[1]
        if code in double:
            fail("two characters share %04X" % code)
        double[code] = code_point
    else:
        fail("U+%04X takes %d bytes" % (code_point, len(bytes_)))

if any(single.get(c) != c for c in range(0x80)):
    fail("ASCII is not itself")
extra_single = {c: b for c, b in single.items() if c >= 0x80}
if not dropped or dropped != list(range(dropped[0], dropped[-1] + 1)):
    fail("the characters written as nothing are not one range")

# The cells that the encoder fills by rule: all of rows 81-A0 and cells 40-A0
# of rows AA-FE hold, in order, the ideographs U+4E00-U+9FA5 found nowhere
# else in the chart, until those run out.
region = [lead << 8 | t for lead in range(0x81, 0xA1) for t in trails()]
region += [lead << 8 | t for lead in range(0xAA, 0xFF) for t in trails() if t <= 0xA0]
elsewhere = {u for code, u in double.items() if code not in set(region)}
sequence = [u for u in range(0x4E00, 0x9FA6) if u not in elsewhere]
if len(sequence) > len(region):
    fail("more ideographs than cells")
ruled = dict(zip(region, sequence))
for code, ideograph in ruled.items():
    if double.get(code) != ideograph:
        fail("%04X holds U+%04X" % (code, double.get(code, 0)))


def cell(code_point):
    """A character as the source shows it: itself, unless an editor might
    change it (normalisation) or a reader might miss it (spaces)."""
    c = chr(code_point)
    if unicodedata.normalize("NFC", c) != c or unicodedata.category(c).startswith("Z"):
        return "\\u%04X" % code_point
    return c


rows = []
for lead in range(0x81, 0xFF):
    stretch = None
    for trail in trails() + [None]:
        code = lead << 8 | trail if trail is not None else None
        if code is None or code in ruled:
            if stretch:
                rows.append(stretch)
            stretch = None
        elif code in double:
            if stretch is None:
                stretch = [lead, trail, []]
            gap = trails().index(trail) - trails().index(stretch[1]) - len(stretch[2])
            stretch[2] += [None] * gap + [double[code]]

out = sys.stdout
out.write("// Made by tools/gbk_table.py from the C library's GBK converter: edit that\n")
out.write("// script, not this file.\n")
out.write('#include "history/gbk_table.h"\n\n#include <iterator>\n\nnamespace kulbo::gbk {\n\n')
out.write("const SingleByte kSingleBytes[] = {\n")
for c, b in sorted(extra_single.items()):
    out.write("    {0x%04X, 0x%02X},\n" % (c, b))
out.write("};\nconst std::size_t kSingleByteCount = std::size(kSingleBytes);\n\n")
out.write("const char32_t kNothingFirst = 0x%X, kNothingLast = 0x%X;\n\n" % (dropped[0], dropped[-1]))
out.write("const Row kRows[] = {\n")
for lead, first, cells in rows:
    text = "".join(" " if u is None else cell(u) for u in cells)
    out.write('    {0x%02X, 0x%02X, "%s"},\n' % (lead, first, text))
out.write("};\nconst std::size_t kRowCount = std::size(kRows);\n\n}  // namespace kulbo::gbk\n")
