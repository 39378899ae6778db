#!/usr/bin/env python3
"""Draws the pictures of the Blueprint skin.

Writes data/Skins/Blueprint/skin.bmp (472 x 348, 24-bit uncompressed) and
data/Skins/Blueprint/food.gif (15 x 15, transparent background).  Only the
Python standard library is used (and ImageMagick's `convert` for the GIF), and
the output is the same, byte for byte, on every run.  The shapes, the canvas
and the file writers live in tools/art/picturekit.py.

The skin is a draughtsman's sheet of blueprint paper pinned down at two
corners, its top right corner folded over.  The play field is drawn on the
sheet's own squared grid, one square a cell, so the square cells with dashed
outlines that the skin asks of the game sit on the grid like construction
squares; the game draws the play area's edge as a dash-dot centre line.  The
side of the sheet holds the title, the ready lamp, the score and a title
block, all in single-stroke drafting letters.

Usage: draw-blueprint-skin.py [SKIN_FOLDER] [--preview PNG]
       (default folder: data/Skins/Blueprint)

The numbers below must agree with the skin's config.ini.
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (GRID, LAMP, LETTERS, AlphaCanvas, Canvas, StrokeFont,  # noqa: E402
                        check_play_field, circle, clamp, cut_to_key, hard_alpha, lit, mix,
                        noise, polygon, rbox, run_skin_script, shifted, strokes, subtract)

# ---------------------------------------------------------------- geometry --

W, H = 472, 348
KEY = (255, 0, 255)          # transparent colour: bottom-left pixel

CELL = 15                    # [Ratio] SizeRatio
AREA = CELL * GRID           # 285
PX, PY = 30, 30              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 352, 176  # [Positions] ScoreTextX, ScoreTextY

SHEET = (3, 3, 466, 344)     # the paper, before its corner is folded
FOLD = 24                    # how far the folded corner reaches along each edge
COL_X0, COL_X1 = 336, 452    # the side column: title, lamp, score, title block
COL_MID = (COL_X0 + COL_X1) / 2.0

# ----------------------------------------------------------------- palette --

PAPER_TOP = (28, 86, 170)
PAPER_BOTTOM = (18, 64, 138)
PAPER_BACK = (196, 212, 232)  # the back of the folded corner, not blued
EDGE = (10, 34, 80)
INK = (236, 244, 255)         # the white lines of the print
FAINT = 0.13                  # how strongly the squared grid shows
AMBER = (255, 196, 72)
PIN_RED = (214, 46, 52)

FONT = StrokeFont(LETTERS, space=0.5)


# -------------------------------------------------------------------- skin --

def sheet_shape():
    x0, y0, x1, y1 = SHEET
    return polygon([(x0, y0), (x1 - FOLD, y0), (x1, y0 + FOLD), (x1, y1), (x0, y1)], 1.0)


def paper_colour(shape):
    x0, y0, x1, y1 = SHEET

    def colour(x, y, d):
        t = clamp((y - y0) / (y1 - y0))
        c = mix(PAPER_TOP, PAPER_BOTTOM, t)
        # the uneven soak of the print: large blotches and a fine tooth
        c = mix(c, (40, 104, 190), (noise(x, y, 60.0, 1) - 0.5) * 0.5 + 0.1)
        c = mix(c, (12, 50, 118), noise(x, y, 3.0, 2) * 0.18)
        # the sheet darkens a little towards its edge
        c = mix(c, EDGE, clamp(1.0 - (-d) / 10.0) * 0.45)
        return c
    return colour


def grid_lines(x, y):
    """How much of the squared grid shows at (x, y): thin lines every cell,
    firmer ones every five, both aligned with the play area's cells."""
    a = 0.0
    for g in (int(x) - PX, int(y) - PY):
        if g % CELL == 0:
            a = max(a, FAINT)
        if g % (CELL * 5) == 0:
            a = max(a, FAINT * 1.9)
    return a


def draw_paper(cv, sheet):
    base = paper_colour(sheet)

    def colour(x, y, d):
        c = base(x, y, d)
        a = grid_lines(x, y)
        return mix(c, INK, a) if a else c
    cv.paint(sheet, colour)


