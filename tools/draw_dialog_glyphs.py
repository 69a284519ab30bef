#!/usr/bin/env python3
"""Writes a file dialog's form with the pictures of its tool buttons put in.

  draw_dialog_glyphs.py --form FORM --out OUT [--bmp-dir DIR]

The dialogs' speed buttons (up one level, new folder and the four views)
show 16x16 pictures drawn here. Each TSpeedButton of the form named below
gets, as its first property, its "Glyph.Data": the BMP file's length (4
bytes, little-endian) and the file. The lower-left pixel (olive) is the
transparent colour. --bmp-dir also writes the pictures as .bmp files, to
look at them.
"""
import argparse
import os
import re
import struct
import sys

# .: olive (transparent), K: black, O: folder outline, Y: folder, W: folder
# highlight, R: spark, B: icon frame, L: icon face, D: column header.
COLOURS = {".": (128, 128, 0), "K": (0, 0, 0), "O": (112, 80, 0), "Y": (248, 208, 72), "W": (255, 240, 176),
           "R": (232, 96, 0), "B": (0, 64, 168), "L": (168, 208, 255), "D": (96, 96, 96)}

UP_ONE_LEVEL = """
..........K.....
.........KKK....
........KKKKK...
.......KKKKKKK..
..........K.....
..........K.....
.OOOO.....K.....
OYYYYO....K.....
OWWWWWOOOOKOOOO.
OWYYYYYYYYKYYYO.
OWYYYYYYYYKYYYO.
OWYYYYYYYYYYYYO.
OWYYYYYYYYYYYYO.
OWYYYYYYYYYYYYO.
OOOOOOOOOOOOOOO.
................
"""

NEW_FOLDER = """
...........R....
.........R.R.R..
..........RRR...
.........RRRRR..
..........RRR...
.........R.R.R..
.OOOO......R....
OYYYYO..........
OWWWWWOOOOOOOOO.
OWYYYYYYYYYYYYO.
OWYYYYYYYYYYYYO.
OWYYYYYYYYYYYYO.
OWYYYYYYYYYYYYO.
OWYYYYYYYYYYYYO.
OOOOOOOOOOOOOOO.
................
"""

LARGE_ICONS = """
.BBBBBB..BBBBBB.
.BLLLLB..BLLLLB.
.BLLLLB..BLLLLB.
.BLLLLB..BLLLLB.
.BLLLLB..BLLLLB.
.BBBBBB..BBBBBB.
................
..KKKK....KKKK..
................
.BBBBBB..BBBBBB.
.BLLLLB..BLLLLB.
.BLLLLB..BLLLLB.
.BLLLLB..BLLLLB.
.BBBBBB..BBBBBB.
................
..KKKK....KKKK..
"""

SMALL_ICONS = """
................
................
BBB......BBB....
BLB.KKK..BLB.KKK
BBB......BBB....
................
................
BBB......BBB....
BLB.KKK..BLB.KKK
BBB......BBB....
................
................
BBB......BBB....
BLB.KKK..BLB.KKK
BBB......BBB....
................
"""

LIST = """
BBB.............
BLB.KKKKKKK.....
BBB.............
................
BBB.............
BLB.KKKKKKKKK...
BBB.............
................
BBB.............
BLB.KKKKKK......
BBB.............
................
BBB.............
BLB.KKKKKKKK....
BBB.............
................
"""

DETAILS = """
DDDDDDD.DDDD.DDD
DDDDDDD.DDDD.DDD
................
BBB.............
BLB.KKK.KKK..KK.
BBB.............
................
BBB.............
BLB.KKK.KKKK.KK.
BBB.............
................
BBB.............
BLB.KK..KKK..KK.
BBB.............
................
................
"""

# The buttons' names in the dialogs' forms and their pictures.
GLYPHS = {"UpOneLevelBtn": UP_ONE_LEVEL, "btnNewFolder": NEW_FOLDER, "LargeIconsBtn": LARGE_ICONS,
          "SmallIconsBtn": SMALL_ICONS, "ListBtn": LIST, "DetailsBtn": DETAILS}


def bmp_file(art):
    rows = art.strip("\n").split("\n")
    w, h = len(rows[0]), len(rows)
    if any(len(row) != w for row in rows):
        raise ValueError("rows of unequal length")
    stride = (w * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):
        line = b"".join(bytes((COLOURS[c][2], COLOURS[c][1], COLOURS[c][0])) for c in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)) + header + pixels


def hex_block(data, indent):
    lines = [indent + "  " + data[i:i + 32].hex().upper() for i in range(0, len(data), 32)]
    return "{\n" + "\n".join(lines) + "}"


def write_atomically(path, data):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    temporary = "%s.%d.tmp" % (path, os.getpid())
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--form", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--bmp-dir")
    args = parser.parse_args()

    with open(args.form, encoding="utf-8") as f:
        lines = f.read().splitlines()
    header = re.compile(r"^(\s*)object\s+(\w+)\s*:\s*TSpeedButton\s*$")
    out = []
    found = 0
    for line in lines:
        out.append(line)
        m = header.match(line)
        if m and m.group(2) in GLYPHS:
            bmp = bmp_file(GLYPHS[m.group(2)])
            out.append(m.group(1) + "  Glyph.Data = " + hex_block(len(bmp).to_bytes(4, "little") + bmp, m.group(1) + "  "))
            found += 1
    if found == 0:
        sys.stderr.write("%s: no speed button with a picture here\n" % args.form)
        return 1
    write_atomically(args.out, ("\n".join(out) + "\n").encode("utf-8"))
    if args.bmp_dir:
        for name, art in GLYPHS.items():
            write_atomically(os.path.join(args.bmp_dir, name + ".bmp"), bmp_file(art))
    return 0


if __name__ == "__main__":
    sys.exit(main())
