"""Drawing kit for the scripts that draw Kriel's pictures.

A shape is a signed distance function: called with a point it gives the
distance to the shape's edge, negative inside.  Every shape carries `box`,
(x0, y0, x1, y1), so a canvas only visits the pixels the shape can reach.
Coordinates are in pixel edges: pixel (x, y) is sampled at (x + 0.5, y + 0.5).

Only the Python standard library is used.  The writers give the same bytes
on every run (the GIFs made through ImageMagick's `convert` as far as it
does), so redrawing a picture that has not changed leaves its file alone.
"""

import configparser
import math
import os
import re
import struct
import subprocess
import sys
import tempfile
import zlib

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))


# ------------------------------------------------------------------ colour --

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


# ------------------------------------------------------------------ shapes --

def rbox(x0, y0, x1, y1, r=0.0):
    """Rounded rectangle covering [x0, x1) x [y0, y1)."""
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
    """An ellipse whose distance is exact enough near the edge for smoothing."""
    def f(x, y):
        nx, ny = (x - cx) / rx, (y - cy) / ry
        k = math.hypot(nx, ny)
        if k == 0.0:
            return -min(rx, ry)
        # first-order distance: value over gradient length
        gx, gy = nx / (rx * k), ny / (ry * k)
        return (k - 1.0) / (math.hypot(gx, gy) or 1.0)
    f.box = (cx - rx, cy - ry, cx + rx, cy + ry)
    return f


def rough_ellipse(cx, cy, rx, ry):
    """A cheaper ellipse whose smoothed edge widens towards the ends of its
    long axis (long over short radius pixels there); fine for small parts."""
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


def chamfer_path(x0, y0, x1, y1, c):
    """The closed outline of a rectangle with its corners cut off by c,
    clockwise from the left end of the top edge."""
    return [(x0 + c, y0), (x1 - c, y0), (x1, y0 + c), (x1, y1 - c),
            (x1 - c, y1), (x0 + c, y1), (x0, y1 - c), (x0, y0 + c)]


def chamfered(x0, y0, x1, y1, c, r=1.5):
    """A rectangle covering [x0, x1) x [y0, y1) with its corners cut off at
    45 degrees by c pixels, and slightly rounded."""
    return polygon(chamfer_path(x0 + r, y0 + r, x1 - r, y1 - r, max(c - r * 0.42, 0.0)), r)


def star(cx, cy, r_out, r_in, points=5, turn=-90.0, r=0.0):
    """A star with its first tip `turn` degrees round from the x axis."""
    pts = []
    for i in range(points * 2):
        rr = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180.0 / points)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return polygon(pts, r)


def union(*fs):
    def f(x, y):
        return min(g(x, y) for g in fs)
    f.box = (min(g.box[0] for g in fs), min(g.box[1] for g in fs),
             max(g.box[2] for g in fs), max(g.box[3] for g in fs))
    return f


def smooth_union(a, b, k):
    """The union of a and b with a fillet of about k / 4 where they meet."""
    def f(x, y):
        da, db = a(x, y), b(x, y)
        h = max(k - abs(da - db), 0.0) / k
        return min(da, db) - h * h * k * 0.25
    f.box = union(a, b).box
    return f


def intersect(a, b):
    def f(x, y):
        return max(a(x, y), b(x, y))
    f.box = (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]),
             min(a.box[2], b.box[2]), min(a.box[3], b.box[3]))
    return f


def subtract(a, b):
    def f(x, y):
        return max(a(x, y), -b(x, y))
    f.box = a.box
    return f


def smooth_subtract(a, b, k):
    """a with b cut away, the cut's edges rounded by about k / 4."""
    def f(x, y):
        da, db = a(x, y), -b(x, y)
        h = max(k - abs(da - db), 0.0) / k
        return max(da, db) + h * h * k * 0.25
    f.box = a.box
    return f


def grown(g, by):
    def f(x, y):
        return g(x, y) - by
    f.box = (g.box[0] - by, g.box[1] - by, g.box[2] + by, g.box[3] + by)
    return f


def shifted(g, dx, dy):
    def f(x, y):
        return g(x - dx, y - dy)
    f.box = (g.box[0] + dx, g.box[1] + dy, g.box[2] + dx, g.box[3] + dy)
    return f


# ---------------------------------------------------------------- lighting --

# Light falls from the upper left.
LX, LY = -0.55, -0.835


