"""Control looks: each style draws its faces into the skin's control picture and answers
the look's keys in the order the look kind reads them. Rectangles marked "face" are
relative to the look's "skinrect"; the others lie in the control picture."""
from . import glyphs, paint
from .colours import ini_value

FONT = "Arial"


class Context:
    """What every style needs: the palette, fonts, the control picture and its index."""

    def __init__(self, palette, fonts, atlas, picture_index):
        self.p = palette
        self.fonts = fonts
        self.atlas = atlas
        self.index = picture_index

    def colour(self, name):
        return ini_value(self.p[name])

    def font_keys(self, role="control", colour="text", prefix=""):
        size, style = self.fonts[role]
        return [(prefix + "fontname", FONT), (prefix + "fontheight", size), (prefix + "fontstyle", style),
                (prefix + "fontcolor", self.colour(colour))]


def _offset(rect, dx, dy):
    return (rect[0] + dx, rect[1] + dy, rect[2] + dx, rect[3] + dy)


def _size(desc, default):
    return tuple(desc.get("size", default))


def nine_part(width, height, corner, client=None, right=None, top=None, stretch=False):
    """Corner points and client rectangle of a face cut `corner` pixels from each side (the
    right cut at `right`, the top cut at `top` when given). With `stretch` the side pieces
    and the client part stretch instead of tiling: faces with a vertical gradient or a
    button at their right end."""
    right = width - corner if right is None else right
    top = corner if top is None else top
    keys = [("lefttoppoint", (corner, top)), ("righttoppoint", (right, top)),
            ("leftbottompoint", (corner, height - corner)), ("rightbottompoint", (right, height - corner)),
            ("clientrect", client or (corner, top, width - corner, height - corner))]
    if stretch:
        keys += [("leftstretch", True), ("rightstretch", True), ("stretcheffect", True)]
    return keys


def _base(ctx, skinrect):
    return [("pictureindex", ctx.index), ("skinrect", skinrect)]


# ---- faces -------------------------------------------------------------------------

def button_face(ctx, rect, state, shape="push", radius=3):
    """A push, flat or header button face in one state (normal, hot, down, disabled,
    focused)."""
    p = ctx.p
    img = ctx.atlas.image
    if shape == "header":
        fills = {"normal": (p["window"], p["surface_alt"]), "hot": (p["hot_fill"], p["hot_fill"]),
                 "down": (p["pressed_fill"], p["pressed_fill"]), "disabled": (p["surface"], p["surface"]),
                 "focused": (p["window"], p["surface_alt"])}
        paint.box(img, rect, fills[state])
        paint.hline(img, rect[0], rect[2], rect[3] - 1, p["border"])
        paint.vline(img, rect[2] - 1, rect[1] + 3, rect[3] - 3, p["border"])
        return
    if shape == "flat" and state in ("normal", "disabled"):
        paint.box(img, rect, p["surface"])
        return
    fills = {"normal": (p["window"], p["surface_alt"]), "hot": (p["window"], p["hot_fill"]),
             "down": (p["pressed_fill"], p["pressed_fill"]), "disabled": (p["surface"], p["surface"]),
             "focused": (p["window"], p["surface_alt"])}
    outlines = {"normal": p["border_dark"], "hot": p["accent"], "down": p["accent_dark"],
                "disabled": p["border"], "focused": p["accent"]}
    paint.box(img, rect, p["surface"])
    paint.box(img, rect, fills[state], outlines[state], radius)
    if state == "focused":
        paint.box(img, _inset(rect, 1), fills[state], p["accent"], max(radius - 1, 0))
        paint.box(img, _inset(rect, 2), fills[state], None, max(radius - 2, 0))


