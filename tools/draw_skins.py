#!/usr/bin/env python3
"""Draws the drum machine's pictures and writes its built-in skins.

Usage:
  draw_skins.py OUTDIR      draws everything below OUTDIR
  draw_skins.py --list      prints the files it writes, relative to OUTDIR

Below OUTDIR:
  skins/         the step-cell faces, play-button faces, slider thumbs and
                 backgrounds, and the three built-in skin files (.skn); the
                 build copies this folder into the program folder's "skins"
  resource2.txt  the main window's bitmap list in item order, as the manifest
                 the container-file writer (tools/stycont) reads: one line
                 "<path> ident=<n> [compressed]" per item, the path relative
                 to OUTDIR; the two backgrounds are stored compressed
  icons/         the two programs' icons and the tips dialog's picture
  about/         the about boxes' pictures as PPM files, which the build turns
                 into JPEG pictures

Every picture is drawn here from a few shapes, gradients and a seeded noise,
so the output is the same on every build. Sizes:
  step-cell faces 15 x 11 (7 x 11 for the 32nd-note rows); the "btn3" faces
  are also the slider thumbs, which must fit the 11-pixel track faders;
  play-button faces 48 x 24; backgrounds 620 x 460 (main) and 620 x 384
  (tracks); the blank picture 16 x 16.
The transparent colour of a face or thumb is its lower-left pixel, so every
face keeps its corners in one key colour that its body never uses.
"""
import math
import os
import random
import struct
import sys

# ---------------------------------------------------------------- colours


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hexrgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def clamp8(v):
    return max(0, min(255, int(round(v))))


# ---------------------------------------------------------------- canvas