def normal(f, x, y):
    e = 0.5
    nx = f(x + e, y) - f(x - e, y)
    ny = f(x, y + e) - f(x, y - e)
    n = math.hypot(nx, ny) or 1.0
    return nx / n, ny / n


def lit(f, x, y):
    """How much the outward normal at (x, y) faces the light, -1 to 1."""
    nx, ny = normal(f, x, y)
    return nx * LX + ny * LY


def bevel(c, shape, x, y, depth, width, light, shade, power=1.0, sunken=False):
    """Colour c, shaded for a point `depth` pixels inside `shape`'s edge.

    Within `width` of the edge, the side facing the light moves towards
    light = (colour, amount) and the other side towards shade = (colour,
    amount), the more the nearer the edge.  A sunken shape is a recess, lit
    on its far walls."""
    if depth >= width:
        return c
    s = lit(shape, x, y)
    if sunken:
        s = -s
    k = 1.0 - depth / width
    if power != 1.0:
        k = k ** power
    if s > 0:
        return mix(c, light[0], clamp(s) * k * light[1])
    return mix(c, shade[0], clamp(-s) * k * shade[1])


# --------------------------------------------------------------- lettering --

def arc(cx, cy, rx, ry, a0, a1, n=24):
    """n + 1 points along an elliptical arc from a0 to a1 degrees (y down)."""
    pts = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


class StrokeFont:
    """Letters drawn as round-capped strokes.

    `glyphs` maps a character to (width, polylines), both in units of the
    cap height with y down; `space` is the advance of a blank.  `gap` below
    is the room between letters, also in cap heights."""

    def __init__(self, glyphs, space=0.5):
        self.glyphs = glyphs
        self.space = space

    def lines(self, text, x, y, cap, stroke, gap=0.26):
        """Polylines for `text` with its cap line at y, starting at x."""
        lines = []
        pen = x + stroke / 2.0
        for ch in text:
            if ch == ' ':
                pen += cap * self.space
                continue
            w, pls = self.glyphs[ch]
            for pl in pls:
                lines.append([(pen + px * cap, y + stroke / 2.0 + py * (cap - stroke)) for px, py in pl])
            pen += w * cap + gap * cap + stroke
        return lines

    def shape(self, text, x, y, cap, stroke, gap=0.26):
        return strokes(self.lines(text, x, y, cap, stroke, gap), stroke)

    def width(self, text, cap, stroke, gap=0.26):
        f = self.shape(text, 0, 0, cap, stroke, gap)
        return f.box[2] - f.box[0]

    def centred(self, text, mid, y, cap, stroke, gap=0.26, snap=True):
        """`text` centred on x = mid.  With `snap` it starts on a whole pixel,
        which keeps upright strokes alike from one label to the next."""
        if snap:
            return self.shape(text, round(mid - self.width(text, cap, stroke, gap) / 2.0), y, cap, stroke, gap)
        f = self.shape(text, 0, y, cap, stroke, gap)
        width = f.box[2] - f.box[0]
        return shifted(f, mid - width / 2.0 - f.box[0], 0)


