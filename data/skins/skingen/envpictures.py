"""The pictures the environment file names: the program icon, the cover, the job list's
background, the category icons and the output settings dialog's icon strip. Places and
sizes come from the environment file itself."""
import configparser
import struct

from PIL import Image, ImageDraw

from . import glyphs, paint
from .colours import contrast

MIN_CONTRAST = 4.5
SCALE = 4


def read_environment(path):
    parser = configparser.ConfigParser(interpolation=None)
    with open(path, encoding="latin-1") as stream:
        parser.read_file(stream)
    return parser["Environment"]


def rect_of(env, key):
    return tuple(int(v) for v in env[key].split(","))


def _rounded_rgba(size, radius, colour):
    """A rounded box on a clear layer, drawn four times larger and scaled down."""
    width, height = size
    big = Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))
    ImageDraw.Draw(big).rounded_rectangle([0, 0, width * SCALE - 1, height * SCALE - 1], radius * SCALE,
                                          fill=tuple(colour) + (255,))
    return big.resize(size, Image.LANCZOS)


def category_icon(p, label, audio):
    """A 36 x 13 badge: the format's name in white on the video or audio colour."""
    icon = _rounded_rgba((36, 13), 3, p["audio" if audio else "accent"])
    face = paint.font(9, "bold")
    draw = ImageDraw.Draw(icon)
    x0, y0, x1, y1 = draw.textbbox((0, 0), label, font=face)
    draw.text(((36 - (x1 - x0)) // 2 - x0, (13 - (y1 - y0)) // 2 - y0), label, font=face, fill=(255, 255, 255, 255))
    return icon


def app_icon_image(p, size):
    icon = _rounded_rgba((size, size), max(2, size // 5), p["accent"])
    icon.alpha_composite(glyphs.layer("logo", size, p["accent_text"]))
    return icon


def ico_bytes(images):
    """An icon file whose entries are 32-bit BMP images with their AND masks."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries, blobs = b"", b""
    offset = len(header) + 16 * len(images)
    for img in images:
        width, height = img.size
        rows = []
        for y in range(height - 1, -1, -1):
            rows.append(b"".join(struct.pack("BBBB", b, g, r, a) for r, g, b, a in
                                 (img.getpixel((x, y)) for x in range(width))))
        stride = ((width + 31) // 32) * 4
        mask_rows = []
        for y in range(height - 1, -1, -1):
            bits = bytearray(stride)
            for x in range(width):
                if img.getpixel((x, y))[3] < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask_rows.append(bytes(bits))
        pixels = b"".join(rows) + b"".join(mask_rows)
        info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(pixels), 0, 0, 0, 0)
        blob = info + pixels
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def _check_contrast(img, rect, colour, what):
    """Every pixel under a text's place keeps 4.5:1 against the text's colour."""
    left, top, right, bottom = rect
    worst = min(contrast(colour, img.getpixel((x, y))) for y in range(top, bottom) for x in range(left, right))
    if worst < MIN_CONTRAST:
        raise ValueError(f"Cover.jpg: {what} has contrast {worst:.2f} at {rect}")


def _env_colour(value):
    value = int(value, 0)
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def cover_text_places(env, desc):
    """The three cover texts: name, place (at its width and height) and colour."""
    places = []
    for name, key in (("version", "CoverVersionText"), ("copyright", "CoverCopyrightText"),
                      ("load info", "CoverLoadInfoText")):
        x, y = int(env[key + "PosX"]), int(env[key + "PosY"])
        w, h = desc["text_sizes"][name]
        places.append((name, (x, y, min(x + w, desc["size"][0]), y + h), _env_colour(env[key + "Color"])))
    return places


def cover(p, env, desc):
    width, height = desc["size"]
    img = Image.new("RGB", (width, height), p["surface"])
    band = tuple(desc["band"])
    paint.box(img, (0, band[0], width, band[1]), (p["frame_hi"], p["frame"]))
    paint.box(img, (0, band[0], width, band[0] + 3), p["accent"])
    logo = app_icon_image(p, 64)
    base = img.convert("RGBA")
    base.alpha_composite(logo, (40, band[0] + 40))
    img = base.convert("RGB")
    paint.text(img, (124, band[0] + 36, width, band[0] + 76), desc["title"], p["frame_text"], 36, "bold", "left")
    paint.text(img, (126, band[0] + 78, width, band[0] + 104), desc["subtitle"], p["frame_text_inactive"], 20,
               "regular", "left")
    for name, rect, colour in cover_text_places(env, desc):
        _check_contrast(img, rect, colour, name)
    return img


def list_background(p, size, desc):
    width, height = size
    img = Image.new("RGB", size, p["window"])
    glyphs.draw(img, (0, 16, width, 80), "file_plus", p["border"], 44)
    paint.text(img, (0, 86, width, 108), desc["line1"], p["text_muted"], 14, "bold")
    paint.text(img, (0, 108, width, 128), desc["line2"], p["text_muted"], 12)
    return img


CATEGORIES = ("AVI", "WMV", "REAL", "MP4", "MPEG", "MOV", "3GP", "FLV", "MP3", "WMA", "WAV", "OGG", "RA", "AAC",
              "APE", "MPC", "FLAC")
AUDIO = {"MP3", "WMA", "WAV", "OGG", "RA", "AAC", "APE", "MPC", "FLAC"}


def category_icons(p, env, labels):
    """File name and picture of each category's icon."""
    return [(env[f"MainForm{word}IconFile"], category_icon(p, labels.get(word, word), word in AUDIO))
            for word in CATEGORIES]


def icons_background(p, env, labels):
    """One picture holding every category's tile at its icon rectangle."""
    origin = rect_of(env, "IconsBackgroundRect")
    width, height = origin[2] - origin[0], origin[3] - origin[1]
    img = Image.new("RGB", (width, height), p["surface"])
    for word in CATEGORIES:
        rect = rect_of(env, f"{word}IconRect")
        tile = (rect[0] - origin[0], rect[1] - origin[1], rect[2] - origin[0], rect[3] - origin[1])
        if tile[0] < 0 or tile[1] < 0 or tile[2] > width or tile[3] > height:
            raise ValueError(f"{word}IconRect {rect} lies outside IconsBackgroundRect {origin}")
        audio = word in AUDIO
        paint.box(img, tile, (p["window"], p["surface_alt"]), p["border"], 6)
        glyphs.draw(img, (tile[0], tile[1] + 4, tile[2], tile[1] + 40), "note" if audio else "film",
                    p["audio" if audio else "accent"], 30)
        badge = category_icon(p, labels.get(word, word), audio)
        x = tile[0] + (tile[2] - tile[0] - 36) // 2
        y = tile[1] + 42
        base = img.crop((x, y, x + 36, y + 13)).convert("RGBA")
        base.alpha_composite(badge)
        img.paste(base.convert("RGB"), (x, y))
    return img