class Canvas:
    """An RGB picture of floats 0..255, rows top-down."""

    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width = width
        self.height = height
        self.px = [[tuple(map(float, colour)) for _ in range(width)] for _ in range(height)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        self.px[y][x] = mix(self.px[y][x], colour, min(1.0, alpha))

    def vertical_gradient(self, stops):
        """stops: [(position 0..1, colour), ...] in order."""
        for y in range(self.height):
            t = y / max(1, self.height - 1)
            colour = stops[-1][1]
            for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
                if p0 <= t <= p1:
                    colour = mix(c0, c1, (t - p0) / max(1e-9, p1 - p0))
                    break
            for x in range(self.width):
                self.px[y][x] = colour

    def shade(self, fn):
        """fn(x, y, colour) -> colour for every pixel."""
        for y in range(self.height):
            row = self.px[y]
            for x in range(self.width):
                row[x] = fn(x, y, row[x])

    def fill_shape(self, inside, colour_at, samples=4):
        """Anti-aliased fill: inside(x, y) tests a point (pixel centres at
        +0.5); colour_at(x, y) gives the colour at a pixel."""
        step = 1.0 / samples
        for y in range(self.height):
            for x in range(self.width):
                hits = 0
                for sy in range(samples):
                    for sx in range(samples):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if hits:
                    self.blend(x, y, colour_at(x, y), hits / (samples * samples))

    def to_bytes_rows(self):
        return [[tuple(clamp8(c) for c in p) for p in row] for row in self.px]


def rounded_rect(x0, y0, x1, y1, r):
    """Inside test of a rounded rectangle [x0, x1) x [y0, y1)."""

    def inside(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s1, s2, s3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)

    return inside


def add_noise(canvas, amount, seed, streak=0):
    """Seeded grain; with streak > 0 the grain is smeared along rows, as on
    brushed metal."""
    rng = random.Random(seed)
    for y in range(canvas.height):
        row_bias = (rng.random() - 0.5) * amount * 0.6 if streak else 0.0
        run = 0.0
        for x in range(canvas.width):
            n = (rng.random() - 0.5) * amount
            run = run * streak + n * (1 - streak) if streak else n
            v = run + row_bias
            c = canvas.px[y][x]
            canvas.px[y][x] = (c[0] + v, c[1] + v, c[2] + v)


def keep_off_key(canvas, key, inside):
    """Nudges body pixels that happen to equal the key colour, so that the
    key stays the corners' alone."""
    for y in range(canvas.height):
        for x in range(canvas.width):
            if inside(x + 0.5, y + 0.5) and tuple(clamp8(c) for c in canvas.px[y][x]) == key:
                c = canvas.px[y][x]
                canvas.px[y][x] = (c[0], c[1] + 1 if c[1] < 255 else c[1] - 1, c[2])


# ---------------------------------------------------------------- file writers


def bmp24(canvas):
    rows = canvas.to_bytes_rows()
    stride = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def bmp4(canvas, palette):
    """A 16-colour picture: every pixel must be one of the palette's colours
    (the nearest is taken)."""
    rows = canvas.to_bytes_rows()

    def index(p):
        return min(range(len(palette)), key=lambda i: sum((p[k] - palette[i][k]) ** 2 for k in range(3)))

    stride = ((canvas.width + 1) // 2 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        idx = [index(p) for p in row] + [0]
        line = bytearray((idx[i] << 4) | idx[i + 1] for i in range(0, canvas.width, 2))
        line += b"\0" * (stride - len(line))
        data += line
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pal += b"\0" * (64 - len(pal))
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    return header + info + pal + bytes(data)


def ico(images):
    """images: [(canvas, alpha rows)]: 32-bit images with their AND masks."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for canvas, alpha in images:
        w, h = canvas.width, canvas.height
        rows = canvas.to_bytes_rows()
        xor = bytearray()
        for y in reversed(range(h)):
            for x in range(w):
                r, g, b = rows[y][x]
                xor += bytes((b, g, r, clamp8(alpha[y][x] * 255)))
        mask_stride = ((w + 31) // 32) * 4
        andm = bytearray()
        for y in reversed(range(h)):
            bits = bytearray(mask_stride)
            for x in range(w):
                if alpha[y][x] < 0.5:
                    bits[x // 8] |= 0x80 >> (x % 8)
            andm += bits
        info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(andm), 0, 0, 0, 0)
        blob = info + bytes(xor) + bytes(andm)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def ppm(canvas):
    rows = canvas.to_bytes_rows()
    body = bytes(v for row in rows for p in row for v in p)
    return b"P6\n%d %d\n255\n" % (canvas.width, canvas.height) + body


# ---------------------------------------------------------------- the skins' colours

# Default Blue: deep navy panels, cyan lights.
NAVY_TOP = hexrgb("#0a1830")
NAVY_BOTTOM = hexrgb("#18335f")
BLUE_KEY = (8, 16, 40)  # corner key of the blue faces and play buttons
CYAN = hexrgb("#3cc2ff")
AMBER = hexrgb("#ffae2e")
# Green Circles: dark green panels, green lamps.
GREEN_KEY = (6, 20, 10)
GREEN_LAMP = hexrgb("#6dff5e")
# Generic Silver: brushed aluminium.
SILVER_KEY = (192, 192, 192)
SILVER = hexrgb("#c9cdd2")

# ---------------------------------------------------------------- step-cell faces

CELL_W, CELL_W32, CELL_H = 15, 7, 11


def square_pad(width, body_top, body_bottom, rim_light, rim_dark, glow=None):
    """The Default Blue pad: a square key with a 1-pixel bevel; lit pads get
    a bright centre."""
    c = Canvas(width, CELL_H, BLUE_KEY)
    inside = rounded_rect(0, 0, width, CELL_H, 1.2)

    def body(x, y):
        colour = mix(body_top, body_bottom, y / (CELL_H - 1))
        if glow:
            d = math.hypot((x + 0.5 - width / 2) / (width / 2), (y + 0.5 - CELL_H / 2) / (CELL_H / 2))
            colour = mix(colour, glow, max(0.0, 1 - d) * 0.8)
        return colour

    c.fill_shape(inside, body)
    for x in range(1, width - 1):
        c.blend(x, 0, rim_light, 0.9)
        c.blend(x, CELL_H - 1, rim_dark, 0.9)
    for y in range(1, CELL_H - 1):
        c.blend(0, y, rim_light, 0.6)
        c.blend(width - 1, y, rim_dark, 0.8)
    keep_off_key(c, BLUE_KEY, inside)
    # The corners are the key alone: a cut corner reads as a rounded one.
    for x, y in ((0, 0), (width - 1, 0), (0, CELL_H - 1), (width - 1, CELL_H - 1)):
        c.set(x, y, tuple(map(float, BLUE_KEY)))
    return c


def blue_faces(width):
    off = square_pad(width, hexrgb("#31507e"), hexrgb("#1e3558"), hexrgb("#5b7fb5"), hexrgb("#08101f"))
    on = square_pad(width, hexrgb("#7fdcff"), hexrgb("#168ad8"), hexrgb("#e8fbff"), hexrgb("#0a3a6a"),
                    glow=hexrgb("#e0f8ff"))
    mod = square_pad(width, hexrgb("#ffd27a"), hexrgb("#e07810"), hexrgb("#fff4d8"), hexrgb("#6a3000"),
                     glow=hexrgb("#fff0c0"))
    return off, on, mod


def pill(body_top, body_bottom, outline, highlight, key):
    """The "Button 2" faces: rounded pills with a dark outline."""
    c = Canvas(CELL_W, CELL_H, key)
    outer = rounded_rect(0, 0, CELL_W, CELL_H, 4.5)
    inner = rounded_rect(1, 1, CELL_W - 1, CELL_H - 1, 3.5)
    c.fill_shape(outer, lambda x, y: outline)
    c.fill_shape(inner, lambda x, y: mix(body_top, body_bottom, y / (CELL_H - 1)))
    shine = rounded_rect(3, 2, CELL_W - 3, 5, 1.5)
    c.fill_shape(shine, lambda x, y: highlight)
    keep_off_key(c, key, outer)
    return c


def lamp(centre, edge, rim, key, lit):
    """The "Button 3" faces: round lamps 11 pixels across, centred; also the
    slider thumbs."""
    c = Canvas(CELL_W, CELL_H, key)
    cx, cy = CELL_W / 2, CELL_H / 2
    outer = ellipse(cx, cy, 5.5, 5.5)
    inner = ellipse(cx, cy, 4.3, 4.3)
    c.fill_shape(outer, lambda x, y: rim)

    def body(x, y):
        d = math.hypot(x + 0.5 - (cx - 1.2), y + 0.5 - (cy - 1.4)) / 5.5
        return mix(centre, edge, min(1.0, d))

    c.fill_shape(inner, body)
    spark = ellipse(cx - 1.5, cy - 1.8, 1.3, 1.0)
    c.fill_shape(spark, lambda x, y: (255, 255, 255) if lit else (170, 180, 175))
    keep_off_key(c, key, outer)
    return c


def draw_faces():
    pics = {}
    off, on, mod = blue_faces(CELL_W)
    pics["bbtn1_1.bmp"], pics["bbtn1_2.bmp"], pics["bbtn1_3.bmp"] = off, on, mod
    off, on, mod = blue_faces(CELL_W32)
    pics["bbtn1_1_32.bmp"], pics["bbtn1_2_32.bmp"], pics["bbtn1_3_32.bmp"] = off, on, mod
    # Button 2: steel pills that read on silver and on blue.
    pics["btn2_1.bmp"] = pill(hexrgb("#4e5c70"), hexrgb("#313c4b"), hexrgb("#1e2632"), hexrgb("#8493a8"), SILVER_KEY)
    pics["btn2_3.bmp"] = pill(hexrgb("#6cbcff"), hexrgb("#1466dc"), hexrgb("#0b2c5c"), hexrgb("#b0dcff"), SILVER_KEY)
    pics["btn2_2.bmp"] = pill(hexrgb("#ffc45c"), hexrgb("#e06c0c"), hexrgb("#5a2a00"), hexrgb("#fff0cc"), SILVER_KEY)
    # Button 3: lamps. btn3_1 lit green, btn3_2 dark with a chrome rim (the
    # thumb at rest in every skin), btn3_3 lit amber.
    pics["btn3_1.bmp"] = lamp(hexrgb("#d8ffd0"), hexrgb("#1e9a26"), hexrgb("#0e3a14"), GREEN_KEY, True)
    pics["btn3_2.bmp"] = lamp(hexrgb("#4a5a50"), hexrgb("#18221c"), hexrgb("#b4c0b8"), GREEN_KEY, False)
    pics["btn3_3.bmp"] = lamp(hexrgb("#fff6c8"), hexrgb("#e09a10"), hexrgb("#4a3000"), GREEN_KEY, True)
    return pics


# ---------------------------------------------------------------- play buttons

PLAY_W, PLAY_H = 48, 24


def play_button(face_top, face_bottom, outline, symbol, key, down, glow=None):
    c = Canvas(PLAY_W, PLAY_H, key)
    outer = rounded_rect(0, 0, PLAY_W, PLAY_H, 6)
    inner = rounded_rect(1, 1, PLAY_W - 1, PLAY_H - 1, 5)
    c.fill_shape(outer, lambda x, y: outline)
    top, bottom = (face_bottom, face_top) if down else (face_top, face_bottom)
    c.fill_shape(inner, lambda x, y: mix(top, bottom, y / (PLAY_H - 1)))
    if not down:
        shine = rounded_rect(4, 2, PLAY_W - 4, 9, 3)
        c.fill_shape(shine, lambda x, y: mix((255, 255, 255), top, 0.55))
    shift = 1 if down else 0
    cx, cy = PLAY_W / 2 + shift, PLAY_H / 2 + shift
    if glow:
        halo = ellipse(cx, cy, 11, 8)
        c.fill_shape(halo, lambda x, y: glow)
    tri = triangle((cx - 5, cy - 6.5), (cx - 5, cy + 6.5), (cx + 7, cy))
    c.fill_shape(tri, lambda x, y: symbol)
    keep_off_key(c, key, outer)
    return c


def draw_play_buttons():
    pics = {}
    steel_top, steel_bottom = hexrgb("#dfe6f0"), hexrgb("#8a9ab2")
    pics["Playbtn_2_Up.bmp"] = play_button(steel_top, steel_bottom, hexrgb("#1a2a48"), hexrgb("#16305c"),
                                           BLUE_KEY, False)
    pics["Playbtn_2_Down.bmp"] = play_button(hexrgb("#2a4e86"), hexrgb("#12284c"), hexrgb("#08142a"), CYAN,
                                             BLUE_KEY, True, glow=hexrgb("#1d5fa0"))
    green_top, green_bottom = hexrgb("#3c5a44"), hexrgb("#14281a")
    pics["Playbtn_3_Up.bmp"] = play_button(green_top, green_bottom, hexrgb("#020a04"), hexrgb("#9ad8a0"),
                                           GREEN_KEY, False)
    pics["Playbtn_3_Down.bmp"] = play_button(hexrgb("#1a3a22"), hexrgb("#0a1a0e"), hexrgb("#020a04"), GREEN_LAMP,
                                             GREEN_KEY, True, glow=hexrgb("#1f6a2a"))
    return pics


# ---------------------------------------------------------------- backgrounds

MAIN_W, MAIN_H = 620, 460
# The tracks background spans the whole grid (twelve rows of 32 pixels), so
# it is never tiled within it.
TRACKS_W, TRACKS_H = 620, 384


def panel(width, height, stops, shading=None, noise=4, seed=0, streak=0):
    """A background: a vertical gradient, an optional shading pass and a
    seeded grain."""
    c = Canvas(width, height)
    c.vertical_gradient(stops)
    if shading:
        c.shade(shading)
    add_noise(c, noise, seed, streak)
    return c


def blue_main():
    # A soft diagonal sheen and fine horizontal lines every 2 pixels.
    def sheen(x, y, col):
        t = math.exp(-(((x - y * 0.8) - 180) / 260.0) ** 2) * 14
        line = -3 if y % 2 else 0
        return (col[0] + t * 0.5 + line, col[1] + t * 0.8 + line, col[2] + t + line)

    return panel(MAIN_W, MAIN_H, [(0.0, NAVY_TOP), (0.5, hexrgb("#112548")), (1.0, NAVY_BOTTOM)], sheen, 5, 11)


def blue_tracks():
    # Grooves every 4 pixels, a light top edge.
    def grooves(x, y, col):
        d = {3: -6, 0: 3}.get(y % 4, 0)
        if y == 0:
            d = 40
        return (col[0] + d, col[1] + d, col[2] + d)

    return panel(TRACKS_W, TRACKS_H, [(0.0, hexrgb("#1d3a6a")), (0.08, hexrgb("#162f58")), (1.0, hexrgb("#0c1d3a"))],
                 grooves, 4, 12)


def silver_background():
    return panel(MAIN_W, MAIN_H, [(0.0, hexrgb("#dde1e5")), (1.0, hexrgb("#b4b9bf"))], None, 16, 13, streak=0.92)


def green_main():
    # A faint grid of rings 16 pixels apart: the circles motif.
    def dots(x, y, col):
        d = math.hypot((x % 16) - 7.5, (y % 16) - 7.5)
        a = max(0.0, 1.6 - abs(d - 2.0)) * 5
        return (col[0] + a * 0.4, col[1] + a, col[2] + a * 0.5)

    return panel(MAIN_W, MAIN_H, [(0.0, hexrgb("#06120a")), (1.0, hexrgb("#10301a"))], dots, 4, 14)


def green_tracks():
    def edge(x, y, col):
        d = 30 if y == 0 else (-4 if y % 3 == 2 else 0)
        return (col[0] + d * 0.6, col[1] + d, col[2] + d * 0.7)

    return panel(TRACKS_W, TRACKS_H, [(0.0, hexrgb("#1c4426")), (0.06, hexrgb("#12301a")), (1.0, hexrgb("#081a0e"))],
                 edge, 4, 15)


def draw_backgrounds():
    return {
        "back1.bmp": blue_main(),
        "backtrack1.bmp": blue_tracks(),
        "silver.bmp": silver_background(),
        "greenback.bmp": green_main(),
        "greentracks.bmp": green_tracks(),
        "blank.bmp": Canvas(16, 16, (192, 192, 192)),
    }


# ---------------------------------------------------------------- skins

# The order of the picture combos on line 1 of a skin file.
COMBOS = ["cbxMainBMP", "cbxTracksBMP", "cbxMainVol", "cbxMainVolSel", "cbxTrackVol", "cbxTrackVolSel",
          "cbxSequencer", "cbxSequencerSel", "cbxBeatUp", "cbxBeatDown", "cbxBeatMod", "cbxPlayUp", "cbxPlayDown"]

# Per skin: the combo entries (0 and 1 the built-in files, 2 a custom picture
# named on the combo's own line), the transparency of the cells and of the
# play button, the scheme index, the label flags, the LED colour's entry of
# the colour box (9 red, 10 lime, 14 aqua), the label font and the play
# button's place. Sliders rest on the dark lamp (entry 1) and light up while
# dragged (entry 0).
SKINS = [
    {
        "name": "Default Blue",
        "combos": {"cbxMainBMP": 1, "cbxTracksBMP": 1, "cbxBeatUp": 0, "cbxBeatDown": 0, "cbxBeatMod": 0,
                   "cbxPlayUp": 0, "cbxPlayDown": 0},
        "custom": {},
        "beat_transparent": 0, "play_transparent": 1, "scheme": 0,
        "labels": (1, 1), "led": 14,
        "font": (0xFFFFFF, -11, "MS Sans Serif", 8), "play": (16, 8),
    },
    {
        "name": "Green Circles",
        "combos": {"cbxMainBMP": 2, "cbxTracksBMP": 2, "cbxBeatUp": 1, "cbxBeatDown": 1, "cbxBeatMod": 1,
                   "cbxPlayUp": 1, "cbxPlayDown": 1},
        "custom": {"cbxMainBMP": "greenback", "cbxTracksBMP": "greentracks"},
        "beat_transparent": 1, "play_transparent": 1, "scheme": 1,
        "labels": (1, 1), "led": 10,
        "font": (0x5EFF6D, -11, "Arial", 8), "play": (16, 8),
    },
    {
        "name": "Generic Silver",
        "combos": {"cbxMainBMP": 0, "cbxTracksBMP": 0, "cbxBeatUp": 0, "cbxBeatDown": 0, "cbxBeatMod": 0,
                   "cbxPlayUp": 0, "cbxPlayDown": 0},
        "custom": {},
        "beat_transparent": 0, "play_transparent": 1, "scheme": 2,
        "labels": (1, 1), "led": 9,
        "font": (0x000000, -11, "MS Sans Serif", 8), "play": (16, 8),
    },
]
SLIDER_AT_REST, SLIDER_DRAGGED = 1, 0


def skin_file(skin):
    indexes = []
    for combo in COMBOS:
        if combo in skin["combos"]:
            indexes.append(skin["combos"][combo])
        elif combo.endswith("Sel"):
            indexes.append(SLIDER_DRAGGED)
        else:
            indexes.append(SLIDER_AT_REST)
    indexes += [skin["beat_transparent"], skin["play_transparent"], skin["scheme"]]
    lines = [" ".join(str(i) for i in indexes)]
    for combo, index in zip(COMBOS, indexes):
        lines.append(skin["custom"][combo] if index > 1 else "")
    colour, height, face, size = skin["font"]
    lines += [
        "%d %d" % skin["labels"],
        str(skin["led"]),
        str(colour),
        str(height),
        face,
        str(size),
        "%d %d" % skin["play"],
    ]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


# The main window's bitmap list before a skin is applied: the Default Blue
# look, in item order (play up, play down, main background, tracks
# background, main-volume thumb and its dragged face, the blank picture,
# track-fader thumb and dragged face, switch thumb and dragged face).
RESOURCE2 = ["Playbtn_2_Up.bmp", "Playbtn_2_Down.bmp", "back1.bmp", "backtrack1.bmp", "btn3_2.bmp", "btn3_1.bmp",
             "blank.bmp", "btn3_2.bmp", "btn3_1.bmp", "btn3_2.bmp", "btn3_1.bmp"]

# ---------------------------------------------------------------- icons and the tips picture


def coverage(size, inside):
    """The alpha channel of a shape: how much of each pixel it covers."""
    return [[sum(bool(inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4)) for i in range(4) for j in range(4)) / 16
             for x in range(size)] for y in range(size)]


def icon_sequencer(size):
    """The drum machine: a dark rounded panel with a 4 x 4 grid of pads, a
    few lit."""
    c = Canvas(size, size, (0, 0, 0))
    s = size / 32.0
    body = rounded_rect(1 * s, 1 * s, 31 * s, 31 * s, 5 * s)
    c.fill_shape(body, lambda x, y: mix(hexrgb("#2a4a80"), hexrgb("#0c1a34"), y / size))
    lit = {(0, 0), (2, 1), (1, 2), (3, 2), (0, 3), (2, 3)}
    pad = 5.0 * s
    gap = (30 * s - 4 * pad) / 5
    for row in range(4):
        for col in range(4):
            x0 = 1 * s + gap + col * (pad + gap)
            y0 = 1 * s + gap + row * (pad + gap)
            colour = AMBER if (row, col) == (2, 3) else (CYAN if (row, col) in lit else hexrgb("#35507c"))
            c.fill_shape(rounded_rect(x0, y0, x0 + pad, y0 + pad, 1.2 * s), lambda x, y, col=colour: col)
    return c, coverage(size, body)


def icon_drum(size):
    """The kit editor: a snare drum seen from the side, a sound wave above."""
    c = Canvas(size, size, (0, 0, 0))
    s = size / 32.0
    shell = rounded_rect(4 * s, 13 * s, 28 * s, 27 * s, 2 * s)
    head = ellipse(16 * s, 13 * s, 12 * s, 3.2 * s)
    bottom = ellipse(16 * s, 27 * s, 12 * s, 3.2 * s)

    def drum(x, y):
        return shell(x, y) or head(x, y) or bottom(x, y)

    c.fill_shape(bottom, lambda x, y: hexrgb("#0c1a34"))
    c.fill_shape(shell, lambda x, y: mix(hexrgb("#3a6ab0"), hexrgb("#14284c"), abs(x / size - 0.5) * 2))
    c.fill_shape(head, lambda x, y: mix(hexrgb("#f4f8ff"), hexrgb("#b8c6da"), y / size))
    # Lugs.
    for lx in (8, 13, 19, 24):
        c.fill_shape(rounded_rect(lx * s, 17 * s, (lx + 1.6) * s, 23 * s, 0.6 * s), lambda x, y: hexrgb("#d0d8e4"))

    def wave(x, y):
        u = x / s
        if u < 4 or u > 28:
            return False
        v = 5.5 * s + math.sin((u - 4) / 24 * math.pi * 3) * 3.0 * s * math.exp(-(u - 4) / 14)
        return abs(y - v) < 0.9 * s

    c.fill_shape(wave, lambda x, y: CYAN)
    return c, coverage(size, lambda x, y: drum(x, y) or wave(x, y))


# The tips picture: a light bulb on the tips panel's pale yellow, 16 colours.
TIP_PALETTE = [(255, 255, 223), (0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255), (255, 240, 120),
               (255, 210, 40), (220, 160, 0), (140, 90, 0), (60, 110, 200), (30, 60, 120), (255, 250, 190),
               (90, 90, 90), (230, 230, 230), (180, 120, 20), (20, 40, 80)]


def tips_picture():
    c = Canvas(30, 40, TIP_PALETTE[0])
    glass = ellipse(15, 14, 10, 11)
    c.fill_shape(glass, lambda x, y: mix((255, 250, 190), (255, 210, 40), min(1, math.hypot(x - 12, y - 10) / 12)),
                 samples=2)
    c.fill_shape(ellipse(11.5, 10, 3, 4), lambda x, y: (255, 255, 255), samples=2)
    for i, y0 in enumerate((25, 28, 31)):
        colour = (192, 192, 192) if i % 2 == 0 else (128, 128, 128)
        c.fill_shape(rounded_rect(9, y0, 21, y0 + 3, 1), lambda x, y, col=colour: col, samples=2)
    c.fill_shape(rounded_rect(12, 34, 18, 37, 1.5), lambda x, y: (90, 90, 90), samples=2)
    # Rays.
    for angle in (-60, -30, 0, 30, 60):
        a = math.radians(angle - 90)
        for r in (12.5, 13.5):
            c.set(int(15 + math.cos(a) * r), int(14 + math.sin(a) * r), (220, 160, 0))
    return c


# ---------------------------------------------------------------- about pictures


def about_drum_machine():
    """The drum machine's about picture, 128 x 96: the machine itself, a
    display, a knob row and a 2 x 8 pad grid."""
    c = Canvas(128, 96)
    c.vertical_gradient([(0.0, hexrgb("#0e1c38")), (1.0, hexrgb("#040a18"))])
    body = rounded_rect(6, 10, 122, 88, 7)
    c.fill_shape(body, lambda x, y: mix(hexrgb("#34527e"), hexrgb("#16294a"), (y - 10) / 78))
    c.fill_shape(rounded_rect(7, 11, 121, 14, 2), lambda x, y: hexrgb("#5e7eae"))
    # Display with a little waveform.
    c.fill_shape(rounded_rect(14, 18, 62, 36, 3), lambda x, y: hexrgb("#0b2a1c"))
    c.fill_shape(lambda x, y: 16 < x < 60 and abs(y - (27 - 6 * math.sin((x - 16) / 3.0) * math.exp(-(x - 16) / 14)))
                 < 0.8, lambda x, y: GREEN_LAMP)
    # Knobs.
    for i, kx in enumerate((74, 88, 102, 114)):
        c.fill_shape(ellipse(kx, 27, 5, 5), lambda x, y: hexrgb("#c9d2de"))
        c.fill_shape(ellipse(kx, 27, 3.6, 3.6), lambda x, y: hexrgb("#6a7a90"))
        a = math.radians(-130 + i * 70)
        c.fill_shape(lambda x, y, kx=kx, a=a: abs((x - kx) * math.sin(a) - (y - 27) * math.cos(a)) < 0.7 and
                     0 < (x - kx) * math.cos(a) + (y - 27) * math.sin(a) < 4.5, lambda x, y: (255, 255, 255))
    # Pads: a beat pattern lit.
    pattern = ["x...x...x...x.x.", "....x.......x..."]
    for row in range(2):
        for col in range(8):
            x0, y0 = 14 + col * 13, 46 + row * 18
            step = pattern[row][col * 2]
            colour = CYAN if step == "x" else hexrgb("#2a4470")
            if row == 1 and col == 6:
                colour = AMBER
            c.fill_shape(rounded_rect(x0, y0, x0 + 10, y0 + 13, 2),
                         lambda x, y, col=colour, y0=y0: mix(col, (0, 0, 0), (y - y0) / 30))
    add_noise(c, 3, seed=21)
    return c


def about_kit_editor():
    """The kit editor's about picture, 64 x 64: its drum icon, larger, on a
    dark tile."""
    c = Canvas(64, 64)
    c.vertical_gradient([(0.0, hexrgb("#18335f")), (1.0, hexrgb("#0a1830"))])
    drum, alpha = icon_drum(64)
    for y in range(64):
        for x in range(64):
            c.blend(x, y, drum.get(x, y), alpha[y][x])
    return c


def about_banner():
    """The kit editor's banner, 240 x 48: a waveform running into a row of
    pads, on the skins' blue."""
    c = Canvas(240, 48)
    c.vertical_gradient([(0.0, hexrgb("#1d3a6a")), (1.0, hexrgb("#0a1830"))])

    def wave(x, y):
        if x > 150:
            return False
        v = 24 - 14 * math.sin(x / 5.0) * math.exp(-(x % 50) / 18)
        return abs(y - v) < 1.0

    c.fill_shape(wave, lambda x, y: CYAN, samples=3)
    for i in range(6):
        x0 = 160 + i * 13
        colour = AMBER if i == 3 else (CYAN if i % 2 == 0 else hexrgb("#35507c"))
        c.fill_shape(rounded_rect(x0, 16, x0 + 10, 32, 2), lambda x, y, col=colour: col, samples=3)
    for x in range(240):
        c.blend(x, 0, (255, 255, 255), 0.25)
        c.blend(x, 47, (0, 0, 0), 0.5)
    return c


# ---------------------------------------------------------------- main


def outputs():
    files = {}
    skins = {}
    skins.update(draw_faces())
    skins.update(draw_play_buttons())
    skins.update(draw_backgrounds())
    for name, canvas in skins.items():
        files["skins/" + name] = lambda canvas=canvas: bmp24(canvas)
    for skin in SKINS:
        files["skins/%s.skn" % skin["name"]] = lambda skin=skin: skin_file(skin)
    files["resource2.txt"] = lambda: ("# The main window's bitmap list, in item order: picture, ident and storage.\n" + "".join(
        "skins/%s ident=%d%s\n" % (name, i, " compressed" if name.startswith("back") else "")
        for i, name in enumerate(RESOURCE2))).encode("ascii")
    files["icons/tambrel.ico"] = lambda: ico([icon_sequencer(32), icon_sequencer(16)])
    files["icons/idezar.ico"] = lambda: ico([icon_drum(32), icon_drum(16)])
    files["icons/tips16816.bmp"] = lambda: bmp4(tips_picture(), TIP_PALETTE)
    files["about/tambrel_about.ppm"] = lambda: ppm(about_drum_machine())
    files["about/idezar_about.ppm"] = lambda: ppm(about_kit_editor())
    files["about/idezar_banner.ppm"] = lambda: ppm(about_banner())
    return files


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    files = outputs()
    if sys.argv[1] == "--list":
        for name in sorted(files):
            print(name)
        return 0
    out = sys.argv[1]
    for name, make in sorted(files.items()):
        path = os.path.join(out, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        data = make()
        tmp = path + ".tmp"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