# An upright alphabet of single strokes for the scripts that need more than a
# title: capitals, digits and a little punctuation, in StrokeFont's units.
LETTERS = {
    'A': (0.66, [[(0, 1), (0.33, 0), (0.66, 1)], [(0.12, 0.64), (0.54, 0.64)]]),
    'B': (0.56, [[(0, 0.5), (0, 0), (0.28, 0)] + arc(0.28, 0.25, 0.24, 0.25, -90, 90, 12) + [(0, 0.5)],
                 [(0, 0.5), (0.30, 0.5)] + arc(0.30, 0.75, 0.26, 0.25, -90, 90, 12) + [(0, 1), (0, 0.5)]]),
    'C': (0.62, [arc(0.36, 0.5, 0.36, 0.5, -45, -315, 28)]),
    'D': (0.60, [[(0.20, 0), (0, 0), (0, 1), (0.20, 1)], arc(0.20, 0.5, 0.40, 0.5, -90, 90)]),
    'E': (0.48, [[(0.48, 0), (0, 0), (0, 1), (0.48, 1)], [(0, 0.5), (0.40, 0.5)]]),
    'F': (0.46, [[(0.46, 0), (0, 0), (0, 1)], [(0, 0.5), (0.38, 0.5)]]),
    'G': (0.72, [arc(0.36, 0.5, 0.36, 0.5, -50, -360, 32) + [(0.42, 0.5)]]),
    'H': (0.58, [[(0, 0), (0, 1)], [(0.58, 0), (0.58, 1)], [(0, 0.5), (0.58, 0.5)]]),
    'I': (0.0, [[(0, 0), (0, 1)]]),
    'J': (0.44, [[(0.44, 0), (0.44, 0.72)] + arc(0.22, 0.72, 0.22, 0.28, 0, 180, 12)]),
    'K': (0.60, [[(0, 0), (0, 1)], [(0.60, 0), (0.02, 0.60)], [(0.22, 0.40), (0.62, 1)]]),
    'L': (0.46, [[(0, 0), (0, 1), (0.46, 1)]]),
    'M': (0.74, [[(0, 1), (0, 0), (0.37, 0.62), (0.74, 0), (0.74, 1)]]),
    'N': (0.60, [[(0, 1), (0, 0), (0.60, 1), (0.60, 0)]]),
    'O': (0.86, [arc(0.43, 0.5, 0.43, 0.5, 0, 360, 40)]),
    'P': (0.56, [[(0, 1), (0, 0), (0.30, 0)] + arc(0.30, 0.26, 0.26, 0.26, -90, 90) + [(0.30, 0.52), (0, 0.52)]]),
    'Q': (0.86, [arc(0.43, 0.5, 0.43, 0.5, 0, 360, 40), [(0.54, 0.70), (0.86, 1)]]),
    'R': (0.60, [[(0, 1), (0, 0), (0.32, 0)] + arc(0.32, 0.26, 0.26, 0.26, -90, 90) + [(0.32, 0.52), (0, 0.52)],
                 [(0.30, 0.52), (0.62, 1)]]),
    'S': (0.56, [arc(0.28, 0.25, 0.28, 0.25, -25, -270) + arc(0.28, 0.75, 0.28, 0.25, -90, 155)]),
    'T': (0.60, [[(0, 0), (0.60, 0)], [(0.30, 0), (0.30, 1)]]),
    'U': (0.62, [[(0, 0), (0, 0.69)] + arc(0.31, 0.69, 0.31, 0.31, 180, 0) + [(0.62, 0)]]),
    'V': (0.64, [[(0, 0), (0.32, 1), (0.64, 0)]]),
    'W': (0.90, [[(0, 0), (0.22, 1), (0.45, 0.30), (0.68, 1), (0.90, 0)]]),
    'X': (0.60, [[(0, 0), (0.60, 1)], [(0.60, 0), (0, 1)]]),
    'Y': (0.64, [[(0, 0), (0.32, 0.52), (0.64, 0)], [(0.32, 0.52), (0.32, 1)]]),
    'Z': (0.56, [[(0, 0), (0.56, 0), (0, 1), (0.56, 1)]]),
    '0': (0.52, [arc(0.26, 0.5, 0.26, 0.5, 0, 360, 32)]),
    '1': (0.30, [[(0, 0.2), (0.26, 0), (0.26, 1)]]),
    '2': (0.52, [arc(0.26, 0.27, 0.26, 0.27, 200, 360, 12) + [(0.52, 0.30), (0, 1), (0.54, 1)]]),
    '3': (0.50, [arc(0.24, 0.25, 0.24, 0.25, -160, 90, 16), arc(0.24, 0.74, 0.26, 0.26, -90, 160, 16)]),
    '4': (0.54, [[(0.40, 1), (0.40, 0), (0, 0.68), (0.54, 0.68)]]),
    '5': (0.50, [[(0.46, 0), (0.06, 0), (0.03, 0.46)] + arc(0.24, 0.70, 0.26, 0.30, -140, 150, 20)]),
    '6': (0.52, [arc(0.27, 0.5, 0.27, 0.5, -70, -180, 10) + arc(0.26, 0.72, 0.26, 0.28, 180, 540, 28)]),
    '7': (0.50, [[(0, 0), (0.50, 0), (0.16, 1)]]),
    '8': (0.52, [arc(0.26, 0.25, 0.22, 0.25, 90, 450, 24), arc(0.26, 0.74, 0.26, 0.26, -90, 270, 28)]),
    '9': (0.52, [arc(0.26, 0.28, 0.26, 0.28, 0, 360, 28), [(0.52, 0.28), (0.40, 1)]]),
    ':': (0.0, [[(0, 0.34), (0, 0.34)], [(0, 0.94), (0, 0.94)]]),
    '.': (0.0, [[(0, 1), (0, 1)]]),
    '-': (0.36, [[(0, 0.55), (0.36, 0.55)]]),
    '/': (0.40, [[(0, 1), (0.40, 0)]]),
}


