#!/usr/bin/env python3
"""Reads a screenshot the window tools saved and checks its two halves: red on the left,
blue on the right (python3-png's reader, so the file is a PNG any reader takes)."""
import sys

import png

width, height, rows, info = png.Reader(filename=sys.argv[1]).asRGB8()
rows = [list(row) for row in rows]
assert (width, height) == (200, 100), (width, height)
left = tuple(rows[50][3 * 20:3 * 20 + 3])
right = tuple(rows[50][3 * 180:3 * 180 + 3])
assert left == (255, 0, 0), left
assert right == (0, 0, 255), right
print("screenshot halves:", left, right)
