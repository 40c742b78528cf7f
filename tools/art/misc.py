# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""Trompalo: field, marks, icons, impact burst and the maker's logo."""
import math, os, random, sys
from common import *

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "pictures")
W = "#ffffff"
HOLES = [(344, 32), (400, 96), (416, 184), (400, 264), (328, 336), (128, 336), (56, 264), (40, 184),
         (56, 96), (120, 24)]
ELL_C, ELL_R = (250, 203), (184, 176)

def save(name, w, h, body, comment):
    open(f"{OUT}/{name}", "w").write(svg(w, h, body, comment))

def sparkle(c, r, fill=W, opacity=None):
    x, y = c
    k = r * 0.22
    d = (f"M{f(x)},{f(y - r)} Q{f(x + k)},{f(y - k)} {f(x + r)},{f(y)} Q{f(x + k)},{f(y + k)} {f(x)},{f(y + r)} "
         f"Q{f(x - k)},{f(y + k)} {f(x - r)},{f(y)} Q{f(x - k)},{f(y - k)} {f(x)},{f(y - r)}Z")
    return path(d, fill=fill, extra=f'fill-opacity="{opacity}"' if opacity else "")

def field():
    w, h = 496, 413
    cx, cy = ELL_C
    rx, ry = ELL_R
    o = """<defs>
<linearGradient id="sky" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="496" y2="413">
<stop offset="0" stop-color="#0a1a5c"/><stop offset="0.45" stop-color="#1c56c4"/><stop offset="1" stop-color="#32d8f2"/>
</linearGradient>
<linearGradient id="rim" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#e4f3ff"/><stop offset="1" stop-color="#6f9fd4"/>
</linearGradient>
<radialGradient id="pit" cx="0.5" cy="0.62" r="0.6">
<stop offset="0" stop-color="#2a3566"/><stop offset="0.7" stop-color="#0b1030"/><stop offset="1" stop-color="#04061a"/>
</radialGradient>
</defs>
"""
    o += f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#sky)"/>\n'
    # comic rays from the middle
    rays = ""
    n = 28
    for i in range(0, n, 2):
        a0 = math.radians(i * 360 / n + 3)
        a1 = math.radians((i + 1) * 360 / n + 3)
        R = 520
        rays += f"M{cx},{cy} L{pt((cx + R * math.cos(a0), cy + R * math.sin(a0)))} L{pt((cx + R * math.cos(a1), cy + R * math.sin(a1)))}Z "
    o += path(rays, fill=W, extra='fill-opacity="0.07"')
    # sparkles in the free corners
    for c, r, op in [((22, 22), 7, 0.55), ((60, 52), 4, 0.4), ((26, 120), 3.5, 0.35), ((452, 26), 6, 0.5),
                     ((478, 70), 3.5, 0.45), ((300, 16), 3.5, 0.35), ((30, 360), 5, 0.5), ((80, 396), 3.5, 0.45),
                     ((470, 360), 7, 0.6), ((440, 395), 4, 0.5), ((250, 396), 4, 0.4), ((486, 250), 3.5, 0.45),
                     ((10, 250), 3.5, 0.35)]:
        o += sparkle(c, r, opacity=op)
    # the white stage with a glowing rim
    o += ellipse((cx, cy), rx + 12, ry + 12, fill=W, extra='fill-opacity="0.16"')
    o += ellipse((cx, cy), rx + 5, ry + 5, fill="#bdeeff")
    o += ellipse((cx, cy), rx, ry, fill=W)
    # the ten holes
    for (x, y) in HOLES:
        hx, hy = x + 24.5, y + 32
        o += ellipse((hx, hy + 3.5), 23.5, 14.5, fill="#06103a", extra='fill-opacity="0.3"')
        o += ellipse((hx, hy), 23.5, 15, fill="url(#rim)", stroke=INK, sw=1.6)
        o += ellipse((hx, hy + 1.2), 19.5, 11, fill="url(#pit)", stroke=INK, sw=1.3)
        o += path(f"M{pt((hx - 17, hy - 2))} Q{pt((hx, hy - 12.5))} {pt((hx + 17, hy - 2))}", stroke="#000000", sw=2.2,
                  extra='stroke-opacity="0.45"')
        o += path(f"M{pt((hx - 15, hy + 9.5))} Q{pt((hx, hy + 15))} {pt((hx + 15, hy + 9.5))}", stroke=W, sw=1.4,
                  extra='stroke-opacity="0.7"')
    save("field.svg", w, h, o, "Trompalo: the playing field, a white stage ringed by ten holes")

