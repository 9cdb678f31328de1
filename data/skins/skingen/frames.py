"""Form pictures and form objects: the scalable dialog frame, the fixed main-window face,
the popup-menu and hint windows and the menu items."""
from PIL import Image

from . import glyphs, paint
from .colours import ini_value

FONT = "Arial"


def _offset(rect, dx, dy):
    return (rect[0] + dx, rect[1] + dy, rect[2] + dx, rect[3] + dy)


def _size(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


# ---- dialog frame ------------------------------------------------------------------

def caption_band(p, width, height, active):
    band = Image.new("RGB", (width, height), p["frame"])
    top, bottom = ("frame_hi", "frame") if active else ("frame_inactive_hi", "frame_inactive")
    paint.box(band, (0, 0, width, height), (p[top], p[bottom]))
    return band


def dialog_frame(p, desc, fonts):
    """The dialog frame: form picture, inactive picture, mask, FORMINFO keys, and the caption
    parts (active caption face, caption-button faces) as one active picture."""
    width, height = desc["size"]
    cap = desc["caption_height"]
    border = desc["border"]
    radius = desc["radius"]
    lt, rb = tuple(desc["lefttoppoint"]), tuple(desc["rightbottompoint"])
    client = (border, cap, width - border, height - border)

    def frame(active):
        img = Image.new("RGB", (width, height), p["surface"])
        edge = p["frame"] if active else p["frame_inactive"]
        paint.box(img, (0, 0, width, height), edge, p["frame_edge"])
        img.paste(caption_band(p, width - 2, cap - 1, active), (1, 1))
        paint.hline(img, 1, width - 1, cap - 1, p["frame_edge"])
        paint.box(img, client, p["surface"])
        return img

    keys = [("lefttoppoint", lt), ("righttoppoint", (rb[0], lt[1])), ("leftbottompoint", (lt[0], rb[1])),
            ("rightbottompoint", rb), ("clientrect", client), ("maskrectarea", client),
            ("captionrect", (border, 0, width - border, cap - 1)),
            ("buttonsrect", tuple(desc["buttonsrect"])), ("buttonsoffset", desc["buttonsoffset"]),
            ("buttonsinleft", False), ("borderwidth", border),
            ("hittestlefttoppoint", (radius + 1, radius + 1)),
            ("hittestrighttoppoint", (width - radius - 1, radius + 1)),
            ("hittestleftbottompoint", (radius + 1, height - radius - 1)),
            ("hittestrightbottompoint", (width - radius - 1, height - radius - 1)),
            ("sizegriparea", (width - border - 14, height - border - 14, width - border, height - border)),
            ("statusbarname", desc["statusbarname"]), ("inactiveeffect", "iebrightness")]
    return frame(True), frame(False), paint.mask((width, height), radius), keys


def _caption_button(p, band, rect, glyph, state, glyph_size=12):
    """A caption-button face over the caption band's rows at the button's height."""
    w, h = _size(rect)
    top = rect[1] - 1  # the band starts below the frame's 1-px edge
    face = band.crop((0, top, w, top + h))
    colour = p["frame_text"]
    if state in ("hot", "down"):
        paint.box(face, (0, 0, w, h), p["accent"] if state == "hot" else p["accent_dark"], None, 3)
    elif state == "inactive":
        colour = p["frame_text_inactive"]
    glyphs.draw(face, (0, 0, w, h), glyph, colour, glyph_size)
    return face


def caption_objects(p, fonts, desc, bands, parts, in_picture, active_face=None):
    """The caption object and the standard caption buttons. `bands` gives the active and
    inactive caption bands; the buttons' faces go into `parts` (an atlas), and so does the
    caption's active face when one is given. With `in_picture` the buttons carry only
    faces (the frame lays them out), else their "skinrect" is their place on the face."""
    size, style = fonts["caption"]
    caption_rect = tuple(desc["caption"]["rect"])
    caption = [("hint", "")]
    if active_face is not None:
        (place,) = parts.strip(active_face.width, active_face.height, 1)
        parts.image.paste(active_face, place[:2])
        caption += [("activepictureindex", parts.index), ("activeskinrect", place)]
    caption += [("defaultcaption", True), ("textrect", tuple(desc["caption"]["textrect"])), ("fontname", FONT),
               ("fontheight", size), ("fontstyle", style), ("fontcolor", ini_value(p["frame_text_inactive"])),
               ("activefontcolor", ini_value(p["frame_text"])), ("alignment", "taleftjustify"),
               ("shadow", False), ("light", False), ("skinrect", caption_rect)]
    objects = [("caption", "caption", caption)]
    for button in desc["caption_buttons"]:
        rect = tuple(button["rect"])
        w, h = _size(rect)
        faces = {}
        for state in ("normal", "hot", "down", "inactive"):
            band = bands["inactive" if state == "inactive" else "active"]
            face = _caption_button(p, band, rect, button["glyph"], state, button.get("glyph_size", 12))
            (place,) = parts.strip(w, h, 1)
            parts.image.paste(face, place[:2])
            faces[state] = place
        keys = [("hint", button.get("hint", "")), ("command", button["command"]),
                ("activepictureindex", parts.index), ("skinrectinapicture", in_picture),
                ("skinrect", faces["normal"] if in_picture else rect), ("activeskinrect", faces["hot"]),
                ("downrect", faces["down"]), ("inactiveskinrect", faces["inactive"])]
        objects.append((button["name"], "stdbutton", keys))
    return objects


# ---- popup menu, hint window, menu items --------------------------------------------

def popup_window(p, size=(48, 48), radius=4):
    width, height = size
    img = Image.new("RGB", size, p["window"])
    paint.box(img, (0, 0, width, height), p["window"], p["border_dark"], radius)
    keys = [("lefttoppoint", (6, 6)), ("righttoppoint", (width - 6, 6)), ("leftbottompoint", (6, height - 6)),
            ("rightbottompoint", (width - 6, height - 6)), ("itemsrect", (3, 3, width - 3, height - 3)),
            ("scrollmarkercolor", ini_value(p["text"])), ("scrollmarkeractivecolor", ini_value(p["accent"]))]
    return img, paint.mask(size, radius), keys


def hint_window(p, fonts, size=(40, 24), radius=4):
    width, height = size
    img = Image.new("RGB", size, p["frame"])
    paint.box(img, (0, 0, width, height), p["frame"], p["frame_edge"], radius)
    font_size, style = fonts["hint"]
    keys = [("lefttoppoint", (5, 5)), ("righttoppoint", (width - 5, 5)), ("leftbottompoint", (5, height - 5)),
            ("rightbottompoint", (width - 5, height - 5)), ("clientrect", (5, 4, width - 5, height - 4)),
            ("fontname", FONT), ("fontstyle", style), ("fontheight", font_size),
            ("fontcolor", ini_value(p["frame_text"]))]
    return img, paint.mask(size, radius), keys


def menu_item(p, fonts, atlas, index, width=80, height=22):
    """The popup-menu item: normal and hot faces, divider and marks, all in `atlas`."""
    normal, hot = atlas.strip(width, height, 2)
    paint.box(atlas.image, normal, p["window"])
    paint.box(atlas.image, hot, p["window"])
    paint.box(atlas.image, hot, p["accent"], None, 3)
    (divider,) = atlas.strip(width, 7, 1)
    paint.box(atlas.image, divider, p["window"])
    paint.hline(atlas.image, divider[0] + 4, divider[2] - 4, divider[1] + 3, p["border"])
    marks = {}
    for name, glyph, back, colour in (("check", "check", "window", "text"), ("activecheck", "check", "accent", "accent_text"),
                                      ("radio", "dot", "window", "text"), ("activeradio", "dot", "accent", "accent_text"),
                                      ("arrow", "arrow_right", "window", "text"),
                                      ("activearrow", "arrow_right", "accent", "accent_text")):
        (rect,) = atlas.strip(16, 16, 1)
        paint.box(atlas.image, rect, p[back])
        glyphs.draw(atlas.image, rect, glyph, p[colour], 14)
        marks[name] = rect
    size, style = fonts["menu"]
    return [("hint", ""), ("activepictureindex", index), ("skinrect", normal), ("activeskinrect", hot),
            ("dividerrect", divider), ("dividerleftoffset", 4), ("dividerrightoffset", 4),
            ("itemleftoffset", 4), ("itemrightoffset", 4), ("fontname", FONT), ("fontheight", size),
            ("fontstyle", style), ("unenabledfontcolor", ini_value(p["disabled_text"])),
            ("fontcolor", ini_value(p["text"])), ("activefontcolor", ini_value(p["accent_text"])),
            ("textrect", (26, 0, width - 20, height)), ("stretcheffect", False), ("dividerstretcheffect", False),
            ("imagerect", (4, 3, 20, 19)), ("checkimagerect", marks["check"]),
            ("activecheckimagerect", marks["activecheck"]), ("radioimagerect", marks["radio"]),
            ("activeradioimagerect", marks["activeradio"]), ("arrowimagerect", marks["arrow"]),
            ("activearrowimagerect", marks["activearrow"])]


# ---- the main window's fixed face -----------------------------------------------------

STATES = ("hot", "down", "disabled")


def _main_button(p, img, button, state):
    """One command button of the main face: a tool button (glyph over its label), a small
    glyph button or the accent button, in one state."""
    rect = tuple(button["rect"])
    kind = button.get("style", "tool")
    w, h = _size(rect)
    fills = {"normal": None, "hot": p["hot_fill"], "down": p["pressed_fill"], "disabled": None}
    if kind == "accent":
        fill = {"normal": (p["accent"], p["accent_dark"]), "hot": (p["accent_hot"], p["accent"]),
                "down": (p["accent_dark"], p["accent_dark"]), "disabled": (p["surface_alt"], p["surface_alt"])}[state]
        paint.box(img, rect, fill, p["accent_dark"] if state != "disabled" else p["border"], 5)
        colour = p["accent_text"] if state != "disabled" else p["disabled_text"]
    else:
        if fills[state] is not None:
            paint.box(img, rect, fills[state], p["accent"] if state == "hot" else p["accent_dark"], 4)
        elif kind == "small":
            paint.box(img, rect, (p["window"], p["surface_alt"]), p["border"], 4)
        colour = p["disabled_text"] if state == "disabled" else p["text"]
    glyph_colour = colour if state == "disabled" or kind == "accent" else p["accent_dark"]
    label = button.get("label", "")
    if kind == "tool":
        glyphs.draw(img, (rect[0], rect[1] + 3, rect[2], rect[1] + 27), button["glyph"], glyph_colour, 22)
        paint.text(img, (rect[0], rect[1] + 28, rect[2], rect[3] - 2), label, colour, 12)
    elif label:
        gx = rect[0] + 10
        glyphs.draw(img, (gx, rect[1], gx + 18, rect[3]), button["glyph"], glyph_colour, 16)
        paint.text(img, (gx + 20, rect[1], rect[2] - 6, rect[3]), label, colour, 14 if kind == "accent" else 12,
                   "bold" if kind == "accent" else "regular", align="left")
    else:
        glyphs.draw(img, rect, button["glyph"], glyph_colour, button.get("glyph_size", 16))


def main_face(p, desc, state="normal"):
    """The whole main-window face with every command button in `state`."""
    width, height = desc["size"]
    img = Image.new("RGB", (width, height), p["frame"])
    paint.box(img, (0, 0, width, height), p["frame"], p["frame_edge"])
    cap = desc["caption_height"]
    img.paste(caption_band(p, width - 2, cap - 1, True), (1, 1))
    paint.hline(img, 1, width - 1, cap - 1, p["frame_edge"])
    for card in desc["cards"]:
        paint.box(img, tuple(card["rect"]), p[card.get("fill", "surface")], p["border"], 6)
    for field in desc["fields"]:
        paint.box(img, tuple(field["rect"]), p[field.get("fill", "window")], p[field.get("outline", "border_dark")],
                  field.get("radius", 0))
    for label in desc["texts"]:
        paint.text(img, tuple(label["rect"]), label["text"], p[label.get("colour", "text_muted")],
                   label.get("size", 12), label.get("weight", "regular"), label.get("align", "left"))
    for button in desc["buttons"]:
        _main_button(p, img, button, state)
    for button in desc["caption_buttons"]:
        glyphs.draw(img, tuple(button["rect"]), button["glyph"], p["frame_text"], button.get("glyph_size", 12))
    return img


def main_objects(p, desc, states_index):
    """The command buttons of the main face: the normal face in the form picture, the hot,
    pressed and disabled faces at the same place in the bands of the state picture."""
    height = desc["size"][1]
    objects = []
    for button in desc["buttons"]:
        rect = tuple(button["rect"])
        objects.append((button["name"], "button",
                        [("hint", button["hint"]), ("activepictureindex", states_index), ("skinrect", rect),
                         ("activeskinrect", rect), ("downrect", _offset(rect, 0, height)),
                         ("disableskinrsect", _offset(rect, 0, 2 * height)), ("groupindex", -1)]))
    return objects


def main_states(p, desc):
    """The hot, pressed and disabled copies of the face, one band each, top to bottom."""
    width, height = desc["size"]
    img = Image.new("RGB", (width, height * len(STATES)))
    for i, state in enumerate(STATES):
        img.paste(main_face(p, desc, state), (0, i * height))
    return img


def caption_bands(p, width, caption_height):
    """The active and inactive caption bands (below the frame's 1-px edge)."""
    return {"active": caption_band(p, width, caption_height - 1, True),
            "inactive": caption_band(p, width, caption_height - 1, False)}


def main_mask(face):
    return paint.mask(tuple(face["size"]), face["radius"])
