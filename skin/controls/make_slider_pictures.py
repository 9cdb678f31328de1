"""Writes the skinned controls' built-in pictures as 24-bit BMP files into the folder given:
SP_HTB.bmp and SP_VTB.bmp (the slider's thumbs, normal and pressed state side by side) and
SP_HRL.bmp and SP_VRL.bmp (its rulers: a sunken groove with rounded ends), where magenta
marks what is left out when drawn transparent (the lower-left pixel of each picture); the
style pickers' pictures (gradient directions, brush styles, pen styles, pen widths and
shadow styles) and the buttons bar's scroll arrows SP_BB_UP.bmp and SP_BB_DOWN.bmp."""
import os
import struct
import sys

KEY = (255, 0, 255)
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
LIGHT = (255, 255, 255)
FACE = (212, 208, 200)
PRESSED = (181, 147, 133)


def write_bmp(path, pixels):
    height, width = len(pixels), len(pixels[0])
    pad = (4 - (3 * width) % 4) % 4
    rows = b""
    for row in reversed(pixels):
        rows += b"".join(bytes((b, g, r)) for (r, g, b) in row) + b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def thumb_state(width, height, face):
    """A raised block with cut corners."""
    pixels = [[face] * width for _ in range(height)]
    for x in range(width):
        pixels[0][x], pixels[height - 1][x] = LIGHT, DARK
    for y in range(height):
        pixels[y][0], pixels[y][width - 1] = LIGHT, DARK
    for (x, y) in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
        pixels[y][x] = KEY
    return pixels


def side_by_side(a, b):
    return [ra + rb for ra, rb in zip(a, b)]


def ruler(length, thickness):
    """A groove along x: shadow above, highlight below, rounded ends."""
    colours = [SHADOW, DARK] + [FACE] * (thickness - 3) + [LIGHT]
    pixels = [[colours[y]] * length for y in range(thickness)]
    for (x, y) in ((0, 0), (length - 1, 0), (0, thickness - 1), (length - 1, thickness - 1)):
        pixels[y][x] = KEY
    return pixels


def transpose(pixels):
    return [list(column) for column in zip(*pixels)]


WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (0, 0, 128)
SILVER = (192, 192, 192)
OLIVE = (128, 128, 0)
GREY = (128, 128, 128)


def blank(width, height, colour=WHITE):
    return [[colour] * width for _ in range(height)]


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def gradient(width, height, vertical, kind):
    """A navy-to-white gradient across x (or y): "in" dark at the ends, "out" dark in the
    middle, "inout" dark at the start only."""
    pixels = blank(width, height)
    length = height if vertical else width
    for y in range(height):
        for x in range(width):
            t = (y if vertical else x) / (length - 1)
            if kind == "in":
                t = abs(2 * t - 1)
                colour = mix(WHITE, NAVY, t)
            elif kind == "out":
                t = abs(2 * t - 1)
                colour = mix(NAVY, WHITE, t)
            else:
                colour = mix(NAVY, WHITE, t)
            pixels[y][x] = colour
    return pixels


def framed(pixels):
    height, width = len(pixels), len(pixels[0])
    for x in range(width):
        pixels[0][x] = pixels[height - 1][x] = BLACK
    for y in range(height):
        pixels[y][0] = pixels[y][width - 1] = BLACK
    return pixels


def brush(style, width=44, height=16):
    """A framed sample filled with a brush style."""
    pixels = blank(width, height)
    tests = {
        "CLEAR": lambda x, y: False,
        "SOLID": lambda x, y: True,
        "CROSS": lambda x, y: x % 4 == 0 or y % 4 == 0,
        "DCROSS": lambda x, y: (x + y) % 4 == 0 or (x - y) % 4 == 0,
        "FD": lambda x, y: (x - y) % 4 == 0,
        "BD": lambda x, y: (x + y) % 4 == 0,
        "H": lambda x, y: y % 4 == 0,
        "V": lambda x, y: x % 4 == 0,
    }
    for y in range(1, height - 1):
        for x in range(1, width - 1):
            if tests[style](x, y):
                pixels[y][x] = BLACK
    return framed(pixels)


def pen(pattern, width=44, height=15, thickness=1):
    """A horizontal line through the middle, drawn where `pattern` (repeating) is 1."""
    pixels = blank(width, height)
    top = height // 2 - thickness // 2
    for x in range(2, width - 2):
        if pattern[(x - 2) % len(pattern)] == "1":
            for y in range(top, top + thickness):
                pixels[y][x] = BLACK
    return pixels


def shadow(index, size=20):
    """A framed square with a grey shadow whose offset and side follow the index."""
    pixels = blank(size, size)
    offset = 1 + index % 4
    side = index // 4
    dx, dy = [(1, 1), (-1, 1), (1, -1), (-1, -1), (0, 1), (1, 0)][side % 6]
    for y in range(4, 14):
        for x in range(4, 14):
            sx, sy = x + dx * offset, y + dy * offset
            if 0 <= sx < size and 0 <= sy < size:
                pixels[sy][sx] = GREY
    for y in range(4, 14):
        for x in range(4, 14):
            pixels[y][x] = BLACK if x in (4, 13) or y in (4, 13) else WHITE
    return pixels


def arrow(up):
    """11 x 11 on olive: a black triangle 9 wide at its base and 5 rows high, outlined in silver."""
    pixels = blank(11, 11, OLIVE)
    for row in range(5):
        half = row if up else 4 - row
        y = 3 + row
        for x in range(5 - half, 6 + half):
            pixels[y][x] = BLACK
    for y in range(11):
        for x in range(11):
            if pixels[y][x] != OLIVE:
                continue
            near = [(x + a, y + b) for a in (-1, 0, 1) for b in (-1, 0, 1)]
            if any(0 <= nx < 11 and 0 <= ny < 11 and pixels[ny][nx] == BLACK for nx, ny in near):
                pixels[y][x] = SILVER
    return pixels


def pickers(folder):
    def write(name, pixels):
        write_bmp(os.path.join(folder, name + ".bmp"), pixels)

    for vertical, axis in ((False, "HORZ"), (True, "VERT")):
        for kind in ("in", "out", "inout"):
            write("SP_GRAD_%s_%s" % (axis, kind.upper()), framed(gradient(40, 16, vertical, kind)))
    for style in ("CLEAR", "SOLID", "CROSS", "DCROSS", "FD", "BD", "H", "V"):
        write("SP_BRUSH_" + style, brush(style))
    for name, pattern in (("SOLID", "1"), ("DASH", "111111000"), ("DASHDOT", "111111000100"), ("DOT", "10"),
                          ("DASHDOTDOT", "1111110001000100")):
        write("SP_PEN_" + name, pen(pattern))
    for thickness in (1, 2, 3, 4, 6):
        write("SP_PEN%d" % thickness, pen("1", 40, 16, thickness))
    for index in range(1, 22):
        write("SP_SHADOW%d" % index, shadow(index))
    write("SP_BB_UP", arrow(True))
    write("SP_BB_DOWN", arrow(False))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "SP_HTB.bmp"), side_by_side(thumb_state(11, 20, FACE), thumb_state(11, 20, PRESSED)))
    write_bmp(os.path.join(folder, "SP_VTB.bmp"), side_by_side(thumb_state(20, 11, FACE), thumb_state(20, 11, PRESSED)))
    write_bmp(os.path.join(folder, "SP_HRL.bmp"), ruler(20, 6))
    write_bmp(os.path.join(folder, "SP_VRL.bmp"), transpose(ruler(20, 6)))
    pickers(folder)


main(sys.argv[1])