def draw_fold(cv):
    """The corner folded over onto the sheet: a triangle of the paper's
    unprinted back, with the shadow it throws."""
    x1, y0 = SHEET[2], SHEET[1]
    flap = polygon([(x1 - FOLD, y0), (x1 - FOLD, y0 + FOLD), (x1, y0 + FOLD)], 0.6)
    cv.paint(shifted(flap, -2.5, 2.5), EDGE, 0.45, grow=1.5)

    def flap_colour(x, y, d):
        t = clamp(((x - (x1 - FOLD)) + (y0 + FOLD - y)) / (2.0 * FOLD))
        return mix(PAPER_BACK, (150, 170, 200), t)
    cv.paint(flap, flap_colour)
    cv.paint(strokes([[(x1 - FOLD, y0 + 0.5), (x1 - 0.5, y0 + FOLD)]], 1.0), (240, 246, 255), 0.8)


def draw_pin(cv, x, y):
    """A red drawing pin, seen from above, lit from the upper left."""
    cv.paint(circle(x + 2.0, y + 2.5, 7.0), EDGE, 0.5)
    head = circle(x, y, 6.5)

    def head_colour(px, py, d):
        s = lit(head, px, py)
        c = mix(PIN_RED, (120, 14, 24), clamp(math.hypot(px - x + 2, py - y + 2) / 9.0))
        return mix(c, (255, 170, 160), clamp(s) * clamp(1.0 + d / 2.0) * 0.6)
    cv.paint(head, head_colour)
    cv.paint(circle(x - 2.2, y - 2.4, 1.8), (255, 236, 230), 0.75)


def ink(cv, shape, alpha=0.92):
    cv.paint(shape, INK, alpha)


def draw_field(cv):
    # Dimension lines along the top and the left of the play area: the
    # drawing's measurements, 19 squares each way.
    top = PY - 14.5
    ink(cv, strokes([[(PX, top), (PX + AREA, top)]], 1.0), 0.75)
    for x in (PX, PX + AREA):
        ink(cv, strokes([[(x, top - 4), (x, top + 9)]], 1.0), 0.75)
        arrow = polygon([(x, top), (x + (6 if x == PX else -6), top - 2.2),
                         (x + (6 if x == PX else -6), top + 2.2)])
        ink(cv, arrow, 0.85)
    label = FONT.centred('19 SQUARES', PX + AREA / 2.0, top - 3.5, 7, 1.2, 0.3)
    cv.paint(rbox(label.box[0] - 4, top - 4, label.box[2] + 4, top + 4, 1), PAPER_TOP)
    ink(cv, label)

    left = PX - 14.5
    ink(cv, strokes([[(left, PY), (left, PY + AREA)]], 1.0), 0.75)
    for y in (PY, PY + AREA):
        ink(cv, strokes([[(left - 4, y), (left + 9, y)]], 1.0), 0.75)
        arrow = polygon([(left, y), (left - 2.2, y + (6 if y == PY else -6)),
                         (left + 2.2, y + (6 if y == PY else -6))])
        ink(cv, arrow, 0.85)