def mark(d_list, colour, name, comment):
    o = ""
    for d in d_list:
        o += path(d, stroke=INK, sw=7.4)
    for d in d_list:
        o += path(d, stroke=colour, sw=4.8)
    return o

def marks():
    # a single tally stroke, slightly curved like a brush mark
    d = "M8.6,26.4 Q15,16.6 23.6,5.6"
    o = path(d, stroke=INK, sw=7.6) + path(d, stroke="#e8222b", sw=5) + path("M11.2,21.6 Q15,15.6 20.2,8.8", stroke="#ff8f8f", sw=1.3)
    save("mark-stroke.svg", 32, 32, o, "Trompalo: a red tally stroke")
    d1, d2 = "M7.2,7.2 L24.8,24.8", "M24.8,7.2 L7.2,24.8"
    o = path(d1, stroke=INK, sw=7.6) + path(d2, stroke=INK, sw=7.6)
    o += path(d1, stroke="#e8222b", sw=5) + path(d2, stroke="#e8222b", sw=5)
    o += path("M9.6,8.6 L13.6,12.6 M22.4,8.6 L18.8,12.2", stroke="#ff8f8f", sw=1.2)
    save("mark-cross.svg", 32, 32, o, "Trompalo: a red cross")
    o = circle((16, 16), 10.6, stroke=INK, sw=7.6) + circle((16, 16), 10.6, stroke="#1e7bf0", sw=5)
    o += path("M8.4,12.4 Q10.4,7.6 15.4,6.4", stroke="#9fd0ff", sw=1.4)
    save("mark-ring.svg", 32, 32, o, "Trompalo: a blue ring")

def fist_icon():
    o = ""
    o += path("M9,23.5 L23,23.5 L23.4,30.6 Q16,31.6 8.6,30.6Z", fill="#ffd43b", stroke=INK, sw=1.4)
    o += path("M9.6,27 L22.4,27", stroke="#e9a100", sw=1.0)
    body = "M5.6,11.4 Q5.4,6 10,6 L23,6 Q27.6,6 27.4,11 L27,19 Q26.6,25 20.6,25.2 L11,25.2 Q5.8,25 5.6,19.4Z"
    o += path(body, fill="#a81e25")
    o += path("M6.8,11.4 Q6.6,7.2 10.4,7.2 L22.6,7.2 Q26.2,7.2 26,11 L25.6,17 Q25,22 20,22.4 L11,22.4 Q7,22 6.8,18Z", fill="#e3342f")
    o += path(body, stroke=INK, sw=1.5)
    o += path("M11.6,6.4 L11.6,13.4 M16.6,6.4 L16.6,13.6 M21.6,6.4 L21.6,13.4", stroke=INK, sw=1.2)
    o += path("M8,8.6 Q9,7.4 10.4,7.6 M13,8 Q14,7.2 15.4,7.6", stroke="#ff9a94", sw=1.1)
    o += path("M5.8,15.4 Q11,13.2 17.6,15.2 Q19.4,16.6 17.8,18.4 Q12,19.6 6,18.8", fill="#e3342f", stroke=INK, sw=1.3)
    save("fist.svg", 32, 32, o, "Trompalo: a clenched fist")

def window_icon():
    shield = "M3,4.6 Q16,1.2 29,4.6 L29,15.4 Q28.2,25.4 16,30.8 Q3.8,25.4 3,15.4Z"
    o = path(shield, fill="#a81e25")
    o += path("M4.6,5.8 Q16,3 27.4,5.8 L27.4,15.2 Q26.6,23.8 16,28.8 Q5.4,23.8 4.6,15.2Z", fill="#e3342f")
    o += path("M5.8,7 Q10,5.4 15,5.2 L15,26.6 Q6.6,22.4 6,15Z", fill="#ff6b63", extra='fill-opacity="0.55"')
    o += path(shield, stroke=INK, sw=1.6)
    t = "M7.6,7.6 L24.4,7.6 L24.4,13.2 L19.2,13.2 L19.2,25.2 L12.8,25.2 L12.8,13.2 L7.6,13.2Z"
    o += path(t, fill="#ffd43b", stroke=INK, sw=1.3)
    o += path("M9,9 L23,9", stroke="#fff3b0", sw=1.0)
    save("icon.svg", 32, 32, o, "Trompalo: the window icon, a shield with a T")

