"""Glyphs drawn by code: each is drawn four times larger on a clear layer, scaled down
(which smooths its edges) and laid over the picture."""
import math

from PIL import Image, ImageDraw

SCALE = 4


def _poly(d, points, colour, s):
    d.polygon([(x * s, y * s) for x, y in points], fill=colour)


def _line(d, points, colour, s, width):
    d.line([(x * s, y * s) for x, y in points], fill=colour, width=round(width * s), joint="curve")


def _shape(draw, rect, colour, s, outline, width):
    box = [v * s for v in rect]
    if outline:
        draw(box, outline=colour, width=round(width * s))
    else:
        draw(box, fill=colour)


def _rect(d, rect, colour, s, outline=False, width=1.5):
    _shape(d.rectangle, rect, colour, s, outline, width)


def _ellipse(d, rect, colour, s, outline=False, width=1.5):
    _shape(d.ellipse, rect, colour, s, outline, width)


# Each glyph draws into a unit box of 16 x 16.
def _plus(d, c, s):
    _rect(d, (7, 2, 9, 14), c, s)
    _rect(d, (2, 7, 14, 9), c, s)


def _folder(d, c, s):
    _poly(d, [(1, 3), (6, 3), (8, 5), (15, 5), (15, 14), (1, 14)], c, s)


def _folder_plus(d, c, s):
    _poly(d, [(1, 3), (6, 3), (8, 5), (12, 5), (12, 7), (10, 7), (10, 14), (1, 14)], c, s)
    _rect(d, (12.5, 7, 14, 15.5), c, s)
    _rect(d, (9.5, 10.5, 16, 12), c, s)


def _file_plus(d, c, s):
    _poly(d, [(2, 1), (8, 1), (11, 4), (11, 8), (9, 8), (9, 15), (2, 15)], c, s)
    _rect(d, (11.5, 8, 13, 16), c, s)
    _rect(d, (8.5, 11.5, 16, 13), c, s)


def _clear(d, c, s):
    for y in (3, 7, 11):
        _rect(d, (1, y, 9, y + 1.6), c, s)
    _line(d, [(10, 8), (15, 13)], c, s, 1.8)
    _line(d, [(15, 8), (10, 13)], c, s, 1.8)


def _trash(d, c, s):
    _rect(d, (2, 3, 14, 4.6), c, s)
    _rect(d, (6, 1, 10, 3), c, s)
    _poly(d, [(3.5, 5.5), (12.5, 5.5), (11.5, 15), (4.5, 15)], c, s)


def _gear(d, c, s):
    for i in range(8):
        a = i * math.pi / 4
        x, y = 8 + 6 * math.cos(a), 8 + 6 * math.sin(a)
        _ellipse(d, (x - 1.7, y - 1.7, x + 1.7, y + 1.7), c, s)
    _ellipse(d, (2.8, 2.8, 13.2, 13.2), c, s)
    _ellipse(d, (5.8, 5.8, 10.2, 10.2), (0, 0, 0, 0), s)


def _up(d, c, s):
    _poly(d, [(8, 3), (14, 10), (10, 10), (10, 14), (6, 14), (6, 10), (2, 10)], c, s)


def _down(d, c, s):
    _poly(d, [(8, 14), (14, 7), (10, 7), (10, 2), (6, 2), (6, 7), (2, 7)], c, s)


def _play(d, c, s):
    _poly(d, [(4, 2), (14, 8), (4, 14)], c, s)


def _pause(d, c, s):
    _rect(d, (3, 2, 6.5, 14), c, s)
    _rect(d, (9.5, 2, 13, 14), c, s)


def _stop(d, c, s):
    _rect(d, (3, 3, 13, 13), c, s)


def _start_mark(d, c, s):
    _rect(d, (3, 2, 5, 14), c, s)
    _poly(d, [(6, 4), (13, 8), (6, 12)], c, s)


def _end_mark(d, c, s):
    _rect(d, (11, 2, 13, 14), c, s)
    _poly(d, [(10, 4), (3, 8), (10, 12)], c, s)


def _camera(d, c, s):
    _rect(d, (1, 5, 15, 14), c, s)
    _rect(d, (5, 3, 11, 5), c, s)
    _ellipse(d, (5, 6.5, 11, 12.5), (0, 0, 0, 0), s)
    _ellipse(d, (6.5, 8, 9.5, 11), c, s)


def _sliders(d, c, s):
    for y, x in ((3, 5), (8, 11), (13, 7)):
        _rect(d, (1, y - 0.8, 15, y + 0.8), c, s)
        _rect(d, (x - 1.5, y - 2.5, x + 1.5, y + 2.5), c, s)


