#!/usr/bin/env python3
"""Draws the pictures of the Neon skin.

Writes data/Skins/Neon/skin.bmp (460 x 428, 24-bit uncompressed) and
data/Skins/Neon/food.gif (16 x 16, transparent background).  The bitmap is
written byte by byte; the GIF is converted by ImageMagick's `convert` from a
PNG drawn here.  Only the Python standard library is used, and the output is
the same, byte for byte, on every run.  The shapes, the canvas and the file
writers live in tools/art/picturekit.py.

The skin is the front of an upright arcade cabinet at night: a wide marquee
with cut corners on top, the cabinet with its screen and a side column, a
control panel that sticks out at the bottom and a plinth under it.  The
silhouette edge carries a glowing magenta strip, the marquee a cyan tube
frame around pink tube letters.

Shapes are signed distance functions (negative inside).  The light of a neon
tube is laid on with a "screen" blend that falls off with the distance to the
tube, so glows add up the way light does.  The silhouette is cut with a hard
edge against the key colour, so no blend of body and key is left anywhere.

Usage: draw-neon-skin.py [SKIN_FOLDER] [--preview PNG]
       (default folder: data/Skins/Neon)

The numbers below must agree with the skin's config.ini.
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from picturekit import (GRID, LAMP, LETTERS, Canvas, StrokeFont, arc, bevel,  # noqa: E402
                        chamfer_path, chamfered, check_play_field, circle, clamp, cut_to_key,
                        lit, mix, polygon, rbox, rough_ellipse, run_skin_script, shifted,
                        smooth_union, star, strokes, subtract, union)

# ---------------------------------------------------------------- geometry --

W, H = 460, 428
KEY = (0, 255, 0)            # transparent colour: bottom-left pixel

CELL = 14                    # [Ratio] SizeRatio
AREA = CELL * GRID           # 266
PX, PY = 30, 96              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 328, 172  # [Positions] ScoreTextX, ScoreTextY

COL_X0, COL_X1 = 316, 440    # the side column right of the screen
COL_MID = (COL_X0 + COL_X1) / 2.0

# ----------------------------------------------------------------- palette --

RIM = (10, 4, 18)
CAB_TOP = (40, 20, 66)
CAB_BOTTOM = (16, 8, 30)
CAB_LIGHT = (150, 110, 210)
CAB_SHADE = (4, 2, 10)
MARQUEE_TOP = (22, 8, 40)
MARQUEE_BOTTOM = (8, 4, 18)
BEZEL = (8, 6, 14)
FIELD_CENTRE = (18, 14, 38)
FIELD_EDGE = (9, 7, 22)

PINK = (255, 46, 170)        # hot pink tubes
MAGENTA = (236, 40, 255)     # the cabinet's edge strip
CYAN = (30, 232, 255)
VIOLET = (150, 84, 255)
AMBER = (255, 176, 60)


def hot(c, t=0.72):
    """The white-hot core of a tube of colour c."""
    return mix(c, (255, 255, 255), t)


def tube(cv, f, colour, reach=10.0, strength=0.55, core=0.8):
    """A lit neon tube whose glass is f: the glow, the glass, the hot core."""
    cv.glow(f, colour, reach, strength * 0.55)
    cv.glow(f, colour, reach * 0.35, strength * 0.5)
    cv.paint(f, colour)
    if core > 0:
        cv.paint(f, hot(colour), 0.85, grow=-core)


# ------------------------------------------------------------------ letters --
# The kit's alphabet with this skin's own cut of the letters below.

FONT = StrokeFont({
    **LETTERS,
    'K': (0.58, [[(0, 0), (0, 1)], [(0.58, 0), (0.04, 0.56)], [(0.22, 0.38), (0.60, 1)]]),
    'R': (0.58, [[(0, 1), (0, 0), (0.32, 0)] + arc(0.32, 0.26, 0.26, 0.26, -90, 90) + [(0.32, 0.52), (0, 0.52)],
                 [(0.30, 0.52), (0.60, 1)]]),
    'E': (0.50, [[(0.50, 0), (0, 0), (0, 1), (0.50, 1)], [(0, 0.5), (0.40, 0.5)]]),
    'L': (0.48, [[(0, 0), (0, 1), (0.48, 1)]]),
    'C': (0.78, [arc(0.48, 0.5, 0.48, 0.5, -42, -318, 32)]),
    'O': (0.90, [arc(0.45, 0.5, 0.45, 0.5, 0, 360, 40)]),
    'A': (0.70, [[(0, 1), (0.35, 0), (0.70, 1)], [(0.13, 0.64), (0.57, 0.64)]]),
    'D': (0.64, [[(0.20, 0), (0, 0), (0, 1), (0.20, 1)],
                 arc(0.20, 0.5, 0.44, 0.5, -90, 90)]),
    'Y': (0.62, [[(0, 0), (0.31, 0.50), (0.62, 0)], [(0.31, 0.50), (0.31, 1)]]),
    'N': (0.62, [[(0, 1), (0, 0), (0.62, 1), (0.62, 0)]]),
    'P': (0.54, [[(0, 1), (0, 0), (0.28, 0)] + arc(0.28, 0.26, 0.26, 0.26, -90, 90) + [(0.28, 0.52), (0, 0.52)]]),
}, space=0.45)


# -------------------------------------------------------------------- skin --

MARQUEE = (2, 4, 457, 82, 16)          # x0, y0, x1, y1, corner cut
CABINET = (12, 74, 447, 384)
PANEL_TOP, PANEL_FRONT, PANEL_BOTTOM = 366, 398, 410
PLINTH = (26, 404, 433, 425)


def marquee_shape():
    x0, y0, x1, y1, c = MARQUEE
    return chamfered(x0, y0, x1, y1, c)


def panel_shape():
    # Seen from the front the control panel is a slanted top (wider towards
    # the player) over a flat front strip.
    top = polygon([(8.5, PANEL_TOP), (450.5, PANEL_TOP), (457.0, PANEL_FRONT), (2.0, PANEL_FRONT)])
    front = chamfered(2, PANEL_FRONT - 1, 457, PANEL_BOTTOM, 6)
    return union(top, front)


def body_shape():
    x0, y0, x1, y1 = CABINET
    cab = rbox(x0, y0, x1, y1, 4)
    px0, py0, px1, py1 = PLINTH
    plinth = chamfered(px0, py0, px1, py1, 7)
    shape = smooth_union(marquee_shape(), cab, 5)
    shape = smooth_union(shape, panel_shape(), 4)
    return smooth_union(shape, plinth, 4)


def draw_cabinet(cv, body):
    bx0, by0, bx1, by1 = body.box

    def cab_colour(x, y, d):
        t = clamp((y - by0) / (by1 - by0))
        c = mix(CAB_TOP, CAB_BOTTOM, t)
        # a broad diagonal sheen across the laminate
        sheen = math.exp(-((x * 0.55 + y - 250.0) / 90.0) ** 2)
        c = mix(c, (70, 40, 110), sheen * 0.35)
        depth = -d
        c = bevel(c, body, x, y, depth, 6.0, (CAB_LIGHT, 0.45), (CAB_SHADE, 0.7), power=1.5)
        if depth < 1.4:
            c = mix(c, RIM, clamp(1.4 - depth) * 0.9)
        return c
    cv.paint(body, cab_colour)


def draw_marquee(cv):
    x0, y0, x1, y1, c = MARQUEE
    face = chamfered(x0 + 3, y0 + 3, x1 - 3, y1 - 3, c - 1.2)

    def face_colour(x, y, d):
        t = clamp((y - y0) / (y1 - y0))
        col = mix(MARQUEE_TOP, MARQUEE_BOTTOM, t)
        # faint horizontal brick courses behind the sign
        course = (y - y0 - 3) % 12.0
        offset = 18.0 if int((y - y0 - 3) // 12.0) % 2 else 0.0
        joint = (x + offset) % 36.0
        if course < 1.0 or joint < 1.0:
            col = mix(col, (4, 2, 8), 0.55)
        return col
    cv.paint(face, face_colour)
    # the marquee box overhangs the cabinet: its shadow below it
    under = rbox(x0 + 12, y1 - 1, x1 - 12, y1 + 5, 3)
    cv.paint(under, (lambda x, y, d: CAB_SHADE + (0.75 * clamp(1.0 - (y - y1) / 6.0),)))

    # The cyan tube that frames the sign, with a gap at the bottom middle
    # where its electrodes are.
    path = chamfer_path(x0 + 9.5, y0 + 9.5, x1 - 10.5, y1 - 10.5, c - 4)
    mid = (x0 + x1) / 2.0
    bottom = y1 - 10.5
    # from the gap leftwards, round the sign and back to the gap
    ring = [(mid - 7, bottom)] + [path[5], path[6], path[7], path[0], path[1],
                                  path[2], path[3], path[4]] + [(mid + 7, bottom)]
    frame = strokes([ring], 3.0)
    tube(cv, frame, CYAN, reach=9.0, strength=0.5, core=0.9)

    # Title in pink tubes, with a soft pink haze on the wall behind it.
    cap, stroke = 38, 5.6
    tw = FONT.width('KRIEL', cap, stroke, 0.30)
    tx = round(mid - tw / 2.0)
    ty = y0 + (y1 - y0 - cap) / 2.0 - 0.5
    cv.haze(mid, ty + cap / 2.0, tw * 0.62, cap * 0.95, PINK, 0.16)
    title = FONT.shape('KRIEL', tx, ty, cap, stroke, 0.30)
    # the dark shadow of the tubes on the wall, then the tubes
    cv.paint(shifted(title, 2.0, 2.5), (2, 0, 6), 0.55, grow=0.5)
    tube(cv, title, PINK, reach=13.0, strength=0.6, core=1.4)

    # Four-point sparkles either side of the title.
    for sx, sy, sr, col in ((tx - 42, ty + 10, 6.5, CYAN), (tx - 26, ty + 28, 4.0, VIOLET),
                            (tx + tw + 42, ty + 28, 6.5, CYAN), (tx + tw + 26, ty + 10, 4.0, VIOLET)):
        spark = strokes([[(sx - sr, sy), (sx + sr, sy)], [(sx, sy - sr), (sx, sy + sr)]], 1.6)
        tube(cv, spark, col, reach=7.0, strength=0.45, core=0.0)
        cv.paint(circle(sx, sy, 1.3), hot(col, 0.85))


def draw_edge_strip(cv, body):
    """The glowing magenta strip along the cabinet's outer edge."""
    def strip(x, y):
        # a band 2.2 pixels wide whose middle runs 3.6 pixels inside the edge
        return abs(body(x, y) + 3.6) - 1.1
    strip.box = body.box
    cv.glow(strip, MAGENTA, 8.0, 0.30)
    cv.paint(strip, MAGENTA, 0.95)
    cv.paint(strip, hot(MAGENTA, 0.55), 0.7, grow=-0.55)


