#!/usr/bin/env python3
"""Generates the shipped skin folder: "Skin.ini" (dialogs), "MainSkin.ini" (main window),
their 24-bit BMP pictures, and the pictures the environment file names.

    generate_skins.py SOURCE_FOLDER ENVIRONMENT_FILE OUTPUT_FOLDER

Everything is drawn by code from the TOML descriptions in SOURCE_FOLDER; the same sources
give byte-identical files."""
import os
import sys
import tomllib

from skingen import frames, looks
from skingen import envpictures as env_pictures
from skingen.atlas import Atlas
from skingen.colours import Palette, contrast, ini_value
from skingen.inifile import SkinIni

AUTHOR = "Quorin Software"


def load(folder, name):
    with open(os.path.join(folder, name), "rb") as stream:
        return tomllib.load(stream)


def check_contrast(palette, pairs):
    for text, background in pairs:
        ratio = contrast(palette[text], palette[background])
        if ratio < env_pictures.MIN_CONTRAST:
            raise ValueError(f"text colour '{text}' on '{background}' has contrast {ratio:.2f}")


def fonts_of(table):
    return {role: (size, style) for role, (size, style) in table.items()}


class SkinWriter:
    """Collects one skin's pictures and sections and writes them."""

    def __init__(self, desc, palette, fonts):
        self.desc = desc
        self.p = palette
        self.fonts = fonts
        self.prefix = desc["skin"]["prefix"]
        self.ini = SkinIni()
        self.form_pictures = {}  # key -> (file name, image)
        self.active = []  # (file name, image) in index order
        self.objects = []  # (name, type word, keys)
        self.controls = []
        self.areas = []

    def file(self, part):
        return f"{self.prefix}{part}.bmp"

    def add_active(self, part, image=None):
        self.active.append([self.file(part), image])
        return len(self.active) - 1

    def atlas(self, part, width=512):
        index = self.add_active(part)
        atlas = Atlas(self.file(part), width, self.p["surface"], index)
        return atlas

    def finish_atlas(self, atlas):
        self.active[atlas.index][1] = atlas.picture()

    def popup_and_hint(self):
        popup, popup_mask, popup_keys = frames.popup_window(self.p)
        hint, hint_mask, hint_keys = frames.hint_window(self.p, self.fonts)
        indices = [self.add_active(part, image) for part, image in
                   (("Popup", popup), ("PopupMask", popup_mask), ("Hint", hint), ("HintMask", hint_mask))]
        self.ini.put_all("POPUPWINDOW", [("windowpictureindex", indices[0]), ("maskpictureindex", indices[1])]
                         + popup_keys)
        self.ini.put_all("HINTWINDOW", [("windowpictureindex", indices[2]), ("maskpictureindex", indices[3])]
                         + hint_keys)

    def control_looks(self, atlas):
        ctx = looks.Context(self.p, self.fonts, atlas, atlas.index)
        for desc in self.desc["looks"]:
            self.controls.append((desc["name"], desc["kind"], looks.render(ctx, desc)))

    def skin_colours(self):
        p = self.p
        for key, name in (("cbtnface", "surface"), ("cbtntext", "text"), ("cwindow", "window"),
                          ("cwindowtext", "text"), ("chighlight", "accent"), ("chighlighttext", "accent_text"),
                          ("cbtnhighlight", "window"), ("cbtnshadow", "border_dark"), ("c3dlight", "surface_alt"),
                          ("c3ddkshadow", "frame")):
            self.ini.put("SKINCOLORS", key, ini_value(p[name]))

    def write(self, folder, form_info):
        skin = self.desc["skin"]
        ini = SkinIni()
        ini.put_all("VERSION", [("skinname", skin["name"]), ("skinauthor", AUTHOR), ("authoremail", ""),
                                ("authorurl", ""), ("skincomments", skin["comments"])])
        names = {key: name for key, (name, _) in self.form_pictures.items()}
        ini.put_all("PICTURES", [(key, names.get(key, "")) for key in
                                 ("picture", "inactivepicture", "mask", "rolluppicture", "rollupmask")])
        ini.numbered("PICTURES", "activepictures", [name for name, _ in self.active])
        ini.put_all("FORMINFO", form_info)
        for section in ("POPUPWINDOW", "HINTWINDOW", "SKINCOLORS"):
            ini.put_all(section, self.ini.section(section))
        ini.entries("SKINAREAS", [f"{name}:{','.join(str(v) for v in rect)}" for name, rect in self.areas])
        ini.entries("SKINOBJECTS", [f"{name}:{word}" for name, word, _ in self.objects])
        ini.entries("SKINCONTROLS", [f"{name}:{word}" for name, word, _ in self.controls])
        for name, _, keys in self.objects + self.controls:
            ini.put_all(name, keys)
        with open(os.path.join(folder, skin["ini"]), "w", encoding="latin-1", newline="") as stream:
            stream.write(ini.text())
        for name, image in list(self.form_pictures.values()) + self.active:
            image.save(os.path.join(folder, name), "BMP")


