# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""Trompalo: the rolling-pin punishment, two frames."""
import os
import sys
from hero import *
from misc import sparkle

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "pictures")
DRESS, DRESS_SH = "#b83a8e", "#832766"
APRON, APRON_SH = "#ffffff", "#d9dff0"
TRIM = "#ff7fb0"
HAIR_W, HAIR_W_SH = "#d9662b", "#a4471a"
SKIN_W, SKIN_W_SH = "#ffd2ac", "#eaa47a"
WOOD, WOOD_SH, WOOD_HI = "#e6ad6e", "#b97a3c", "#f7d3a3"
SHOE = "#6b2136"
LINE = "#9fc4f5"

class Woman:
    def __init__(self, waist, scale=1.0, lean=0.0):
        self.waist = V(waist)
        self.s = scale
        self.lean = lean

    def w(self, p):
        return self.waist + V(p).rot(self.lean) * self.s

    def body(self, mouth="shout"):
        o = ""
        # legs and shoes
        for x in (-9, 9):
            o += limb((x, 52), 5.5, (x * 1.15, 70), 4.6, SKIN_W, SKIN_W_SH, OW)
            o += ellipse((x * 1.15 + 4, 74), 8.5, 4.8, fill=SHOE, stroke=INK, sw=OW)
        # skirt and apron
        skirt = [(-15, -2), (-26, 20), (-36, 56), (-18, 61), (0, 58), (18, 62), (37, 56), (27, 20), (16, -2)]
        o += path(smooth_d(skirt, tension=0.7), fill=DRESS, stroke=INK, sw=OW)
        o += path("M-20,24 Q-24,42 -26,55 M-6,12 Q-8,36 -8,56", stroke=DRESS_SH, sw=2.2)
        apron = "M-9,2 L19,2 Q24,26 27,47 Q23,52 19,48 Q15,53 11,48 Q7,53 3,48 Q-1,53 -5,48 Q-7,26 -9,2Z"
        o += path(apron, fill=APRON, stroke=INK, sw=OW)
        o += path("M-5,46 Q11,49 26,45", stroke=TRIM, sw=2.2)
        o += path("M3,20 L15,20 L15.6,30 Q9,32 3.4,30Z", fill=APRON_SH, stroke=INK, sw=1.4)
        # bodice with the apron bib and bow
        bod = [(-15, 1), (-19, -16), (-16, -31), (-7, -37), (9, -37), (17, -31), (20, -16), (16, 1)]
        o += path(smooth_d(bod, tension=0.7), fill=DRESS, stroke=INK, sw=OW)
        o += path("M-2,-24 L14,-24 L15,2 L-3,2Z", fill=APRON, stroke=INK, sw=1.6)
        o += path("M-13,-1 Q1,3 16,-1 L15.6,4 Q1,7 -13.4,4Z", fill=TRIM, stroke=INK, sw=1.4)
        o += path("M-14,0 L-22,-5 L-21,6Z M-14,2 L-24,4 L-17,10Z", fill=TRIM, stroke=INK, sw=1.2)
        # neck and head
        o += limb((1, -34), 5.5, (2, -42), 5.5, SKIN_W, SKIN_W_SH, OW)
        o += group(self.head(mouth), "translate(2,-40) scale(1.28) translate(-2,40)")
        return group(o, f"translate({f(self.waist.x)},{f(self.waist.y)}) rotate({f(self.lean)}) scale({f(self.s)})")

    def head(self, mouth):
        o = ""
        c = (3, -56)
        # bun and hair behind
        o += circle((-9, -78), 9.5, fill=HAIR_W, stroke=INK, sw=OW)
        o += path("M-15,-81 Q-9,-86 -3,-81", stroke=HAIR_W_SH, sw=1.6)
        o += path(smooth_d([(-14, -50), (-16, -64), (-6, -74), (8, -74), (18, -66), (14, -60), (0, -64), (-8, -54)]),
                  fill=HAIR_W, stroke=INK, sw=OW)
        o += path("M-12,-79 Q-8,-72 -4,-79", stroke=INK, sw=1.3)
        face = [(-11, -60), (-8, -68), (4, -70), (15, -65), (20, -56), (19, -47), (13, -40), (2, -38), (-8, -42),
                (-12, -50)]
        o += path(smooth_d(face), fill=SKIN_W_SH)
        o += path(smooth_d([(x * 0.88 + 1.8, y * 0.93 - 4.2) for x, y in face]), fill=SKIN_W)
        o += path(smooth_d(face), stroke=INK, sw=OW)
        # fringe over the forehead
        o += path(smooth_d([(-10, -58), (-9, -68), (4, -73), (16, -67), (18, -60), (12, -62), (4, -62), (-2, -60)]),
                  fill=HAIR_W, stroke=INK, sw=OW)
        o += circle((-7, -51), 3.6, fill=SKIN_W, stroke=INK, sw=1.6)
        # furious face looking right
        o += path("M5,-59 L12,-55.5 M14.5,-55 L19.5,-58.5", stroke=INK, sw=2.6)
        o += ellipse((10, -52), 2.4, 2.8, fill="#ffffff", stroke=INK, sw=1.2)
        o += ellipse((17, -52), 2.0, 2.6, fill="#ffffff", stroke=INK, sw=1.2)
        o += circle((10.8, -51.6), 1.2, fill=INK)
        o += circle((17.6, -51.6), 1.1, fill=INK)
        o += path("M20,-50 Q23,-47 19.6,-45.4", fill=SKIN_W, stroke=INK, sw=1.3)
        o += ellipse((7, -44.5), 3, 1.8, fill="#ff8fa3", extra='fill-opacity="0.7"')
        if mouth == "shout":
            o += path("M11,-43 Q16,-45 19.5,-42.5 Q18.5,-37.5 14.5,-37.6 Q11.5,-38.4 11,-43Z", fill="#7a1f2b", stroke=INK, sw=1.3)
            o += path("M11.6,-42.6 Q16,-44.2 19,-42.4 L18.6,-41.2 Q15,-42.6 11.8,-41.4Z", fill="#ffffff")
        else:
            o += path("M11,-42 L19,-42 L18.4,-39 L11.6,-39Z", fill="#ffffff", stroke=INK, sw=1.2)
            o += path("M11.2,-40.5 L18.8,-40.5 M13.8,-42 L13.8,-39 M16.4,-42 L16.4,-39", stroke=INK, sw=0.7)
        # anger mark
        o += path("M-1,-80 L2,-76 M5,-80 L2,-76 M-1,-72 L2,-76 M5,-72 L2,-76", stroke="#e3262f", sw=1.8)
        return o

    def arm(self, shoulder_local, hand, bend=1, front=True):
        sh = self.w(shoulder_local)
        hand = V(hand)
        up, fo = 23 * self.s, 21 * self.s
        if (hand - sh).len() > up + fo:
            print(f"  note: woman's arm stretched {(hand - sh).len():.1f}")
            hand = sh + (hand - sh).unit() * (up + fo - 0.01)
        el = ik(sh, hand, up, fo, bend)
        o = limb(sh, 7 * self.s, el, 6 * self.s, SKIN_W, SKIN_W_SH, OW)
        o += limb(el, 6 * self.s, hand, 5.2 * self.s, SKIN_W, SKIN_W_SH, OW)
        o += circle(sh, 7.5 * self.s, fill=DRESS, stroke=INK, sw=OW)
        o += circle(hand, 6.4 * self.s, fill=SKIN_W, stroke=INK, sw=OW)
        return o