def draw_screen(cv):
    # A glossy black bezel round the screen, with a violet tube along it.
    bezel = rbox(PX - 14, PY - 14, PX + AREA + 14, PY + AREA + 14, 10)
    cv.paint(shifted(bezel, 2, 3), CAB_SHADE, 0.6, grow=1.0)

    def bezel_colour(x, y, d):
        t = clamp((y - PY + 14) / (AREA + 28))
        c = mix((22, 18, 32), BEZEL, t)
        return bevel(c, bezel, x, y, -d, 3.0, ((120, 100, 160), 0.5), ((0, 0, 0), 0.6))
    cv.paint(bezel, bezel_colour)
    # a highlight on the bezel's gloss, top left
    gloss = strokes([[(PX - 8, PY + 70), (PX - 8, PY - 8), (PX + 90, PY - 8)]], 1.2)
    cv.paint(gloss, (190, 170, 230), 0.16)

    glass = rbox(PX - 6, PY - 6, PX + AREA + 6, PY + AREA + 6, 5)
    ring = subtract(glass, rbox(PX - 5, PY - 5, PX + AREA + 5, PY + AREA + 5, 4))
    tube(cv, ring, VIOLET, reach=6.0, strength=0.35, core=0.0)

    # Play field: a calm dark panel exactly under the grid (one pixel more
    # each way so that the game's outline lies on it), with the faint
    # scan lines and the vignette of a monitor.
    field = rbox(PX - 4, PY - 4, PX + AREA + 4, PY + AREA + 4, 3)
    fcx, fcy = PX + AREA / 2.0, PY + AREA / 2.0

    def field_colour(x, y, d):
        r = math.hypot(x - fcx, y - fcy) / (AREA * 0.72)
        c = mix(FIELD_CENTRE, FIELD_EDGE, clamp(r) ** 1.6)
        if int(y) % 2:
            c = mix(c, (0, 0, 0), 0.16)
        # the inner shadow where the glass meets the bezel
        inset = min(clamp((-d) / 6.0), 1.0)
        c = mix((2, 1, 6), c, 0.45 + 0.55 * inset)
        return c
    cv.paint(field, field_colour)


