#!/usr/bin/env python3
"""Writes the 13 x 13 16-colour test glyph as a BMP file and its letter rows as a C++
header, so the test knows which key colour every pixel has."""
import struct
import sys

# Letters of the 16 standard colours, in colour-table order, with their RGB values.
PALETTE = [
    ("K", (0, 0, 0)), ("m", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("S", (192, 192, 192)),
    ("G", (128, 128, 128)), ("R", (255, 0, 0)), ("L", (0, 255, 0)), ("Y", (255, 255, 0)),
    ("B", (0, 0, 255)), ("F", (255, 0, 255)), ("A", (0, 255, 255)), ("W", (255, 255, 255)),
]

ROWS = [
    "ooooAgKgAoooo",
    "ooAKGLFLGKAoo",
    "oAgLFFFFFLgAo",
    "oKLFFYWYFFmKo",
    "AGFFWBnBWRRpA",
    "gLFYBnnnBYRmg",
    "KFFWnnnnnWRRK",
    "gLFYBnnnBYRmg",
    "AGFFWBnBWRRpA",
    "oKLFRYWYRRmKo",
    "oAgmRRRRRmgAo",
    "ooAKpmRmpKAoo",
    "ooooAgKgAoooo",
]


def bmp_bytes():
    index = {letter: i for i, (letter, _) in enumerate(PALETTE)}
    width, height = len(ROWS[0]), len(ROWS)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(ROWS):  # bottom-up
        nibbles = [index[c] for c in row] + [0] * (stride * 2 - width)
        pixels += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + pixels


def main():
    bmp_path, header_path = sys.argv[1], sys.argv[2]
    with open(bmp_path, "wb") as f:
        f.write(bmp_bytes())
    with open(header_path, "w") as f:
        f.write("// Written by make_glyph_bitmap.py: the letter of every pixel of the test glyph.\n")
        f.write("#pragma once\n")
        f.write("inline constexpr const char* kGlyphRows[] = {\n")
        for row in ROWS:
            f.write('    "%s",\n' % row)
        f.write("};\n")


if __name__ == "__main__":
    main()
