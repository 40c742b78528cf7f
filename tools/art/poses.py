# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

from hero import *
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "pictures")
LINE = "#9fc4f5"

def save(name, text):
    open(f"{OUT}/{name}", "w").write(text)

def speed(lines, colour=LINE, w=3):
    return "".join(line(a, b, colour, w) for a, b in lines)

def stand():
    p = Pose(135, 164, (66, 52), -5)
    p.arm("F", (26, 54), bend=-1)
    p.arm("B", (100, 58), bend=1, fist_dir=(0.1, -1))
    p.leg("F", (44, 146), bend=1)
    p.leg("B", (96, 147), bend=1, toe=(-1, 0.35))
    p.cape = ([(74, 52), (96, 56), (112, 84), (124, 122), (131, 156), (116, 150), (104, 157), (88, 150),
               (78, 120)], [[(100, 70), (114, 110), (121, 150), (112, 146), (106, 108)]])
    return p.svg("Trompalo: the caped hero standing on guard, facing left")

def windup_spread():
    p = Pose(154, 181, (86, 68), 14)
    p.arm("F", (30, 40), bend=-1, fist_dir=(-0.7, -0.7))
    p.arm("B", (134, 44), bend=1, fist_dir=(0.7, -0.7))
    p.leg("F", (50, 164), bend=1)
    p.leg("B", (102, 166), bend=1, toe=(-1, 0.3))
    p.cape = ([(92, 62), (112, 66), (134, 92), (146, 130), (151, 172), (132, 162), (118, 174), (104, 152),
               (92, 110)], [[(114, 82), (134, 124), (140, 165), (130, 158), (122, 120)]])
    return p.svg("Trompalo: the caped hero winding up, arms spread, leaning back")

def windup_crouch():
    p = Pose(177, 133, (75, 60), -55, head_offset=(-17, -15), head_angle=-25)
    p.arm("F", (34, 98), bend=1, fist_dir=(-0.8, 0.5))
    p.arm("B", (124, 26), bend=-1, fist_dir=(0.3, -1))
    p.leg("F", (80, 124), bend=1)
    p.leg("B", (156, 120), bend=1, toe=(-1, 0.25))
    p.cape = ([(86, 46), (110, 36), (140, 28), (174, 18), (166, 46), (176, 70), (150, 68), (124, 76),
               (100, 70)], [[(120, 44), (150, 34), (164, 30), (158, 50), (134, 56)]])
    return p.svg("Trompalo: the caped hero crouching, ready to spring to the lower left")

def windup_leap():
    p = Pose(173, 155, (82, 63), -35, head_angle=-20)
    p.arm("F", (38, 46), bend=-1, fist_dir=(-0.7, -0.7))
    p.arm("B", (118, 30), bend=-1, fist_dir=(0.2, -1))
    p.leg("F", (100, 128), bend=1, toe=(0.3, 1), pointed=True)
    p.leg("B", (148, 126), bend=1, toe=(0.6, 1), pointed=True)
    p.cape = ([(92, 58), (116, 60), (140, 80), (168, 100), (160, 120), (170, 146), (140, 130), (120, 112)],
              [[(124, 72), (150, 96), (156, 116), (140, 110)]])
    back = speed([((120, 150), (134, 128)), ((136, 152), (150, 134)), ((96, 150), (108, 134))])
    return p.svg("Trompalo: the caped hero leaping up, aiming at the upper left", extra_back=back)

def strike_dive():
    p = Pose(238, 169, (52, 112), -116, head_offset=(-19, -7), head_angle=-36, expr="yell")
    p.arm("F", (25, 152), bend=1, fist_dir=(-0.85, 0.52))
    p.arm("B", (36, 126), bend=1, fist_dir=(-0.7, 0.7))
    p.leg("F", (148, 75), bend=-1, toe=(0.9, -0.44), pointed=True)
    p.leg("B", (140, 56), bend=-1, toe=(0.9, -0.44), pointed=True)
    p.cape = ([(55, 98), (100, 70), (150, 40), (200, 15), (236, 6), (222, 30), (234, 52), (200, 56),
               (170, 64), (130, 90), (90, 108)], [[(140, 60), (190, 32), (220, 20), (196, 44), (160, 60)]])
    back = speed([((170, 100), (230, 70)), ((160, 122), (220, 92)), ((190, 120), (232, 100))])
    return p.svg("Trompalo: the caped hero diving down-left, fist at the bottom-left corner",
                 extra_back=back)