def draw_column(cv):
    mid = COL_MID
    label_cap, label_stroke = 9, 1.7

    # The ready lamp: a chrome socket that the game fills with the notifier
    # colour until the first arrow key when the notifier setting is off.
    lx, ly, ls = LAMP
    socket = rbox(lx - 5, ly - 5, lx + ls + 5, ly + ls + 5, 7)

    def socket_colour(x, y, d):
        s = lit(socket, x, y)
        return mix((30, 26, 44), (170, 160, 200), clamp(s * 0.5 + 0.5) ** 1.5)
    cv.paint(shifted(socket, 1.5, 2.0), CAB_SHADE, 0.7)
    cv.paint(socket, socket_colour)
    cv.paint(rbox(lx - 2, ly - 2, lx + ls + 2, ly + ls + 2, 4), (8, 4, 12))
    lens = rbox(lx - 1, ly - 1, lx + ls + 1, ly + ls + 1, 3)
    gcx, gcy = lx + ls / 2.0, ly + ls / 2.0

    def lens_colour(x, y, d):
        r = math.hypot(x - gcx + 3, y - gcy + 3) / 18.0
        return mix((58, 26, 60), (16, 6, 20), clamp(r))
    cv.paint(lens, lens_colour)
    cv.paint(circle(lx + 7.0, ly + 7.0, 2.4), (255, 220, 250), 0.35)

    rw = FONT.width('READY', label_cap, label_stroke, 0.3)
    ready = FONT.shape('READY', lx - 11 - rw, ly + ls / 2.0 - label_cap / 2.0, label_cap, label_stroke, 0.3)
    tube(cv, ready, PINK, reach=6.0, strength=0.4, core=0.0)

    # The score: a label in cyan tubes over a dark display.
    sl = FONT.centred('SCORE', mid, SCORE_Y - 27, label_cap, label_stroke, 0.3)
    tube(cv, sl, CYAN, reach=6.0, strength=0.4, core=0.0)
    box = rbox(SCORE_X - 10, SCORE_Y - 8, COL_X1 - 2, SCORE_Y + 34, 6)
    cv.paint(shifted(box, 1.5, 2.0), CAB_SHADE, 0.7, grow=0.5)

    def box_colour(x, y, d):
        c = mix((14, 10, 24), (4, 3, 10), clamp((y - SCORE_Y + 8) / 42.0))
        return bevel(c, box, x, y, -d, 2.5, ((130, 110, 180), 0.5), ((0, 0, 0), 0.8), sunken=True)
    cv.paint(box, box_colour)
    # a thin cyan line under the display
    cv.paint(strokes([[(SCORE_X - 4, SCORE_Y + 38.5), (COL_X1 - 8, SCORE_Y + 38.5)]], 1.0), CYAN, 0.35)

    # Coin door: a steel plate with two lit coin slots.
    door = rbox(COL_X0 + 12, 236, COL_X1 - 6, 340, 6)
    cv.paint(shifted(door, 2, 3), CAB_SHADE, 0.7, grow=0.5)

    def door_colour(x, y, d):
        t = clamp((y - 236) / 104.0)
        c = mix((62, 58, 78), (30, 28, 42), t)
        # brushed steel: fine horizontal streaks, fixed by position
        streak = math.sin(y * 2.7 + math.sin(x * 0.13) * 1.7) * 0.5 + 0.5
        c = mix(c, (84, 80, 102), streak * 0.18)
        return bevel(c, door, x, y, -d, 3.0, ((200, 196, 220), 0.5), ((6, 6, 10), 0.7))
    cv.paint(door, door_colour)
    dmid = (COL_X0 + 12 + COL_X1 - 6) / 2.0
    ic = FONT.centred('INSERT COIN', dmid, 246, 7, 1.35, 0.28)
    cv.paint(shifted(ic, 0.7, 0.8), (6, 6, 10), 0.6)
    cv.paint(ic, (230, 226, 240), 0.85)
    for sx in (dmid - 23, dmid + 23):
        win = rbox(sx - 14, 264, sx + 14, 312, 4)
        cv.paint(win, (18, 6, 14))
        inner = rbox(sx - 11, 267, sx + 11, 309, 3)
        cv.glow(inner, (255, 40, 60), 7.0, 0.55, inside=0.0)

        def lamp_colour(x, y, d, sx=sx):
            r = math.hypot((x - sx) / 11.0, (y - 288) / 21.0)
            return mix((255, 170, 150), (220, 26, 48), clamp(r) ** 0.8)
        cv.paint(inner, lamp_colour)
        slot = rbox(sx - 1.6, 276, sx + 1.6, 300, 1.6)
        cv.paint(slot, (10, 2, 6))
        cv.paint(strokes([[(sx + 2.6, 277), (sx + 2.6, 299)]], 0.8), (255, 210, 200), 0.5)
    # the coin return and four screws
    ret = rbox(dmid - 12, 318, dmid + 12, 332, 3)
    cv.paint(ret, (12, 10, 18))
    cv.paint(strokes([[(dmid - 9, 319.5), (dmid + 9, 319.5)]], 1.0), (120, 116, 140), 0.6)
    for sx, sy in ((COL_X0 + 18, 242), (COL_X1 - 12, 242), (COL_X0 + 18, 334), (COL_X1 - 12, 334)):
        cv.paint(circle(sx, sy, 2.4), (150, 146, 170))
        cv.paint(circle(sx + 0.5, sy + 0.6, 1.0), (40, 38, 52), 0.8)

    # Small violet stripes between the display and the door.
    for i in range(3):
        yy = 222.5 + i * 4.0
        cv.paint(strokes([[(COL_X0 + 22 + i * 6, yy), (COL_X1 - 16 - i * 6, yy)]], 1.2), VIOLET, 0.55 - i * 0.12)

    # The cabinet's speaker: slots under the door.
    for i in range(7):
        x = COL_X0 + 26 + i * 13.0
        slot = rbox(x - 1.8, 346, x + 1.8, 358, 1.8)
        cv.paint(shifted(slot, 0, 1), (90, 70, 130), 0.25)
        cv.paint(slot, (4, 2, 8), 0.95)


