#!/usr/bin/env python3
"""Draws the pictures of the Planet skin.

Writes data/Skins/Planet/skin.bmp (526 x 432, 24-bit uncompressed) and
data/Skins/Planet/food.gif (12 x 12, transparent background).  Only the Python
standard library is used (and ImageMagick's `convert` for the GIF), and the
output is the same, byte for byte, on every run.  The shapes, the canvas and
the file writers live in tools/art/picturekit.py.

The skin is a banded gas giant with a ring, and the window is cut to it: the
round globe, the ring's two ends standing out beside it, and the sky seen
through the gaps between ring and globe and through the ring's dark division.
Everything outside them is the key colour.  The play field is a dark round-
cornered viewport in the globe's face, the score sits on a plate below the
front of the ring, and the ready lamp is a hatch near the globe's rim.

Usage: draw-planet-skin.py [SKIN_FOLDER] [--preview PNG]
       (default folder: data/Skins/Planet)

The numbers below must agree with the skin's config.ini.
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (GRID, LAMP, LETTERS, AlphaCanvas, Canvas, StrokeFont, bevel,  # noqa: E402
                        check_play_field, circle, clamp, cut_to_key, hard_alpha, lit, mix,
                        noise, polygon, rbox, run_skin_script, shifted, union)

# ---------------------------------------------------------------- geometry --

W, H = 526, 432
KEY = (0, 255, 0)            # transparent colour: bottom-left pixel

CELL = 12                    # [Ratio] SizeRatio
AREA = CELL * GRID           # 228
CX, CY, R = 270.0, 215.0, 210.0   # the globe
PX, PY = 156, 57             # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 266, 357  # [Positions] ScoreTextX, ScoreTextY

RING_RX, RING_RY = 252.0, 128.0   # the ring's outer edge
RING_IN = 0.868                   # its inner edge, as a share of the outer
DIVISION = (0.952, 0.968)         # the dark gap in the ring, same measure

# ----------------------------------------------------------------- palette --

RIM = (40, 22, 12)
BANDS = [                    # from the north pole to the south, cream to rust
    (0.00, (176, 124, 84)), (0.10, (226, 196, 150)), (0.20, (240, 220, 176)),
    (0.28, (206, 150, 96)), (0.36, (236, 210, 164)), (0.46, (190, 120, 76)),
    (0.52, (222, 170, 112)), (0.62, (244, 226, 186)), (0.72, (200, 138, 88)),
    (0.80, (232, 200, 150)), (0.90, (180, 118, 74)), (1.00, (150, 96, 62)),
]
NIGHT = (22, 10, 16)
RING_LIGHT = (236, 222, 196)
RING_DARK = (150, 132, 112)
VIEW_CENTRE = (14, 18, 44)
VIEW_EDGE = (5, 6, 18)
METAL = (96, 92, 104)

# Light from the upper left and a little in front, for the globe's shading.
SUN = (-0.48, -0.62, 0.62)

FONT = StrokeFont(LETTERS, space=0.5)


def band_colour(t):
    for (t0, c0), (t1, c1) in zip(BANDS, BANDS[1:]):
        if t <= t1:
            return mix(c0, c1, clamp((t - t0) / (t1 - t0)))
    return BANDS[-1][1]


# ------------------------------------------------------------------ shapes --

def ring_measure(x, y):
    """1 on the ring's outer edge, RING_IN on its inner one."""
    return math.hypot((x - CX) / RING_RX, (y - CY) / RING_RY)


def ring_shape():
    """The ring as seen, less its division; a distance in pixels, roughly."""
    def f(x, y):
        u = ring_measure(x, y)
        d = max(u - 1.0, RING_IN - u)
        lo, hi = DIVISION
        d = max(d, -max(lo - u, u - hi))
        return d * RING_RY
    f.box = (CX - RING_RX, CY - RING_RY, CX + RING_RX, CY + RING_RY)
    return f


def body_shape():
    return union(circle(CX, CY, R), ring_shape())


def view_shape():
    return rbox(PX - 3, PY - 3, PX + AREA + 3, PY + AREA + 3, 10)