def strike_overhead():
    p = Pose(152, 162, (62, 92), -60, head_angle=-30, expr="yell")
    p.arm("F", (22, 132), bend=1, fist_dir=(-0.9, 0.44))
    p.arm("B", (112, 60), bend=-1, fist_dir=(0.7, -0.7))
    p.leg("F", (82, 150), bend=1)
    p.leg("B", (142, 148), bend=1, toe=(-1, 0.3))
    p.cape = ([(70, 80), (96, 60), (120, 40), (150, 16), (146, 50), (150, 84), (128, 94), (104, 100)],
              [[(110, 56), (136, 34), (140, 60), (124, 80)]])
    back = path("M66,8 Q20,20 10,100", stroke=LINE, sw=5) + path("M80,16 Q40,34 30,96", stroke=LINE, sw=3)
    return p.svg("Trompalo: the caped hero ending an overhead swing low on the left", extra_back=back)

def strike_punch():
    p = Pose(174, 121, (60, 48), -80, head_offset=(-20, 6), head_angle=-20, expr="yell")
    p.arm("B", (24, 22), bend=-1, fist_dir=(-0.8, -0.6))
    p.arm("F", (96, 74), bend=1, fist_dir=(0.3, 1))
    p.leg("F", (146, 98), bend=1, toe=(0.9, 0.4), pointed=True)
    p.leg("B", (158, 66), bend=1, toe=(1, 0.1), pointed=True)
    p.cape = ([(64, 38), (100, 36), (130, 28), (172, 10), (160, 40), (172, 62), (140, 62), (110, 60)],
              [[(120, 36), (150, 24), (150, 44), (130, 50)]])
    p.order = ["cape", "armF", "legB", "legF", "torso", "head", "armB"]
    back = speed([((100, 112), (160, 112)), ((120, 104), (170, 104))])
    return p.svg("Trompalo: the caped hero punching up-left, fist at the top-left corner",
                 extra_back=back)

def strike_flat():
    p = Pose(266, 126, (60, 56), -90, head_offset=(-20, -10), head_angle=-28, expr="yell")
    p.arm("F", (22, 84), bend=1, fist_dir=(-1, 0.15))
    p.leg("F", (162, 64), bend=-1, toe=(1, 0.05), pointed=True)
    p.leg("B", (160, 42), bend=-1, toe=(1, -0.05), pointed=True)
    p.cape = ([(62, 40), (110, 34), (160, 30), (210, 24), (262, 14), (240, 42), (262, 66), (220, 62),
               (180, 58), (130, 58)], [[(170, 36), (220, 30), (246, 26), (230, 44), (190, 48)]])
    back = speed([((180, 90), (250, 90)), ((200, 104), (262, 104)), ((150, 100), (190, 100))])
    return p.svg("Trompalo: the caped hero in a flat dive to the left, fist at the left edge",
                 extra_back=back)

def strike_slam():
    p = Pose(182, 166, (70, 64), -22, head_offset=(-10, -21), head_angle=-18, expr="yell")
    p.arm("F", (22, 40), bend=-1, fist_dir=(-0.55, 0.85))
    p.arm("B", (112, 98), bend=-1, fist_dir=(0.5, 0.9))
    p.leg("F", (40, 150), bend=1)
    p.leg("B", (124, 150), bend=1, toe=(-1, 0.3))
    p.cape = ([(76, 54), (104, 54), (140, 62), (180, 64), (164, 96), (178, 128), (144, 118), (110, 106)],
              [[(124, 66), (160, 72), (150, 98), (132, 94)]])
    p.order = ["cape", "armB", "legB", "legF", "torso", "head", "armF"]
    back = path("M96,6 Q40,-2 12,28", stroke=LINE, sw=5) + path("M88,18 Q50,12 28,30", stroke=LINE, sw=3)
    back += path("M4,20 L10,26 M2,34 L8,36", stroke=LINE, sw=2.4)
    return p.svg("Trompalo: the caped hero hammering his fist down on the left", extra_back=back)

if __name__ == "__main__":
    for name, fn in [("hero-stand.svg", stand), ("hero-windup-spread.svg", windup_spread),
                     ("hero-windup-crouch.svg", windup_crouch), ("hero-windup-leap.svg", windup_leap),
                     ("hero-strike-dive.svg", strike_dive), ("hero-strike-overhead.svg", strike_overhead),
                     ("hero-strike-punch.svg", strike_punch), ("hero-strike-flat.svg", strike_flat),
                     ("hero-strike-slam.svg", strike_slam)]:
        print(name)
        save(name, fn())
