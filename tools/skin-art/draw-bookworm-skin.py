#!/usr/bin/env python3
"""Draws the pictures of the Bookworm skin.

Writes data/Skins/Bookworm/skin.bmp (540 x 404, 24-bit uncompressed) and
data/Skins/Bookworm/food.gif (18 x 18, transparent background).  Only the
Python standard library is used (and ImageMagick's `convert` for the GIF), and
the output is the same, byte for byte, on every run.  The shapes, the canvas
and the file writers live in tools/art/picturekit.py.

The skin is the top of a walnut writing desk, its corners cut in as on an old
picture frame, with a green leather writing surface set into it as the play
field.  The kriel is a bookworm of stitched leather patches that eats little
red books; the game draws its dotted stitching and the dashed gold tooling
round the play area.  Beside the leather stand a brass lamp socket, a brass
plate on which the game engraves the score in a serif face, and a stack of
books.

Usage: draw-bookworm-skin.py [SKIN_FOLDER] [--preview PNG]
       (default folder: data/Skins/Bookworm)

The numbers below must agree with the skin's config.ini.
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (GRID, LAMP, LETTERS, Canvas, StrokeFont, bevel,  # noqa: E402
                        check_play_field, circle, clamp, cut_to_key, grown, mix, noise,
                        pixel_rows, polygon, rbox, run_skin_script, shifted, smooth_subtract,
                        strokes, subtract)

# ---------------------------------------------------------------- geometry --

W, H = 540, 404
KEY = (255, 0, 255)          # transparent colour: bottom-left pixel

CELL = 18                    # [Ratio] SizeRatio
AREA = CELL * GRID           # 342
PX, PY = 31, 31              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 406, 164  # [Positions] ScoreTextX, ScoreTextY

CORNER = 18                  # radius of the frame's cut-in corners
COL_X0, COL_X1 = 390, 524    # the side of the desk right of the leather
COL_MID = (COL_X0 + COL_X1) / 2.0

# ----------------------------------------------------------------- palette --

RIM = (34, 18, 10)
WOOD_LIGHT = (120, 72, 40)
WOOD_DARK = (70, 38, 20)
WOOD_SHINE = (196, 146, 100)
WOOD_SHADE = (22, 10, 4)
LEATHER = (38, 84, 58)
LEATHER_DARK = (20, 50, 34)
GOLD = (222, 184, 100)
GOLD_DARK = (128, 92, 36)
BRASS = (204, 164, 84)
BRASS_LIGHT = (250, 226, 160)
BRASS_DARK = (112, 78, 28)

FONT = StrokeFont(LETTERS, space=0.5)


# -------------------------------------------------------------------- skin --

def body_shape():
    shape = rbox(2, 2, W - 2, H - 2, 0)
    for x, y in ((2, 2), (W - 2, 2), (2, H - 2), (W - 2, H - 2)):
        shape = smooth_subtract(shape, circle(x, y, CORNER), 3)
    return shape


def wood(x, y):
    """Walnut: long wavy grain along the desk, with darker streaks."""
    warp = noise(x, y, 70.0, 11) * 26.0 + noise(x, y, 18.0, 12) * 5.0
    grain = math.sin((y + warp) * 0.55) * 0.5 + 0.5
    streak = noise(x * 0.08, y, 9.0, 13)
    c = mix(WOOD_DARK, WOOD_LIGHT, grain * 0.55 + streak * 0.45)
    return mix(c, WOOD_DARK, noise(x, y, 2.0, 14) * 0.25)


def draw_desk(cv, body):
    def colour(x, y, d):
        c = wood(x, y)
        # a broad soft sheen of the polish across the top left
        c = mix(c, WOOD_SHINE, math.exp(-((x * 0.6 + y - 170.0) / 120.0) ** 2) * 0.16)
        depth = -d
        c = bevel(c, body, x, y, depth, 9.0, (WOOD_SHINE, 0.55), (WOOD_SHADE, 0.7), power=1.4)
        if depth < 1.4:
            c = mix(c, RIM, clamp(1.4 - depth) * 0.9)
        return c
    cv.paint(body, colour)
    # an inlaid line of pale wood a little inside the edge
    inlay = subtract(grown(body, -7.0), grown(body, -8.2))
    cv.paint(inlay, (206, 164, 112), 0.75)


def draw_leather(cv):
    # The leather lies a little below the wood, in a rebate.
    rebate = rbox(PX - 15, PY - 15, PX + AREA + 15, PY + AREA + 15, 3)
    cv.paint(rebate, WOOD_SHADE, 0.8, grow=1.0)
    leather = rbox(PX - 13, PY - 13, PX + AREA + 13, PY + AREA + 13, 2)
    fcx, fcy = PX + AREA / 2.0, PY + AREA / 2.0

    def colour(x, y, d):
        c = mix(LEATHER, LEATHER_DARK, clamp(math.hypot(x - fcx, y - fcy) / (AREA * 0.75)) ** 1.3)
        # the pebbled grain of the hide
        c = mix(c, LEATHER_DARK, noise(x, y, 2.2, 21) * 0.28)
        c = mix(c, (60, 112, 80), noise(x, y, 30.0, 22) * 0.12)
        return bevel(c, leather, x, y, -d, 4.0, ((120, 170, 130), 0.25), ((4, 16, 8), 0.7), sunken=True)
    cv.paint(leather, colour)

    # Gold tooling: a fine line outside the game's dashed one, and a small
    # leaf at each corner.
    line = subtract(rbox(PX - 7, PY - 7, PX + AREA + 7, PY + AREA + 7, 0),
                    rbox(PX - 6, PY - 6, PX + AREA + 6, PY + AREA + 6, 0))
    cv.paint(line, GOLD, 0.85)
    for x in (PX - 6.5, PX + AREA + 6.5):
        for y in (PY - 6.5, PY + AREA + 6.5):
            cv.paint(polygon([(x, y - 4), (x + 4, y), (x, y + 4), (x - 4, y)], 0.3), GOLD)


def brass(shape, sunken=False):
    x0, y0, x1, y1 = shape.box

    def colour(x, y, d):
        t = clamp(((x - x0) / (x1 - x0) + (y - y0) / (y1 - y0)) / 2.0)
        c = mix(BRASS_LIGHT, BRASS, clamp(t * 1.6))
        c = mix(c, BRASS_DARK, clamp(t * 1.6 - 1.0) * 0.6)
        c = mix(c, BRASS_DARK, noise(x * 0.1, y, 1.5, 31) * 0.14)     # brushed
        return bevel(c, shape, x, y, -d, 2.5, (BRASS_LIGHT, 0.8), (BRASS_DARK, 0.8), sunken=sunken)
    return colour


def engrave(cv, shape):
    """Letters cut into brass: dark in the cut, light on its lower edge."""
    cv.paint(shifted(shape, 0.0, 0.8), BRASS_LIGHT, 0.55)
    cv.paint(shape, (56, 34, 10))


def draw_column(cv):
    # Title in gold leaf, pressed into the wood.
    title = FONT.centred('KRIEL', COL_MID, 24, 30, 3.4, 0.30)
    cv.paint(shifted(title, -0.6, -0.8), WOOD_SHADE, 0.7, grow=0.5)
    cv.paint(title, lambda x, y, d: mix(BRASS_LIGHT, GOLD_DARK, clamp((y - 24) / 34.0)))
    flourish = strokes([[(COL_MID - 46, 68.5), (COL_MID - 6, 68.5)],
                        [(COL_MID + 6, 68.5), (COL_MID + 46, 68.5)]], 1.2)
    cv.paint(flourish, GOLD, 0.85)
    diamond = polygon([(COL_MID, 64.5), (COL_MID + 4, 68.5), (COL_MID, 72.5), (COL_MID - 4, 68.5)])
    cv.paint(diamond, GOLD)

    # The ready lamp: a brass socket the game fills with the notifier colour
    # until the first arrow key when the notifier setting is off.
    lx, ly, ls = LAMP
    socket = rbox(lx - 5, ly - 5, lx + ls + 5, ly + ls + 5, 6)
    cv.paint(shifted(socket, 1.5, 2.0), WOOD_SHADE, 0.7, grow=0.5)
    cv.paint(socket, brass(socket))
    cv.paint(rbox(lx - 1, ly - 1, lx + ls + 1, ly + ls + 1, 3), (30, 18, 8))
    cv.paint(circle(lx + 7.0, ly + 7.0, 2.4), (255, 236, 200), 0.25)
    ready = FONT.shape('READY', lx + ls + 10, ly + ls / 2.0 - 4.5, 9, 1.5, 0.3)
    cv.paint(shifted(ready, -0.5, -0.6), WOOD_SHADE, 0.7)
    cv.paint(ready, GOLD)

    # The score plate: brass screwed to the desk, the game's numbers on it.
    plate = rbox(COL_X0 + 4, SCORE_Y - 26, COL_X1 - 4, SCORE_Y + 38, 5)
    cv.paint(shifted(plate, 1.5, 2.5), WOOD_SHADE, 0.7, grow=0.6)
    cv.paint(plate, brass(plate))
    engrave(cv, FONT.shape('SCORE', SCORE_X, SCORE_Y - 17, 8, 1.4, 0.34))
    cv.paint(strokes([[(SCORE_X, SCORE_Y - 5.5), (COL_X1 - 16, SCORE_Y - 5.5)]], 0.9), (56, 34, 10), 0.6)
    for sx, sy in ((COL_X0 + 10, SCORE_Y - 20), (COL_X1 - 10, SCORE_Y - 20),
                   (COL_X0 + 10, SCORE_Y + 32), (COL_X1 - 10, SCORE_Y + 32)):
        head = circle(sx, sy, 2.6)
        cv.paint(head, brass(head))
        cv.paint(strokes([[(sx - 1.8, sy + 1.2), (sx + 1.8, sy - 1.2)]], 0.8), BRASS_DARK, 0.9)

    draw_books(cv)


BOOKS = [   # x0, x1, height, cloth colour: a row of books standing on the desk
    (402, 420, 112, (120, 26, 30)),
    (421, 441, 124, (28, 60, 96)),
    (442, 457, 100, (46, 88, 52)),
    (458, 478, 118, (132, 84, 30)),
]


def draw_books(cv):
    base = 372
    shelf = rbox(COL_X0 + 6, base, COL_X1 - 6, base + 6, 2)
    for x0, x1, h, cloth in BOOKS:
        spine = rbox(x0, base - h, x1, base, 2)
        cv.paint(shifted(spine, 2.0, 1.0), WOOD_SHADE, 0.6)

        def colour(x, y, d, x0=x0, x1=x1, cloth=cloth):
            t = (x - x0) / (x1 - x0)
            # a rounded spine: lit on the left, in shade on the right
            return mix(cloth, (0, 0, 0), clamp(abs(t - 0.35) * 1.2) * 0.6)
        cv.paint(spine, colour)
        for band in (base - h + 12, base - h + 18, base - 16):
            cv.paint(strokes([[(x0 + 2, band + 0.5), (x1 - 2, band + 0.5)]], 1.6), GOLD, 0.9)
        cv.paint(rbox(x0 + 4, base - h + 30, x1 - 4, base - h + 46, 1), GOLD, 0.75)
    # one book lying down on the right, pages towards us
    lying = rbox(482, base - 20, 516, base, 2)
    cv.paint(shifted(lying, 2.0, 1.0), WOOD_SHADE, 0.6)
    cv.paint(lying, (96, 22, 60))
    pages = rbox(484, base - 17, 514, base - 3, 1)

    def pages_colour(x, y, d):
        return mix((240, 228, 200), (196, 180, 150), 0.5 + 0.5 * math.sin(y * 2.4))
    cv.paint(pages, pages_colour)
    cv.paint(shelf, lambda x, y, d: mix(WOOD_SHADE, WOOD_DARK, 0.4))


def draw_skin():
    cv = Canvas(W, H, RIM)      # not the key colour: see cut_to_key
    body = body_shape()
    draw_desk(cv, body)
    draw_leather(cv)
    draw_column(cv)
    # The leather under the grid has to stay calm and dark, so that the
    # kriel's tan patches and the red books stand out on it.
    check_play_field(cv, PX, PY, AREA, lambda p: max(p) > 110)
    cut_to_key(cv, body, KEY)
    return cv


# -------------------------------------------------------------------- food --
# A little red book with gold bands on its spine, 18 x 18, drawn pixel by pixel.

FOOD = [
    "..................",
    "...kkkkkkkkkkkk...",
    "..kgRRRRRRRRRRRk..",
    "..kgRrrrrrrrrrrk..",
    "..kgRryyyyyyyrrk..",
    "..kgRryrrrrrryrk..",
    "..kgRryyyyyyyrrk..",
    "..kgRrrrrrrrrrrk..",
    "..kgRrrrrrrrrrrk..",
    "..kgRrrrrrrrrrrk..",
    "..kgRrrrrrrrrrdk..",
    "..kgRrrrrrrrrrdk..",
    "..kgRrrrrrrrrddk..",
    "..kgRddddddddddk..",
    "..kgpppppppppppk..",
    "..kgwwwwwwwwwwwk..",
    "...kkkkkkkkkkkk...",
    "..................",
]
FOOD_COLOURS = {
    'k': (44, 8, 12),      # outline
    'R': (232, 80, 76),    # lit edge of the cover
    'r': (196, 34, 40),    # cover
    'd': (138, 18, 28),    # cover in shade
    'g': (236, 196, 96),   # gold spine
    'y': (246, 206, 104),  # gold title frame
    'p': (208, 192, 160),  # page edges in shade
    'w': (248, 238, 214),  # page edges
}


if __name__ == '__main__':
    run_skin_script('Bookworm', lambda folder: draw_skin(), lambda: pixel_rows(FOOD, FOOD_COLOURS),
                    KEY, PX, PY, SCORE_X, SCORE_Y, CELL)
