"""Writes 32 x 32 monochrome .cur files from letter grids: '#' black, 'o' white,
'.' transparent, one text line per pixel row."""
import struct

SIZE = 32


def rows(grid):
    lines = grid.strip("\n").split("\n")
    assert len(lines) == SIZE and all(len(line) == SIZE for line in lines), "the grid is 32 x 32"
    return lines


def packed(bits):
    """One bitmap row of 32 pixels, most significant bit first."""
    value = 0
    for bit in bits:
        value = (value << 1) | bit
    return value.to_bytes(4, "big")


def write_cursor(path, grid, hot_spot):
    lines = rows(grid)
    colour = b"".join(packed([1 if c == "o" else 0 for c in line]) for line in reversed(lines))
    mask = b"".join(packed([1 if c == "." else 0 for c in line]) for line in reversed(lines))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(colour) + len(mask), 0, 0, 2, 0)
    image = info + palette + colour + mask
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_spot[0], hot_spot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)
