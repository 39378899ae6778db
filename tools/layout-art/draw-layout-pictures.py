#!/usr/bin/env python3
"""Draws the pictures that belong to the window layouts.

Writes, into layouts/pictures/ (or the folder given on the command line):

  kriel-16.png, kriel-32.png, kriel-48.png
      The application icon, 32-bit RGBA: a game pad whose cable winds in
      right-angled bends up to a red dot.  The 16 pixel image is drawn pixel
      by pixel; the larger ones are drawn from shapes laid on the pixel grid.
  medal.bmp
      235 x 235, 24-bit uncompressed: the high-score viewer's medal on a red,
      white and blue ribbon against a dark blue background.
  placeholder.bmp
      480 x 388, 24-bit uncompressed: the play window's picture before a skin
      replaces it, a green shape on white with an oval hole.
  food.gif
      16 x 16 GIF89a with a transparent background: a black X.

Every byte is produced with the Python standard library alone (PNG, BMP and
GIF are encoded by hand, in tools/art/picturekit.py), so two runs give
identical files.

Shapes are signed distance functions.  Edges that lie on pixel boundaries come
out hard; curved edges get one pixel of smoothing.

Usage: draw-layout-pictures.py [FOLDER]   (default: layouts/pictures)
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (AlphaCanvas, StrokeFont, arc, bevel, circle, clamp, ellipse,  # noqa: E402
                        grown, intersect, lit, mix, output_folder, pixel_rows, polygon,
                        rbox, shifted, smooth_union, star, strokes, subtract, union,
                        write_bmp, write_gif, write_png)

# ----------------------------------------------------------------- palette --
# Shared with the Default skin, so that the icon sits well beside it.

TEAL = (46, 124, 117)
TEAL_LIGHT = (96, 178, 164)
TEAL_DARK = (28, 84, 82)
RIM = (10, 34, 36)
CREAM = (255, 246, 224)
CREAM_SHADE = (214, 196, 160)
AMBER = (244, 170, 58)
AMBER_DARK = (176, 106, 26)
CORAL = (206, 66, 62)
RED = (222, 44, 52)
RED_LIGHT = (250, 120, 104)
RED_DARK = (140, 22, 36)
PINK = (255, 214, 200)


# -------------------------------------------------------------------- icon --
# 16 x 16, pixel by pixel.  The cable leaves the top of the pad, turns left,
# up, right and runs into the dot.

ICON16 = [
    "............kk..",
    "...........kHRk.",
    "..kkkkkkkkkRRRdk",
    "..kcccccccc=RRdk",
    "..kckkkkkkkkddk.",
    "..kckkkkkk..kk..",
    "..kcccccck......",
    "..kkkkkkck......",
    ".kkkkkkkskkkkkk.",
    "kMMMMMMMMMMMMMMk",
    "kTTcTTTTTTTTaTTk",
    "kTcccTTTTTTaTaTk",
    "kTTcTTTTTTTTaTTk",
    "kDDDDDkkkkkDDDDk",
    "kDDDDk.....kDDDk",
    ".kkkk.......kkk.",
]
ICON16_COLOURS = {
    'k': RIM,
    'c': CREAM,
    '=': CREAM_SHADE,
    'R': RED,
    'H': PINK,
    'd': RED_DARK,
    'M': (72, 152, 142),
    'T': TEAL,
    'D': TEAL_DARK,
    'a': AMBER,
    's': (20, 56, 58),
}


# The larger icons share one drawing; these are their measurements, in
# pixel edges so that every straight edge falls on the pixel grid.
ICON_GEOMETRY = {
    48: dict(
        cable=3,                                         # cable width
        path=[(23, 26), (23, 15), (9, 15), (9, 7), (33, 7)],
        dot=(38.5, 8.5, 5.5),                            # centre x, y and radius
        body=(3, 24, 46, 39, 7),                         # x0, y0, x1, y1, corner radius
        grips=(11.5, 38.0, 7.5, 37.5),                   # left x, y, radius, right x
        plug=(21, 22, 28, 26),
        cross=(12, 30, 4, 3),                            # hub x, y, arm length, thickness
        buttons=((37.0, 29.0, 3.0), (30.5, 34.0, 3.0)),
        outline=1.5,
    ),
    32: dict(
        cable=2,
        path=[(15, 17), (15, 10), (5, 10), (5, 4), (22, 4)],
        dot=(25.5, 5.0, 4.0),
        body=(2, 17, 30, 26, 5),
        grips=(7.5, 26.0, 5.0, 24.5),
        plug=(14, 15, 18, 17),
        cross=(7, 20, 2, 2),
        buttons=((24.5, 20.0, 2.0), (20.5, 23.5, 2.0)),
        outline=1.0,
    ),
}


def icon(size):
    """The 32 and 48 pixel icons, drawn from shapes on the pixel grid."""
    g = ICON_GEOMETRY[size]
    cv = AlphaCanvas(size, size)
    cw = g['cable']
    outline = g['outline']

    # The cable: one straight run per leg, square bends.
    legs = g['path']
    runs = []
    for (ax, ay), (bx, by) in zip(legs, legs[1:]):
        runs.append(rbox(min(ax, bx), min(ay, by), max(ax, bx) + cw, max(ay, by) + cw))
    cable = union(*runs)
    cv.paint(grown(cable, 1), RIM)
    cv.paint(cable, CREAM)
    if cw >= 3:
        # Light comes from the upper left: a cable pixel with no cable to its
        # right or below it is on the cord's shaded side.
        def on_cable(x, y):
            return cable(x + 0.5, y + 0.5) < 0.0
        for y in range(size):
            for x in range(size):
                if on_cable(x, y) and not (on_cable(x + 1, y) and on_cable(x, y + 1)):
                    cv.put(x, y, CREAM_SHADE)

    # The red dot at the cable's end.
    dx, dy, dr = g['dot']
    ball = circle(dx, dy, dr)
    cv.paint(grown(ball, outline), RIM)

    def ball_colour(x, y, d):
        t = clamp(math.hypot(x - dx + dr * 0.45, y - dy + dr * 0.45) / (dr * 1.6))
        return mix(RED_LIGHT, RED, t / 0.35) if t < 0.35 else mix(RED, RED_DARK, (t - 0.35) / 0.65)
    cv.paint(ball, ball_colour)
    cv.paint(circle(dx - dr * 0.4, dy - dr * 0.4, max(1.0, dr * 0.28)), PINK, 0.9)

    # The pad: a rounded body with two grips.
    x0, y0, x1, y1, r = g['body']
    lx, gy, gr, rx = g['grips']
    pad = smooth_union(rbox(x0, y0, x1, y1, r), union(circle(lx, gy, gr), circle(rx, gy, gr)), gr * 0.7)
    cv.paint(grown(pad, outline), RIM)
    top, bottom = pad.box[1], pad.box[3]
    edge = 3.0 if size == 48 else 2.0

    def pad_colour(x, y, d):
        c = mix(TEAL, TEAL_DARK, clamp((y - top) / (bottom - top)))
        return bevel(c, pad, x, y, -d, edge, (TEAL_LIGHT, 1.0), (RIM, 0.5))
    cv.paint(pad, pad_colour)

    # The plug where the cable meets the pad.
    plug = rbox(*g['plug'])
    cv.paint(plug, RIM)
    if size == 48:
        cv.paint(rbox(g['plug'][0] + 1, g['plug'][1] + 1, g['plug'][2] - 1, g['plug'][3]), (32, 76, 76))

    # Direction cross, cream on its shadow.
    hx, hy, arm, th = g['cross']
    cross = union(rbox(hx, hy - arm, hx + th, hy + th + arm),
                  rbox(hx - arm, hy, hx + th + arm, hy + th))
    cv.paint(shifted(cross, 1, 1), RIM, 0.75)
    cv.paint(cross, CREAM)

    # Two buttons: amber above, cream below.
    for (bx, by, br), c, dark in zip(g['buttons'], (AMBER, CREAM), (AMBER_DARK, CREAM_SHADE)):
        b = circle(bx, by, br)
        cv.paint(shifted(b, 1, 1), RIM, 0.75)
        cv.paint(b, lambda x, y, d, by=by, br=br, c=c, dark=dark: mix(c, dark, clamp((y - by) / br) * 0.8))
    return cv


# ------------------------------------------------------------------ letters --

FONT = StrokeFont({
    'H': (0.62, [[(0, 0), (0, 1)], [(0.62, 0), (0.62, 1)], [(0, 0.5), (0.62, 0.5)]]),
    'I': (0.0, [[(0, 0), (0, 1)]]),
    'G': (0.78, [arc(0.42, 0.5, 0.42, 0.5, -40, -360, 32) + [(0.80, 0.56), (0.46, 0.56)]]),
    'S': (0.58, [arc(0.29, 0.25, 0.29, 0.25, -20, -270) + arc(0.29, 0.75, 0.29, 0.25, -90, 160)]),
    'C': (0.76, [arc(0.44, 0.5, 0.44, 0.5, -45, -315, 32)]),
    'O': (0.86, [arc(0.43, 0.5, 0.43, 0.5, 0, 360, 40)]),
    'R': (0.60, [[(0, 1), (0, 0), (0.32, 0)] + arc(0.32, 0.26, 0.26, 0.26, -90, 90)
                 + [(0.32, 0.52), (0, 0.52)], [(0.30, 0.52), (0.62, 1)]]),
    'E': (0.52, [[(0.52, 0), (0, 0), (0, 1), (0.52, 1)], [(0, 0.5), (0.44, 0.5)]]),
})


# ------------------------------------------------------------------- medal --

MW = 235
NAVY_GLOW = (36, 58, 120)
NAVY = (16, 28, 70)
NAVY_DEEP = (7, 12, 36)
RIBBON_RED = (200, 34, 46)
RIBBON_WHITE = (244, 242, 236)
RIBBON_BLUE = (34, 68, 168)
GOLD_LIGHT = (255, 230, 150)
GOLD = (240, 178, 62)
GOLD_MID = (214, 146, 40)
GOLD_DARK = (150, 92, 22)
GOLD_DEEP = (96, 56, 14)

MCX, MCY, MR = 116.0, 146.0, 60.0   # medal centre and outer radius


def strap(x_top, x_bottom, y_top, y_bottom, width):
    """A ribbon strap: a band from (x_top, y_top) to (x_bottom, y_bottom).

    Returns its shape and a function giving, for a point, the position
    across the band from 0 (left edge) to 1 (right edge)."""
    dx, dy = x_bottom - x_top, y_bottom - y_top
    ln = math.hypot(dx, dy)
    ux, uy = dx / ln, dy / ln          # along
    nx, ny = uy, -ux                   # across (pointing left of travel)
    h = width / 2.0
    pts = [(x_top - nx * h, y_top - ny * h), (x_top + nx * h, y_top + ny * h),
           (x_bottom + nx * h, y_bottom + ny * h), (x_bottom - nx * h, y_bottom - ny * h)]
    shape = polygon(pts)

    def across(x, y):
        return clamp(((x - x_top) * -nx + (y - y_top) * -ny) / width + 0.5)

    def along(x, y):
        return clamp(((x - x_top) * ux + (y - y_top) * uy) / ln)
    return shape, across, along


def stripe_colour(u):
    """Red, white, blue, white, red across the ribbon."""
    bands = ((0.24, RIBBON_RED), (0.36, RIBBON_WHITE), (0.64, RIBBON_BLUE),
             (0.76, RIBBON_WHITE), (1.01, RIBBON_RED))
    for edge, c in bands:
        if u < edge:
            return c
    return RIBBON_RED


def draw_medal():
    cv = AlphaCanvas(MW, MW, NAVY)

    # Background: a dark blue field with a soft glow behind the medal.
    for y in range(MW):
        for x in range(MW):
            r = math.hypot(x + 0.5 - MCX, y + 0.5 - (MCY - 20)) / 170.0
            c = mix(NAVY_GLOW, NAVY, clamp(r * 1.4) ** 0.9)
            c = mix(c, NAVY_DEEP, clamp((r - 0.55) * 1.6))
            cv.put(x, y, c)

    # A few faint rays from behind the medal.
    for i in range(12):
        a = math.radians(i * 30 + 15)
        a0, a1 = a - math.radians(4), a + math.radians(4)
        ray = polygon([(MCX, MCY), (MCX + math.cos(a0) * 200, MCY + math.sin(a0) * 200),
                       (MCX + math.cos(a1) * 200, MCY + math.sin(a1) * 200)])
        cv.paint(ray, lambda x, y, d: NAVY_GLOW + (0.35 * clamp(1.0 - math.hypot(x - MCX, y - MCY) / 150.0),))

    # Sparkles.
    for sx, sy, sr in ((30, 196, 5.0), (206, 186, 6.0), (196, 62, 4.0), (36, 70, 3.5), (214, 120, 3.0)):
        sparkle = polygon([(sx, sy - sr), (sx + sr * 0.22, sy - sr * 0.22), (sx + sr, sy),
                            (sx + sr * 0.22, sy + sr * 0.22), (sx, sy + sr), (sx - sr * 0.22, sy + sr * 0.22),
                            (sx - sr, sy), (sx - sr * 0.22, sy - sr * 0.22)])
        cv.paint(sparkle, (214, 226, 255), 0.75)

    # The ribbon: two striped straps meeting behind the clasp.
    ring_y = MCY - MR - 10          # centre of the ring above the medal
    meet_y = ring_y - 4
    left, l_across, l_along = strap(60, MCX - 8, -12, meet_y, 44)
    right, r_across, r_along = strap(172, MCX + 8, -12, meet_y, 44)
    cut = rbox(-20, -20, MW + 20, meet_y + 2)      # straps end under the clasp

    def strap_colour(across, along, shade_side):
        def f(x, y, d):
            u = across(x, y)
            c = stripe_colour(u)
            # a gentle fold: darker towards one edge and towards the bottom
            c = mix(c, (0, 0, 0), 0.22 * abs(u - 0.5) * 2 * (1 if shade_side else 0.6))
            c = mix(c, (10, 10, 30), 0.25 * along(x, y) ** 2)
            # a thin dark seam at both edges
            if -d < 1.2:
                c = mix(c, (20, 10, 30), 0.55)
            return c
        return f

    # shadows of the straps on the background
    cv.paint(shifted(intersect(left, cut), 4, 3), (0, 0, 10), 0.35)
    cv.paint(shifted(intersect(right, cut), 4, 3), (0, 0, 10), 0.35)
    cv.paint(intersect(left, cut), strap_colour(l_across, l_along, True))
    # the right strap lies over the left one; its edge casts a narrow shadow
    cv.paint(shifted(intersect(right, cut), -2, 1), (0, 0, 10), 0.3)
    cv.paint(intersect(right, cut), strap_colour(r_across, r_along, False))

    # The clasp: a short gold bar the straps pass through, and a ring.
    bar = rbox(MCX - 24, meet_y - 8, MCX + 24, meet_y + 4, 4)
    ring = subtract(circle(MCX, ring_y + 4, 9.5), circle(MCX, ring_y + 4, 5.0))

    def gold_shape(shape, depth_px=3.0):
        def f(x, y, d):
            depth = -d
            c = mix(GOLD, GOLD_MID, clamp((y - shape.box[1]) / max(1.0, shape.box[3] - shape.box[1])))
            c = bevel(c, shape, x, y, depth, depth_px, (GOLD_LIGHT, 1.0), (GOLD_DARK, 1.0))
            if depth < 0.9:
                c = mix(c, GOLD_DEEP, 0.6)
            return c
        return f

    cv.paint(shifted(ring, 2, 3), (0, 0, 10), 0.45)
    cv.paint(ring, gold_shape(ring, 2.5))
    cv.paint(shifted(bar, 2, 3), (0, 0, 10), 0.45)
    cv.paint(bar, gold_shape(bar, 3.0))

    # The medal: a scalloped gold disc with a raised rim and a sunken field.
    def rosette(x, y):
        a = math.atan2(y - MCY, x - MCX)
        return math.hypot(x - MCX, y - MCY) - (MR - 1.6 + 1.6 * math.cos(a * 28))
    rosette.box = (MCX - MR - 1, MCY - MR - 1, MCX + MR + 1, MCY + MR + 1)

    cv.paint(shifted(rosette, 4, 5), (0, 0, 12), 0.5)
    cv.paint(shifted(grown(rosette, 2), 4, 5), (0, 0, 12), 0.2)

    disc = circle(MCX, MCY, MR)        # the rosette, less its scallops, for lighting

    def disc_colour(x, y, d):
        depth = -d
        # a broad, soft sheen across the disc from the upper left
        t = clamp(((x - MCX) * 0.55 + (y - MCY) * 0.835) / (MR * 1.6) + 0.5)
        c = mix(GOLD_LIGHT, GOLD_DARK, t ** 1.3)
        c = bevel(c, disc, x, y, depth, 5.0, (GOLD_LIGHT, 0.8), (GOLD_DEEP, 0.8), power=1.3)
        if depth < 1.0:
            c = mix(c, GOLD_DEEP, 0.5)
        return c
    cv.paint(rosette, disc_colour)

    # A groove between the rim and the field.
    field_r = MR - 11.0
    groove = subtract(circle(MCX, MCY, field_r + 1.6), circle(MCX, MCY, field_r))

    def groove_colour(x, y, d):
        s = lit(circle(MCX, MCY, field_r), x, y)
        return mix(GOLD_DEEP, GOLD_LIGHT, clamp(s * 0.5 + 0.5) ** 1.5)
    cv.paint(groove, groove_colour)

    field = circle(MCX, MCY, field_r)

    def field_colour(x, y, d):
        t = clamp(((x - MCX) * 0.55 + (y - MCY) * 0.835) / (field_r * 2.0) + 0.5)
        c = mix(GOLD_DARK, GOLD, clamp(t * 1.1 - 0.05))      # a sunken field: lit from below
        c = mix(c, GOLD_MID, 0.35)
        return bevel(c, field, x, y, -d, 2.5, (GOLD_LIGHT, 0.5), (GOLD_DEEP, 0.7))
    cv.paint(field, field_colour)

    # Beads around the rim.
    for i in range(36):
        a = math.radians(i * 10 + 5)
        bx, by = MCX + math.cos(a) * (MR - 5.6), MCY + math.sin(a) * (MR - 5.6)
        bead = circle(bx, by, 1.5)
        cv.paint(shifted(bead, 0.5, 0.7), GOLD_DEEP, 0.5)
        cv.paint(bead, lambda x, y, d, bx=bx, by=by: mix(GOLD_LIGHT, GOLD_MID, clamp((y - by + 1.5) / 3.0)))

    # The lettering, raised from the field: a dark shadow below right, a
    # light edge above left, the face in light gold.
    cap, stroke = 16.0, 3.4
    high = FONT.centred('HIGH', MCX, MCY - 21.0, cap, stroke, 0.26, snap=False)
    score = FONT.centred('SCORE', MCX, MCY + 5.0, cap, stroke, 0.2, snap=False)
    words = union(high, score)
    cv.paint(shifted(grown(words, 0.4), 1.2, 1.4), GOLD_DEEP, 0.85)
    cv.paint(shifted(words, -0.6, -0.6), GOLD_LIGHT, 0.9)
    cv.paint(words, lambda x, y, d: mix((255, 240, 190), GOLD_LIGHT, clamp((y - MCY + 22) / 44.0)))

    # A small star above and a rule below the words.
    st = star(MCX, MCY - 33.0, 6.5, 6.5 * 0.42)
    cv.paint(shifted(st, 1.0, 1.2), GOLD_DEEP, 0.8)
    cv.paint(st, lambda x, y, d: mix((255, 240, 190), GOLD_LIGHT, 0.3))
    for side in (-1, 1):
        dash = strokes([[(MCX + side * 8, MCY + 32.0), (MCX + side * 26, MCY + 32.0)]], 2.2)
        cv.paint(shifted(dash, 1.0, 1.0), GOLD_DEEP, 0.8)
        cv.paint(dash, GOLD_LIGHT)
    dia = polygon([(MCX, MCY + 28.5), (MCX + 3.5, MCY + 32.0), (MCX, MCY + 35.5), (MCX - 3.5, MCY + 32.0)])
    cv.paint(shifted(dia, 1.0, 1.0), GOLD_DEEP, 0.8)
    cv.paint(dia, GOLD_LIGHT)

    # A glint on the rim.
    glint = polygon([(MCX - 40, MCY - 44), (MCX - 36.5, MCY - 40.5), (MCX - 40, MCY - 37), (MCX - 43.5, MCY - 40.5)])
    cv.paint(glint, (255, 252, 236), 0.9)
    return cv


# ------------------------------------------------------------- placeholder --

PW, PH = 480, 388
GREEN = (58, 150, 74)
GREEN_EDGE = (34, 104, 50)


def draw_placeholder():
    cv = AlphaCanvas(PW, PH, (255, 255, 255))
    blob = circle(228, 186, 110)
    for cx, cy, r in ((348, 118, 72), (392, 236, 50), (300, 296, 68), (128, 274, 56),
                      (106, 136, 64), (214, 78, 50)):
        blob = smooth_union(blob, circle(cx, cy, r), 60)
    hole = ellipse(164, 186, 56, 36)
    shape = subtract(blob, grown(hole, 0))
    cv.paint(grown(shape, 0), GREEN_EDGE)
    cv.paint(grown(shape, -3), GREEN)
    return cv


# -------------------------------------------------------------------- food --

FOOD = [
    "................",
    ".XX..........XX.",
    ".XXX........XXX.",
    "..XXX......XXX..",
    "...XXX....XXX...",
    "....XXX..XXX....",
    ".....XXXXXX.....",
    "......XXXX......",
    "......XXXX......",
    ".....XXXXXX.....",
    "....XXX..XXX....",
    "...XXX....XXX...",
    "..XXX......XXX..",
    ".XXX........XXX.",
    ".XX..........XX.",
    "................",
]


def main():
    folder = output_folder(sys.argv[1:], 'layouts', 'pictures')
    write_png(os.path.join(folder, 'kriel-16.png'), pixel_rows(ICON16, ICON16_COLOURS))
    write_png(os.path.join(folder, 'kriel-32.png'), icon(32).rgba_rows())
    write_png(os.path.join(folder, 'kriel-48.png'), icon(48).rgba_rows())
    write_bmp(os.path.join(folder, 'medal.bmp'), draw_medal())
    write_bmp(os.path.join(folder, 'placeholder.bmp'), draw_placeholder())
    write_gif(os.path.join(folder, 'food.gif'), FOOD, {'X': (0, 0, 0)})
    print('wrote the layout pictures to', folder)


if __name__ == '__main__':
    main()
