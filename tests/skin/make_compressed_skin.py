#!/usr/bin/env python3
"""Writes a compressed skin file with Python's own zlib, so that the skin data's reader is
checked against an independent writer: file version 2, the block length, then a zlib
stream (level 9) of the skin stream (layout 2, five picture records, the active pictures,
the description's text)."""
import struct
import sys
import zlib
from pathlib import Path


def bmp(width, height, pixel):
    """A 24-bit bottom-up BMP file; pixel(x, y) gives (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    form = bmp(6, 4, lambda x, y: (40 * x, 60 * y, 200))
    active = bmp(3, 5, lambda x, y: (x * 80, 17, y * 50))
    description = (
        "[VERSION]\r\nskinname=From Python\r\n"
        "[PICTURES]\r\npicture=form.bmp\r\nactivepicturescount=1\r\n0=active.bmp\r\n"
        "[FORMINFO]\r\nclientrect=1,1,5,3\r\nborderwidth=2\r\n"
        "[SKINOBJECTS]\r\ncount=0\r\n"
        "[SKINCONTROLS]\r\ncount=1\r\n0=button:button\r\n"
        "[button]\r\npictureindex=0\r\nskinrect=0,0,3,5\r\nfontcolor=4660\r\n"
    )
    stream = struct.pack("<i", 2) + b"\x00" + form + b"\x01" * 4 + struct.pack("<i", 1) + active
    stream += description.encode("ascii")
    packed = zlib.compress(stream, 9)
    (out / "python.skn").write_bytes(struct.pack("<ii", 2, len(packed)) + packed)


if __name__ == "__main__":
    main()