def draw_panel(cv):
    top = polygon([(12.5, PANEL_TOP + 3), (446.5, PANEL_TOP + 3), (452.0, PANEL_FRONT - 1), (7.0, PANEL_FRONT - 1)])

    def top_colour(x, y, d):
        t = clamp((y - PANEL_TOP) / (PANEL_FRONT - PANEL_TOP))
        return mix((34, 22, 56), (58, 40, 88), t)
    cv.paint(top, top_colour)
    # the panel's artwork: a pink and a cyan line along its length
    cv.paint(strokes([[(24, PANEL_TOP + 8.5), (436, PANEL_TOP + 8.5)]], 1.0), PINK, 0.35)
    cv.paint(strokes([[(20, PANEL_FRONT - 5.5), (440, PANEL_FRONT - 5.5)]], 1.0), CYAN, 0.30)
    front = rbox(8, PANEL_FRONT, 451, PANEL_BOTTOM - 2, 2)
    cv.paint(front, lambda x, y, d: mix((22, 12, 36), (10, 5, 18), clamp((y - PANEL_FRONT) / 10.0)))
    cv.paint(strokes([[(10, PANEL_FRONT + 0.5), (449, PANEL_FRONT + 0.5)]], 1.0), (140, 110, 200), 0.45)

    # Joystick: a dust washer, the shaft and a glossy pink ball.
    # Everything stays below the play field, which ends at PY + AREA.
    jx, jy = 70.0, PANEL_TOP + 22
    cv.paint(rough_ellipse(jx, jy + 3, 15, 4.5), (8, 4, 14), 0.9)
    cv.paint(strokes([[(jx, jy + 2), (jx, jy - 9)]], 3.6), (70, 70, 84))
    cv.paint(strokes([[(jx - 0.8, jy + 1), (jx - 0.8, jy - 9)]], 1.0), (170, 170, 190), 0.5)
    ball = circle(jx, jy - 13.5, 7.5)
    cv.glow(ball, PINK, 5.0, 0.25, inside=0.0)

    def ball_colour(x, y, d):
        s = lit(ball, x, y)
        c = mix((120, 10, 70), PINK, clamp(s * 0.7 + 0.5))
        return c
    cv.paint(ball, ball_colour)
    cv.paint(circle(jx - 2.6, jy - 16.3, 2.1), (255, 236, 248), 0.8)

    # Buttons: cyan, pink and violet, each with its own glow.
    for i, col in enumerate((CYAN, PINK, VIOLET)):
        cx_, cy_ = 130.0 + i * 34.0, PANEL_TOP + 15.0 - (i % 2) * 3.0
        cv.paint(rough_ellipse(cx_ + 1, cy_ + 4, 12, 6), (8, 4, 14), 0.8)
        cap_ = rough_ellipse(cx_, cy_, 11, 6.5)
        cv.glow(cap_, col, 8.0, 0.30, inside=0.0)

        def cap_colour(x, y, d, col=col, cy_=cy_):
            t = clamp((y - cy_ + 6.5) / 13.0)
            return mix(hot(col, 0.5), mix(col, (0, 0, 0), 0.35), t)
        cv.paint(cap_, cap_colour)
        cv.paint(rough_ellipse(cx_ - 3, cy_ - 2.5, 3.6, 1.6), (255, 255, 255), 0.6)

    # Player buttons on the right: "1P" and "2P" in small lit squares.
    for i, text in enumerate(('1P', '2P')):
        bx = 360.0 + i * 40.0
        btn = rbox(bx - 13, PANEL_TOP + 7, bx + 13, PANEL_TOP + 24, 4)
        cv.paint(btn, (20, 12, 30))
        lit_col = AMBER if i == 0 else (120, 110, 140)
        cv.glow(btn, lit_col, 6.0, 0.25 if i == 0 else 0.0, inside=0.0)
        face = rbox(bx - 11, PANEL_TOP + 9, bx + 11, PANEL_TOP + 22, 3)
        cv.paint(face, mix(lit_col, (0, 0, 0), 0.25 if i == 0 else 0.55))
        label = FONT.centred(text, bx, PANEL_TOP + 11.5, 8, 1.4, 0.25)
        cv.paint(label, (60, 24, 0) if i == 0 else (150, 140, 170), 0.9)


