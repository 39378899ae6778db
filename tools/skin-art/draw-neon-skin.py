#!/usr/bin/env python3
"""Draws the pictures of the Neon skin.

Writes data/Skins/Neon/skin.bmp (460 x 428, 24-bit uncompressed) and
data/Skins/Neon/food.gif (16 x 16, transparent background).  The bitmap is
written byte by byte here; the GIF is converted by ImageMagick's `convert` from
a PNG this script draws.  Only the Python standard library is used, and the
output is the same, byte for byte, on every run.

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

import configparser
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

# ---------------------------------------------------------------- geometry --

W, H = 460, 428
KEY = (0, 255, 0)            # transparent colour: bottom-left pixel

CELL = 14                    # [Ratio] SizeRatio
GRID = 19
AREA = CELL * GRID           # 266
PX, PY = 30, 96              # [Positions] PlayAreaX, PlayAreaY
SCORE_X, SCORE_Y = 328, 172  # [Positions] ScoreTextX, ScoreTextY
LAMP = (408, 104, 25)        # where the game parks the notifier box before play

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


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def hot(c, t=0.72):
    """The white-hot core of a tube of colour c."""
    return mix(c, (255, 255, 255), t)


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


def ellipse(cx, cy, rx, ry):
    """An ellipse; the distance is only approximate away from the edge."""
    k = min(rx, ry)

    def f(x, y):
        return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k
    f.box = (cx - rx, cy - ry, cx + rx, cy + ry)
    return f


def seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else clamp(((x - ax) * dx + (y - ay) * dy) / ll)
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def strokes(lines, width, closed=False):
    """Round-capped strokes along polylines [[(x, y), ...], ...]."""
    segs = []
    for pl in lines:
        pts = list(pl) + ([pl[0]] if closed else [])
        for a, b in zip(pts, pts[1:]):
            segs.append((a[0], a[1], b[0], b[1]))
    half = width / 2.0

    def f(x, y):
        return min(seg_dist(x, y, *s) for s in segs) - half
    xs = [p for s in segs for p in (s[0], s[2])]
    ys = [p for s in segs for p in (s[1], s[3])]
    f.box = (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)
    return f


def polygon(pts, r=0.0):
    """A filled polygon, its corners rounded by r (the outline grows by r)."""
    n = len(pts)

    def f(x, y):
        d = min(seg_dist(x, y, *pts[i], *pts[(i + 1) % n]) for i in range(n))
        inside = False
        for i in range(n):
            (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return (-d if inside else d) - r
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    f.box = (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r)
    return f


def chamfered(x0, y0, x1, y1, c, r=1.5):
    """A rectangle with its four corners cut off at 45 degrees by c pixels,
    slightly rounded; covers [x0, x1) x [y0, y1)."""
    x0, y0, x1, y1 = x0 + r, y0 + r, x1 - r, y1 - r
    c = max(c - r * 0.42, 0.0)
    return polygon([(x0 + c, y0), (x1 - c, y0), (x1, y0 + c), (x1, y1 - c),
                    (x1 - c, y1), (x0 + c, y1), (x0, y1 - c), (x0, y0 + c)], r)


def outline_path(x0, y0, x1, y1, c):
    """The closed path of a chamfered rectangle, for tubes laid along it."""
    return [(x0 + c, y0), (x1 - c, y0), (x1, y0 + c), (x1, y1 - c),
            (x1 - c, y1), (x0 + c, y1), (x0, y1 - c), (x0, y0 + c)]


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

    def _span(self, f, pad):
        x0, y0, x1, y1 = f.box
        return (max(0, int(math.floor(x0 - pad))), max(0, int(math.floor(y0 - pad))),
                min(self.w, int(math.ceil(x1 + pad))), min(self.h, int(math.ceil(y1 + pad))))

    def paint(self, f, colour, alpha=1.0, grow=0.0):
        """Blends `colour` over the pixels inside f, with smooth edges.

        `colour` is an RGB triple or a function (x, y, d) -> RGB or RGBA."""
        x0, y0, x1, y1 = self._span(f, 4 + grow)
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

    def glow(self, f, colour, reach, strength, inside=1.0):
        """Light of `colour` around f, added with a screen blend: full
        `strength` (times `inside`) within f, falling off outside it with a
        1/e distance of reach / 3 and gone at `reach`."""
        x0, y0, x1, y1 = self._span(f, reach + 1)
        s = reach / 3.0
        cr, cg, cb = (v / 255.0 for v in colour)
        for y in range(y0, y1):
            cy = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                d = f(x + 0.5, cy)
                if d >= reach:
                    continue
                if d <= 0.0:
                    a = strength * inside
                else:
                    a = strength * math.exp(-d / s) * (1.0 - d / reach)
                p = self.px[row + x]
                p[0] += (255.0 - p[0]) * cr * a
                p[1] += (255.0 - p[1]) * cg * a
                p[2] += (255.0 - p[2]) * cb * a

    def haze(self, cx, cy, rx, ry, colour, strength):
        """A soft elliptical wash of light, screen-blended."""
        cr, cg, cb = (v / 255.0 for v in colour)
        for y in range(max(0, int(cy - 2 * ry)), min(self.h, int(cy + 2 * ry) + 1)):
            for x in range(max(0, int(cx - 2 * rx)), min(self.w, int(cx + 2 * rx) + 1)):
                q = ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2
                a = strength * math.exp(-q * 1.5)
                if a < 0.002:
                    continue
                p = self.px[y * self.w + x]
                p[0] += (255.0 - p[0]) * cr * a
                p[1] += (255.0 - p[1]) * cg * a
                p[2] += (255.0 - p[2]) * cb * a

    def bytes_rgb(self, y):
        out = bytearray()
        for p in self.px[y * self.w:(y + 1) * self.w]:
            out += bytes(int(clamp(round(v), 0, 255)) for v in p)
        return out


def tube(cv, f, colour, reach=10.0, strength=0.55, core=0.8):
    """A lit neon tube whose glass is f: the glow, the glass, the hot core."""
    cv.glow(f, colour, reach, strength * 0.55)
    cv.glow(f, colour, reach * 0.35, strength * 0.5)
    cv.paint(f, colour)
    if core > 0:
        cv.paint(f, hot(colour), 0.85, grow=-core)


# ------------------------------------------------------------------ letters --
# Glyphs are polylines in units of the cap height (y down), with a width.

def arc(cx, cy, rx, ry, a0, a1, n=24):
    pts = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


GLYPHS = {
    'K': (0.58, [[(0, 0), (0, 1)], [(0.58, 0), (0.04, 0.56)], [(0.22, 0.38), (0.60, 1)]]),
    'R': (0.58, [[(0, 1), (0, 0), (0.32, 0)] + arc(0.32, 0.26, 0.26, 0.26, -90, 90) + [(0.32, 0.52), (0, 0.52)],
                 [(0.30, 0.52), (0.60, 1)]]),
    'I': (0.0, [[(0, 0), (0, 1)]]),
    'E': (0.50, [[(0.50, 0), (0, 0), (0, 1), (0.50, 1)], [(0, 0.5), (0.40, 0.5)]]),
    'L': (0.48, [[(0, 0), (0, 1), (0.48, 1)]]),
    'S': (0.56, [arc(0.28, 0.25, 0.28, 0.25, -25, -270) + arc(0.28, 0.75, 0.28, 0.25, -90, 155)]),
    'C': (0.78, [arc(0.48, 0.5, 0.48, 0.5, -42, -318, 32)]),
    'O': (0.90, [arc(0.45, 0.5, 0.45, 0.5, 0, 360, 40)]),
    'A': (0.70, [[(0, 1), (0.35, 0), (0.70, 1)], [(0.13, 0.64), (0.57, 0.64)]]),
    'D': (0.64, [[(0.20, 0), (0, 0), (0, 1), (0.20, 1)],
                 arc(0.20, 0.5, 0.44, 0.5, -90, 90)]),
    'Y': (0.62, [[(0, 0), (0.31, 0.50), (0.62, 0)], [(0.31, 0.50), (0.31, 1)]]),
    'N': (0.62, [[(0, 1), (0, 0), (0.62, 1), (0.62, 0)]]),
    'T': (0.60, [[(0, 0), (0.60, 0)], [(0.30, 0), (0.30, 1)]]),
    'P': (0.54, [[(0, 1), (0, 0), (0.28, 0)] + arc(0.28, 0.26, 0.26, 0.26, -90, 90) + [(0.28, 0.52), (0, 0.52)]]),
    '1': (0.30, [[(0, 0.2), (0.26, 0), (0.26, 1)]]),
    '2': (0.52, [arc(0.26, 0.27, 0.26, 0.27, 200, 360, 12) + [(0.52, 0.30), (0, 1), (0.54, 1)]]),
}


def text_lines(text, x, y, cap, stroke, gap=0.26):
    """Polylines for `text` with its cap line at y, starting at x."""
    lines = []
    pen = x + stroke / 2.0
    for ch in text:
        if ch == ' ':
            pen += cap * 0.45
            continue
        w, pls = GLYPHS[ch]
        for pl in pls:
            lines.append([(pen + px * cap, y + stroke / 2.0 + py * (cap - stroke)) for px, py in pl])
        pen += w * cap + gap * cap + stroke
    return lines


def text_shape(text, x, y, cap, stroke, gap=0.26):
    return strokes(text_lines(text, x, y, cap, stroke, gap), stroke)


def text_width(text, cap, stroke, gap=0.26):
    f = text_shape(text, 0, 0, cap, stroke, gap)
    return f.box[2] - f.box[0]


def centred_text(text, mid, y, cap, stroke, gap=0.26):
    return text_shape(text, round(mid - text_width(text, cap, stroke, gap) / 2.0), y, cap, stroke, gap)


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
        if depth < 6.0:
            s = lit(body, x, y)
            k = (1.0 - depth / 6.0) ** 1.5
            c = mix(c, CAB_LIGHT, clamp(s) * k * 0.45) if s > 0 else mix(c, CAB_SHADE, clamp(-s) * k * 0.7)
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
    path = outline_path(x0 + 9.5, y0 + 9.5, x1 - 10.5, y1 - 10.5, c - 4)
    mid = (x0 + x1) / 2.0
    bottom = y1 - 10.5
    # from the gap leftwards, round the sign and back to the gap
    ring = [(mid - 7, bottom)] + [path[5], path[6], path[7], path[0], path[1],
                                  path[2], path[3], path[4]] + [(mid + 7, bottom)]
    frame = strokes([ring], 3.0)
    tube(cv, frame, CYAN, reach=9.0, strength=0.5, core=0.9)

    # Title in pink tubes, with a soft pink haze on the wall behind it.
    cap, stroke = 38, 5.6
    tw = text_width('KRIEL', cap, stroke, 0.30)
    tx = round(mid - tw / 2.0)
    ty = y0 + (y1 - y0 - cap) / 2.0 - 0.5
    cv.haze(mid, ty + cap / 2.0, tw * 0.62, cap * 0.95, PINK, 0.16)
    title = text_shape('KRIEL', tx, ty, cap, stroke, 0.30)
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
        depth = -d
        if depth < 3.0:
            s = lit(bezel, x, y)
            k = 1.0 - depth / 3.0
            c = mix(c, (120, 100, 160), clamp(s) * k * 0.5) if s > 0 else mix(c, (0, 0, 0), clamp(-s) * k * 0.6)
        return c
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

    rw = text_width('READY', label_cap, label_stroke, 0.3)
    ready = text_shape('READY', lx - 11 - rw, ly + ls / 2.0 - label_cap / 2.0, label_cap, label_stroke, 0.3)
    tube(cv, ready, PINK, reach=6.0, strength=0.4, core=0.0)

    # The score: a label in cyan tubes over a dark display.
    sl = centred_text('SCORE', mid, SCORE_Y - 27, label_cap, label_stroke, 0.3)
    tube(cv, sl, CYAN, reach=6.0, strength=0.4, core=0.0)
    box = rbox(SCORE_X - 10, SCORE_Y - 8, COL_X1 - 2, SCORE_Y + 34, 6)
    cv.paint(shifted(box, 1.5, 2.0), CAB_SHADE, 0.7, grow=0.5)

    def box_colour(x, y, d):
        depth = -d
        t = clamp((y - SCORE_Y + 8) / 42.0)
        c = mix((14, 10, 24), (4, 3, 10), t)
        if depth < 2.5:
            s = lit(box, x, y)
            k = 1.0 - depth / 2.5
            c = mix(c, (130, 110, 180), clamp(-s) * k * 0.5) if s < 0 else mix(c, (0, 0, 0), clamp(s) * k * 0.8)
        return c
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
        depth = -d
        if depth < 3.0:
            s = lit(door, x, y)
            k = 1.0 - depth / 3.0
            c = mix(c, (200, 196, 220), clamp(s) * k * 0.5) if s > 0 else mix(c, (6, 6, 10), clamp(-s) * k * 0.7)
        return c
    cv.paint(door, door_colour)
    dmid = (COL_X0 + 12 + COL_X1 - 6) / 2.0
    ic = centred_text('INSERT COIN', dmid, 246, 7, 1.35, 0.28)
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
    cv.paint(ellipse(jx, jy + 3, 15, 4.5), (8, 4, 14), 0.9)
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
        cv.paint(ellipse(cx_ + 1, cy_ + 4, 12, 6), (8, 4, 14), 0.8)
        cap_ = ellipse(cx_, cy_, 11, 6.5)
        cv.glow(cap_, col, 8.0, 0.30, inside=0.0)

        def cap_colour(x, y, d, col=col, cy_=cy_):
            t = clamp((y - cy_ + 6.5) / 13.0)
            return mix(hot(col, 0.5), mix(col, (0, 0, 0), 0.35), t)
        cv.paint(cap_, cap_colour)
        cv.paint(ellipse(cx_ - 3, cy_ - 2.5, 3.6, 1.6), (255, 255, 255), 0.6)

    # Player buttons on the right: "1P" and "2P" in small lit squares.
    for i, text in enumerate(('1P', '2P')):
        bx = 360.0 + i * 40.0
        btn = rbox(bx - 13, PANEL_TOP + 7, bx + 13, PANEL_TOP + 24, 4)
        cv.paint(btn, (20, 12, 30))
        lit_col = AMBER if i == 0 else (120, 110, 140)
        cv.glow(btn, lit_col, 6.0, 0.25 if i == 0 else 0.0, inside=0.0)
        face = rbox(bx - 11, PANEL_TOP + 9, bx + 11, PANEL_TOP + 22, 3)
        cv.paint(face, mix(lit_col, (0, 0, 0), 0.25 if i == 0 else 0.55))
        label = centred_text(text, bx, PANEL_TOP + 11.5, 8, 1.4, 0.25)
        cv.paint(label, (60, 24, 0) if i == 0 else (150, 140, 170), 0.9)


def draw_plinth(cv):
    px0, py0, px1, py1 = PLINTH
    kick = rbox(px0 + 14, py0 + 6, px1 - 14, py1 - 4, 2)
    cv.paint(kick, (6, 3, 12), 0.8)
    # a violet light strip under the cabinet
    strip = strokes([[(px0 + 20, py0 + 10.5), (px1 - 20, py0 + 10.5)]], 2.0)
    tube(cv, strip, VIOLET, reach=5.0, strength=0.35, core=0.0)


def check_field(cv):
    """The play field has to stay a calm dark panel: nothing bright on it."""
    for y in range(PY, PY + AREA):
        for x in range(PX, PX + AREA):
            p = cv.px[y * cv.w + x]
            if max(p) > 48:
                raise SystemExit('something bright on the play field at %d,%d' % (x, y))


def draw_skin():
    # Start from the rim colour, not the key colour, so that the smoothed
    # edge of the body blends towards the rim and never towards the key.
    cv = Canvas(W, H, RIM)
    body = body_shape()
    draw_cabinet(cv, body)
    draw_marquee(cv)
    draw_screen(cv)
    draw_column(cv)
    draw_panel(cv)
    draw_plinth(cv)
    draw_edge_strip(cv, body)
    check_field(cv)

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
    if tuple(cv.px[(H - 1) * W]) != KEY:
        raise SystemExit('the bottom-left pixel must be the key colour')
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


def write_preview(path, cv):
    """The skin as the window shows it: cut-out pixels see-through."""
    rows = []
    for y in range(cv.h):
        row = []
        for x in range(cv.w):
            p = tuple(int(v) for v in cv.px[y * cv.w + x])
            row.append((0, 0, 0, 0) if p == KEY or x == cv.w - 1 else p + (255,))
        rows.append(row)
    write_png(path, rows)


# -------------------------------------------------------------------- food --
# A glowing yellow star, 16 x 16.  GIF knows only fully transparent pixels,
# so the glow is a ring of opaque warm pixels round the star; the picture is
# worked out on a 4 x 4 subgrid per pixel and then given a small palette.

def star_shape(cx, cy, r_out, r_in, n=5, turn=-90.0):
    pts = []
    for i in range(n * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts, 0.35)


def food_rows():
    star = star_shape(8.0, 8.6, 7.4, 3.1)
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
                    d = star(fx, fy)
                    if d < 0:
                        cover += 1
                        shade += clamp(math.hypot(fx - 7.0, fy - 7.2) / 7.0)
                    elif d < 1.0:
                        halo += 1
            if cover >= 6:
                t = shade / cover
                edge = star(x + 0.5, y + 0.5)
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
    args = sys.argv[1:]
    preview = None
    if '--preview' in args:
        i = args.index('--preview')
        preview = args[i + 1]
        del args[i:i + 2]
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, '..', '..', 'data', 'Skins', 'Neon')
    folder = os.path.normpath(args[0] if args else default)
    os.makedirs(folder, exist_ok=True)
    cv = draw_skin()
    write_bmp(os.path.join(folder, 'skin.bmp'), cv)
    write_gif(os.path.join(folder, 'food.gif'))
    if preview:
        write_preview(preview, cv)
    check_config(folder)
    print('wrote', os.path.join(folder, 'skin.bmp'), 'and food.gif')


if __name__ == '__main__':
    main()