# ------------------------------------------------------------ lettering (strokes)
def glyph(ch, x, y, w, h):
    if ch == "P":
        return (f"M{f(x)},{f(y + h)} L{f(x)},{f(y)} L{f(x + w * 0.52)},{f(y)} Q{f(x + w)},{f(y)} {f(x + w)},{f(y + h * 0.28)} "
                f"Q{f(x + w)},{f(y + h * 0.56)} {f(x + w * 0.52)},{f(y + h * 0.56)} L{f(x)},{f(y + h * 0.56)}")
    if ch == "A":
        return (f"M{f(x)},{f(y + h)} L{f(x + w / 2)},{f(y)} L{f(x + w)},{f(y + h)} "
                f"M{f(x + w * 0.2)},{f(y + h * 0.66)} L{f(x + w * 0.8)},{f(y + h * 0.66)}")
    if ch == "F":
        return (f"M{f(x + w)},{f(y)} L{f(x)},{f(y)} L{f(x)},{f(y + h)} M{f(x)},{f(y + h * 0.5)} L{f(x + w * 0.8)},{f(y + h * 0.5)}")
    if ch == "E":
        return (f"M{f(x + w)},{f(y)} L{f(x)},{f(y)} L{f(x)},{f(y + h)} L{f(x + w)},{f(y + h)} "
                f"M{f(x)},{f(y + h * 0.5)} L{f(x + w * 0.8)},{f(y + h * 0.5)}")
    if ch in "OQ":
        d = (f"M{f(x + w / 2)},{f(y)} C{f(x + w * 1.05)},{f(y)} {f(x + w)},{f(y + h)} {f(x + w / 2)},{f(y + h)} "
             f"C{f(x)},{f(y + h)} {f(x - w * 0.05)},{f(y)} {f(x + w / 2)},{f(y)}Z")
        d = (f"M{f(x + w / 2)},{f(y)} Q{f(x + w)},{f(y)} {f(x + w)},{f(y + h / 2)} Q{f(x + w)},{f(y + h)} {f(x + w / 2)},{f(y + h)} "
             f"Q{f(x)},{f(y + h)} {f(x)},{f(y + h / 2)} Q{f(x)},{f(y)} {f(x + w / 2)},{f(y)}Z")
        if ch == "Q":
            d += f" M{f(x + w * 0.62)},{f(y + h * 0.68)} L{f(x + w * 1.05)},{f(y + h * 1.06)}"
        return d
    if ch == "U":
        return (f"M{f(x)},{f(y)} L{f(x)},{f(y + h * 0.6)} Q{f(x)},{f(y + h)} {f(x + w / 2)},{f(y + h)} "
                f"Q{f(x + w)},{f(y + h)} {f(x + w)},{f(y + h * 0.6)} L{f(x + w)},{f(y)}")
    if ch == "R":
        return glyph("P", x, y, w, h) + f" M{f(x + w * 0.48)},{f(y + h * 0.56)} L{f(x + w)},{f(y + h)}"
    if ch == "V":
        return f"M{f(x)},{f(y)} L{f(x + w / 2)},{f(y + h)} L{f(x + w)},{f(y)}"
    if ch == "N":
        return f"M{f(x)},{f(y + h)} L{f(x)},{f(y)} L{f(x + w)},{f(y + h)} L{f(x + w)},{f(y)}"
    raise ValueError(ch)

def word(text, x, y, w, h, gap, widths=None):
    d = ""
    for i, ch in enumerate(text):
        cw = widths.get(ch, w) if widths else w
        d += glyph(ch, x, y, cw, h) + " "
        x += cw + gap
    return d