def build_dialog_skin(desc, palette, fonts, folder):
    w = SkinWriter(desc, palette, fonts)
    frame = desc["frame"]
    active, inactive, mask, form_info = frames.dialog_frame(palette, frame, fonts)
    w.form_pictures = {"picture": (w.file("Frame"), active), "inactivepicture": (w.file("FrameInactive"), inactive),
                       "mask": (w.file("FrameMask"), mask)}
    controls = w.atlas("Controls")
    w.control_looks(controls)
    w.objects.append(("menuitem", "menuitem", frames.menu_item(palette, fonts, controls, controls.index)))
    w.finish_atlas(controls)
    parts = w.atlas("Caption", width=frame["size"][0] + 8)
    bands = frames.caption_bands(palette, frame["size"][0], frame["caption_height"])
    w.objects = frames.caption_objects(palette, fonts, desc, bands, parts, True,
                                       active.crop(tuple(desc["caption"]["rect"]))) + w.objects
    w.finish_atlas(parts)
    w.popup_and_hint()
    w.skin_colours()
    w.write(folder, form_info)


def build_main_skin(desc, palette, fonts, folder):
    w = SkinWriter(desc, palette, fonts)
    face = desc["face"] | desc
    width, height = face["size"]
    w.form_pictures = {"picture": (w.file("Face"), frames.main_face(palette, face)),
                       "mask": (w.file("Mask"), frames.main_mask(face))}
    states = w.add_active("States", frames.main_states(palette, face))
    controls = w.atlas("Controls")
    w.control_looks(controls)
    menu = frames.menu_item(palette, fonts, controls, controls.index)
    caption_objects = frames.caption_objects(palette, fonts, desc, frames.caption_bands(palette, width,
                                                                                        face["caption_height"]),
                                             controls, False)
    w.finish_atlas(controls)
    w.objects = caption_objects + frames.main_objects(palette, face, states) + [("menuitem", "menuitem", menu)]
    w.areas = [(name, tuple(rect)) for name, rect in desc["areas"].items()]
    w.popup_and_hint()
    w.skin_colours()
    # A fixed face: all corner points at 0,0, so the window keeps the picture's size.
    corner = (0, 0)
    form_info = [("lefttoppoint", corner), ("righttoppoint", corner), ("leftbottompoint", corner),
                 ("rightbottompoint", corner), ("clientrect", (0, 0, width, height)),
                 ("captionrect", tuple(desc["caption"]["rect"])),
                 ("buttonsrect", (desc["caption_buttons"][1]["rect"][0], 6, width - 8, 26)),
                 ("buttonsoffset", 4), ("borderwidth", 0)]
    w.write(folder, form_info)


def build_environment_pictures(source, env_file, palette, folder):
    desc = load(source, "environment.toml")
    env = env_pictures.read_environment(env_file)
    labels = desc.get("icon_labels", {})
    icon = env_pictures.ico_bytes([env_pictures.app_icon_image(palette, size) for size in (16, 32)])
    with open(os.path.join(folder, env["ApplicationIcon"]), "wb") as stream:
        stream.write(icon)
    env_pictures.cover(palette, env, desc["cover"]).save(
        os.path.join(folder, env["CoverFormBackgroundFile"]), "JPEG", quality=92)
    main = load(source, "MainSkin.toml")
    area = main["areas"]["FileList"]
    env_pictures.list_background(palette, (area[2] - area[0], area[3] - area[1]), desc["list_background"]).save(
        os.path.join(folder, env["MainFormFileListBackgroundFile"]), "JPEG", quality=92)
    for name, picture in env_pictures.category_icons(palette, env, labels):
        picture.save(os.path.join(folder, name), "PNG")
    env_pictures.icons_background(palette, env, labels).save(
        os.path.join(folder, env["OutputSettingsIconsBackgroundFile"]), "PNG")


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    source, env_file, folder = argv[1:]
    os.makedirs(folder, exist_ok=True)
    shared = load(source, "palette.toml")
    palette = Palette(shared["colours"])
    check_contrast(palette, shared["contrast"]["pairs"])
    fonts = fonts_of(shared["fonts"])
    build_dialog_skin(load(source, "Skin.toml"), palette, fonts, folder)
    build_main_skin(load(source, "MainSkin.toml"), palette, fonts, folder)
    build_environment_pictures(source, env_file, palette, folder)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
