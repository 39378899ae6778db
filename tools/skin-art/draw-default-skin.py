#!/usr/bin/env python3
"""Draws the pictures of the Default skin.

Writes data/Skins/Default/skin.bmp (480 x 388, 24-bit uncompressed) and
data/Skins/Default/food.gif (16 x 16, transparent background).  The bitmap is
written byte by byte; the GIF is converted by ImageMagick's `convert` from a
PNG drawn here.  Only the Python standard library is used; the shapes, the
canvas and the file writers live in tools/art/picturekit.py.

Everything is drawn from signed distance functions, which gives smooth edges
inside the body and a hard, fringe-free edge where the body meets the
transparent key colour.

Usage: draw-default-skin.py [SKIN_FOLDER] [--preview PNG]
       (default folder: data/Skins/Default)

The numbers below must agree with the skin's config.ini.
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (GRID, LAMP, LETTERS, Canvas, StrokeFont, arc, bevel, circle,  # noqa: E402
                        clamp, cut_to_key, lit, mix, pixel_rows, polygon, rbox, run_skin_script,
                        shifted, smooth_subtract, smooth_union, strokes, subtract, union)

# ---------------------------------------------------------------- geometry --

W, H = 480, 388
KEY = (255, 0, 255)          # transparent colour: bottom-left pixel

CELL = 16                    # [Ratio] SizeRatio
AREA = CELL * GRID           # 304
PX, PY = 26, 48              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 362, 170  # [Positions] ScoreTextX, ScoreTextY

# ----------------------------------------------------------------- palette --

BODY_TOP = (46, 124, 117)
BODY_BOTTOM = (26, 82, 80)
RIM = (9, 33, 34)
LIGHT = (150, 222, 206)      # bevel highlight
SHADE = (6, 28, 30)          # bevel shadow
BEZEL = (17, 40, 42)
FIELD_CENTRE = (19, 40, 44)
FIELD_EDGE = (10, 24, 28)
FIELD_DOT = (34, 64, 68)
TITLE_TOP = (255, 246, 224)
TITLE_BOTTOM = (236, 206, 150)
LABEL = (176, 222, 208)
AMBER = (244, 170, 58)
ORANGE = (231, 112, 52)
CORAL = (206, 66, 62)
LCD_BACK = (12, 22, 22)


# ------------------------------------------------------------------ letters --
# The kit's alphabet with the wider E, L, C, O, A and D of this skin's title and labels.

FONT = StrokeFont({
    **LETTERS,
    'E': (0.50, [[(0.50, 0), (0, 0), (0, 1), (0.50, 1)], [(0, 0.5), (0.42, 0.5)]]),
    'L': (0.48, [[(0, 0), (0, 1), (0.48, 1)]]),
    'C': (0.80, [arc(0.48, 0.5, 0.48, 0.5, -42, -318, 32)]),
    'O': (0.92, [arc(0.46, 0.5, 0.46, 0.5, 0, 360, 40)]),
    'A': (0.72, [[(0, 1), (0.36, 0), (0.72, 1)], [(0.13, 0.64), (0.59, 0.64)]]),
    'D': (0.66, [[(0.22, 0), (0, 0), (0, 1), (0.22, 1)],
                 arc(0.22, 0.5, 0.44, 0.5, -90, 90)]),
})


# -------------------------------------------------------------------- skin --

def body_shape():
    main = rbox(4, 24, 440, 376, 30)
    tower = rbox(348, 6, 471, 386, 22)
    shape = smooth_union(main, tower, 14)
    # A long, shallow scoop along the bottom edge under the play area.
    scoop = circle(178, 376 + 420 - 7, 420)
    return smooth_subtract(shape, scoop, 12)


def draw_skin():
    cv = Canvas(W, H, RIM)      # not the key colour: see cut_to_key
    body = body_shape()
    bx0, by0, bx1, by1 = body.box

    # Body: a vertical gradient, a soft sheen, and a rounded bevel at the rim.
    def body_colour(x, y, d):
        t = clamp((y - by0) / (by1 - by0))
        c = mix(BODY_TOP, BODY_BOTTOM, t * t * 0.6 + t * 0.4)
        depth = -d
        c = bevel(c, body, x, y, depth, 7.0, (LIGHT, 0.55), (SHADE, 0.6), power=1.6)
        if depth < 1.6:
            c = mix(c, RIM, clamp(1.6 - depth) * 0.9)
        return c
    cv.paint(body, body_colour)

    # Seam between the main shell and the side module.
    seam_x = 346.5
    seam = strokes([[(seam_x, 28), (seam_x, 372)]], 1.0)
    cv.paint(seam, SHADE, 0.55)
    cv.paint(shifted(seam, 1, 0), LIGHT, 0.22)

    # Screen bezel: a recess around the play area.
    bezel = rbox(PX - 12, PY - 12, PX + AREA + 12, PY + AREA + 12, 12)

    def bezel_colour(x, y, d):
        return bevel(BEZEL, bezel, x, y, -d, 4.0, (LIGHT, 0.35), (SHADE, 0.8), sunken=True)
    cv.paint(bezel, bezel_colour)
    # A thin bright lip round the bezel opening.
    lip = bezel
    ring = subtract(lip, rbox(PX - 11, PY - 11, PX + AREA + 11, PY + AREA + 11, 11))

    def lip_colour(x, y, d):
        s = lit(lip, x, y)
        return LIGHT + (0.28 * clamp(s) + 0.06,) if s > 0 else SHADE + (0.5,)
    cv.paint(ring, lip_colour)

    # Play field: a calm dark panel exactly under the grid (one pixel more
    # each way so that the game's outline lies on it), a faint vignette and a
    # dot at every grid crossing.
    field = rbox(PX - 1, PY - 1, PX + AREA + 1, PY + AREA + 1, 2)
    fcx, fcy = PX + AREA / 2.0, PY + AREA / 2.0

    def field_colour(x, y, d):
        r = math.hypot(x - fcx, y - fcy) / (AREA * 0.72)
        c = mix(FIELD_CENTRE, FIELD_EDGE, clamp(r) ** 1.5)
        gx, gy = x - PX, y - PY
        if 0 < gx < AREA and 0 < gy < AREA:
            mx = abs(((gx + CELL / 2.0) % CELL) - CELL / 2.0)
            my = abs(((gy + CELL / 2.0) % CELL) - CELL / 2.0)
            if mx < 1.0 and my < 1.0:
                c = mix(c, FIELD_DOT, 0.9)
        # the inner shadow of the recess
        inset = clamp((gy + 1.0) / 7.0)
        insetx = clamp((gx + 1.0) / 7.0)
        c = mix(SHADE, c, 0.55 + 0.45 * min(inset, insetx))
        return c
    cv.paint(field, field_colour)

    # ------------------------------------------------ the side module
    mid = 409.5  # centre line of the side module

    # Title.
    cap, stroke = 24, 5.0
    title = FONT.centred('KRIEL', mid, 18, cap, stroke, 0.22)
    cv.paint(shifted(title, 1.2, 1.6), SHADE, 0.75, grow=0.6)

    def title_colour(x, y, d):
        t = clamp((y - 18) / cap)
        return mix(TITLE_TOP, TITLE_BOTTOM, t)
    cv.paint(title, title_colour)

    # Three warm stripes under the title.
    for i, c in enumerate((AMBER, ORANGE, CORAL)):
        yy = 53.5 + i * 4.0
        st = strokes([[(mid - 46, yy), (mid + 46, yy)]], 2.4)
        cv.paint(st, c)

    # The ready lamp: a socket the game lights with the notifier colour
    # until the first arrow key when the notifier setting is off.
    lx, ly, ls = LAMP
    socket = rbox(lx - 4, ly - 4, lx + ls + 4, ly + ls + 4, 7)

    def socket_colour(x, y, d):
        return bevel((14, 36, 38), socket, x, y, -d, 3.0, (LIGHT, 0.45), (SHADE, 0.9), sunken=True)
    cv.paint(socket, socket_colour)
    glass = rbox(lx - 1, ly - 1, lx + ls + 1, ly + ls + 1, 4)
    gcx, gcy = lx + ls / 2.0, ly + ls / 2.0

    def glass_colour(x, y, d):
        r = math.hypot(x - gcx + 4, y - gcy + 4) / 20.0
        c = mix((40, 62, 52), (20, 34, 32), clamp(r))
        return c
    cv.paint(glass, glass_colour)
    cv.paint(circle(lx + 7.5, ly + 7.0, 2.6), (210, 240, 226), 0.35)
    label_cap, label_stroke = 8, 1.55
    rw = FONT.width('READY', label_cap, label_stroke, 0.3)
    ready = FONT.shape('READY', lx - 8 - rw, ly + ls / 2.0 - label_cap / 2.0, label_cap, label_stroke, 0.3)
    cv.paint(shifted(ready, 0.7, 0.8), SHADE, 0.6)
    cv.paint(ready, LABEL)

    # Score window: a dark display; the game writes the score on it.
    sl = FONT.centred('SCORE', mid, SCORE_Y - 24, label_cap, label_stroke, 0.3)
    cv.paint(shifted(sl, 0.7, 0.8), SHADE, 0.6)
    cv.paint(sl, LABEL)
    lcd = rbox(SCORE_X - 6, SCORE_Y - 8, SCORE_X + 101, SCORE_Y + 34, 7)

    def lcd_colour(x, y, d):
        c = mix((22, 34, 32), LCD_BACK, clamp((y - SCORE_Y + 8) / 42.0))
        return bevel(c, lcd, x, y, -d, 3.0, (LIGHT, 0.4), (SHADE, 0.9), sunken=True)
    cv.paint(lcd, lcd_colour)
    # a faint glare across the top of the display glass
    glare = rbox(SCORE_X - 2, SCORE_Y - 4, SCORE_X + 97, SCORE_Y + 8, 4)
    cv.paint(glare, lambda x, y, d: (200, 240, 226, 0.06 * clamp((SCORE_Y + 8 - y) / 12.0)))

    # Direction pad, painted.
    pcx, pcy = 386.0, 262.0
    pad = union(rbox(pcx - 7, pcy - 22, pcx + 7, pcy + 22, 3.5),
                rbox(pcx - 22, pcy - 7, pcx + 22, pcy + 7, 3.5))
    well = union(rbox(pcx - 10, pcy - 25, pcx + 10, pcy + 25, 6),
                 rbox(pcx - 25, pcy - 10, pcx + 25, pcy + 10, 6))
    cv.paint(well, (20, 58, 58), 0.8)
    cv.paint(shifted(pad, 1.5, 2.0), SHADE, 0.7)

    def pad_colour(x, y, d):
        c = mix((52, 66, 70), (30, 40, 44), clamp((y - pcy + 22) / 44.0))
        return bevel(c, pad, x, y, -d, 3.0, ((150, 170, 170), 0.6), ((8, 14, 16), 0.7))
    cv.paint(pad, pad_colour)
    cv.paint(circle(pcx, pcy, 4.0), (22, 30, 34), 0.7)
    for ax, ay in ((0, -1), (0, 1), (-1, 0), (1, 0)):
        # a small arrow head on each arm
        px_, py_ = -ay, ax
        tip = (pcx + ax * 18.5, pcy + ay * 18.5)
        b1 = (pcx + ax * 13.5 + px_ * 3.6, pcy + ay * 13.5 + py_ * 3.6)
        b2 = (pcx + ax * 13.5 - px_ * 3.6, pcy + ay * 13.5 - py_ * 3.6)
        arrow = polygon([tip, b1, b2])
        cv.paint(shifted(arrow, 0.0, 0.8), SHADE, 0.6)
        cv.paint(arrow, (118, 140, 140), 0.9)

    # Two round buttons in the warm accents.
    for (cx_, cy_, c, dark) in ((430.0, 270.0, CORAL, (120, 30, 34)), (449.0, 250.0, AMBER, (150, 92, 20))):
        cv.paint(circle(cx_, cy_, 12.0), (20, 58, 58), 0.8)
        cv.paint(circle(cx_ + 1.2, cy_ + 1.8, 9.5), SHADE, 0.7)
        btn = circle(cx_, cy_, 9.5)

        def btn_colour(x, y, d, cy_=cy_, c=c, dark=dark, btn=btn):
            col = mix(c, dark, clamp((y - cy_ + 9.5) / 19.0) * 0.7)
            return bevel(col, btn, x, y, -d, 2.5, ((255, 240, 220), 0.45), (dark, 0.6))
        cv.paint(btn, btn_colour)
        cv.paint(circle(cx_ - 3.0, cy_ - 3.5, 2.2), (255, 248, 236), 0.55)

    # Speaker grille: slanted slots.
    for i in range(6):
        x = 376.0 + i * 13.0
        slot = strokes([[(x + 6, 318), (x - 2, 350)]], 4.2)
        cv.paint(shifted(slot, 0.0, -1.0), LIGHT, 0.16)
        cv.paint(slot, (10, 30, 32), 0.85)

    # Screws on the side module.
    for sx, sy in ((364.0, 370.0), (458.0, 370.0)):
        cv.paint(circle(sx, sy, 4.6), SHADE, 0.6)
        head = circle(sx - 0.3, sy - 0.4, 3.8)

        def screw_colour(x, y, d, head=head):
            s = lit(head, x, y)
            return mix((110, 140, 136), (200, 220, 214), clamp(s * 0.5 + 0.5))
        cv.paint(head, screw_colour)
        cv.paint(strokes([[(sx - 2.4, sy + 1.6), (sx + 1.8, sy - 2.4)]], 1.1), (40, 60, 60), 0.9)

    cut_to_key(cv, body, KEY)
    return cv


# -------------------------------------------------------------------- food --
# A red apple with a leaf, drawn pixel by pixel for 16 x 16.

FOOD = [
    "................",
    ".........gg.....",
    "......s.gLLg....",
    "......sgLLg.....",
    "...kkkskgkkk....",
    "..kRhrrsrrrrk...",
    ".kRhhrrrrrrrrk..",
    ".kRhrrrrrrrrdk..",
    ".krRrrrrrrrrdk..",
    ".krrrrrrrrrrdk..",
    ".krrrrrrrrrddk..",
    "..krrrrrrrrddk..",
    "..kdrrrrrrddk...",
    "...kddrrdddk....",
    "....kkkdkkk.....",
    "................",
]
FOOD_COLOURS = {
    'k': (70, 12, 22),     # outline
    'r': (222, 44, 52),    # body
    'R': (246, 96, 86),    # lit side
    'h': (255, 214, 200),  # highlight
    'd': (156, 22, 40),    # shadow side
    's': (112, 72, 36),    # stem
    'g': (52, 132, 44),    # leaf edge
    'L': (126, 206, 76),   # leaf
}


if __name__ == '__main__':
    run_skin_script('Default', lambda folder: draw_skin(), lambda: pixel_rows(FOOD, FOOD_COLOURS),
                    KEY, PX, PY, SCORE_X, SCORE_Y, CELL)