def draw_column(cv):
    # A double border round the side column, as round a drawing's title block.
    frame = rbox(COL_X0, PY - 1, COL_X1, PY + AREA + 1, 0)
    ink(cv, subtract(frame, rbox(COL_X0 + 1.2, PY + 0.2, COL_X1 - 1.2, PY + AREA - 0.2, 0)), 0.85)
    ink(cv, subtract(rbox(COL_X0 + 4, PY + 3, COL_X1 - 4, PY + AREA - 3, 0),
                     rbox(COL_X0 + 4.8, PY + 3.8, COL_X1 - 4.8, PY + AREA - 3.8, 0)), 0.45)

    # Title, in the tall letters of a drawing's name.
    title = FONT.centred('KRIEL', COL_MID, PY + 14, 26, 3.0, 0.30)
    ink(cv, title, 0.96)
    rule = PY + 50.5
    ink(cv, strokes([[(COL_X0 + 14, rule), (COL_X1 - 14, rule)]], 1.0), 0.7)
    sub = FONT.centred('GENERAL ARRANGEMENT', COL_MID, rule + 6, 5, 0.9, 0.3)
    ink(cv, sub, 0.7)

    # The ready lamp: a square the game fills with the notifier colour until
    # the first arrow key when the notifier setting is off, drawn here as an
    # empty box with its leader line to the label.
    lx, ly, ls = LAMP
    box = rbox(lx - 3, ly - 3, lx + ls + 3, ly + ls + 3, 0)
    cv.paint(box, (14, 52, 116))
    ink(cv, subtract(box, rbox(lx - 2, ly - 2, lx + ls + 2, ly + ls + 2, 0)))
    cv.paint(strokes([[(lx + 4, ly + ls - 4), (lx + ls - 4, ly + 4)]], 1.0), INK, 0.25)
    ready = FONT.shape('READY', COL_X0 + 12, ly + ls / 2.0 - 4.5, 9, 1.4, 0.3)
    ink(cv, ready)
    ink(cv, strokes([[(ready.box[2] + 4, ly + ls / 2.0), (lx - 6, ly + ls / 2.0)]], 1.0), 0.6)
    ink(cv, circle(lx - 6, ly + ls / 2.0, 1.6), 0.8)

    # The score: a cell of the title block, empty for the game to write in.
    sy0 = SCORE_Y - 22
    cell = rbox(COL_X0 + 8, sy0, COL_X1 - 8, SCORE_Y + 32, 0)
    ink(cv, subtract(cell, rbox(COL_X0 + 9, sy0 + 1, COL_X1 - 9, SCORE_Y + 31, 0)), 0.85)
    ink(cv, strokes([[(COL_X0 + 8, sy0 + 14.5), (COL_X1 - 8, sy0 + 14.5)]], 1.0), 0.6)
    ink(cv, FONT.shape('SCORE', COL_X0 + 13, sy0 + 4, 7, 1.2, 0.3))

    # The rest of the title block: who drew it, the scale, the sheet.
    rows = (('DRAWN', 'KRIEL'), ('SCALE', '1:15'), ('SHEET', '1/1'))
    y = SCORE_Y + 44
    for i, (key, value) in enumerate(rows):
        yy = y + i * 22
        ink(cv, strokes([[(COL_X0 + 8, yy + 18.5), (COL_X1 - 8, yy + 18.5)]], 1.0), 0.45)
        ink(cv, FONT.shape(key, COL_X0 + 13, yy + 6, 6, 1.0, 0.3), 0.7)
        ink(cv, FONT.shape(value, COL_X0 + 56, yy + 4, 9, 1.3, 0.3))
    ink(cv, strokes([[(COL_X0 + 50.5, y + 2), (COL_X0 + 50.5, y + 62)]], 1.0), 0.45)


def draw_skin():
    cv = Canvas(W, H, EDGE)     # the sheet's rim, not the key colour: see cut_to_key
    sheet = sheet_shape()
    draw_paper(cv, sheet)
    draw_fold(cv)
    draw_field(cv)
    draw_column(cv)
    draw_pin(cv, 13.0, 13.0)
    draw_pin(cv, SHEET[2] - 11.0, SHEET[3] - 11.0)
    # Nothing but paper and its faint grid may show inside the play area's
    # edge, or the cells would be hard to tell from the drawing: no ink.
    check_play_field(cv, PX + 1, PY + 1, AREA - 2, lambda p: min(p[:2]) > 140)
    cut_to_key(cv, sheet, KEY)
    return cv


# -------------------------------------------------------------------- food --
# An amber hex nut seen from above, one cell in size: a hexagon with a round
# hole, lit from the upper left.

def food_rows():
    c = CELL / 2.0
    hexagon = polygon([(c + 7.1 * math.cos(math.radians(30 + 60 * i)),
                        c + 7.1 * math.sin(math.radians(30 + 60 * i))) for i in range(6)], 0.3)
    hole = circle(c, c, 2.6)
    nut = subtract(hexagon, hole)
    cv = AlphaCanvas(CELL, CELL)

    def nut_colour(x, y, d):
        s = lit(hexagon, x, y) if hole(x, y) > 1.2 else -lit(hole, x, y)
        col = mix(AMBER, (150, 92, 14), clamp(0.45 - s * 0.6))
        return col if d < -1.0 else mix(col, (94, 52, 6), 0.7)
    cv.paint(nut, nut_colour)
    return hard_alpha(cv.rgba_rows())


if __name__ == '__main__':
    run_skin_script('Blueprint', lambda folder: draw_skin(), food_rows, KEY, PX, PY, SCORE_X, SCORE_Y, CELL)
