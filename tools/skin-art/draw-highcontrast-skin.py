#!/usr/bin/env python3
"""Draws the pictures of the HighContrast skin.

Writes data/Skins/HighContrast/skin.bmp (532 x 412, 24-bit uncompressed) and
data/Skins/HighContrast/food.gif (20 x 20, transparent background).  Only the
Python standard library is used (and ImageMagick's `convert` for the GIF), and
the output is the same, byte for byte, on every run.  The shapes, the canvas
and the file writers live in tools/art/picturekit.py.

The skin is for players with low vision or colour blindness: large cells on a
plain black field, a yellow kriel of filled squares with black seams between
them and a white food that is a hollow ring, so that kriel and food differ in
form as well as in colour.  Nothing is drawn on the play field.

Before writing anything the script reads the colours of the skin's config.ini
and prints the contrast ratio of each pair that has to be told apart, by the
relative luminance of the Web Content Accessibility Guidelines; it stops when
a pair that can be held to 7:1 falls below it.  The kriel and the food cannot
both stand at 7:1 from the field and from each other (that would need 7 x 7 =
49:1 end to end, and black to white is 21:1), so those two are told apart by
form, which the script checks too.

Usage: draw-highcontrast-skin.py [SKIN_FOLDER] [--preview PNG]
       (default folder: data/Skins/HighContrast)

The numbers below must agree with the skin's config.ini.
"""

import configparser
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (GRID, LAMP, LETTERS, REPO, AlphaCanvas, Canvas, StrokeFont,  # noqa: E402
                        check_play_field, circle, cut_to_key, hard_alpha, rbox,
                        run_skin_script, subtract)

# ---------------------------------------------------------------- geometry --

W, H = 532, 412
KEY = (255, 0, 255)          # transparent colour: bottom-left pixel

CELL = 20                    # [Ratio] SizeRatio
AREA = CELL * GRID           # 380
PX, PY = 16, 16              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 412, 176  # [Positions] ScoreTextX, ScoreTextY

COL_X0, COL_X1 = 404, 526    # the column right of the play field
COL_MID = (COL_X0 + COL_X1) / 2.0

# ----------------------------------------------------------------- palette --
# Only these colours are drawn; the kriel's, the notifier's and the score's
# are the game's, from config.ini.

BACK = (0, 0, 0)             # the body and the play field
LINE = (255, 255, 255)       # frames and letters
FOOD = (255, 255, 255)       # the food's ring and its centre

MINIMUM = 7.0                # the contrast every pair below must reach

FONT = StrokeFont(LETTERS, space=0.5)


# ---------------------------------------------------------------- contrast --