# -------------------------------------------------------------------- skin --

def draw_globe(cv, globe):
    sx, sy, sz = sun()

    def colour(x, y, d):
        nx, ny = (x - CX) / R, (y - CY) / R
        nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
        # latitude bands that wander a little, with storms drawn out by the
        # planet's spin
        t = (y - (CY - R)) / (2.0 * R)
        t += (noise(x * 0.25, y * 2.2, 24.0, 3) - 0.5) * 0.05
        t += (noise(x, y, 7.0, 4) - 0.5) * 0.012
        c = band_colour(clamp(t))
        lambert = max(0.0, nx * sx + ny * sy + nz * sz)
        c = mix(NIGHT, c, clamp(0.12 + 1.05 * lambert) ** 0.8)
        # a thin bright limb on the lit side and a darker one elsewhere
        rim = clamp(1.0 - (-d) / 3.0)
        return mix(c, RIM, rim * 0.85)
    cv.paint(globe, colour)


def sun():
    sx, sy, sz = SUN
    n = math.sqrt(sx * sx + sy * sy + sz * sz)
    return sx / n, sy / n, sz / n


def globe_shadow(x, y):
    """How far the globe hides the sun from the ring at (x, y), 0 to 1.

    The ring lies in the globe's equator, tipped towards the viewer so that
    its circles show as ellipses RING_RY / RING_RX as high as wide; the point
    is lifted back into three dimensions and a ray sent from it to the sun."""
    tip = RING_RY / RING_RX
    vx, vy = x - CX, y - CY
    vz = vy / tip * math.sqrt(1.0 - tip * tip)
    sx, sy, sz = sun()
    along = vx * sx + vy * sy + vz * sz
    if along >= 0.0:
        return 0.0
    miss = math.sqrt(max(0.0, vx * vx + vy * vy + vz * vz - along * along))
    return clamp((R - miss) / 4.0 + 0.5)


def draw_ring(cv, ring, globe):
    def colour(x, y, d):
        in_front = y > CY
        if globe(x, y) < 0.0 and not in_front:
            return None
        u = ring_measure(x, y)
        t = clamp((u - RING_IN) / (1.0 - RING_IN))
        # fine ringlets: brighter and darker rings a few pixels apart
        ringlet = math.sin(t * 58.0) * 0.5 + math.sin(t * 23.0 + 1.3) * 0.5
        c = mix(RING_DARK, RING_LIGHT, clamp(0.55 + ringlet * 0.3 - abs(t - 0.45) * 0.5))
        c = mix(c, NIGHT, globe_shadow(x, y) * 0.72)
        # over the globe the ring lets a little of the bands through
        alpha = 0.86 if globe(x, y) < 0.0 else 1.0
        edge = clamp(1.0 - (-d) / 1.5)
        return mix(c, RIM, edge * 0.6) + (alpha,)
    cv.paint(ring, colour)
    # the ring's shadow on the globe, just below its front edge
    def shadow(x, y, d):
        u = ring_measure(x, y - 9.0)
        if y <= CY or not (RING_IN <= u <= 1.0):
            return None
        if ring_measure(x, y) <= 1.0:
            return None
        return NIGHT + (0.45,)
    cv.paint(globe, shadow)


def draw_view(cv):
    view = view_shape()
    bezel = rbox(PX - 11, PY - 11, PX + AREA + 11, PY + AREA + 11, 22)
    cv.paint(shifted(bezel, 2.0, 3.0), NIGHT, 0.55, grow=1.0)

    def bezel_colour(x, y, d):
        t = clamp((y - PY + 11) / (AREA + 22))
        c = mix((132, 128, 140), (60, 56, 70), t)
        return bevel(c, bezel, x, y, -d, 4.0, ((236, 232, 244), 0.7), ((10, 8, 16), 0.7))
    cv.paint(bezel, bezel_colour)
    fx, fy = PX + AREA / 2.0, PY + AREA / 2.0

    def view_colour(x, y, d):
        r = math.hypot(x - fx, y - fy) / (AREA * 0.72)
        c = mix(VIEW_CENTRE, VIEW_EDGE, clamp(r) ** 1.4)
        # a few faint stars, far too dim to be taken for food
        if noise(x, y, 1.0, 9) > 0.985:
            c = mix(c, (120, 130, 170), 0.25)
        inset = clamp((-d) / 7.0)
        return mix((0, 0, 4), c, 0.4 + 0.6 * inset)
    cv.paint(view, view_colour)


