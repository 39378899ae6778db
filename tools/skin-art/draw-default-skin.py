#!/usr/bin/env python3
"""Draws the pictures of the Default skin.

Writes data/Skins/Default/skin.bmp (480 x 388, 24-bit uncompressed) and
data/Skins/Default/food.gif (16 x 16, transparent background).  The bitmap is
written byte by byte here; the GIF is converted by ImageMagick's `convert` from
a PNG this script draws.  Only the Python standard library is used.

Everything is drawn from signed distance functions: a shape is a function that
gives, for a point, its distance to the shape's edge (negative inside).  That
gives smooth edges inside the body and a hard, fringe-free edge where the
body meets the transparent key colour.

Usage: draw-default-skin.py [SKIN_FOLDER]   (default: data/Skins/Default)

The numbers below must agree with the skin's config.ini.
"""

import configparser
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

# ---------------------------------------------------------------- geometry --

W, H = 480, 388
KEY = (255, 0, 255)          # transparent colour: bottom-left pixel

CELL = 16                    # [Ratio] SizeRatio
GRID = 19
AREA = CELL * GRID           # 304
PX, PY = 26, 48              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 362, 170  # [Positions] ScoreTextX, ScoreTextY
LAMP = (408, 104, 25)        # where the game parks the notifier box before play

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


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


# ------------------------------------------------------ distance functions --