def _menu(d, c, s):
    for y in (3, 7, 11):
        _rect(d, (2, y, 14, y + 2), c, s)


def _device(d, c, s):
    _rect(d, (4, 1, 12, 15), c, s)
    _rect(d, (5.5, 2.5, 10.5, 11), (0, 0, 0, 0), s)
    _ellipse(d, (7, 12, 9, 14), (0, 0, 0, 0), s)


def _pencil(d, c, s):
    _poly(d, [(11, 1.5), (14.5, 5), (6, 13.5), (2.5, 10)], c, s)
    _poly(d, [(2, 11), (5, 14), (1, 15)], c, s)


def _folder_open(d, c, s):
    _poly(d, [(1, 3), (6, 3), (8, 5), (13, 5), (13, 7), (4, 7), (1, 14)], c, s)
    _poly(d, [(4.5, 8), (16, 8), (13, 14), (1.5, 14)], c, s)


def _film(d, c, s):
    _rect(d, (1, 3, 15, 13), c, s)
    for x in (2, 5, 8, 11, 13.5):
        _rect(d, (x, 4, x + 1.3, 5.3), (0, 0, 0, 0), s)
        _rect(d, (x, 10.7, x + 1.3, 12), (0, 0, 0, 0), s)
    _rect(d, (3, 6.3, 13, 9.7), (0, 0, 0, 0), s)


def _note(d, c, s):
    _ellipse(d, (2, 10, 7, 14.5), c, s)
    _ellipse(d, (9, 8.5, 14, 13), c, s)
    _rect(d, (5.6, 2.5, 7, 12.5), c, s)
    _rect(d, (12.6, 1, 14, 11), c, s)
    _poly(d, [(5.6, 2.5), (14, 1), (14, 4), (5.6, 5.5)], c, s)


def _close(d, c, s):
    _line(d, [(4, 4), (12, 12)], c, s, 1.6)
    _line(d, [(12, 4), (4, 12)], c, s, 1.6)


def _minimize(d, c, s):
    _rect(d, (4, 10.5, 12, 12), c, s)


def _check(d, c, s):
    _line(d, [(3.5, 8.5), (6.5, 11.5), (12.5, 4.5)], c, s, 2)


def _dot(d, c, s):
    _ellipse(d, (5, 5, 11, 11), c, s)


def _dash(d, c, s):
    _rect(d, (4, 7, 12, 9), c, s)


def _tri(points):
    return lambda d, c, s: _poly(d, points, c, s)


def _logo(d, c, s):
    _poly(d, [(5.5, 3.5), (13, 8), (5.5, 12.5)], c, s)


def _sysmenu(d, c, s):
    _rect(d, (1.5, 2, 14.5, 14), c, s, outline=True, width=1.4)
    _poly(d, [(6, 5), (11.5, 8), (6, 11)], c, s)


GLYPHS = {
    "plus": _plus, "folder": _folder, "folder_plus": _folder_plus, "file_plus": _file_plus, "clear": _clear,
    "trash": _trash, "gear": _gear, "up": _up, "down": _down, "play": _play, "pause": _pause, "stop": _stop,
    "start_mark": _start_mark, "end_mark": _end_mark, "camera": _camera, "sliders": _sliders, "menu": _menu,
    "device": _device, "pencil": _pencil, "folder_open": _folder_open, "film": _film, "note": _note,
    "close": _close, "minimize": _minimize, "check": _check, "dot": _dot, "dash": _dash, "logo": _logo,
    "sysmenu": _sysmenu,
    "arrow_up": _tri([(8, 5), (12, 10), (4, 10)]), "arrow_down": _tri([(4, 6), (12, 6), (8, 11)]),
    "arrow_left": _tri([(10, 4), (10, 12), (5, 8)]), "arrow_right": _tri([(6, 4), (11, 8), (6, 12)]),
}


def layer(name, size, colour):
    """The glyph at size x size as an RGBA layer."""
    if name not in GLYPHS:
        raise KeyError(f"no glyph '{name}'")
    big = Image.new("RGBA", (16 * SCALE, 16 * SCALE), (0, 0, 0, 0))
    GLYPHS[name](ImageDraw.Draw(big), tuple(colour) + (255,), SCALE)
    return big.resize((size, size), Image.LANCZOS)


def draw(img, rect, name, colour, size=16):
    """The glyph centred in rect on an RGB picture."""
    left, top, right, bottom = rect
    x = left + (right - left - size) // 2
    y = top + (bottom - top - size) // 2
    glyph = layer(name, size, colour)
    region = img.crop((x, y, x + size, y + size)).convert("RGBA")
    region.alpha_composite(glyph)
    img.paste(region.convert("RGB"), (x, y))