def draw_lamp(cv):
    """A hatch that the game fills with the notifier colour until the first
    arrow key when the notifier setting is off."""
    lx, ly, ls = LAMP
    hatch = rbox(lx - 4, ly - 4, lx + ls + 4, ly + ls + 4, 6)
    cv.paint(shifted(hatch, 1.5, 2.0), NIGHT, 0.6, grow=0.5)

    def hatch_colour(x, y, d):
        s = lit(hatch, x, y)
        return mix((48, 44, 56), (200, 196, 212), clamp(s * 0.5 + 0.5) ** 1.4)
    cv.paint(hatch, hatch_colour)
    cv.paint(rbox(lx - 1, ly - 1, lx + ls + 1, ly + ls + 1, 3), (10, 8, 20))
    label = FONT.centred('READY', lx + ls / 2.0, ly + ls + 9, 7, 1.3, 0.3)
    cv.paint(shifted(label, 0.6, 0.8), NIGHT, 0.6)
    cv.paint(label, (252, 244, 226))


def draw_score(cv):
    plate = rbox(SCORE_X - 66, SCORE_Y - 8, SCORE_X + 72, SCORE_Y + 29, 10)
    cv.paint(shifted(plate, 1.5, 2.5), NIGHT, 0.55, grow=0.8)

    def plate_colour(x, y, d):
        c = mix((16, 16, 36), (6, 6, 16), clamp((y - SCORE_Y + 8) / 37.0))
        return bevel(c, plate, x, y, -d, 3.0, ((200, 190, 210), 0.55), ((0, 0, 0), 0.6), sunken=True)
    cv.paint(plate, plate_colour)
    label = FONT.shape('SCORE', SCORE_X - 56, SCORE_Y + 7, 7, 1.3, 0.3)
    cv.paint(label, (170, 176, 210))


def draw_title(cv):
    title = FONT.centred('KRIEL', CX, 22, 17, 2.6, 0.30)
    cv.paint(shifted(title, 1.0, 1.4), NIGHT, 0.5, grow=0.4)
    cv.paint(title, (255, 250, 236))


def draw_skin():
    cv = Canvas(W, H, RIM)      # not the key colour: see cut_to_key
    globe = circle(CX, CY, R)
    ring = ring_shape()
    draw_globe(cv, globe)
    draw_ring(cv, ring, globe)
    draw_view(cv)
    draw_lamp(cv)
    draw_score(cv)
    draw_title(cv)
    # the viewport has to stay dark under the grid
    check_play_field(cv, PX, PY, AREA, lambda p: max(p) > 60)
    cut_to_key(cv, body_shape(), KEY)
    return cv


# -------------------------------------------------------------------- food --
# A magenta crystal, one cell in size: a long diamond with a lit left face and
# a shaded right one.

def food_rows():
    c = CELL / 2.0
    top, bottom, left, right = (c, 0.4), (c, CELL - 0.4), (c - 4.4, c - 0.6), (c + 4.4, c - 0.6)
    cv = AlphaCanvas(CELL, CELL)
    cv.paint(polygon([top, right, bottom, left], 0.2), (110, 16, 96))
    cv.paint(polygon([top, (c, c - 0.6), bottom, left]), (255, 112, 232))
    cv.paint(polygon([top, right, bottom, (c, c - 0.6)]), (206, 40, 180))
    cv.paint(polygon([top, (c - 1.4, c - 1.4), left]), (255, 214, 250))
    return hard_alpha(cv.rgba_rows())


if __name__ == '__main__':
    run_skin_script('Planet', lambda folder: draw_skin(), food_rows, KEY, PX, PY, SCORE_X, SCORE_Y, CELL)
