"""Writes the password box's font: a TrueType font whose one glyph, an
asterisk, stands for the characters the browser masks a password with
(U+2022 and U+25CF), so that the box shows "***" as on the desktops while it
stays the browser's own password field.
usage: mask_font.py OUT.ttf"""
import math
import struct
import sys

EM, ADVANCE, ASCENT, DESCENT = 1000, 500, 880, 120
MASKS = (0x2022, 0x25CF)


def asterisk():
    """Three bars through one centre, each a clockwise rectangle."""
    cx, cy, reach, half = 250, 560, 190, 42
    contours = []
    for degrees in (90, 30, 150):
        dx, dy = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
        corners = [(cx + a * reach * dx - b * half * dy, cy + a * reach * dy + b * half * dx)
                   for a, b in ((1, -1), (-1, -1), (-1, 1), (1, 1))]
        contours.append([(round(x), round(y)) for x, y in corners])
    return contours


def glyph(contours):
    points = [p for contour in contours for p in contour]
    xs, ys = [x for x, _ in points], [y for _, y in points]
    data = struct.pack(">hhhhh", len(contours), min(xs), min(ys), max(xs), max(ys))
    end = -1
    for contour in contours:
        end += len(contour)
        data += struct.pack(">H", end)
    data += struct.pack(">H", 0) + bytes([1] * len(points))  # no instructions; every point on the curve
    for axis in (xs, ys):  # each coordinate as a step from the one before
        data += b"".join(struct.pack(">h", value - before) for before, value in zip([0] + axis, axis))
    return data + b"\0" * (len(data) % 2), (min(xs), min(ys), max(xs), max(ys))


def cmap():
    segments = [(code, code, 1 - code) for code in MASKS] + [(0xFFFF, 0xFFFF, 1)]
    count = len(segments)
    search = 2 ** int(math.log2(count))
    body = struct.pack(">HHHH", count * 2, search * 2, int(math.log2(search)), (count - search) * 2)
    body += b"".join(struct.pack(">H", end) for _, end, _ in segments) + b"\0\0"
    body += b"".join(struct.pack(">H", start) for start, _, _ in segments)
    body += b"".join(struct.pack(">H", delta % 65536) for _, _, delta in segments)
    body += b"\0\0" * count  # no range offsets
    return struct.pack(">HHHHI", 0, 1, 3, 1, 12) + struct.pack(">HHH", 4, 6 + len(body), 0) + body


def name():
    names = {1: "Kulbo Mask", 2: "Regular", 4: "Kulbo Mask", 6: "KulboMask-Regular"}
    records, strings = b"", b""
    for number, text in names.items():
        encoded = text.encode("utf-16-be")
        records += struct.pack(">HHHHHH", 3, 1, 0x409, number, len(encoded), len(strings))
        strings += encoded
    return struct.pack(">HHH", 0, len(names), 6 + len(records)) + records + strings


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) % 2 ** 32


def font():
    star, (x_min, y_min, x_max, y_max) = glyph(asterisk())
    tables = {
        "OS/2": struct.pack(">HhHHHhhhhhhhhhhh10s4I4sHHHhhhHH2I", 4, ADVANCE, 400, 5, 0, 650, 700, 0, 140, 650, 700, 0,
                            480, 50, 250, 0, b"\0" * 10, 0, 0, 0, 0, b"    ", 0x40, MASKS[0], MASKS[1], ASCENT,
                            -DESCENT, 0, ASCENT, DESCENT, 1, 0) + struct.pack(">hhHHH", 500, 700, 0, 0x20, 1),
        "cmap": cmap(),
        "glyf": star,
        "head": struct.pack(">IIIIHHQQhhhhHHhhh", 0x10000, 0x10000, 0, 0x5F0F3CF5, 0x000B, EM, 0, 0, x_min, y_min, x_max,
                            y_max, 0, 8, 2, 0, 0),
        "hhea": struct.pack(">IhhhHhhhhhh5hH", 0x10000, ASCENT, -DESCENT, 0, ADVANCE, x_min, ADVANCE - x_max, x_max, 1, 0, 0,
                            0, 0, 0, 0, 0, 2),
        "hmtx": struct.pack(">HhHh", ADVANCE, 0, ADVANCE, x_min),
        "loca": struct.pack(">HHH", 0, 0, len(star) // 2),  # .notdef is empty
        "maxp": struct.pack(">IHHHHHHHHHHHHHH", 0x10000, 2, 12, 3, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0),
        "name": name(),
        "post": struct.pack(">IIhhIIIII", 0x30000, 0, -100, 50, 0, 0, 0, 0, 0),
    }
    search = 2 ** int(math.log2(len(tables)))
    head = struct.pack(">IHHHH", 0x10000, len(tables), search * 16, int(math.log2(search)), (len(tables) - search) * 16)
    offset = len(head) + 16 * len(tables)
    directory, body = b"", b""
    for tag, data in sorted(tables.items()):
        directory += struct.pack(">4sIII", tag.encode(), checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    whole = head + directory + body
    at = whole.index(tables["head"])  # its checkSumAdjustment makes the whole font sum to the magic number
    return whole[:at + 8] + struct.pack(">I", (0xB1B0AFBA - checksum(whole)) % 2 ** 32) + whole[at + 12:]


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(font())