def luminance(rgb):
    """Relative luminance of an sRGB colour, 0 for black to 1 for white."""
    def linear(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    hi, lo = sorted((luminance(a), luminance(b)), reverse=True)
    return (hi + 0.05) / (lo + 0.05)


def config_colours(folder):
    """The game's colours from the config.ini in `folder`, or from the one
    that comes with the game when the folder has none yet."""
    path = os.path.join(folder, 'config.ini')
    if not os.path.exists(path):
        path = os.path.join(REPO, 'data', 'Skins', 'HighContrast', 'config.ini')
    ini = configparser.ConfigParser(interpolation=None)
    ini.read(path)

    def colour(name):
        return tuple(min(255, int(ini.get('Colors', name + c))) for c in 'RGB')
    return {name: colour(name) for name in ('Kriel', 'KrielBorder', 'Notifier', 'PlayBorder', 'Score')}, ini


def check_contrast(folder):
    """Prints the ratio of every pair a player has to tell apart and stops
    when one that can reach MINIMUM does not."""
    colours, ini = config_colours(folder)
    pairs = [
        ('kriel', colours['Kriel'], 'field', BACK),
        ('food', FOOD, 'field', BACK),
        ('kriel', colours['Kriel'], 'its seams', colours['KrielBorder']),
        ('notifier', colours['Notifier'], 'field', BACK),
        ('play area edge', colours['PlayBorder'], 'field', BACK),
        ('score', colours['Score'], 'its panel', BACK),
        ('labels', LINE, 'their panel', BACK),
    ]
    failed = False
    for a, ca, b, cb in pairs:
        ratio = contrast(ca, cb)
        print('%-15s against %-12s %5.2f:1' % (a, b, ratio))
        failed |= ratio < MINIMUM
    print('%-15s against %-12s %5.2f:1, told apart by form: filled squares against a hollow ring'
          % ('kriel', 'food', contrast(colours['Kriel'], FOOD)))
    if failed:
        raise SystemExit('a pair is below %.0f:1' % MINIMUM)
    shape = ini.get('Styles', 'KrielShape')
    if shape not in ('0', '1'):
        raise SystemExit('the kriel has to be square cells (KrielShape 0 or 1), not %s' % shape)
    return colours


# -------------------------------------------------------------------- skin --

def frame(cv, x0, y0, x1, y1, width, r=0.0):
    """A white frame `width` pixels wide just outside the box."""
    cv.paint(subtract(rbox(x0 - width, y0 - width, x1 + width, y1 + width, r + width if r else 0),
                      rbox(x0, y0, x1, y1, r)), LINE)


def draw_skin(colours):
    cv = Canvas(W, H, BACK)
    body = rbox(0, 0, W - 1, H, 12)
    # the window's own edge, white against any desktop
    cv.paint(subtract(body, rbox(3, 3, W - 4, H - 3, 9)), LINE)
    # a thick frame round the play field, clear of the game's own edge line
    frame(cv, PX - 3, PY - 3, PX + AREA + 3, PY + AREA + 3, 3)

    title = FONT.centred('KRIEL', COL_MID, 24, 26, 4.0, 0.30)
    cv.paint(title, LINE)

    # The ready lamp: a square the game fills with the notifier colour until
    # the first arrow key when the notifier setting is off.
    lx, ly, ls = LAMP
    frame(cv, lx - 2, ly - 2, lx + ls + 2, ly + ls + 2, 3)
    cv.paint(FONT.shape('READY', lx + ls + 10, ly + ls / 2.0 - 6, 12, 2.6, 0.28), LINE)

    cv.paint(FONT.shape('SCORE', SCORE_X, SCORE_Y - 24, 12, 2.6, 0.28), LINE)

    # A key to what is on the field: a kriel cell and the food, drawn as the
    # game draws them, with their names.
    ky = 268
    cv.paint(rbox(SCORE_X, ky, SCORE_X + CELL, ky + CELL, 0), colours['Kriel'])
    cv.paint(subtract(rbox(SCORE_X, ky, SCORE_X + CELL, ky + CELL, 0),
                      rbox(SCORE_X + 1, ky + 1, SCORE_X + CELL - 1, ky + CELL - 1, 0)),
             colours['KrielBorder'])
    cv.paint(FONT.shape('KRIEL', SCORE_X + CELL + 10, ky + 4, 12, 2.6, 0.28), LINE)
    fy = ky + 44
    paint_food(cv, SCORE_X, fy)
    cv.paint(FONT.shape('FOOD', SCORE_X + CELL + 10, fy + 4, 12, 2.6, 0.28), LINE)

    check_play_field(cv, PX, PY, AREA, lambda p: tuple(round(v) for v in p) != BACK, 'something drawn')
    cut_to_key(cv, body, KEY)
    return cv


# -------------------------------------------------------------------- food --
# A white ring with a dot in its middle, one cell in size: hollow where every
# kriel cell is filled.

def food_shape(x, y):
    c = CELL / 2.0
    ring = subtract(circle(x + c, y + c, 8.6), circle(x + c, y + c, 5.4))
    dot = circle(x + c, y + c, 2.2)
    return ring, dot


def paint_food(cv, x, y):
    for part in food_shape(x, y):
        cv.paint(part, FOOD)


def food_rows():
    cv = AlphaCanvas(CELL, CELL)
    paint_food(cv, 0, 0)
    rows = hard_alpha(cv.rgba_rows())
    # hollow: a see-through ring lies between the dot and the outer ring
    if rows[CELL // 2][CELL // 2 + 4][3] != 0 or rows[CELL // 2][CELL // 2][3] == 0:
        raise SystemExit('the food has to be a hollow ring round a dot')
    return rows


if __name__ == '__main__':
    run_skin_script('HighContrast', lambda folder: draw_skin(check_contrast(folder)), food_rows,
                    KEY, PX, PY, SCORE_X, SCORE_Y, CELL)
