#!/usr/bin/env python3
"""Checks the shipped skin folder from outside the program:

  - every category icon the environment names reads, with python3-png, as a 36 x 13
    8-bit RGBA picture;
  - generating the folder again gives the same files, byte for byte.

    check_shipped_files.py DATA_FOLDER SHIPPED_SKIN_FOLDER
"""
import configparser
import filecmp
import os
import subprocess
import sys
import tempfile

import png

CATEGORIES = ("AVI", "WMV", "REAL", "MP4", "MPEG", "MOV", "3GP", "FLV", "MP3", "WMA", "WAV", "OGG", "RA", "AAC",
              "APE", "MPC", "FLAC")


def environment(data):
    parser = configparser.ConfigParser(interpolation=None)
    with open(os.path.join(data, "env", "ZediruVeze.ini"), encoding="latin-1") as stream:
        parser.read_file(stream)
    return parser["Environment"]


def check_icons(env, shipped):
    faults = []
    width, height = int(env["MainFormProfileListIconWidth"]), int(env["MainFormProfileListIconHeight"])
    for word in CATEGORIES:
        name = env[f"MainForm{word}IconFile"]
        w, h, _, info = png.Reader(filename=os.path.join(shipped, name)).read()
        shape = (w, h, info["planes"], info["bitdepth"], info["alpha"], info["greyscale"])
        if shape != (width, height, 4, 8, True, False):
            faults.append(f"{name}: {w} x {h}, {info['planes']} planes of {info['bitdepth']} bits, "
                          f"alpha {info['alpha']}, grey {info['greyscale']}")
    return faults


def check_reproducible(data, shipped):
    with tempfile.TemporaryDirectory() as again:
        subprocess.run([sys.executable, os.path.join(data, "skins", "generate_skins.py"), os.path.join(data, "skins"),
                        os.path.join(data, "env", "ZediruVeze.ini"), again], check=True,
                       env=dict(os.environ, PYTHONDONTWRITEBYTECODE="1"))
        names = sorted(os.listdir(shipped))
        if names != sorted(os.listdir(again)):
            return [f"the files differ: shipped {names}, generated {sorted(os.listdir(again))}"]
        return [f"{name} differs when generated again" for name in names
                if not filecmp.cmp(os.path.join(shipped, name), os.path.join(again, name), shallow=False)]


def main(argv):
    data, shipped = argv[1:3]
    env = environment(data)
    faults = check_icons(env, shipped) + check_reproducible(data, shipped)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
