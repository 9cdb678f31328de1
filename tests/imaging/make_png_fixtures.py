#!/usr/bin/python3
"""Writes the PNG test pictures into the folder given as the only argument.

Every picture is built here from known samples: rows filtered with a chosen filter
type, deflated, cut into IDAT chunks of a chosen size, plain or Adam7. Each valid picture
is then decoded by python3-png and its samples are written beside it as NAME.txt:

    size WIDTH HEIGHT
    format COLOURTYPE BITDEPTH INTERLACE
    palette R G B R G B ...        (palette pictures)
    row S S S ...                  (one line per image row, every sample of the row)

Pictures the reader must reject, or that python3-png does not accept (filter type 7),
are written from the same builder; their expectations live in the tests.
"""
import os
import struct
import sys
import zlib

import png

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
FORMATS = [(0, 1), (0, 2), (0, 4), (0, 8), (0, 16), (2, 8), (2, 16), (3, 1), (3, 2),
           (3, 4), (3, 8), (4, 8), (4, 16), (6, 8), (6, 16)]
SIZES = [(1, 1), (3, 3), (33, 7), (1, 40)]
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2)]  # column start, row start, column step, row step


def chunk(name, data):
    body = name + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def ihdr(width, height, colour, depth, interlace=0):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace))


class Samples:
    """Deterministic samples: a small linear congruential generator."""

    def __init__(self, seed):
        self.state = seed

    def next(self, top):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % (top + 1)


def make_rows(width, height, colour, depth, seed=1):
    source = Samples(seed)
    top = (1 << depth) - 1
    return [[source.next(top) for _ in range(width * CHANNELS[colour])] for _ in range(height)]


def pack_row(samples, depth):
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    out = bytearray()
    per_byte = 8 // depth
    for start in range(0, len(samples), per_byte):
        value = 0
        group = samples[start:start + per_byte]
        for i, s in enumerate(group):
            value |= s << (8 - depth * (i + 1))
        out.append(value)
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(kind, raw, previous, distance):
    out = bytearray([kind])
    for i, x in enumerate(raw):
        left = raw[i - distance] if i >= distance else 0
        above = previous[i]
        upper_left = previous[i - distance] if i >= distance else 0
        predictor = {0: 0, 1: left, 2: above, 3: (left + above) // 2,
                     4: paeth(left, above, upper_left)}.get(kind, 0)
        out.append((x - predictor) & 0xFF)
    return bytes(out)


