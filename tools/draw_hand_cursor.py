#!/usr/bin/env python3
"""Draws the styled library's hand cursor (a pointing hand) as a 32x32
monochrome .cur file. Usage: draw_hand_cursor.py OUT.cur"""
import struct
import sys

# X: black outline, o: white inside, space: transparent.
ART = """
      XX
     XooX
     XooX
     XooX
     XooX
     XooXXX
     XooXooXXX
     XooXooXooXX
  XX XooXooXooXoX
 XooXXooooooooXoX
 XoooXoooooooooooX
  XooXoooooooooooX
   XoXoooooooooooX
   XoooooooooooooX
    XooooooooooooX
    XoooooooooooX
     XooooooooooX
     XooooooooooX
      XooooooooX
      XooooooooX
      XXXXXXXXXX
"""


def main():
    rows = [line.ljust(32)[:32] for line in ART.strip("\n").split("\n")]
    rows += [" " * 32] * (32 - len(rows))
    xor_rows, and_rows = [], []
    for row in rows:
        x = a = 0
        for i, ch in enumerate(row):
            bit = 1 << (31 - i)
            if ch == " ":
                a |= bit  # keep the screen
            elif ch == "o":
                x |= bit  # white
        xor_rows.append(struct.pack(">I", x))
        and_rows.append(struct.pack(">I", a))
    # Bitmaps are stored bottom-up.
    image = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    image += struct.pack("<II", 0x000000, 0xFFFFFF)
    image += b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    hot_x, hot_y = 7, 0  # the fingertip
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    with open(sys.argv[1], "wb") as f:
        f.write(header + entry + image)


if __name__ == "__main__":
    main()
