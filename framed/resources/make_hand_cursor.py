"""Writes the link labels' hand cursor (a 32 x 32 monochrome .cur file) from the letter
grid below: '#' black, 'o' white, '.' transparent; the hot spot is the fingertip.

Given a folder as well, writes there the check boxes' and radio buttons' 13 x 13 glyph
templates (16-colour .bmp files named after their resources) from the letter grids of
TEMPLATES: each letter is one of the 16 standard colours, a key that the controls
replace by their own colours when they load a template."""
import struct
import sys

GRID = """
.....##.........................
....#oo#........................
....#oo#........................
....#oo#........................
....#oo#........................
....#oo###......................
....#oo#oo###...................
....#oo#oo#oo##.................
....#oo#oo#oo#o#................
.##.#oo#oo#oo#oo#...............
#oo##ooooooooooo#...............
#ooo#ooooooooooo#...............
.#oo#ooooooooooo#...............
..#ooooooooooooo#...............
..#ooooooooooooo#...............
...#oooooooooooo#...............
...#ooooooooooo#................
....#oooooooooo#................
....#oooooooooo#................
.....#oooooooo#.................
.....#oooooooo#.................
.....##########.................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
"""
HOT_SPOT = (5, 0)
SIZE = 32


def rows():
    lines = [line for line in GRID.strip("\n").split("\n")]
    assert len(lines) == SIZE and all(len(line) == SIZE for line in lines), "the grid is 32 x 32"
    return lines


def packed(bits):
    """One bitmap row of 32 pixels, most significant bit first."""
    value = 0
    for bit in bits:
        value = (value << 1) | bit
    return value.to_bytes(4, "big")


# The 16 standard colours in their palette order, as (red, green, blue), by letter.
PALETTE = [
    ("K", (0, 0, 0)), ("m", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("G", (128, 128, 128)),
    ("S", (192, 192, 192)), ("R", (255, 0, 0)), ("L", (0, 255, 0)), ("Y", (255, 255, 0)),
    ("B", (0, 0, 255)), ("F", (255, 0, 255)), ("A", (0, 255, 255)), ("W", (255, 255, 255)),
]

TEMPLATES = {
    "FRCOMMON_RADIOBUTTON_UNCHECKED": """
ooooAgKgAoooo ooAKGLFLGKAoo oAgLFFFFFLgAo oKLFFYWYFFmKo AGFFWWWWWRRpA gLFYWWWWWYRmg KFFWWWWWWWRRK
gLFYWWWWWYRmg AGFFWWWWWRRpA oKLFRYWYRRmKo oAgmRRRRRmgAo ooAKpmRmpKAoo ooooAgKgAoooo""",
    "FRCOMMON_RADIOBUTTON_CHECKED": """
ooooAgKgAoooo ooAKGLFLGKAoo oAgLFFFFFLgAo oKLFFYWYFFmKo AGFFWBnBWRRpA gLFYBnnnBYRmg KFFWnnnnnWRRK
gLFYBnnnBYRmg AGFFWBnBWRRpA oKLFRYWYRRmKo oAgmRRRRRmgAo ooAKpmRmpKAoo ooooAgKgAoooo""",
    "FRCOMMON_CHECKBOX_UNCHECKED": """
GGGGGGGGGGGGG GFFFFFFFFFFFG GFFFFFFFFFFRG GFFWWWWWWWRRG GFFWWWWWWWRRG GFFWWWWWWWRRG GFFWWWWWWWRRG
GFFWWWWWWWRRG GFFWWWWWWWRRG GFFWWWWWWWRRG GFFRRRRRRRRRG GFRRRRRRRRRRG GGGGGGGGGGGGG""",
    "FRCOMMON_CHECKBOX_CHECKED": """
GGGGGGGGGGGGG GFFFFFFFFFFFG GFFFFFFFFFFRG GFFWWWWWWBRRG GFFWWWWWBBRRG GFFBWWWBBBRRG GFFBBWBBBWRRG
GFFBBBBBWWRRG GFFWBBBWWWRRG GFFWWBWWWWRRG GFFRRRRRRRRRG GFRRRRRRRRRRG GGGGGGGGGGGGG""",
    "FRCOMMON_CHECKBOX_GRAYED": """
GGGGGGGGGGGGG GFFFFFFFFFFFG GFFFFFFFFFFRG GFFBBBBBBBRRG GFFBBBBBBBRRG GFFBBBBBBBRRG GFFBBBBBBBRRG
GFFBBBBBBBRRG GFFBBBBBBBRRG GFFBBBBBBBRRG GFFRRRRRRRRRG GFRRRRRRRRRRG GGGGGGGGGGGGG""",
}
TEMPLATE_SIZE = 13


def template_bmp(grid):
    """A 16-colour BMP file of a 13 x 13 letter grid (rows bottom-up, each padded to 4 bytes)."""
    lines = grid.split()
    assert len(lines) == TEMPLATE_SIZE and all(len(line) == TEMPLATE_SIZE for line in lines), "the grid is 13 x 13"
    index = {letter: i for i, (letter, _) in enumerate(PALETTE)}
    row_bytes = ((TEMPLATE_SIZE * 4 + 31) // 32) * 4
    pixels = b""
    for line in reversed(lines):
        nibbles = [index[c] for c in line] + [0]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, TEMPLATE_SIZE, 2))
        pixels += row.ljust(row_bytes, b"\0")
    palette = b"".join(bytes([b, g, r, 0]) for _, (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, TEMPLATE_SIZE, TEMPLATE_SIZE, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def write_templates(folder):
    for name, grid in TEMPLATES.items():
        with open(f"{folder}/{name}.bmp", "wb") as f:
            f.write(template_bmp(grid))


def main(path):
    lines = rows()
    colour = b"".join(packed([1 if c == "o" else 0 for c in line]) for line in reversed(lines))
    mask = b"".join(packed([1 if c == "." else 0 for c in line]) for line in reversed(lines))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(colour) + len(mask), 0, 0, 2, 0)
    image = info + palette + colour + mask
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


if __name__ == "__main__":
    main(sys.argv[1])
    if len(sys.argv) > 2:
        write_templates(sys.argv[2])