# ----------------------------------------------------------------- texture --

def lattice(ix, iy, seed):
    """A fixed pseudo-random value in [0, 1) for a lattice point: the same on
    every run and every machine, unlike Python's salted hashes."""
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xffffffff
    h = ((h ^ (h >> 13)) * 1274126177) & 0xffffffff
    return ((h ^ (h >> 16)) & 0xffffff) / float(1 << 24)


def noise(x, y, size, seed=0):
    """Smooth value noise in [0, 1) with features about `size` pixels across."""
    fx, fy = x / size, y / size
    ix, iy = int(math.floor(fx)), int(math.floor(fy))
    tx, ty = fx - ix, fy - iy
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    top = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx
    bottom = lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx
    return top + (bottom - top) * ty


# ---------------------------------------------------------------- canvases --

class Canvas:
    """Opaque RGB pixels, kept as floats until they are written."""

    margin = 4      # how far past its box a shape's smoothed edge may reach

    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]

    def span(self, f, pad):
        """The pixels f can touch, widened by pad: x0, y0, x1, y1."""
        x0, y0, x1, y1 = f.box
        return (max(0, int(math.floor(x0 - pad))), max(0, int(math.floor(y0 - pad))),
                min(self.w, int(math.ceil(x1 + pad))), min(self.h, int(math.ceil(y1 + pad))))

    def paint(self, f, colour, alpha=1.0, grow=0.0):
        """Blends `colour` over the pixels inside f, with smooth edges.

        `colour` is an RGB triple or a function (x, y, d) -> RGB, RGBA or
        None (leave the pixel); `grow` moves f's edge outwards."""
        x0, y0, x1, y1 = self.span(f, self.margin + grow)
        fn = colour if callable(colour) else None
        blend = self.blend
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
                blend(self.px[row + x], c, a)

    @staticmethod
    def blend(p, c, a):
        p[0] += (c[0] - p[0]) * a
        p[1] += (c[1] - p[1]) * a
        p[2] += (c[2] - p[2]) * a

    def glow(self, f, colour, reach, strength, inside=1.0):
        """Light of `colour` around f, added with a screen blend: full
        `strength` (times `inside`) within f, falling off outside it with a
        1/e distance of reach / 3 and gone at `reach`."""
        x0, y0, x1, y1 = self.span(f, reach + 1)
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

    def rgb_row(self, y):
        """Row y as bytes r, g, b, r, g, b, ..."""
        out = bytearray()
        for p in self.px[y * self.w:(y + 1) * self.w]:
            out += bytes(int(clamp(round(v), 0, 255)) for v in p)
        return out


class AlphaCanvas(Canvas):
    """RGBA pixels, straight (not premultiplied) alpha, 'over' compositing.

    glow() and haze() treat the pixels as opaque; keep them for Canvas."""

    margin = 2

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        if len(fill) == 3:
            fill = tuple(fill) + (1.0,)
        super().__init__(w, h, fill)

    @staticmethod
    def blend(p, c, a):
        if a <= 0.0:
            return
        da = p[3]
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        k = da * (1.0 - a)
        for i in range(3):
            p[i] = (c[i] * a + p[i] * k) / oa
        p[3] = oa

    def put(self, x, y, c):
        self.px[y * self.w + x] = [c[0], c[1], c[2], 1.0]

    def rgba(self, x, y):
        p = self.px[y * self.w + x]
        a = int(clamp(round(p[3] * 255), 0, 255))
        if a == 0:
            return (0, 0, 0, 0)
        return tuple(int(clamp(round(v), 0, 255)) for v in p[:3]) + (a,)

    def rgba_rows(self):
        return [[self.rgba(x, y) for x in range(self.w)] for y in range(self.h)]

    def rgb_row(self, y):
        out = bytearray()
        for x in range(self.w):
            out += bytes(self.rgba(x, y)[:3])
        return out


