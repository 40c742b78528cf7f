# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""The caped hero of Trompalo, full body, posed by a few joints."""
import math
from common import *

SUIT, SUIT_SH, SUIT_HI = "#2f6fe4", "#1c47a6", "#7fa8f5"
CAPE, CAPE_SH, CAPE_IN = "#e3342f", "#a81e25", "#8e1520"
GOLD, GOLD_SH = "#ffd43b", "#e9a100"
SKIN, SKIN_SH = "#ffcf9f", "#e9a070"
HAIR, HAIR_HI = "#2b2542", "#5a5290"
GLOVE, GLOVE_SH = "#e3342f", "#a81e25"
WHITE = "#ffffff"

OW = 2.6          # outline width of the big figure
UPPER, FORE = 27.0, 25.5
THIGH, SHIN = 30.0, 29.0
FIST_OFF = 8.0

# torso outline in its own frame: neck at (0,0), spine along +y, chest (front) towards -x
TORSO = [(-8, -1), (-19, 2), (-25, 9), (-23, 20), (-18, 30), (-13, 38), (-14, 47), (-6, 52),
         (6, 52), (14, 47), (13, 38), (16, 28), (21, 16), (22, 7), (16, 1), (8, -2)]
SHOULDER_F, SHOULDER_B = V(-17, 9), V(15, 8)
HIP_F, HIP_B = V(-7, 45), V(7, 45)


def shield_d(c, w, h):
    x, y = c
    hw, hh = w / 2, h / 2
    return (f"M{pt((x - hw, y - hh * 0.8))} Q{pt((x, y - hh * 1.15))} {pt((x + hw, y - hh * 0.8))} "
            f"L{pt((x + hw, y - hh * 0.05))} Q{pt((x + hw * 0.9, y + hh * 0.65))} {pt((x, y + hh))} "
            f"Q{pt((x - hw * 0.9, y + hh * 0.65))} {pt((x - hw, y - hh * 0.05))}Z")


def emblem(c, scale=1.0, ow=OW):
    w, h = 19 * scale, 21 * scale
    out = path(shield_d(c, w, h), fill=GOLD, stroke=INK, sw=ow * 0.85)
    out += path(poly_d(star_points((c[0], c[1] + 0.5 * scale), 6.6 * scale, 2.7 * scale)), fill=CAPE,
                stroke=INK, sw=ow * 0.45)
    return out


def head(expr="grin"):
    """Head drawn around (0,0), about 40 px across, facing left."""
    o = ""
    # hair behind the face
    o += path(smooth_d([(-14, -12), (-6, -21), (7, -22), (17, -14), (20, -2), (17, 9), (11, 6),
                        (6, -6), (-6, -8)]), fill=HAIR, stroke=INK, sw=OW)
    face = [(-13, -12), (-18, -3), (-18, 6), (-15, 13), (-9, 19), (0, 21), (8, 17), (14, 9),
            (15, -2), (10, -13), (0, -17)]
    o += path(smooth_d(face), fill=SKIN_SH)
    o += path(smooth_d([(x * 0.86 - 2.2, y * 0.9 - 1.8) for x, y in face]), fill=SKIN)
    o += path(smooth_d(face), stroke=INK, sw=OW)
    # ear
    o += ellipse((12.5, 3), 4.2, 5.6, fill=SKIN, stroke=INK, sw=OW * 0.9)
    o += path("M12.6,0.8 Q10.8,3 12.8,5.6", stroke=INK, sw=1.2)
    # fringe with a curl
    o += path(smooth_d([(-16, -8), (-15, -16), (-6, -22), (6, -23), (16, -17), (19, -6), (15, -4),
                        (12, -11), (5, -10), (-1, -13), (-8, -9)]), fill=HAIR, stroke=INK, sw=OW)
    o += path("M-3,-20 Q6,-21 12,-15", stroke=HAIR_HI, sw=2.2)
    o += path("M-7,-11 C-12,-13 -14,-7 -10,-5 C-7,-4 -6,-8 -9,-8", stroke=INK, sw=2.4)
    o += path("M-7,-11 C-12,-13 -14,-7 -10,-5 C-7,-4 -6,-8 -9,-8", stroke=HAIR, sw=1.1)
    if expr == "ouch":
        # eyes squeezed shut, wavy mouth, sweat drop
        o += path("M-16,-3 L-11,-1 L-16,1", stroke=INK, sw=2.2)
        o += path("M0,-4 L-6,-1 L0,2", stroke=INK, sw=2.2)
        o += path("M-16,-7 L-11,-5 M-7,-5 L-1,-8", stroke=INK, sw=2.2)
        o += path("M-15,12 Q-13,9 -11,12 Q-9,15 -7,12 Q-5,9 -3,12", stroke=INK, sw=1.8)
        o += path("M19,-12 Q23,-6 21,-3 Q18,-1 17.5,-5 Q17.5,-8 19,-12Z", fill="#9bd8ff", stroke=INK, sw=1.2)
        return o
    # eyes: the far one narrower
    for (cx, cy, rx, ry) in ((-12.5, -1.5, 3.3, 4.8), (-3.2, -1.5, 4.2, 5.4)):
        o += ellipse((cx, cy), rx, ry, fill=WHITE, stroke=INK, sw=1.5)
        o += ellipse((cx - rx * 0.38, cy + 0.6), rx * 0.55, ry * 0.6, fill=INK)
        o += circle((cx - rx * 0.55, cy - ry * 0.15), 0.95, fill=WHITE)
    if expr == "yell":
        o += path("M-17,-8 L-10,-6.2 M-7,-6.5 L1.5,-9.5", stroke=INK, sw=2.6)
        o += path("M-16.5,8 Q-10,6 -5,8.5 Q-6,16 -11,16.5 Q-15.5,15.5 -16.5,8Z", fill="#7a1f2b", stroke=INK, sw=1.6)
        o += path("M-15.8,8.4 Q-10.5,7 -6,9 L-6.6,10.6 Q-11,9.3 -15.5,10.2Z", fill=WHITE)
        o += path("M-12.5,14.8 Q-10.5,13 -8.5,14.6", stroke="#e76f7e", sw=1.6)
    else:
        o += path("M-16.5,-7.8 L-10.5,-7.6 M-7.2,-8.2 Q-2.5,-10 1.8,-7.8", stroke=INK, sw=2.4)
        o += path("M-16,9.5 Q-11,13.5 -5,9.6", stroke=INK, sw=1.9)
        o += path("M-5.8,8.6 L-4.2,10.8", stroke=INK, sw=1.4)
    o += path("M-17.6,2.5 Q-19.5,5.5 -16.4,6.3", stroke=INK, sw=1.3)
    return o