def pin(a, b, r=6.2):
    a, b = V(a), V(b)
    d = (b - a).unit()
    o = ""
    o += limb(a - d * 15, 2.6, a, 2.6, WOOD_SH, WOOD_SH, OW)
    o += limb(b, 2.6, b + d * 15, 2.6, WOOD_SH, WOOD_SH, OW)
    o += circle(a - d * 16, 3.8, fill=WOOD, stroke=INK, sw=OW)
    o += circle(b + d * 16, 3.8, fill=WOOD, stroke=INK, sw=OW)
    o += path(capsule_d(a, r, b, r), fill=WOOD_SH)
    n = d.perp()
    if n.y > 0:
        n = -n
    o += path(capsule_d(a + n * 1.4, r - 1.4, b + n * 1.4, r - 1.4), fill=WOOD)
    o += line(a + n * 3.2 + d * 3, b + n * 3.2 - d * 3, WOOD_HI, 1.8)
    o += path(capsule_d(a, r, b, r), stroke=INK, sw=OW)
    return o

def star(c, r, rot=-90):
    return path(poly_d(star_points(c, r, r * 0.45, rot=rot)), fill="#ffd43b", stroke=INK, sw=1.4)

def frame1():
    p = Pose(246, 144, (180, 74), -30, head_offset=(-13, -13), head_angle=-24, expr="ouch")
    p.arm("B", (186, 30), bend=-1, fist_dir=(0.2, -1))
    p.arm("F", (150, 40), bend=1, fist_dir=(-0.5, -0.9))
    p.leg("F", (168, 131), bend=1)
    p.leg("B", (222, 131), bend=1, toe=(-1, 0.3))
    p.order = ["cape", "armB", "armF", "legB", "legF", "torso", "head"]
    p.cape = ([(186, 62), (210, 66), (228, 88), (240, 118), (242, 140), (224, 134), (212, 140), (200, 120)],
              [[(212, 78), (228, 104), (234, 132), (222, 126)]])
    woman = Woman((70, 81), scale=0.78, lean=-8)
    back = woman.arm((-10, -30), (30, 44), bend=-1)
    back += pin((14, 60), (32, 22))
    back += woman.body("shout")
    back += woman.arm((10, -30), (36, 36), bend=-1)
    back += path("M10,14 Q20,4 34,4 M6,26 Q12,16 22,12", stroke=LINE, sw=2.4)
    return p.svg("Trompalo: the rolling pin is raised over the cowering hero", extra_back=back)

