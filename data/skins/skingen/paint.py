"""Drawing primitives: rounded boxes with anti-aliased corners, gradients, masks, text."""
import math
import os

from PIL import Image, ImageDraw, ImageFont

FONT_FOLDER = "/usr/share/fonts/truetype/liberation"
_FONT_FILES = {"regular": "LiberationSans-Regular.ttf", "bold": "LiberationSans-Bold.ttf"}
_fonts = {}


def font(size, weight="regular"):
    key = (size, weight)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(os.path.join(FONT_FOLDER, _FONT_FILES[weight]), size)
    return _fonts[key]


def _blend(a, b, t):
    return tuple(round(x * (1 - t) + y * t) for x, y in zip(a, b))


def _clamp01(v):
    return 0.0 if v < 0 else 1.0 if v > 1 else v


def _fill_at(fill, y, top, height):
    """A plain colour, or a vertical gradient given as (top colour, bottom colour)."""
    if isinstance(fill[0], int):
        return fill
    if height <= 1:
        return fill[0]
    return _blend(fill[0], fill[1], (y - top) / (height - 1))


def _corner_coverage(x, y, box, radius):
    """Coverage of pixel (x, y) by the rounded box's outer edge and by its inside less a
    1-px border, or None when the pixel lies outside the four corner squares."""
    left, top, right, bottom = box
    cx = left + radius if x < left + radius else right - radius if x >= right - radius else None
    cy = top + radius if y < top + radius else bottom - radius if y >= bottom - radius else None
    if cx is None or cy is None:
        return None
    d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
    return _clamp01(radius - d + 0.5), _clamp01(radius - 1 - d + 0.5)


def box(img, rect, fill, outline=None, radius=0):
    """Fills rect (left, top, right, bottom; right and bottom exclusive) with a colour or
    a vertical gradient, with an optional 1-px outline and rounded corners that blend
    into what the picture held before."""
    left, top, right, bottom = rect
    if right <= left or bottom <= top:
        return
    radius = min(radius, (right - left) // 2, (bottom - top) // 2)
    before = img.crop(rect) if radius else None
    draw = ImageDraw.Draw(img)
    height = bottom - top
    for y in range(top, bottom):
        draw.line([(left, y), (right - 1, y)], fill=_fill_at(fill, y, top, height))
    if outline is not None:
        draw.rectangle([left, top, right - 1, bottom - 1], outline=outline)
    if not radius:
        return
    for y in range(top, bottom):
        for x in range(left, right):
            cover = _corner_coverage(x, y, rect, radius)
            if cover is None:
                continue
            outer, inner = cover if outline is not None else (cover[0], cover[0])
            under = before.getpixel((x - left, y - top))
            inside = _fill_at(fill, y, top, height)
            edge = outline if outline is not None else inside
            colour = tuple(round(u * (1 - outer) + e * (outer - inner) + f * inner)
                           for u, e, f in zip(under, edge, inside))
            img.putpixel((x, y), colour)


def mask(size, radius, rounded=(True, True, True, True)):
    """A window mask of `size`: black inside, white outside the rounded corners
    (top-left, top-right, bottom-right, bottom-left)."""
    width, height = size
    img = Image.new("RGB", size, (0, 0, 0))
    corners = [(0, 0), (width - radius, 0), (width - radius, height - radius), (0, height - radius)]
    for (ox, oy), on in zip(corners, rounded):
        if not on:
            continue
        for y in range(oy, oy + radius):
            for x in range(ox, ox + radius):
                cover = _corner_coverage(x, y, (0, 0, width, height), radius)
                if cover is not None and cover[0] < 0.5:
                    img.putpixel((x, y), (255, 255, 255))
    return img


def hline(img, x0, x1, y, colour):
    ImageDraw.Draw(img).line([(x0, y), (x1 - 1, y)], fill=colour)


def vline(img, x, y0, y1, colour):
    ImageDraw.Draw(img).line([(x, y0), (x, y1 - 1)], fill=colour)


def text(img, rect, value, colour, size=12, weight="regular", align="center"):
    """One line of text, vertically centred in rect and aligned left, centred or right."""
    face = font(size, weight)
    draw = ImageDraw.Draw(img)
    left, top, right, bottom = rect
    x0, y0, x1, y1 = draw.textbbox((0, 0), value, font=face)
    width = x1 - x0
    ascent, descent = face.getmetrics()
    y = top + (bottom - top - (ascent + descent)) // 2
    if align == "left":
        x = left
    elif align == "right":
        x = right - width
    else:
        x = left + (right - left - width) // 2
    draw.text((x - x0, y), value, font=face, fill=colour)


def text_width(value, size=12, weight="regular"):
    x0, _, x1, _ = ImageDraw.Draw(Image.new("RGB", (1, 1))).textbbox((0, 0), value, font=font(size, weight))
    return x1 - x0