def fist(wrist, direction, flip=False, scale=1.0):
    """A red-gloved fist at the wrist, pointing along direction."""
    d = V(direction).unit()
    ang = math.degrees(d.ang())
    sy = -1 if flip else 1
    o = ""
    o += path(smooth_d([(-3, -7.5), (6, -10), (12, -7), (14, 0), (12, 7), (5, 9.5), (-3, 7.5)]),
              fill=GLOVE_SH)
    o += path(smooth_d([(-2, -7.2), (6, -9.6), (11.2, -6.8), (12.6, -1), (10, 5), (4, 6.5), (-2, 4.5)]),
              fill=GLOVE)
    o += path(smooth_d([(-3, -7.5), (6, -10), (12, -7), (14, 0), (12, 7), (5, 9.5), (-3, 7.5)]),
              stroke=INK, sw=OW)
    # finger creases and the thumb
    o += path("M13.6,-3.2 L8.5,-3.4 M13.5,2.4 L8.5,2.2 M11.8,6.6 L8,6.2", stroke=INK, sw=1.5)
    o += path("M0.5,3.5 Q5,1.5 9,3.6", stroke=INK, sw=1.6)
    o += path("M3,-6.6 Q7,-8 10,-6.3", stroke="#ff8a80", sw=1.6)
    t = f"translate({f(wrist[0])},{f(wrist[1])}) rotate({f(ang)}) scale({f(scale)},{f(scale * sy)})"
    return group(o, t)


def cuff(wrist, elbow):
    """The red glove cuff on the forearm."""
    d = (V(wrist) - V(elbow)).unit()
    a = V(wrist) - d * 8.5
    return path(capsule_d(a, 7.2, V(wrist) - d * 0.5, 6.6), fill=GLOVE, stroke=INK, sw=OW)


