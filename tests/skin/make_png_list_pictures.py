#!/usr/bin/python3
"""Writes the 36 x 13 pictures of the PNG image list tests into the folder given as the
only argument, with python3-png. Every sample follows from its position:

    red = 7 x, green = 19 y, blue = 5 (x + y), all mod 256
    alpha.png   true colour with alpha (7 x + 13 y) mod 256
    opaque.png  true colour with alpha 255 everywhere
    keyed.png   true colour without alpha, transparent colour (10, 20, 30), which every
                pixel with x + y divisible by 3 takes instead of its own colour
"""
import os
import sys

import png

WIDTH, HEIGHT = 36, 13
KEY = (10, 20, 30)


def colour(x, y):
    return [(7 * x) % 256, (19 * y) % 256, (5 * (x + y)) % 256]


def write(folder, name, rows, **info):
    with open(os.path.join(folder, name), "wb") as f:
        png.Writer(WIDTH, HEIGHT, bitdepth=8, **info).write(f, rows)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    coords = [[(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    write(folder, "alpha.png", [sum((colour(x, y) + [(7 * x + 13 * y) % 256] for x, y in row), []) for row in coords],
          greyscale=False, alpha=True)
    write(folder, "opaque.png", [sum((colour(x, y) + [255] for x, y in row), []) for row in coords],
          greyscale=False, alpha=True)
    write(folder, "keyed.png",
          [sum((list(KEY) if (x + y) % 3 == 0 else colour(x, y) for x, y in row), []) for row in coords],
          greyscale=False, alpha=False, transparent=KEY)


if __name__ == "__main__":
    main()