def cut_to_key(cv, body, key):
    """Sets every pixel outside `body` to the key colour, with a hard edge so
    that no blend of body and key is left, and rounds the rest.

    Draw the body on a canvas filled with its rim colour, not the key
    colour, so that its smoothed edge blends towards the rim and never
    towards the key.

    The game treats the key colour as see-through and always cuts away the
    rightmost column, so that column is keyed too."""
    w, h = cv.w, cv.h
    for y in range(h):
        for x in range(w):
            if x == w - 1 or body(x + 0.5, y + 0.5) > 0.0:
                cv.px[y * w + x] = list(key)
            else:
                r, g, b = (int(clamp(round(v), 0, 255)) for v in cv.px[y * w + x])
                if (r, g, b) == key:
                    raise SystemExit('key colour inside the body at %d,%d' % (x, y))
                cv.px[y * w + x] = [r, g, b]
    if tuple(cv.px[(h - 1) * w]) != key:
        raise SystemExit('the bottom-left pixel must be the key colour')


def pixel_rows(art, colours):
    """RGBA rows from pixel art: one string a row, one character a pixel,
    looked up in `colours`; any other character is transparent."""
    rows = []
    for line in art:
        assert len(line) == len(art[0]), line
        rows.append([colours[ch] + (255,) if ch in colours else (0, 0, 0, 0) for ch in line])
    return rows


# ----------------------------------------------------------------- writers --

def write_bmp(path, cv):
    """24 bits per pixel, BI_RGB, bottom-up rows padded to four bytes."""
    row_size = (cv.w * 3 + 3) & ~3
    image_size = row_size * cv.h
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + image_size, 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):
        rgb = cv.rgb_row(y)
        row = bytearray(rgb)
        row[0::3], row[2::3] = rgb[2::3], rgb[0::3]
        row += b'\0' * (row_size - len(row))
        data += row
    with open(path, 'wb') as fh:
        fh.write(header + info + data)


def write_png(path, rows):
    """rows: lists of (r, g, b, a); 8-bit RGBA."""
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


def write_keyed_preview(path, cv, key):
    """A PNG of a keyed picture as the window shows it: the key colour and
    the rightmost column see-through."""
    rows = []
    for y in range(cv.h):
        row = []
        for x in range(cv.w):
            p = tuple(int(v) for v in cv.px[y * cv.w + x])
            row.append((0, 0, 0, 0) if p == key or x == cv.w - 1 else p + (255,))
        rows.append(row)
    write_png(path, rows)


def _lzw(indices, min_code_size):
    """The LZW-compressed image data of a GIF, already cut into sub-blocks."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xff)
            acc >>= 8
            nbits -= 8

    size = min_code_size + 1
    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear, size)
    run = ()
    for v in indices:
        cand = run + (v,)
        if cand in table:
            run = cand
            continue
        emit(table[run], size)
        if next_code < 4096:
            table[cand] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            size = min_code_size + 1
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
        run = (v,)
    if run:
        emit(table[run], size)
    emit(end, size)
    if nbits:
        out.append(acc & 0xff)
    blocks = bytearray([min_code_size])
    for i in range(0, len(out), 255):
        part = out[i:i + 255]
        blocks += bytes([len(part)]) + part
    blocks += b'\0'
    return bytes(blocks)


def write_gif(path, art, colours):
    """A GIF89a from pixel art of at most three colours: '.' is transparent,
    other characters index `colours`.  Entry 0 of the four-entry palette is
    the transparent one."""
    keys = [ch for ch in colours]
    palette = [(255, 255, 255)] + [colours[k] for k in keys]
    while len(palette) < 4:
        palette.append((0, 0, 0))
    index = {'.': 0}
    for i, k in enumerate(keys):
        index[k] = i + 1
    h, w = len(art), len(art[0])
    pixels = [index[ch] for row in art for ch in row]
    gif = b'GIF89a' + struct.pack('<HHBBB', w, h, 0x80 | 0x01, 0, 0)  # 4 colours
    gif += b''.join(bytes(c) for c in palette)
    gif += b'\x21\xf9\x04' + struct.pack('<BHB', 0x01, 0, 0) + b'\0'  # transparent index 0
    gif += b'\x2c' + struct.pack('<HHHHB', 0, 0, w, h, 0)
    gif += _lzw(pixels, 2)
    gif += b'\x3b'
    with open(path, 'wb') as fh:
        fh.write(gif)


def hard_alpha(rows, threshold=128):
    """RGBA rows with every pixel either opaque or see-through, as a GIF
    holds them: the pixels at least `threshold` opaque are kept whole."""
    return [[p[:3] + (255,) if p[3] >= threshold else (0, 0, 0, 0) for p in row] for row in rows]


def convert_to_gif(path, rows):
    """A GIF of RGBA rows, palette chosen by ImageMagick's `convert`."""
    with tempfile.TemporaryDirectory() as tmp:
        png = os.path.join(tmp, 'picture.png')
        write_png(png, rows)
        subprocess.run(['convert', png, '-strip', path], check=True)


