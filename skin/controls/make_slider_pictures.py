"""Writes the slider's built-in pictures as 24-bit BMP files into the folder given:
SP_HTB.bmp and SP_VTB.bmp (thumbs, normal and pressed state side by side) and
SP_HRL.bmp and SP_VRL.bmp (rulers: a sunken groove with rounded ends). Magenta marks
what is left out when drawn transparent (the lower-left pixel of each picture)."""
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


def main(folder):
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "SP_HTB.bmp"), side_by_side(thumb_state(11, 20, FACE), thumb_state(11, 20, PRESSED)))
    write_bmp(os.path.join(folder, "SP_VTB.bmp"), side_by_side(thumb_state(20, 11, FACE), thumb_state(20, 11, PRESSED)))
    write_bmp(os.path.join(folder, "SP_HRL.bmp"), ruler(20, 6))
    write_bmp(os.path.join(folder, "SP_VRL.bmp"), transpose(ruler(20, 6)))


main(sys.argv[1])