def frame2():
    p = Pose(242, 138, (184, 82), -36, head_offset=(-12, -11), head_angle=-30, expr="ouch")
    p.arm("B", (190, 40), bend=-1, fist_dir=(0.2, -1))
    p.arm("F", (152, 50), bend=1, fist_dir=(-0.5, -0.9))
    p.leg("F", (170, 126), bend=1)
    p.leg("B", (222, 126), bend=1, toe=(-1, 0.3))
    p.order = ["cape", "armB", "armF", "legB", "legF", "torso", "head"]
    p.cape = ([(190, 70), (212, 74), (230, 96), (238, 120), (240, 136), (222, 130), (210, 136), (200, 118)],
              [[(214, 86), (228, 108), (232, 130), (220, 124)]])
    woman = Woman((66, 79), scale=0.78, lean=14)
    back = woman.arm((-10, -30), (112, 40), bend=-1)
    back += woman.body("teeth")
    front = pin((122, 30), (158, 44))
    front += woman.arm((10, -30), (126, 36), bend=-1)
    # the swing and the stars of the blow
    back += path("M84,6 Q122,-2 150,18 M96,18 Q120,12 138,26", stroke=LINE, sw=2.6)
    front += path("M162,34 L158,26 M170,40 L172,30 M176,48 L184,44", stroke=INK, sw=2)
    front += star((196, 20), 7, rot=-80) + star((220, 34), 5.5, rot=-100) + star((150, 70), 5, rot=-90)
    front += sparkle((210, 10), 4, fill="#ffd43b") + sparkle((232, 18), 3, fill="#ffd43b")
    return p.svg("Trompalo: the rolling pin comes down on the hero", extra_back=back, extra_front=front)

if __name__ == "__main__":
    open(f"{OUT}/rolling-pin-1.svg", "w").write(frame1())
    open(f"{OUT}/rolling-pin-2.svg", "w").write(frame2())
