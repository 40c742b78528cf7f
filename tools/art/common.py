# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""Shared helpers for Trompalo's drawings."""
import math

INK = "#1a1a2e"

def f(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s

def pt(p):
    return f"{f(p[0])},{f(p[1])}"

class V:
    def __init__(s, x, y=None):
        if y is None:
            x, y = x
        s.x, s.y = float(x), float(y)
    def __add__(s, o): o = V(o); return V(s.x + o.x, s.y + o.y)
    def __sub__(s, o): o = V(o); return V(s.x - o.x, s.y - o.y)
    def __mul__(s, k): return V(s.x * k, s.y * k)
    __rmul__ = __mul__
    def __neg__(s): return V(-s.x, -s.y)
    def __iter__(s): return iter((s.x, s.y))
    def __getitem__(s, i): return (s.x, s.y)[i]
    def __len__(s): return 2
    def len(s): return math.hypot(s.x, s.y)
    def unit(s):
        l = s.len() or 1.0
        return V(s.x / l, s.y / l)
    def perp(s):  # rotated +90 degrees (screen: from +x towards +y)
        return V(-s.y, s.x)
    def rot(s, deg):
        a = math.radians(deg)
        c, si = math.cos(a), math.sin(a)
        return V(s.x * c - s.y * si, s.x * si + s.y * c)
    def dot(s, o): return s.x * o[0] + s.y * o[1]
    def ang(s): return math.atan2(s.y, s.x)

def lerp(a, b, t): return V(a) + (V(b) - V(a)) * t

def svg(w, h, body, comment=""):
    c = f"<!-- {comment} -->\n" if comment else ""
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n{c}'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n{body}</svg>\n')

def attrs(fill=None, stroke=None, sw=None, extra=""):
    a = []
    a.append(f'fill="{fill}"' if fill else 'fill="none"')
    if stroke:
        a.append(f'stroke="{stroke}" stroke-width="{f(sw)}" stroke-linejoin="round" stroke-linecap="round"')
    if extra:
        a.append(extra)
    return " ".join(a)

def path(d, fill=None, stroke=None, sw=None, extra=""):
    return f'<path d="{d}" {attrs(fill, stroke, sw, extra)}/>\n'

def circle(c, r, fill=None, stroke=None, sw=None, extra=""):
    return f'<circle cx="{f(c[0])}" cy="{f(c[1])}" r="{f(r)}" {attrs(fill, stroke, sw, extra)}/>\n'

def ellipse(c, rx, ry, fill=None, stroke=None, sw=None, extra="", rot=0):
    t = f' transform="rotate({f(rot)} {f(c[0])} {f(c[1])})"' if rot else ""
    return (f'<ellipse cx="{f(c[0])}" cy="{f(c[1])}" rx="{f(rx)}" ry="{f(ry)}" '
            f'{attrs(fill, stroke, sw, extra)}{t}/>\n')

def line(a, b, stroke, sw, extra=""):
    return (f'<line x1="{f(a[0])}" y1="{f(a[1])}" x2="{f(b[0])}" y2="{f(b[1])}" '
            f'stroke="{stroke}" stroke-width="{f(sw)}" stroke-linecap="round" {extra}/>\n')

def poly_d(points, closed=True):
    d = "M" + " L".join(pt(p) for p in points)
    return d + ("Z" if closed else "")

def smooth_d(points, closed=True, tension=1.0):
    """Catmull-Rom spline through points, as cubic Beziers."""
    P = [V(p) for p in points]
    n = len(P)
    if n < 3:
        return poly_d(P, closed)
    d = "M" + pt(P[0])
    rng = range(n) if closed else range(n - 1)
    for i in rng:
        p0 = P[(i - 1) % n] if (closed or i > 0) else P[0]
        p1 = P[i]
        p2 = P[(i + 1) % n]
        p3 = P[(i + 2) % n] if (closed or i + 2 < n) else P[-1]
        c1 = p1 + (p2 - p0) * (tension / 6)
        c2 = p2 - (p3 - p1) * (tension / 6)
        d += f" C{pt(c1)} {pt(c2)} {pt(p2)}"
    return d + ("Z" if closed else "")

def capsule_d(c1, r1, c2, r2):
    """Outline of the convex hull of two circles (a tapered limb)."""
    c1, c2 = V(c1), V(c2)
    dv = c2 - c1
    L = dv.len()
    if L < 1e-6 or abs(r1 - r2) >= L:
        big = (c1, r1) if r1 >= r2 else (c2, r2)
        c, r = big
        return (f"M{pt((c.x - r, c.y))} A{f(r)},{f(r)} 0 1,0 {pt((c.x + r, c.y))} "
                f"A{f(r)},{f(r)} 0 1,0 {pt((c.x - r, c.y))}Z")
    d = dv.unit()
    n = d.perp()
    s = (r1 - r2) / L
    c = math.sqrt(max(0.0, 1 - s * s))
    u1 = d * s + n * c
    u2 = d * s - n * c
    a1 = c1 + u1 * r1
    b1 = c2 + u1 * r2
    b2 = c2 + u2 * r2
    a2 = c1 + u2 * r1
    # arc around c2 goes through +d, around c1 through -d
    def sweep(u, via, w):
        au, av, aw = u.ang(), via.ang(), w.ang()
        dv_ = (av - au) % (2 * math.pi)
        dw = (aw - au) % (2 * math.pi)
        if dv_ < dw:
            return 1, (1 if dw > math.pi else 0)
        return 0, (1 if (2 * math.pi - dw) > math.pi else 0)
    sw2, la2 = sweep(u1, d, u2)
    sw1, la1 = sweep(u2, -d, u1)
    return (f"M{pt(a1)} L{pt(b1)} A{f(r2)},{f(r2)} 0 {la2},{sw2} {pt(b2)} "
            f"L{pt(a2)} A{f(r1)},{f(r1)} 0 {la1},{sw1} {pt(a1)}Z")

LIGHT = V(-0.55, -0.83).unit()

def limb(c1, r1, c2, r2, base, shade, ow, light=LIGHT, hi=None):
    """A shaded, outlined tapered limb."""
    c1, c2 = V(c1), V(c2)
    out = path(capsule_d(c1, r1, c2, r2), fill=shade)
    k = 0.26
    out += path(capsule_d(c1 + light * (k * r1), r1 * (1 - k), c2 + light * (k * r2), r2 * (1 - k)), fill=base)
    if hi:
        k2 = 0.55
        out += path(capsule_d(c1 + light * (k2 * r1), r1 * 0.28, c2 + light * (k2 * r2), r2 * 0.28), fill=hi,
                    extra='fill-opacity="0.7"')
    out += path(capsule_d(c1, r1, c2, r2), stroke=INK, sw=ow)
    return out

def star_points(c, r_out, r_in, n=5, rot=-90):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / n)
        pts.append(V(c[0] + r * math.cos(a), c[1] + r * math.sin(a)))
    return pts

def ik(root, target, l1, l2, bend=1):
    root, target = V(root), V(target)
    dv = target - root
    d = min(dv.len(), l1 + l2 - 0.01)
    u = dv.unit()
    a = (l1 * l1 - l2 * l2 + d * d) / (2 * d)
    h = math.sqrt(max(0.0, l1 * l1 - a * a))
    return root + u * a + u.perp() * (h * bend)

def group(body, transform=None, extra=""):
    t = f' transform="{transform}"' if transform else ""
    e = f" {extra}" if extra else ""
    return f"<g{t}{e}>\n{body}</g>\n"
