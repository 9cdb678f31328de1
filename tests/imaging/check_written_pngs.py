#!/usr/bin/python3
"""Checks the pictures the export tests wrote into the folder given as the argument.

Each NAME.png must decode with python3-png to the samples of NAME.txt (the form
make_png_fixtures.py writes) and be accepted by pngcheck.
"""
import os
import subprocess
import sys

import png


def expected_of(path):
    expected = {"rows": [], "palette": []}
    with open(path) as f:
        for line in f:
            words = line.split()
            values = [int(w) for w in words[1:]]
            if words[0] == "row":
                expected["rows"].append(values)
            else:
                expected[words[0]] = values
    return expected


def decoded(path):
    width, height, rows, info = png.Reader(filename=path).read()
    if info.get("palette"):
        colour = 3
    else:
        colour = (0 if info["greyscale"] else 2) + (4 if info["alpha"] else 0)
    result = {"size": [width, height], "format": [colour, info["bitdepth"], 1 if info["interlace"] else 0],
              "rows": [list(row) for row in rows], "palette": []}
    if colour == 3:
        result["palette"] = [v for entry in info["palette"] for v in entry[:3]]
    return result


def main():
    folder = sys.argv[1]
    names = sorted(n[:-4] for n in os.listdir(folder) if n.endswith(".png"))
    failed = []
    for name in names:
        path = os.path.join(folder, name + ".png")
        expected = expected_of(os.path.join(folder, name + ".txt"))
        got = decoded(path)
        for key in ("size", "format", "palette", "rows"):
            if got[key] != expected[key]:
                failed.append("%s: %s differs" % (name, key))
        check = subprocess.run(["pngcheck", "-q", path], capture_output=True, text=True)
        if check.returncode != 0:
            failed.append("%s: pngcheck: %s" % (name, check.stdout.strip() or check.stderr.strip()))
    for line in failed:
        print(line)
    if not names:
        print("no pictures in", folder)
        return 1
    bad = len({line.split(":")[0] for line in failed})
    print("%d passed, %d failed" % (len(names) - bad, bad))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
