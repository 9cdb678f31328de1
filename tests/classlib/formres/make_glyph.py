"""Writes a 2 x 1 24-bit BMP (blue, then white) for the named bitmap resource test."""
import struct
import sys

row = bytes([255, 0, 0, 255, 255, 255]) + b"\0\0"
header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(row), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, 2, 1, 1, 24, 0, len(row), 2835, 2835, 0, 0)
with open(sys.argv[1], "wb") as f:
    f.write(header + info + row)