def rbox(x0, y0, x1, y1, r):
    """Rounded rectangle covering [x0, x1) x [y0, y1) in pixel edges."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0

    def f(x, y):
        qx = abs(x - cx) - hx + r
        qy = abs(y - cy) - hy + r
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    f.box = (x0, y0, x1, y1)
    return f


def circle(cx, cy, r):
    def f(x, y):
        return math.hypot(x - cx, y - cy) - r
    f.box = (cx - r, cy - r, cx + r, cy + r)
    return f


def seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else clamp(((x - ax) * dx + (y - ay) * dy) / ll)
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def strokes(lines, width):
    """Round-capped strokes along polylines [[(x, y), ...], ...]."""
    segs = []
    for pl in lines:
        for a, b in zip(pl, pl[1:]):
            segs.append((a[0], a[1], b[0], b[1]))
    half = width / 2.0

    def f(x, y):
        return min(seg_dist(x, y, *s) for s in segs) - half
    xs = [p for s in segs for p in (s[0], s[2])]
    ys = [p for s in segs for p in (s[1], s[3])]
    f.box = (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)
    return f


def polygon(pts):
    """A filled polygon."""
    n = len(pts)

    def f(x, y):
        d = min(seg_dist(x, y, *pts[i], *pts[(i + 1) % n]) for i in range(n))
        inside = False
        for i in range(n):
            (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    f.box = (min(xs), min(ys), max(xs), max(ys))
    return f


def union(*fs):
    def f(x, y):
        return min(g(x, y) for g in fs)
    f.box = (min(g.box[0] for g in fs), min(g.box[1] for g in fs),
             max(g.box[2] for g in fs), max(g.box[3] for g in fs))
    return f


def smooth_union(a, b, k):
    def f(x, y):
        da, db = a(x, y), b(x, y)
        h = max(k - abs(da - db), 0.0) / k
        return min(da, db) - h * h * k * 0.25
    f.box = union(a, b).box
    return f


def subtract(a, b):
    def f(x, y):
        return max(a(x, y), -b(x, y))
    f.box = a.box
    return f


def shifted(g, dx, dy):
    def f(x, y):
        return g(x - dx, y - dy)
    f.box = (g.box[0] + dx, g.box[1] + dy, g.box[2] + dx, g.box[3] + dy)
    return f


def normal(f, x, y):
    e = 0.5
    nx = f(x + e, y) - f(x - e, y)
    ny = f(x, y + e) - f(x, y - e)
    n = math.hypot(nx, ny) or 1.0
    return nx / n, ny / n


# Light falls from the upper left.
LX, LY = -0.55, -0.835


def lit(f, x, y):
    """How much the outward normal at (x, y) faces the light, -1 to 1."""
    nx, ny = normal(f, x, y)
    return nx * LX + ny * LY


# ------------------------------------------------------------------ canvas --

class Canvas:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]

    def paint(self, f, colour, alpha=1.0, grow=0.0):
        """Blends `colour` over the pixels inside f, with smooth edges.

        `colour` is an RGB triple or a function (x, y, d) -> RGB or RGBA."""
        x0, y0, x1, y1 = f.box
        pad = 4 + grow
        x0 = max(0, int(math.floor(x0 - pad)))
        y0 = max(0, int(math.floor(y0 - pad)))
        x1 = min(self.w, int(math.ceil(x1 + pad)))
        y1 = min(self.h, int(math.ceil(y1 + pad)))
        fn = colour if callable(colour) else None
        for y in range(y0, y1):
            cy = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                cx = x + 0.5
                d = f(cx, cy) - grow
                a = 0.5 - d
                if a <= 0.0:
                    continue
                if a > 1.0:
                    a = 1.0
                c = fn(cx, cy, d) if fn else colour
                if c is None:
                    continue
                a *= alpha
                if len(c) == 4:
                    a *= c[3]
                p = self.px[row + x]
                p[0] += (c[0] - p[0]) * a
                p[1] += (c[1] - p[1]) * a
                p[2] += (c[2] - p[2]) * a

    def bytes_rgb(self, y):
        out = bytearray()
        for p in self.px[y * self.w:(y + 1) * self.w]:
            out += bytes(int(clamp(round(v), 0, 255)) for v in p)
        return out


# ------------------------------------------------------------------ letters --
# Glyphs are polylines in units of the cap height (y down), with a width.

def arc(cx, cy, rx, ry, a0, a1, n=24):
    pts = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


GLYPHS = {
    'K': (0.60, [[(0, 0), (0, 1)], [(0.60, 0), (0.02, 0.60)], [(0.22, 0.40), (0.62, 1)]]),
    'R': (0.60, [[(0, 1), (0, 0), (0.32, 0)] + arc(0.32, 0.26, 0.26, 0.26, -90, 90) + [(0.32, 0.52), (0, 0.52)],
                 [(0.30, 0.52), (0.62, 1)]]),
    'I': (0.0, [[(0, 0), (0, 1)]]),
    'E': (0.50, [[(0.50, 0), (0, 0), (0, 1), (0.50, 1)], [(0, 0.5), (0.42, 0.5)]]),
    'L': (0.48, [[(0, 0), (0, 1), (0.48, 1)]]),
    'S': (0.56, [arc(0.28, 0.25, 0.28, 0.25, -25, -270) + arc(0.28, 0.75, 0.28, 0.25, -90, 155)]),
    'C': (0.80, [arc(0.48, 0.5, 0.48, 0.5, -42, -318, 32)]),
    'O': (0.92, [arc(0.46, 0.5, 0.46, 0.5, 0, 360, 40)]),
    'A': (0.72, [[(0, 1), (0.36, 0), (0.72, 1)], [(0.13, 0.64), (0.59, 0.64)]]),
    'D': (0.66, [[(0.22, 0), (0, 0), (0, 1), (0.22, 1)],
                 arc(0.22, 0.5, 0.44, 0.5, -90, 90)]),
    'Y': (0.64, [[(0, 0), (0.32, 0.52), (0.64, 0)], [(0.32, 0.52), (0.32, 1)]]),
    'P': (0.56, [[(0, 1), (0, 0), (0.30, 0)] + arc(0.30, 0.26, 0.26, 0.26, -90, 90) + [(0.30, 0.52), (0, 0.52)]]),
    'U': (0.62, [[(0, 0), (0, 0.69)] + arc(0.31, 0.69, 0.31, 0.31, 180, 0) + [(0.62, 0)]]),
}


def text_shape(text, x, y, cap, stroke, gap=0.26):
    """A distance function for `text` with its cap line at y, starting at x."""
    lines = []
    pen = x + stroke / 2.0
    for ch in text:
        if ch == ' ':
            pen += cap * 0.5
            continue
        w, pls = GLYPHS[ch]
        for pl in pls:
            lines.append([(pen + px * cap, y + stroke / 2.0 + py * (cap - stroke)) for px, py in pl])
        pen += w * cap + gap * cap + stroke
    return strokes(lines, stroke)


def text_width(text, cap, stroke, gap=0.26):
    f = text_shape(text, 0, 0, cap, stroke, gap)
    return f.box[2] - f.box[0]


# -------------------------------------------------------------------- skin --

def body_shape():
    main = rbox(4, 24, 440, 376, 30)
    tower = rbox(348, 6, 471, 386, 22)
    shape = smooth_union(main, tower, 14)
    # A long, shallow scoop along the bottom edge under the play area.
    scoop = circle(178, 376 + 420 - 7, 420)
    return smooth_subtract(shape, scoop, 12)


def smooth_subtract(a, b, k):
    def f(x, y):
        da, db = a(x, y), -b(x, y)
        h = max(k - abs(da - db), 0.0) / k
        return max(da, db) + h * h * k * 0.25
    f.box = a.box
    return f


def draw_skin():
    # Start from the rim colour, not the key colour, so that the smoothed
    # edge of the body blends towards the rim and never towards the key.
    cv = Canvas(W, H, RIM)
    body = body_shape()
    bx0, by0, bx1, by1 = body.box

    # Body: a vertical gradient, a soft sheen, and a rounded bevel at the rim.
    def body_colour(x, y, d):
        t = clamp((y - by0) / (by1 - by0))
        c = mix(BODY_TOP, BODY_BOTTOM, t * t * 0.6 + t * 0.4)
        depth = -d
        if depth < 7.0:
            s = lit(body, x, y)
            k = (1.0 - depth / 7.0) ** 1.6
            c = mix(c, LIGHT, clamp(s) * k * 0.55) if s > 0 else mix(c, SHADE, clamp(-s) * k * 0.6)
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
        depth = -d
        c = BEZEL
        if depth < 4.0:
            s = lit(bezel, x, y)          # a recess: lit on its far walls
            k = 1.0 - depth / 4.0
            c = mix(c, LIGHT, clamp(-s) * k * 0.35) if s < 0 else mix(c, SHADE, clamp(s) * k * 0.8)
        return c
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
    tw = text_width('KRIEL', cap, stroke, 0.22)
    tx = round(mid - tw / 2.0)
    title = text_shape('KRIEL', tx, 18, cap, stroke, 0.22)
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
        s = lit(socket, x, y)
        depth = -d
        c = (14, 36, 38)
        if depth < 3.0:
            k = 1.0 - depth / 3.0
            c = mix(c, LIGHT, clamp(-s) * k * 0.45) if s < 0 else mix(c, SHADE, clamp(s) * k * 0.9)
        return c
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
    rw = text_width('READY', label_cap, label_stroke, 0.3)
    ready = text_shape('READY', lx - 8 - rw, ly + ls / 2.0 - label_cap / 2.0, label_cap, label_stroke, 0.3)
    cv.paint(shifted(ready, 0.7, 0.8), SHADE, 0.6)
    cv.paint(ready, LABEL)

    # Score window: a dark display; the game writes the score on it.
    sw = text_width('SCORE', label_cap, label_stroke, 0.3)
    sl = text_shape('SCORE', round(mid - sw / 2.0), SCORE_Y - 24, label_cap, label_stroke, 0.3)
    cv.paint(shifted(sl, 0.7, 0.8), SHADE, 0.6)
    cv.paint(sl, LABEL)
    lcd = rbox(SCORE_X - 6, SCORE_Y - 8, SCORE_X + 101, SCORE_Y + 34, 7)

    def lcd_colour(x, y, d):
        depth = -d
        s = lit(lcd, x, y)
        t = clamp((y - SCORE_Y + 8) / 42.0)
        c = mix((22, 34, 32), LCD_BACK, t)
        if depth < 3.0:
            k = 1.0 - depth / 3.0
            c = mix(c, LIGHT, clamp(-s) * k * 0.4) if s < 0 else mix(c, SHADE, clamp(s) * k * 0.9)
        return c
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
        if -d < 3.0:
            s = lit(pad, x, y)
            k = 1.0 - (-d) / 3.0
            c = mix(c, (150, 170, 170), clamp(s) * k * 0.6) if s > 0 else mix(c, (8, 14, 16), clamp(-s) * k * 0.7)
        return c
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

        def btn_colour(x, y, d, cx_=cx_, cy_=cy_, c=c, dark=dark, btn=btn):
            t = clamp((y - cy_ + 9.5) / 19.0)
            col = mix(c, dark, t * 0.7)
            if -d < 2.5:
                s = lit(btn, x, y)
                k = 1.0 - (-d) / 2.5
                col = mix(col, (255, 240, 220), clamp(s) * k * 0.45) if s > 0 else mix(col, dark, clamp(-s) * k * 0.6)
            return col
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

    # Cut everything outside the body back to the key colour: a hard edge,
    # so that no blend of body and key colour is left anywhere.  The
    # rightmost column is always cut away by the game; keep it key as well.
    for y in range(H):
        for x in range(W):
            if x == W - 1 or body(x + 0.5, y + 0.5) > 0.0:
                cv.px[y * W + x] = list(KEY)
            else:
                p = cv.px[y * W + x]
                r, g, b = (int(clamp(round(v), 0, 255)) for v in p)
                if (r, g, b) == KEY:
                    raise SystemExit('key colour inside the body at %d,%d' % (x, y))
                cv.px[y * W + x] = [r, g, b]
    return cv


def write_bmp(path, cv):
    row_size = (cv.w * 3 + 3) & ~3
    image_size = row_size * cv.h
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + image_size, 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):          # bottom-up rows
        rgb = cv.bytes_rgb(y)
        row = bytearray()
        for i in range(0, len(rgb), 3):
            row += bytes((rgb[i + 2], rgb[i + 1], rgb[i]))
        row += b'\0' * (row_size - len(row))
        data += row
    with open(path, 'wb') as fh:
        fh.write(header + info + data)


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


def write_png(path, rows):
    """rows: list of lists of (r, g, b, a)."""
    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw += b'\0'
        for p in row:
            raw += bytes(p)

    def chunk(kind, data):
        c = struct.pack('>I', len(data)) + kind + data
        return c + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(bytes(raw), 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as fh:
        fh.write(png)


def food_rows():
    rows = []
    for line in FOOD:
        assert len(line) == 16, line
        rows.append([FOOD_COLOURS[ch] + (255,) if ch in FOOD_COLOURS else (0, 0, 0, 0) for ch in line])
    return rows


def write_gif(path):
    with tempfile.TemporaryDirectory() as tmp:
        png = os.path.join(tmp, 'food.png')
        write_png(png, food_rows())
        subprocess.run(['convert', png, '-strip', path], check=True)


def check_config(folder):
    """Warns when the skin's config.ini disagrees with the numbers drawn here."""
    path = os.path.join(folder, 'config.ini')
    if not os.path.exists(path):
        return
    ini = configparser.ConfigParser(interpolation=None)
    ini.read(path)
    want = {('Positions', 'PlayAreaX'): PX, ('Positions', 'PlayAreaY'): PY,
            ('Positions', 'ScoreTextX'): SCORE_X, ('Positions', 'ScoreTextY'): SCORE_Y,
            ('Ratio', 'SizeRatio'): CELL}
    for (section, key), value in want.items():
        got = ini.get(section, key, fallback=None)
        if got is None or float(got) != value:
            print('warning: %s [%s] %s is %s, the picture is drawn for %s'
                  % (path, section, key, got, value), file=sys.stderr)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, '..', '..', 'data', 'Skins', 'Default')
    folder = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, 'skin.bmp'), draw_skin())
    write_gif(os.path.join(folder, 'food.gif'))
    check_config(folder)
    print('wrote', os.path.join(folder, 'skin.bmp'), 'and food.gif')


if __name__ == '__main__':
    main()