def field_face(ctx, rect, state, radius=2, fill="window"):
    """An entry field: a white box with a 1-px border, the accent border when hot or
    focused, a grey box when disabled."""
    p = ctx.p
    outline = {"normal": p["border_dark"], "hot": p["accent"], "disabled": p["border"]}[state]
    inside = p["surface"] if state == "disabled" else p[fill]
    paint.box(ctx.atlas.image, rect, p["surface"])
    paint.box(ctx.atlas.image, rect, inside, outline, radius)


def _inset(rect, n):
    return (rect[0] + n, rect[1] + n, rect[2] - n, rect[3] - n)


def arrow_button(ctx, rect, state, glyph, shape="push"):
    button_face(ctx, rect, state, shape, radius=2)
    colour = ctx.p["disabled_text"] if state == "disabled" else ctx.p["text_muted"]
    if state in ("hot", "down"):
        colour = ctx.p["accent_dark"]
    glyphs.draw(ctx.atlas.image, rect, glyph, colour, size=min(12, rect[3] - rect[1] - 2))


def hot_and_down(ctx, width, height, named_glyphs, shape="push"):
    """Hot and pressed pictures of arrow buttons: name -> (hot, pressed) rectangles."""
    pictures = {}
    for name, glyph in named_glyphs:
        hot, down = ctx.atlas.strip(width, height, 2)
        arrow_button(ctx, hot, "hot", glyph, shape)
        arrow_button(ctx, down, "down", glyph, shape)
        pictures[name] = (hot, down)
    return pictures


# ---- styles ------------------------------------------------------------------------

def style_button(ctx, desc):
    """Button looks: push buttons, flat tool buttons and header sections."""
    width, height = _size(desc, (75, 25))
    shape = desc.get("shape", "push")
    states = ["normal", "hot", "down", "disabled", "focused"]
    rects = dict(zip(states, ctx.atlas.strip(width, height, len(states))))
    for state, rect in rects.items():
        button_face(ctx, rect, state, shape)
    corner = 1 if shape == "header" else 4
    keys = _base(ctx, rects["normal"]) + nine_part(width, height, corner, stretch=True)
    keys += ctx.font_keys()
    keys += [("activefontcolor", ctx.colour("text")), ("downfontcolor", ctx.colour("text")),
             ("disabledfontcolor", ctx.colour("disabled_text")), ("activeskinrect", rects["hot"]),
             ("downskinrect", rects["down"]), ("disabledskinrect", rects["disabled"]),
             ("focusedskinrect", rects["focused"] if shape != "header" else rects["hot"]),
             ("showfocus", False)]
    if desc.get("track"):
        keys.append(("trackbuttonrect", (width - 15, 0, width, height)))
        for rect in (rects["hot"], rects["down"], rects["focused"]):
            paint.vline(ctx.atlas.image, rect[2] - 15, rect[1] + 4, rect[3] - 4, ctx.p["border"])
    return keys


def style_field(ctx, desc):
    """Edit and memo looks, optionally with a button at the right end."""
    width, height = _size(desc, (80, 21))
    normal, hot = ctx.atlas.strip(width, height, 2)
    field_face(ctx, normal, "normal")
    field_face(ctx, hot, "hot")
    button = desc.get("button")
    if button:
        keys = _base(ctx, normal) + nine_part(width, height, 3, (3, 3, width - 21, height - 3), right=width - 21,
                                              stretch=True)
    else:
        keys = _base(ctx, normal) + nine_part(width, height, 3)
    keys += [("activeskinrect", hot)] + ctx.font_keys()
    keys += [("disabledfontcolor", ctx.colour("disabled_text")), ("activefontcolor", ctx.colour("text"))]
    if button:
        place = (width - 19, 2, width - 2, height - 2)
        bw, bh = place[2] - place[0], place[3] - place[1]
        hot_b, down_b, off_b = ctx.atlas.strip(bw, bh, 3)
        for rect, state in ((hot_b, "hot"), (down_b, "down"), (off_b, "disabled")):
            arrow_button(ctx, rect, state, button, "header")
        for face in (normal, hot):
            arrow_button(ctx, _offset(place, face[0], face[1]), "normal", button, "header")
        keys += [("buttonrect", place), ("activebuttonrect", hot_b), ("downbuttonrect", down_b),
                 ("unenabledbuttonrect", off_b)]
    if desc.get("memo"):
        keys += [("bgcolor", ctx.colour("window")), ("activebgcolor", ctx.colour("window"))]
    return keys


