"""Writes the check boxes' and radio buttons' 13 x 13 glyph templates (16-colour .bmp files
named after their resources) into the given folder from the letter grids of TEMPLATES: each
letter is one of the 16 standard colours, a key that the controls replace by their own colours
when they load a template."""
import struct
import sys

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



if __name__ == "__main__":
    write_templates(sys.argv[1])