def burst():
    w, h = 131, 102
    cx, cy = 65.5, 51
    random.seed(7)
    n = 16
    outer, inner = [], []
    for i in range(2 * n):
        a = math.radians(i * 180 / n - 90 + random.uniform(-3, 3))
        if i % 2 == 0:
            k = random.uniform(0.86, 1.0)
            outer.append((cx + 62 * k * math.cos(a), cy + 48 * k * math.sin(a)))
        else:
            k = random.uniform(0.6, 0.68)
            outer.append((cx + 62 * k * math.cos(a), cy + 48 * k * math.sin(a)))
    inner = [(cx + (x - cx) * 0.74, cy + (y - cy) * 0.72) for x, y in outer]
    o = path(poly_d(outer), fill="#ff9a1f", stroke="#d81e28", sw=3.4)
    o += path(poly_d(outer), stroke=INK, sw=0.9)
    o += path(poly_d(inner), fill="#ffe347")
    o += ellipse((cx - 4, cy - 4), 30, 18, fill=W, extra='fill-opacity="0.35"')
    d = word("PAFF", 0, 0, 17, 26, 4.5)
    tw = 4 * 17 + 3 * 4.5
    t = f"translate({f(cx)},{f(cy)}) rotate(-7) translate({f(-tw / 2)},-13)"
    letters = path(d, stroke=INK, sw=10.5) + path(d, stroke="#e3262f", sw=6.4)
    letters += group(path(d, stroke="#ff9a94", sw=1.4), "translate(-1.2,-1.4)")
    o += group(letters, t)
    save("burst.svg", w, h, o, "Trompalo: the comic impact burst, PAFF")

def flame_d(cx, top, w, h):
    def P(u, v):
        return pt((cx + (u - 0.5) * w, top + v * h))
    return (f"M{P(0.52, 0)} C{P(0.6, 0.2)} {P(0.95, 0.32)} {P(0.95, 0.64)} C{P(0.95, 0.88)} {P(0.76, 1)} {P(0.5, 1)} "
            f"C{P(0.24, 1)} {P(0.05, 0.88)} {P(0.06, 0.64)} C{P(0.07, 0.46)} {P(0.2, 0.36)} {P(0.27, 0.2)} "
            f"C{P(0.35, 0.3)} {P(0.37, 0.4)} {P(0.38, 0.46)} C{P(0.44, 0.34)} {P(0.44, 0.16)} {P(0.52, 0)}Z")

FLAME_DEFS = """<defs>
<linearGradient id="flame" x1="0" y1="1" x2="0" y2="0">
<stop offset="0" stop-color="#ff2d55"/><stop offset="0.55" stop-color="#ff7a1a"/><stop offset="1" stop-color="#ffc21f"/>
</linearGradient>
<linearGradient id="core" x1="0" y1="1" x2="0" y2="0">
<stop offset="0" stop-color="#ffe45c"/><stop offset="1" stop-color="#fff7d0"/>
</linearGradient>
<linearGradient id="ring" gradientUnits="userSpaceOnUse" x1="40" y1="20" x2="190" y2="170">
<stop offset="0" stop-color="#ffc21f"/><stop offset="0.5" stop-color="#ff5a36"/><stop offset="1" stop-color="#ff2d8a"/>
</linearGradient>
</defs>
"""

def flame(cx, top, w, h, ow):
    o = path(flame_d(cx, top, w, h), fill="url(#flame)", stroke=INK, sw=ow)
    o += path(flame_d(cx + w * 0.02, top + h * 0.42, w * 0.5, h * 0.55), fill="url(#core)")
    return o

def maker_logo():
    w, h = 230, 229
    cx, cy, r = 115, 90, 70
    o = FLAME_DEFS
    # a ring that turns into a Q with its tail
    o += circle((cx, cy), r, stroke="url(#ring)", sw=11)
    o += line((cx + r * 0.62, cy + r * 0.62), (cx + r * 0.98, cy + r * 1.0), "url(#ring)", 12)
    o += group(path(flame_d(0, 0, 30, 62), fill="url(#flame)"), f"translate({cx - 30},{cy - 16}) rotate(-28)")
    o += group(path(flame_d(0, 0, 28, 56), fill="url(#flame)"), f"translate({cx + 31},{cy - 10}) rotate(26)")
    o += flame(cx, cy - 56, 60, 110, 0)
    o += sparkle((cx + 46, cy - 44), 7, fill="#fff2b0")
    o += sparkle((cx - 50, cy + 30), 4.5, fill="#fff2b0")
    d = word("QUORVANE", 0, 0, 20, 26, 5.2)
    tw = 8 * 20 + 7 * 5.2
    o += group(path(d, stroke=W, sw=4.6), f"translate({f((w - tw) / 2)},188)")
    save("maker-logo.svg", w, h, o, "Quorvane, the studio that made Trompalo")

if __name__ == "__main__":
    field(); marks(); fist_icon(); window_icon(); burst(); maker_logo()