def _button_pair(ctx, width, height, vertical, first_glyph, second_glyph):
    """Two buttons: places of the first (up or left) and second on a face, and their
    hot and pressed pictures."""
    if vertical:
        first = (0, 0, width, height // 2)
        second = (0, height // 2, width, height)
    else:
        first = (0, 0, width // 2, height)
        second = (width // 2, 0, width, height)
    pictures = hot_and_down(ctx, first[2] - first[0], first[3] - first[1],
                            (("first", first_glyph), ("second", second_glyph)))
    return first, second, pictures


def style_updown(ctx, desc):
    """Up-down pairs: the button that raises the value is the upper (vertical) or the
    right one (horizontal)."""
    vertical = desc.get("vertical", False)
    width, height = _size(desc, (16, 22) if vertical else (32, 16))
    (face,) = ctx.atlas.strip(width, height, 1)
    up_glyph, down_glyph = ("arrow_up", "arrow_down") if vertical else ("arrow_right", "arrow_left")
    if vertical:
        up, down, pics = _button_pair(ctx, width, height, True, up_glyph, down_glyph)
        up_pics, down_pics = pics["first"], pics["second"]
    else:
        down, up, pics = _button_pair(ctx, width, height, False, down_glyph, up_glyph)
        down_pics, up_pics = pics["first"], pics["second"]
    for place, glyph in ((up, up_glyph), (down, down_glyph)):
        arrow_button(ctx, _offset(place, face[0], face[1]), "normal", glyph)
    return _base(ctx, face) + [("upbuttonrect", up), ("activeupbuttonrect", up_pics[0]),
                               ("downupbuttonrect", up_pics[1]), ("downbuttonrect", down),
                               ("activedownbuttonrect", down_pics[0]), ("downdownbuttonrect", down_pics[1])]


def style_spinedit(ctx, desc):
    width, height = _size(desc, (80, 22))
    normal, hot = ctx.atlas.strip(width, height, 2)
    field_face(ctx, normal, "normal")
    field_face(ctx, hot, "hot")
    bw = 16
    up = (width - bw - 1, 1, width - 1, height // 2)
    down = (width - bw - 1, height // 2, width - 1, height - 1)
    pics = {}
    for name, place, glyph in (("up", up, "arrow_up"), ("down", down, "arrow_down")):
        pics.update(hot_and_down(ctx, place[2] - place[0], place[3] - place[1], ((name, glyph),), "header"))
        for face in (normal, hot):
            arrow_button(ctx, _offset(place, face[0], face[1]), "normal", glyph, "header")
    keys = _base(ctx, normal) + nine_part(width, height, 3, (3, 3, width - bw - 3, height - 3), right=width - bw - 3,
                                          stretch=True)
    keys += [("activeskinrect", hot)] + ctx.font_keys()
    keys += [("activefontcolor", ctx.colour("text")), ("disabledfontcolor", ctx.colour("disabled_text")),
             ("upbuttonrect", up), ("activeupbuttonrect", pics["up"][0]), ("downupbuttonrect", pics["up"][1]),
             ("downbuttonrect", down), ("activedownbuttonrect", pics["down"][0]),
             ("downdownbuttonrect", pics["down"][1])]
    return keys


def _items(ctx, width, height):
    """Item pictures of lists: normal, hot (mouse over) and selected."""
    normal, hot, selected = ctx.atlas.strip(width, height, 3)
    paint.box(ctx.atlas.image, normal, ctx.p["window"])
    paint.box(ctx.atlas.image, hot, ctx.p["hot_fill"])
    paint.box(ctx.atlas.image, selected, ctx.p["accent"])
    return normal, hot, selected


def style_combobox(ctx, desc):
    width, height = _size(desc, (100, 22))
    normal, hot = ctx.atlas.strip(width, height, 2)
    field_face(ctx, normal, "normal")
    field_face(ctx, hot, "hot")
    place = (width - 19, 2, width - 2, height - 2)
    bw, bh = place[2] - place[0], place[3] - place[1]
    hot_b, down_b, off_b = ctx.atlas.strip(bw, bh, 3)
    for rect, state in ((hot_b, "hot"), (down_b, "down"), (off_b, "disabled")):
        arrow_button(ctx, rect, state, "arrow_down", "header")
    for face in (normal, hot):
        arrow_button(ctx, _offset(place, face[0], face[1]), "normal", "arrow_down", "header")
    item_h = height - 6
    _, hot_item, selected = _items(ctx, 40, item_h)
    keys = _base(ctx, normal) + nine_part(width, height, 3, (3, 3, width - 21, height - 3), right=width - 21,
                                          stretch=True)
    keys += [("itemrect", (3, 3, width - 21, height - 3)), ("activeitemrect", hot_item),
             ("focusitemrect", selected), ("itemleftoffset", 2), ("itemrightoffset", 2),
             ("itemtextrect", (3, 0, 37, item_h))]
    keys += ctx.font_keys()
    keys += [("focusfontcolor", ctx.colour("accent_text")), ("activefontcolor", ctx.colour("text")),
             ("buttonrect", place), ("activebuttonrect", hot_b), ("downbuttonrect", down_b),
             ("unenabledbuttonrect", off_b), ("itemstretcheffect", True), ("focusitemstretcheffect", True),
             ("activeskinrect", hot), ("showfocus", False), ("listboxname", desc.get("listbox", "listbox"))]
    return keys


def _check_glyphs(ctx, radio):
    """Check or radio marks, 13 x 13: checked and unchecked for normal, hot and disabled
    states, and the grayed (indeterminate) mark."""
    p = ctx.p
    names = ["check", "uncheck", "activecheck", "activeuncheck", "unenabledcheck", "unenableduncheck",
             "grayedcheck", "activegrayedcheck"]
    rects = dict(zip(names, ctx.atlas.strip(13, 13, len(names))))
    radius = 6 if radio else 2
    for name, rect in rects.items():
        disabled = name.startswith("unenabled")
        hot = name.startswith("active")
        on = name.endswith("check") and not name.endswith("uncheck")
        outline = p["border"] if disabled else p["accent"] if hot else p["border_dark"]
        inside = p["surface"] if disabled else p["hot_fill"] if hot else p["window"]
        paint.box(ctx.atlas.image, rect, p["surface"])
        filled = on and not disabled and not radio and "grayed" not in name
        paint.box(ctx.atlas.image, rect, p["accent"] if filled else inside, p["accent"] if filled else outline, radius)
        mark = p["disabled_text"] if disabled else p["accent_text"] if filled else p["accent"]
        if "grayed" in name:
            glyphs.draw(ctx.atlas.image, rect, "dash", p["accent"], 13)
        elif on:
            glyphs.draw(ctx.atlas.image, rect, "dot" if radio else "check", mark, 13)
    return rects


def style_checkradio(ctx, desc):
    width, height = _size(desc, (120, 20))
    normal, hot = ctx.atlas.strip(width, height, 2)
    paint.box(ctx.atlas.image, normal, ctx.p["surface"])
    paint.box(ctx.atlas.image, hot, ctx.p["surface"])
    marks = _check_glyphs(ctx, desc.get("radio", False))
    top = (height - 13) // 2
    keys = _base(ctx, normal) + nine_part(width, height, 2, (2, 0, width - 2, height))
    keys += ctx.font_keys()
    keys += [("activefontcolor", ctx.colour("accent_dark")), ("unenabledfontcolor", ctx.colour("disabled_text")),
             ("activeskinrect", hot), ("checkimagearea", (2, top, 15, top + 13)), ("textarea", (19, 0, width, height)),
             ("checkimagerect", marks["check"]), ("uncheckimagerect", marks["uncheck"]),
             ("activecheckimagerect", marks["activecheck"]), ("activeuncheckimagerect", marks["activeuncheck"]),
             ("unenabledcheckimagerect", marks["unenabledcheck"]),
             ("unenableduncheckimagerect", marks["unenableduncheck"]),
             ("grayedcheckimagerect", marks["grayedcheck"]), ("activegrayedcheckimagerect", marks["activegrayedcheck"]),
             ("framefontcolor", ctx.colour("text"))]
    return keys


def style_stdlabel(ctx, desc):
    return ctx.font_keys() + [("activefontcolor", ctx.colour("accent_dark"))]


def style_label(ctx, desc):
    """A face with one line of text: a plain strip, a sunken status field or a menu
    header band."""
    width, height = _size(desc, (80, 20))
    (face,) = ctx.atlas.strip(width, height, 1)
    kind = desc.get("face", "plain")
    role, colour = "control", "text"
    if kind == "header":
        paint.box(ctx.atlas.image, face, (ctx.p["frame_hi"], ctx.p["frame"]))
        role, colour = "bold", "frame_text"
    elif kind == "sunken":
        paint.box(ctx.atlas.image, face, ctx.p["surface"], ctx.p["border"])
    else:
        paint.box(ctx.atlas.image, face, ctx.p["surface"])
    return _base(ctx, face) + nine_part(width, height, 2) + ctx.font_keys(role, colour)


def _grip(ctx):
    (rect,) = ctx.atlas.strip(12, 12, 1)
    paint.box(ctx.atlas.image, rect, ctx.p["surface_alt"])
    for i in range(3):
        for j in range(3 - i):
            x = rect[0] + 9 - 4 * j
            y = rect[1] + 9 - 4 * i
            paint.box(ctx.atlas.image, (x, y, x + 2, y + 2), ctx.p["border_dark"])
    return rect


def style_panel(ctx, desc):
    """Panel looks: a framed surface, a white list frame, a group frame with its caption,
    a tool strip and the status bar with its size grip."""
    width, height = _size(desc, (60, 40))
    (face,) = ctx.atlas.strip(width, height, 1)
    p, img = ctx.p, ctx.atlas.image
    kind = desc.get("face", "framed")
    corner, top, client, caption = 3, None, None, (0, 0, 0, 0)
    if kind == "list":
        paint.box(img, face, p["window"], p["border_dark"])
        corner = 1
    elif kind == "group":
        paint.box(img, face, p["surface"])
        paint.box(img, (face[0], face[1] + 8, face[2], face[3]), p["surface"], p["border"], 4)
        corner, top, client, caption = 8, 20, (6, 20, width - 6, height - 6), (8, 0, width - 8, 17)
    elif kind == "strip":
        paint.box(img, face, (p["window"], p["surface"]))
        paint.hline(img, face[0], face[2], face[3] - 1, p["border"])
        corner = 1
    elif kind == "statusbar":
        paint.box(img, face, p["surface_alt"])
        paint.hline(img, face[0], face[2], face[1], p["border"])
        corner = 2
    else:
        paint.box(img, face, p["surface"], p["border"], 3)
    keys = _base(ctx, face) + nine_part(width, height, corner, client, top=top, stretch=kind == "strip")
    keys += [("captionrect", caption), ("alignment", "taleftjustify")] + ctx.font_keys()
    if kind == "statusbar":
        keys += [("gripperrect", _grip(ctx)), ("grippertransparent", False)]
    return keys


def style_scrollbox(ctx, desc):
    width, height = _size(desc, (40, 40))
    (face,) = ctx.atlas.strip(width, height, 1)
    paint.box(ctx.atlas.image, face, ctx.p["window"], ctx.p["border_dark"])
    return _base(ctx, face) + nine_part(width, height, 1)


def style_bevel(ctx, desc):
    return [("lightcolor", ctx.colour("window")), ("darkcolor", ctx.colour("border"))]


def style_gauge(ctx, desc):
    width, height = _size(desc, (100, 18))
    face, bar = ctx.atlas.strip(width, height, 2)
    field_face(ctx, face, "normal")
    area = (2, 2, width - 2, height - 2)
    paint.box(ctx.atlas.image, bar, ctx.p["surface"])
    progress = _offset(area, bar[0], bar[1])
    paint.box(ctx.atlas.image, progress, (ctx.p["accent"], ctx.p["accent_dark"]), None, 2)
    return (_base(ctx, face) + nine_part(width, height, 3)
            + [("progressarea", area), ("progressrect", progress), ("progressstretch", False),
               ("beginoffset", 2), ("endoffset", 2)] + ctx.font_keys())


def style_trackbar(ctx, desc):
    """A horizontal track bar: a groove, its passed part in the accent colour, and a round
    thumb on magenta that is drawn transparent."""
    width, height = _size(desc, (100, 20))
    face, passed = ctx.atlas.strip(width, height, 2)
    p, img = ctx.p, ctx.atlas.image
    mid = height // 2
    for rect, groove in ((face, p["border"]), (passed, p["accent"])):
        paint.box(img, rect, p[desc.get("background", "surface")])
        paint.box(img, (rect[0] + 6, rect[1] + mid - 2, rect[2] - 6, rect[1] + mid + 2), groove, None, 2)
    thumb, hot = ctx.atlas.strip(14, 14, 2)
    for rect, outline in ((thumb, p["border_dark"]), (hot, p["accent"])):
        paint.box(img, rect, (255, 0, 255))
        paint.box(img, rect, p["window"], outline, 7)
    return (_base(ctx, face) + nine_part(width, height, 6, (6, 0, width - 6, height), stretch=True)
            + [("activeskinrect", passed), ("trackarea", (7, 0, width - 7, height)), ("buttonrect", thumb),
               ("activebuttonrect", hot), ("vertical", False), ("buttontransparent", True),
               ("buttontransparentcolor", ini_value((255, 0, 255)))])


def style_scrollbar(ctx, desc):
    """Scroll bars. The first button ("downbuttonrect") lowers the position and sits at
    the left or top; the second ("upbuttonrect") raises it, at the right or bottom. The
    corner variant leaves the square beside a vertical bar at its right end."""
    vertical = desc.get("vertical", False)
    corner_square = 17 if desc.get("corner") else 0
    thick = 17
    length = desc.get("length", 120)
    width, height = (thick, length) if vertical else (length + corner_square, thick)
    (face,) = ctx.atlas.strip(width, height, 1)
    p, img = ctx.p, ctx.atlas.image
    paint.box(img, face, p["track"])
    if vertical:
        lower, raise_ = (0, 0, thick, thick), (0, height - thick, thick, height)
        track = (0, thick, thick, height - thick)
        glyph_lower, glyph_raise = "arrow_up", "arrow_down"
        split = (0, thick, thick, height - thick)
    else:
        end = width - corner_square
        lower, raise_ = (0, 0, thick, thick), (end - thick, 0, end, thick)
        track = (thick, 0, end - thick, thick)
        glyph_lower, glyph_raise = "arrow_left", "arrow_right"
        split = track
        if corner_square:
            paint.box(img, _offset((end, 0, width, thick), face[0], face[1]), p["surface"])
    for place, glyph in ((lower, glyph_lower), (raise_, glyph_raise)):
        arrow_button(ctx, _offset(place, face[0], face[1]), "normal", glyph, "flat")
    pics = hot_and_down(ctx, thick, thick, (("lower", glyph_lower), ("raise", glyph_raise)))
    tw, th = (thick, 30) if vertical else (30, thick)
    thumbs = ctx.atlas.strip(tw, th, 3)
    for rect, colour in zip(thumbs, ("thumb", "thumb_hot", "accent")):
        paint.box(img, rect, p["track"])
        paint.box(img, _inset(rect, 3), p[colour], None, 4)
    corner = (thick, 0) if not vertical else (0, thick)
    lt = corner
    rt = (width - corner_square - thick, 0) if not vertical else (thick, thick)
    lb = (thick, thick) if not vertical else (0, height - thick)
    rb = (width - corner_square - thick, thick) if not vertical else (thick, height - thick)
    keys = _base(ctx, face) + [("lefttoppoint", lt), ("righttoppoint", rt), ("leftbottompoint", lb),
                               ("rightbottompoint", rb), ("clientrect", split)]
    keys += [("trackarea", track), ("upbuttonrect", raise_), ("activeupbuttonrect", pics["raise"][0]),
             ("downupbuttonrect", pics["raise"][1]), ("downbuttonrect", lower),
             ("activedownbuttonrect", pics["lower"][0]), ("downdownbuttonrect", pics["lower"][1]),
             ("thumbrect", thumbs[0]), ("activethumbrect", thumbs[1]), ("downthumbrect", thumbs[2]),
             ("thumboffset1", 6), ("thumboffset2", 6), ("thumbstretcheffect", False), ("thumbminsize", 0),
             ("thumbminpagesize", 0)]
    return keys


def style_listbox(ctx, desc):
    width, height = _size(desc, (80, 60))
    (face,) = ctx.atlas.strip(width, height, 1)
    paint.box(ctx.atlas.image, face, ctx.p["window"], ctx.p["border_dark"])
    item_h = desc.get("item_height", 18)
    normal, hot, selected = _items(ctx, 60, item_h)
    keys = _base(ctx, face) + nine_part(width, height, 1)
    keys += [("itemrect", normal), ("activeitemrect", selected), ("focusitemrect", selected),
             ("itemleftoffset", 2), ("itemrightoffset", 2), ("itemtextrect", (4, 0, 56, item_h))]
    keys += ctx.font_keys() + [("activefontcolor", ctx.colour("accent_text")),
                               ("focusfontcolor", ctx.colour("accent_text"))]
    keys += [("captionrect", (0, 0, 0, 0))] + ctx.font_keys(prefix="caption")
    keys += [("vscrollbarname", "vscrollbar"), ("hscrollbarname", "hscrollbar"),
             ("bothhscrollbarname", "bothhscrollbar"), ("showfocus", False)]
    if desc.get("checks"):
        marks = _check_glyphs(ctx, False)
        top = (item_h - 13) // 2
        keys += [("uncheckimagerect", marks["uncheck"]), ("checkimagerect", marks["check"]),
                 ("itemcheckrect", (3, top, 16, top + 13))]
        keys = [(k, (20, 0, 56, item_h)) if k == "itemtextrect" else (k, v) for k, v in keys]
    return keys


def style_tab(ctx, desc):
    """Tabs over a framed page; the selected tab joins the page."""
    width, height = _size(desc, (80, 50))
    (page,) = ctx.atlas.strip(width, height, 1)
    p, img = ctx.p, ctx.atlas.image
    paint.box(img, page, p["surface"], p["border_dark"])
    tw, th = desc.get("tab", (60, 22))
    normal, active, hot, focus = ctx.atlas.strip(tw, th, 4)
    fills = ((normal, (p["surface_alt"], p["surface_alt"]), p["border"]),
             (active, (p["window"], p["surface"]), p["border_dark"]),
             (hot, (p["window"], p["hot_fill"]), p["accent"]),
             (focus, (p["window"], p["surface"]), p["accent"]))
    for rect, fill, outline in fills:
        paint.box(img, rect, p["surface"])
        paint.box(img, (rect[0], rect[1], rect[2], rect[3] + 4), fill, outline, 3)
        if rect in (active, focus):
            paint.hline(img, rect[0] + 1, rect[2] - 1, rect[3] - 1, p["surface"])
        else:
            paint.hline(img, rect[0], rect[2], rect[3] - 1, p["border_dark"])
    paint.hline(img, focus[0] + 2, focus[2] - 2, focus[1], p["accent"])
    paint.hline(img, focus[0] + 2, focus[2] - 2, focus[1] + 1, p["accent"])
    keys = _base(ctx, page)
    keys += [("tabrect", normal), ("activetabrect", active), ("focustabrect", focus), ("mouseintabrect", hot),
             ("clientrect", (1, 1, width - 1, height - 1)), ("tabsbgrect", (0, 0, 0, 0)),
             ("lefttoppoint", (3, 3)), ("righttoppoint", (width - 3, 3)), ("leftbottompoint", (3, height - 3)),
             ("rightbottompoint", (width - 3, height - 3)), ("tableftoffset", 4), ("tabrightoffset", 4)]
    keys += ctx.font_keys() + [("activefontcolor", ctx.colour("text")), ("focusfontcolor", ctx.colour("text")),
                               ("mouseinfontcolor", ctx.colour("accent_dark")), ("updown", "hupdown"),
                               ("tabstretcheffect", False), ("showfocus", False)]
    return keys


def style_view(ctx, desc):
    return ctx.font_keys() + [("bgcolor", ctx.colour("window"))]


def style_grid(ctx, desc):
    p, img = ctx.p, ctx.atlas.image
    fixed, selected, focus = ctx.atlas.strip(40, 20, 3)
    paint.box(img, fixed, (p["window"], p["surface_alt"]))
    paint.hline(img, fixed[0], fixed[2], fixed[3] - 1, p["border"])
    paint.vline(img, fixed[2] - 1, fixed[1], fixed[3], p["border"])
    paint.box(img, selected, p["accent"])
    paint.box(img, focus, p["accent"], p["accent_dark"])
    keys = [("fixedcellrect", fixed), ("selectcellrect", selected), ("focuscellrect", focus),
            ("fixedcellleftoffset", 2), ("fixedcellrightoffset", 2), ("fixedcelltextrect", (4, 0, 36, 20)),
            ("cellleftoffset", 2), ("cellrightoffset", 2), ("celltextrect", (4, 0, 36, 20)),
            ("linescolor", ctx.colour("border")), ("bgcolor", ctx.colour("window"))]
    keys = [("pictureindex", ctx.index)] + keys
    keys += ctx.font_keys() + [("selectfontcolor", ctx.colour("accent_text")),
                               ("focusfontcolor", ctx.colour("accent_text"))]
    keys += ctx.font_keys(prefix="fixed") + [("fixedcellstretcheffect", True), ("cellstretcheffect", True),
                                             ("showfocus", False)]
    return keys


STYLES = {
    "button": style_button, "field": style_field, "updown": style_updown, "spinedit": style_spinedit,
    "combobox": style_combobox, "checkradio": style_checkradio, "stdlabel": style_stdlabel, "label": style_label,
    "panel": style_panel, "scrollbox": style_scrollbox, "bevel": style_bevel, "gauge": style_gauge,
    "trackbar": style_trackbar, "scrollbar": style_scrollbar, "listbox": style_listbox, "tab": style_tab,
    "view": style_view, "grid": style_grid,
}


def render(ctx, desc):
    """The keys of one control look; its faces are drawn into the control picture."""
    style = desc["style"]
    if style not in STYLES:
        raise KeyError(f"look '{desc['name']}': no style '{style}'")
    return STYLES[style](ctx, desc)