def filtered_stream(rows, colour, depth, filters):
    """Filter bytes and rows of one (pass) image; filters[i] is the type of row i."""
    distance = max(1, CHANNELS[colour] * depth // 8)
    out = bytearray()
    previous = None
    for index, row in enumerate(rows):
        raw = pack_row(row, depth)
        if previous is None:
            previous = bytes(len(raw))
        out += filter_row(filters(index), raw, previous, distance)
        previous = raw
    return bytes(out)


def image_data(rows, colour, depth, interlace, filters):
    if not interlace:
        return filtered_stream(rows, colour, depth, filters)
    channels = CHANNELS[colour]
    width, height = len(rows[0]) // channels, len(rows)
    out = bytearray()
    for column_start, row_start, column_step, row_step in ADAM7:
        if column_start >= width or row_start >= height:
            continue
        pass_rows = []
        for y in range(row_start, height, row_step):
            pixels = []
            for x in range(column_start, width, column_step):
                pixels += rows[y][x * channels:(x + 1) * channels]
            pass_rows.append(pixels)
        out += filtered_stream(pass_rows, colour, depth, filters)
    return bytes(out)


def idat_chunks(compressed, size):
    size = size or len(compressed)
    return b"".join(chunk(b"IDAT", compressed[i:i + size]) for i in range(0, len(compressed), size))


def palette_of(depth):
    count = 1 << depth
    return [((i * 53) % 256, (i * 101 + 7) % 256, (255 - i * 3) % 256) for i in range(count)]


def picture(width, height, colour, depth, interlace=0, filters=lambda i: i % 5, split=0,
            before_data=b"", after_data=b"", rows=None, seed=1):
    rows = rows or make_rows(width, height, colour, depth, seed)
    out = SIGNATURE + ihdr(width, height, colour, depth, interlace) + before_data
    if colour == 3:
        out += chunk(b"PLTE", bytes(v for entry in palette_of(depth) for v in entry))
    compressed = zlib.compress(image_data(rows, colour, depth, interlace, filters), 9)
    return out + idat_chunks(compressed, split) + after_data + chunk(b"IEND", b"")


def write(folder, name, data):
    with open(os.path.join(folder, name + ".png"), "wb") as f:
        f.write(data)


def write_expected(folder, name):
    """Decodes the picture with python3-png and writes its samples."""
    reader = png.Reader(filename=os.path.join(folder, name + ".png"))
    width, height, rows, info = reader.read()
    if info.get("palette"):
        colour = 3
    else:
        colour = (0 if info["greyscale"] else 2) + (4 if info["alpha"] else 0)
    lines = ["size %d %d" % (width, height),
             "format %d %d %d" % (colour, info["bitdepth"], 1 if info["interlace"] else 0)]
    if colour == 3:
        lines.append("palette " + " ".join(str(v) for entry in info["palette"] for v in entry[:3]))
    lines += ["row " + " ".join(str(s) for s in row) for row in rows]
    with open(os.path.join(folder, name + ".txt"), "w") as f:
        f.write("\n".join(lines) + "\n")


def valid_pictures():
    pictures = {}
    for colour, depth in FORMATS:
        for width, height in SIZES:
            for interlace in (0, 1):
                name = "c%d_d%d_%dx%d_%s" % (colour, depth, width, height, "adam7" if interlace else "plain")
                pictures[name] = picture(width, height, colour, depth, interlace)
    # One filter type for every row of the picture.
    for kind in range(5):
        pictures["filter%d" % kind] = picture(33, 7, 2, 8, filters=lambda i, k=kind: k)
    # IDAT data cut into 10-byte chunks, and one IDAT chunk above 65535 bytes.
    pictures["split_idat"] = picture(33, 7, 6, 8, split=10)
    pictures["big_idat"] = picture(200, 150, 2, 8, filters=lambda i: 0, seed=7)
    # The same 3 x 3 picture plain and interlaced.
    rows = make_rows(3, 3, 2, 8, seed=3)
    pictures["twin_plain"] = picture(3, 3, 2, 8, 0, rows=rows)
    pictures["twin_adam7"] = picture(3, 3, 2, 8, 1, rows=rows)
    # Gamma: the colour picture stores its samples through the table, the grey one not.
    gama = chunk(b"gAMA", struct.pack(">I", 100000))
    pictures["gamma_rgb"] = picture(33, 7, 2, 8, before_data=gama)
    pictures["gamma_grey"] = picture(33, 7, 0, 8, before_data=gama)
    # Ancillary chunks: text, compressed text, time, physical size, an unknown one and
    # cHRM, which the reader drops.
    ancillary = (chunk(b"tEXt", b"Title\0abc") + chunk(b"zTXt", b"Comment\0\0" + zlib.compress(b"compressed words"))
                 + chunk(b"tIME", struct.pack(">HBBBBB", 2024, 5, 6, 7, 8, 9))
                 + chunk(b"pHYs", struct.pack(">IIB", 3780, 3780, 1)) + chunk(b"ruSt", b"kept raw")
                 + chunk(b"cHRM", bytes(32)))
    pictures["ancillary"] = picture(10, 4, 2, 8, before_data=ancillary)
    pictures["phys_100"] = picture(100, 10, 2, 8, before_data=chunk(b"pHYs", struct.pack(">IIB", 3780, 3780, 1)))
    return pictures


def with_trns(data, trns):
    """Puts a tRNS chunk right before the first IDAT chunk."""
    at = data.index(b"IDAT") - 4
    return data[:at] + chunk(b"tRNS", trns) + data[at:]


def transparency_pictures():
    rows = [[0, 1, 0, 1, 1, 0, 1, 0], [1, 1, 0, 0, 1, 1, 0, 0]]
    return {
        "trns_pal_partial": with_trns(picture(8, 2, 3, 1, rows=rows), bytes([0, 128])),
        "trns_pal_bit": with_trns(picture(8, 2, 3, 1, rows=rows), bytes([255, 0])),
        "trns_pal_lone_half": with_trns(picture(8, 2, 3, 1, rows=rows), bytes([255, 128])),
        "trns_grey8": with_trns(picture(6, 3, 0, 8, rows=[[10, 200, 10, 90, 10, 250]] * 3), struct.pack(">H", 10)),
        "trns_grey16": with_trns(picture(4, 2, 0, 16), struct.pack(">H", 0x1234)),
        "trns_grey2": with_trns(picture(4, 2, 0, 2), struct.pack(">H", 1)),
        "trns_rgb8": with_trns(picture(4, 2, 2, 8), struct.pack(">HHH", 10, 20, 30)),
        "trns_rgb16": with_trns(picture(4, 2, 2, 16), struct.pack(">HHH", 0x0A01, 0x1402, 0x1E03)),
    }


def broken_pictures():
    good = picture(33, 7, 2, 8)
    head = SIGNATURE + ihdr(33, 7, 2, 8)
    compressed = zlib.compress(image_data(make_rows(33, 7, 2, 8), 2, 8, 0, lambda i: 0), 9)
    end = chunk(b"IEND", b"")
    flipped = bytearray(good)
    flipped[good.index(b"IDAT") + 10] ^= 0x40
    corrupt = bytearray(compressed)
    corrupt[2] = 0xFF  # an invalid block type
    bad_middle = idat_chunks(compressed, 100)
    second = bad_middle.index(b"IDAT", 8) - 4
    bad_middle = bytearray(bad_middle)
    bad_middle[second + 8 + 5] ^= 1
    early_end = zlib.compress(image_data(make_rows(33, 3, 2, 8), 2, 8, 0, lambda i: 0), 9)
    return {
        "bad_short_signature": SIGNATURE[:5],
        "bad_signature": b"\x89PNG\r\n\x1a\x00" + good[8:],
        "bad_ihdr_not_first": SIGNATURE + chunk(b"tEXt", b"a\0b") + good[8:],
        "bad_unknown_critical": head + chunk(b"BLOB", b"xyz") + good[8 + 25:],
        "bad_flipped_byte": bytes(flipped),
        "bad_ihdr_12": SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBB", 33, 7, 8, 2, 0, 0)) + good[8 + 25:],
        "bad_width_65536": SIGNATURE + ihdr(65536, 7, 2, 8) + good[8 + 25:],
        "bad_interlace_2": SIGNATURE + ihdr(33, 7, 2, 8, 2) + good[8 + 25:],
        "bad_no_idat": head + end,
        "bad_end_before_iend": good[:-12],
        "bad_plte_770": SIGNATURE + ihdr(33, 7, 3, 8) + chunk(b"PLTE", bytes(770)) + idat_chunks(compressed, 0) + end,
        "bad_trns_257": SIGNATURE + ihdr(33, 7, 3, 8) + chunk(b"PLTE", bytes(768)) + chunk(b"tRNS", bytes(257))
                        + idat_chunks(compressed, 0) + end,
        "bad_crc_middle_idat": head + bytes(bad_middle) + end,
        "bad_idat_then_iend": head + chunk(b"IDAT", compressed[:len(compressed) // 2]) + end,
        "bad_deflate": head + chunk(b"IDAT", bytes(corrupt)) + end,
        "bad_pair": SIGNATURE + ihdr(33, 7, 3, 16) + good[8 + 25:],
        "bad_zero_width": SIGNATURE + ihdr(0, 7, 2, 8) + good[8 + 25:],
        "bad_huge_length": head + struct.pack(">I", 0x80000000) + b"IDAT" + compressed + end,
        "bad_length_past_end": head + struct.pack(">I", len(compressed) + 1000) + b"IDAT" + compressed,
        "bad_end_inside_idat": head + chunk(b"IDAT", compressed)[:40],
        # Not broken: the compressed stream ends after 3 of 7 rows and junk follows in the
        # same chunk; the rows left stay zero.
        "early_zlib_end": head + chunk(b"IDAT", early_end + b"junk after the stream") + end,
        # Not broken: filter type 7 is read as no filter; its samples equal filter0_raw's.
        "filter7": picture(33, 7, 2, 8, filters=lambda i: 7, rows=make_rows(33, 7, 2, 8, seed=5)),
        "filter7_twin": picture(33, 7, 2, 8, filters=lambda i: 0, rows=make_rows(33, 7, 2, 8, seed=5)),
    }


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    pictures = valid_pictures()
    pictures.update(transparency_pictures())
    for name, data in pictures.items():
        write(folder, name, data)
        write_expected(folder, name)
    for name, data in broken_pictures().items():
        write(folder, name, data)


if __name__ == "__main__":
    main()