# ------------------------------------------------------------------- skins --

# The game's own numbers, the same whatever the skin.
GRID = 19                    # the play area is GRID x GRID cells
LAMP = (408, 104, 25)        # x, y, size: where the game parks the notifier box before play


def output_folder(args, *default):
    """The folder named by args[0], else `default` under the repository
    root; made if it is missing."""
    folder = os.path.normpath(args[0] if args else os.path.join(REPO, *default))
    os.makedirs(folder, exist_ok=True)
    return folder


def homepage():
    """The project's homepage, as project() in the top CMakeLists.txt gives it."""
    with open(os.path.join(REPO, 'CMakeLists.txt'), encoding='utf-8') as fh:
        found = re.search(r'HOMEPAGE_URL\s+"([^"]+)"', fh.read())
    return found.group(1) if found else None


def check_skin_config(folder, play_x, play_y, score_x, score_y, cell):
    """Warns when the skin's config.ini disagrees with the numbers drawn, or
    when a skin that comes with the game points anywhere but the project's
    homepage."""
    path = os.path.join(folder, 'config.ini')
    if not os.path.exists(path):
        return
    ini = configparser.ConfigParser(interpolation=None)
    ini.read(path)
    want = {('Positions', 'PlayAreaX'): play_x, ('Positions', 'PlayAreaY'): play_y,
            ('Positions', 'ScoreTextX'): score_x, ('Positions', 'ScoreTextY'): score_y,
            ('Ratio', 'SizeRatio'): cell}
    for (section, key), value in want.items():
        got = ini.get(section, key, fallback=None)
        if got is None or float(got) != value:
            print('warning: %s [%s] %s is %s, the picture is drawn for %s'
                  % (path, section, key, got, value), file=sys.stderr)
    shipped = os.path.normpath(os.path.join(REPO, 'data', 'Skins'))
    website = ini.get('Info', 'WebSite', fallback=None)
    if os.path.dirname(os.path.normpath(folder)) == shipped and website != homepage():
        print('warning: %s [Info] WebSite is %s, not the homepage %s'
              % (path, website, homepage()), file=sys.stderr)


def check_play_field(cv, x0, y0, size, stands_out, what='something bright'):
    """Stops the script when any pixel of the size x size square whose top
    left is (x0, y0) stands_out(pixel): the kriel and the food the game draws
    there must not be mistaken for the picture under them."""
    for y in range(y0, y0 + size):
        for x in range(x0, x0 + size):
            if stands_out(cv.px[y * cv.w + x]):
                raise SystemExit('%s on the play field at %d,%d' % (what, x, y))


def run_skin_script(name, draw, food_rows, key, play_x, play_y, score_x, score_y, cell):
    """The command line of a skin's script: [SKIN_FOLDER] [--preview PNG].

    Writes skin.bmp from the Canvas draw(folder) returns and food.gif from
    the RGBA rows of food_rows() into SKIN_FOLDER, data/Skins/<name> when none
    is given; with --preview also a PNG of the skin as the window shows it,
    `key` see-through.  Then warns where the folder's config.ini disagrees
    with the numbers the picture is drawn for."""
    args = sys.argv[1:]
    preview = None
    if '--preview' in args:
        i = args.index('--preview')
        preview = args[i + 1]
        del args[i:i + 2]
    folder = output_folder(args, 'data', 'Skins', name)
    cv = draw(folder)
    write_bmp(os.path.join(folder, 'skin.bmp'), cv)
    convert_to_gif(os.path.join(folder, 'food.gif'), food_rows())
    if preview:
        write_keyed_preview(preview, cv, key)
    check_skin_config(folder, play_x, play_y, score_x, score_y, cell)
    print('wrote', os.path.join(folder, 'skin.bmp'), 'and food.gif')
