#!/usr/bin/env python3
"""Draws the slider's four built-in thumbs as 24-bit .bmp files.
Usage: draw_thumbs.py OUTDIR. The lower-left pixel (olive) is the
transparent colour."""
import os
import struct
import sys

# .: olive (transparent), W: highlight, G: grey face, D: dark shadow,
# K: black outline, B: blue face (the selected thumb).
COLOURS = {".": (128, 128, 0), "W": (255, 255, 255), "G": (192, 192, 192), "D": (128, 128, 128),
           "K": (0, 0, 0), "B": (96, 128, 224), "L": (176, 200, 255)}

HORZ = """
KKKKKKKKK
KWWWWWWDK
KWGGGGGDK
KWGDWGGDK
KWGDWGGDK
KWGDWGGDK
KWGDWGGDK
KWGDWGGDK
KWGDWGGDK
KWGGGGGDK
KWGGGGGDK
.KWGGGDK.
..KWGDK..
...KWK...
....K....
"""


def invert(art):
    return art.replace("W", "L").replace("G", "B")


def turn(art):
    """The vertical thumb: the horizontal one turned a quarter, pointing right,
    over a transparent row that gives it a transparent lower-left pixel."""
    rows = art.strip("\n").split("\n")
    turned = ["".join(rows[y][x] for y in range(len(rows))) for x in range(len(rows[0]))]
    return "\n".join(turned + ["." * len(rows)])


def write_bmp(path, art):
    rows = art.strip("\n").split("\n")
    w, h = len(rows[0]), len(rows)
    stride = (w * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):
        line = b"".join(bytes((COLOURS[c][2], COLOURS[c][1], COLOURS[c][0])) for c in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
        f.write(header + pixels)


def main():
    out = sys.argv[1]
    vert = turn(HORZ)
    for name, art in (("thumb_horz", HORZ), ("thumb_vert", vert), ("thumb_horz_invert", invert(HORZ)),
                      ("thumb_vert_invert", invert(vert))):
        write_bmp(os.path.join(out, name + ".bmp"), art)


if __name__ == "__main__":
    main()