class Pose:
    def __init__(self, w, h, neck, torso_angle, head_offset=None, head_angle=None, expr="grin"):
        self.w, self.h = w, h
        self.N = V(neck)
        self.ta = torso_angle
        self.head_offset = head_offset
        self.head_angle = head_angle
        self.expr = expr
        self.arms = {}
        self.legs = {}
        self.cape = None
        self.back_layers = ""
        self.front_layers = ""
        self.order = ["cape", "armB", "legB", "legF", "torso", "head", "armF"]

    def to_world(self, p):
        return self.N + V(p).rot(self.ta)

    def arm(self, which, wrist, bend=1, flip=False, fist_dir=None):
        self.arms[which] = (V(wrist), bend, flip, fist_dir)

    def leg(self, which, ankle, bend=1, toe=(-1, 0.25), pointed=False):
        self.legs[which] = (V(ankle), bend, V(toe).unit(), pointed)

    # --- drawing ---
    def draw_arm(self, which):
        wrist, bend, flip, fist_dir = self.arms[which]
        sh = self.to_world(SHOULDER_F if which == "F" else SHOULDER_B)
        if (wrist - sh).len() > UPPER + FORE - 0.02:
            print(f"  note: arm {which} fully stretched ({(wrist - sh).len():.1f})")
            wrist = sh + (wrist - sh).unit() * (UPPER + FORE - 0.02)
        el = ik(sh, wrist, UPPER, FORE, bend)
        o = limb(sh, 9.2, el, 7.2, SUIT, SUIT_SH, OW, hi=SUIT_HI)
        o += limb(el, 7.4, wrist, 6.0, SUIT, SUIT_SH, OW, hi=SUIT_HI)
        o += cuff(wrist, el)
        fd = fist_dir if fist_dir is not None else (wrist - el)
        o += fist(wrist - V(fd).unit() * 1.5, fd, flip)
        self.fist_centre = self.fist_centre if hasattr(self, "fist_centre") else {}
        self.fist_centre[which] = wrist + V(fd).unit() * FIST_OFF
        return o

    def draw_leg(self, which):
        ankle, bend, toe, pointed = self.legs[which]
        hp = self.to_world(HIP_F if which == "F" else HIP_B)
        if (ankle - hp).len() > THIGH + SHIN - 0.02:
            print(f"  note: leg {which} fully stretched ({(ankle - hp).len():.1f})")
            ankle = hp + (ankle - hp).unit() * (THIGH + SHIN - 0.02)
        kn = ik(hp, ankle, THIGH, SHIN, bend)
        o = limb(hp, 10.5, kn, 8.6, SUIT, SUIT_SH, OW, hi=SUIT_HI)
        sd = (ankle - kn).unit()
        top = ankle - sd * 11
        o += limb(kn, 8.8, top, 7.0, SUIT, SUIT_SH, OW, hi=SUIT_HI)
        # boot: shaft with a folded top, then the foot
        o += limb(top - sd * 1, 7.6, ankle, 6.8, GLOVE, GLOVE_SH, OW)
        toe_pt = ankle + toe * (15 if not pointed else 13)
        o += limb(ankle, 7.0, toe_pt, 5.2 if not pointed else 4.2, GLOVE, GLOVE_SH, OW)
        o += path(capsule_d(top - sd * 1.5, 8.4, top + sd * 2.0, 8.2), fill=GLOVE, stroke=INK, sw=OW)
        if not pointed:
            n = toe.perp()
            if n.y < 0:
                n = -n
            a = ankle + n * 6.2 + toe * 2
            b = toe_pt + n * 4.4
            o += line(a, b, INK, 1.4)
        return o

    def draw_torso(self):
        o = path(smooth_d(TORSO), fill=SUIT_SH)
        lt = LIGHT.rot(-self.ta)
        inner = [(x * 0.84 + lt.x * 3.2 - 1.5, y * 0.93 + lt.y * 2.6) for x, y in TORSO]
        o += path(smooth_d(inner), fill=SUIT)
        o += path("M-17,12 Q-12,8 -4,12", stroke=SUIT_HI, sw=2.4, extra='stroke-opacity="0.8"')
        o += path(smooth_d(TORSO), stroke=INK, sw=OW)
        # pecs / abs hints
        o += path("M-12,31 Q-7,33 -2,31", stroke=SUIT_SH, sw=1.6)
        # belt
        o += path("M-13.6,37 Q0,39.5 13.2,36.5 L13.8,43.5 Q0,46.5 -14.2,44Z", fill=GOLD, stroke=INK, sw=OW * 0.8)
        o += path(poly_d(star_points((-5, 41.2), 4.2, 1.8)), fill=CAPE, stroke=INK, sw=1.1)
        o += emblem((-5.5, 19), 1.0)
        t = f"translate({f(self.N.x)},{f(self.N.y)}) rotate({f(self.ta)})"
        return group(o, t)

    def draw_head(self):
        off = self.head_offset if self.head_offset is not None else V(0, -22).rot(self.ta)
        ang = self.head_angle if self.head_angle is not None else self.ta
        c = self.N + V(off)
        # neck
        o = limb(self.N + V(0, 4).rot(self.ta), 7.5, c + V(1, 12).rot(ang), 7, SKIN, SKIN_SH, OW)
        o += group(head(self.expr), f"translate({f(c.x)},{f(c.y)}) rotate({f(ang)})")
        return o

    def draw_cape(self):
        if not self.cape:
            return ""
        pts, folds = self.cape
        o = path(smooth_d(pts), fill=CAPE, stroke=INK, sw=OW)
        for fold in folds:
            o += path(smooth_d(fold, closed=True), fill=CAPE_SH)
        return o

    def svg(self, comment, extra_back="", extra_front=""):
        body = f'<rect x="0" y="0" width="{self.w}" height="{self.h}" fill="#ffffff"/>\n'
        body += extra_back
        parts = {
            "cape": lambda: self.draw_cape(),
            "armB": lambda: self.draw_arm("B") if "B" in self.arms else "",
            "armF": lambda: self.draw_arm("F") if "F" in self.arms else "",
            "legB": lambda: self.draw_leg("B") if "B" in self.legs else "",
            "legF": lambda: self.draw_leg("F") if "F" in self.legs else "",
            "torso": lambda: self.draw_torso(),
            "head": lambda: self.draw_head(),
        }
        for name in self.order:
            if name in parts:
                body += parts[name]()
            else:
                body += name  # literal svg snippet
        body += extra_front
        return svg(self.w, self.h, body, comment)
