#!/usr/bin/env python3
"""Writes a form in the text form format with a JPEG picture put into one of
its TImage objects.

  add_form_picture.py --form FORM --object NAME --picture FILE.jpg --out OUT

The picture is one the build draws, so the form in the source tree holds the
image without it and this adds, as the object's first property, its
"Picture.Data": the graphic class's name (a length byte and "TJPEGImage"),
then the JPEG file's length (4 bytes, little-endian) and its bytes.
"""
import argparse
import os
import re
import sys


def hex_block(data, indent):
    lines = [indent + "  " + data[i:i + 32].hex().upper() for i in range(0, len(data), 32)]
    return "{\n" + "\n".join(lines) + "}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--form", required=True)
    parser.add_argument("--object", required=True)
    parser.add_argument("--picture", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    with open(args.form, encoding="utf-8") as f:
        lines = f.read().splitlines()
    with open(args.picture, "rb") as f:
        jpeg = f.read()
    name = b"TJPEGImage"
    data = bytes([len(name)]) + name + len(jpeg).to_bytes(4, "little") + jpeg

    header = re.compile(r"^(\s*)object\s+" + re.escape(args.object) + r"\s*:\s*TImage\s*$")
    out = []
    found = False
    for line in lines:
        out.append(line)
        m = header.match(line)
        if m and not found:
            indent = m.group(1) + "  "
            out.append(indent + "Picture.Data = " + hex_block(data, indent))
            found = True
    if not found:
        sys.stderr.write("%s: no TImage object named %s\n" % (args.form, args.object))
        return 1

    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    temporary = "%s.%d.tmp" % (args.out, os.getpid())
    with open(temporary, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")
    os.replace(temporary, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