def draw_plinth(cv):
    px0, py0, px1, py1 = PLINTH
    kick = rbox(px0 + 14, py0 + 6, px1 - 14, py1 - 4, 2)
    cv.paint(kick, (6, 3, 12), 0.8)
    # a violet light strip under the cabinet
    strip = strokes([[(px0 + 20, py0 + 10.5), (px1 - 20, py0 + 10.5)]], 2.0)
    tube(cv, strip, VIOLET, reach=5.0, strength=0.35, core=0.0)


def draw_skin():
    cv = Canvas(W, H, RIM)      # not the key colour: see cut_to_key
    body = body_shape()
    draw_cabinet(cv, body)
    draw_marquee(cv)
    draw_screen(cv)
    draw_column(cv)
    draw_panel(cv)
    draw_plinth(cv)
    draw_edge_strip(cv, body)
    # the play field has to stay a calm dark panel: nothing bright on it
    check_play_field(cv, PX, PY, AREA, lambda p: max(p) > 48)

    cut_to_key(cv, body, KEY)
    return cv


# -------------------------------------------------------------------- food --
# A glowing yellow star, 16 x 16.  GIF knows only fully transparent pixels,
# so the glow is a ring of opaque warm pixels round the star; the picture is
# worked out on a 4 x 4 subgrid per pixel and then given a small palette.


def food_rows():
    shape = star(8.0, 8.6, 7.4, 3.1, r=0.35)
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            cover = 0.0
            halo = 0.0
            shade = 0.0
            for sy in range(4):
                for sx in range(4):
                    fx, fy = x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0
                    d = shape(fx, fy)
                    if d < 0:
                        cover += 1
                        shade += clamp(math.hypot(fx - 7.0, fy - 7.2) / 7.0)
                    elif d < 1.0:
                        halo += 1
            if cover >= 6:
                t = shade / cover
                edge = shape(x + 0.5, y + 0.5)
                if edge > -0.7:
                    c = (255, 164, 28)           # the star's rim
                elif t < 0.28:
                    c = (255, 255, 226)          # white-hot centre
                elif t < 0.6:
                    c = (255, 240, 110)
                else:
                    c = (255, 210, 52)
                row.append(c + (255,))
            elif cover + halo >= 7:
                row.append((178, 72, 22, 255))   # the glow ring
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


if __name__ == '__main__':
    run_skin_script('Neon', lambda folder: draw_skin(), food_rows, KEY, PX, PY, SCORE_X, SCORE_Y, CELL)
