# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""The cast of Trompalo: 32x32 head-and-shoulders portraits."""
import os
import sys
from common import *
from hero import shield_d

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "pictures")
O = 1.35       # outline width
W = "#ffffff"

def save(name, body, comment):
    open(f"{OUT}/{name}", "w").write(svg(32, 32, body, comment))

def shaded(points, base, shade, dx=-0.9, dy=-0.6, k=0.9, closed=True, ow=O):
    """A smooth shape with a shade on its lower right and an outline."""
    o = path(smooth_d(points), fill=shade)
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    inner = [(cx + (x - cx) * k + dx, cy + (y - cy) * k + dy) for x, y in points]
    o += path(smooth_d(inner), fill=base)
    o += path(smooth_d(points), stroke=INK, sw=ow)
    return o

def eye(c, rx, ry, look=(-0.2, 0.3), pupil=0.58, iris=None):
    x, y = c
    o = ellipse(c, rx, ry, fill=W, stroke=INK, sw=1.0)
    px, py = x + look[0] * rx, y + look[1] * ry * 0.5
    if iris:
        o += ellipse((px, py), rx * 0.72, ry * 0.66, fill=iris)
    o += ellipse((px, py), rx * pupil * (0.7 if iris else 1), ry * pupil * (0.72 if iris else 1), fill=INK)
    o += circle((px - rx * 0.28, py - ry * 0.28), max(0.45, rx * 0.24), fill=W)
    return o

SKIN, SKIN_SH = "#ffcf9f", "#e9a070"

# ---------------------------------------------------------------- c00 caped hero
def c00():
    o = ""
    # golden burst behind him: the star of the show
    o += path(poly_d(star_points((16, 13.5), 15.8, 11.2, n=12, rot=-90)), fill="#ffe27a",
              stroke="#f0a000", sw=1.0)
    # cape
    o += path(smooth_d([(1.5, 32), (2.5, 26), (6, 21.5), (16, 19.5), (26, 21.5), (29.5, 26), (30.5, 32)]),
              fill="#e3342f", stroke=INK, sw=O)
    # suit
    o += shaded([(4.5, 32.5), (5.2, 27.5), (8.5, 24), (13, 22.6), (19, 22.6), (23.5, 24), (26.8, 27.5), (27.5, 32.5)],
                "#2f6fe4", "#1c47a6", dy=-0.3)
    o += path(smooth_d([(3, 26.5), (6.5, 22), (11, 21.5), (8.5, 24), (5.5, 27.5)]), fill="#e3342f", stroke=INK, sw=1.0)
    o += path(smooth_d([(29, 26.5), (25.5, 22), (21, 21.5), (23.5, 24), (26.5, 27.5)]), fill="#e3342f", stroke=INK, sw=1.0)
    o += path(shield_d((16, 27.6), 8.4, 8.6), fill="#ffd43b", stroke=INK, sw=1.1)
    o += path(poly_d(star_points((16, 27.8), 2.9, 1.2)), fill="#e3342f", stroke=INK, sw=0.6)
    # neck
    o += path("M13,19 L19,19 L19.2,23.2 Q16,24.6 12.8,23.2Z", fill=SKIN_SH, stroke=INK, sw=O)
    # ears and face
    o += circle((8.2, 13.2), 2.0, fill=SKIN, stroke=INK, sw=1.1)
    o += circle((23.8, 13.2), 2.0, fill=SKIN, stroke=INK, sw=1.1)
    o += shaded([(8.4, 10), (9, 6), (16, 4.5), (23, 6), (23.6, 10), (23.4, 15.5), (21, 19.6), (16, 21.3),
                 (11, 19.6), (8.6, 15.5)], SKIN, SKIN_SH)
    # hair with the curl
    o += path(smooth_d([(7.8, 12.5), (7.4, 7), (10.5, 3.2), (16, 2), (21.5, 3), (24.6, 7), (24.2, 12.5),
                        (22.6, 9.2), (19, 8.2), (15.5, 8.8), (12, 8.4), (9.4, 9.4)]), fill="#2b2542", stroke=INK, sw=O)
    o += path("M12,4.6 Q16,3.2 20,4.4", stroke="#5a5290", sw=1.1)
    o += path("M14.8,8.6 C13.2,8.4 12.8,10.6 14.2,11 C15.2,11.2 15.4,10 14.6,9.8", stroke=INK, sw=1.5)
    o += path("M14.8,8.6 C13.2,8.4 12.8,10.6 14.2,11 C15.2,11.2 15.4,10 14.6,9.8", stroke="#2b2542", sw=0.6)
    # eyes, brows, smile
    o += eye((12.6, 13.2), 2.25, 2.8, look=(0, 0.2))
    o += eye((19.4, 13.2), 2.25, 2.8, look=(0, 0.2))
    o += path("M10.4,9.9 L14.4,10.3 M17.6,10.3 L21.6,9.9", stroke=INK, sw=1.3)
    o += path("M12.6,17 Q16,19.6 19.4,17", stroke=INK, sw=1.2)
    save("c00-caped-hero.svg", o, "Trompalo cast: the caped hero, the star of the show")

# ---------------------------------------------------------------- c01 rock strongman
ROCK, ROCK_SH, ROCK_HI, ROCK_DK = "#e08a3c", "#b0621f", "#f4b472", "#8a4714"
def c01():
    o = ""
    o += shaded([(1.5, 32.5), (2, 27), (5.5, 22.5), (11, 21), (21, 21), (26.5, 22.5), (30, 27), (30.5, 32.5)],
                ROCK, ROCK_SH, dy=-0.4)
    o += path("M6,25 L9,27 L8,30 M24,24.5 L22,27.5 L24.5,30 M13,27 L16,29 L19,27", stroke=ROCK_DK, sw=1.0)
    head = [(7.5, 8), (10, 3.6), (16, 2.4), (22, 3.6), (24.6, 8), (25.2, 13.5), (24.2, 19), (20.5, 22.6),
            (11.5, 22.6), (7.8, 19), (6.8, 13.5)]
    o += path(smooth_d(head, tension=0.6), fill=ROCK_SH)
    o += path(smooth_d([(x * 0.9 + 0.8, y * 0.9 + 0.5) for x, y in head], tension=0.6), fill=ROCK)
    # rock plates
    o += path("M9.5,6.5 L13.5,4.4 L15,7.4 L11,8.4Z M18,4.6 L22.3,6 L21.4,8.2 L17.2,7.6Z", fill=ROCK_HI)
    o += path("M8,15 L10.4,17.5 L9.6,20 M23.8,15.4 L21.8,17.8 L22.6,20.4 M15.8,2.6 L15,7.4 L17.2,7.6 "
              "M7.4,9.5 L11,8.4 M24.8,9 L21.4,8.2", stroke=ROCK_DK, sw=0.9)
    o += path(smooth_d(head, tension=0.6), stroke=INK, sw=O)
    # heavy brow ridge
    o += path("M7.6,11.2 Q16,8.2 24.6,11.2 L24.2,13 Q16,10.8 8,13Z", fill=ROCK_DK, stroke=INK, sw=1.0)
    o += eye((12.4, 14.4), 2.1, 2.0, look=(0.1, 0.3), iris="#2ea8ff", pupil=0.55)
    o += eye((19.6, 14.4), 2.1, 2.0, look=(-0.1, 0.3), iris="#2ea8ff", pupil=0.55)
    o += path("M14.8,15.6 L16,17.4 L17.2,15.6", stroke=ROCK_DK, sw=1.0)
    o += path("M11.6,19.2 Q16,20.6 20.4,19.2", stroke=INK, sw=1.3)
    save("c01-rock-strongman.svg", o, "Trompalo cast: the rock-skinned strongman")

# ---------------------------------------------------------------- c02 green giant
GREEN, GREEN_SH, GREEN_DK = "#62c23a", "#3d8a22", "#2a6a17"
PURPLE, PURPLE_SH = "#8b45c9", "#5f2a95"
def c02():
    o = ""
    o += shaded([(0.5, 32.5), (1, 26), (4.5, 21.5), (10, 20), (22, 20), (27.5, 21.5), (31, 26), (31.5, 32.5)],
                GREEN, GREEN_SH, dy=-0.4)
    # torn purple shirt
    o += path("M0.8,32.5 L1.2,26.5 L3.6,23 L7,21.6 L9,24 L8,26.5 L10.5,27.5 L9.2,30 L11.5,32.5Z",
              fill=PURPLE, stroke=INK, sw=1.0)
    o += path("M31.2,32.5 L30.8,26.5 L28.4,23 L25,21.6 L23,24 L24.2,26 L21.5,27.8 L23,30 L20.5,32.5Z",
              fill=PURPLE, stroke=INK, sw=1.0)
    o += path("M3,25 L5.5,27 M28.5,25 L26.5,27.5", stroke=PURPLE_SH, sw=1.0)
    o += path("M13.5,27 Q16,28.4 18.5,27 M16,24.5 L16,31", stroke=GREEN_DK, sw=0.9)
    head = [(7.5, 8.5), (16, 5), (24.5, 8.5), (26, 14.5), (25, 20), (20.5, 24), (11.5, 24), (7, 20), (6, 14.5)]
    o += circle((6.3, 14.8), 2.0, fill=GREEN, stroke=INK, sw=1.1)
    o += circle((25.7, 14.8), 2.0, fill=GREEN, stroke=INK, sw=1.1)
    o += shaded(head, GREEN, GREEN_SH)
    # shaggy hair
    o += path(poly_d([(6.2, 13), (5.2, 7.5), (7, 8), (7.2, 3.4), (10, 5.4), (11.4, 1.4), (14.2, 4.2), (16.4, 0.8),
                      (18.6, 4), (21.4, 1.2), (22.4, 5), (25.6, 3.2), (25, 7.6), (26.8, 8), (25.8, 13),
                      (23.8, 9.6), (21, 9.6), (19.5, 8.2), (16.5, 9.2), (13, 8.2), (11.2, 9.8), (8.4, 9.4)]),
              fill="#23232e", stroke=INK, sw=O)
    o += path("M12,3.8 L13.2,6 M18,3.2 L17.6,5.8", stroke="#4a4a60", sw=0.9)
    # angry brow, eyes, teeth
    o += path("M8.6,11.4 L14.6,13.6 L14.4,14.8 L8.4,12.8Z M23.4,11.4 L17.4,13.6 L17.6,14.8 L23.6,12.8Z",
              fill="#23232e", stroke=INK, sw=0.8)
    o += path("M9.8,14.4 Q12,13.8 13.8,15.2 Q12.4,17.2 10.4,16.6Z", fill=W, stroke=INK, sw=0.9)
    o += path("M22.2,14.4 Q20,13.8 18.2,15.2 Q19.6,17.2 21.6,16.6Z", fill=W, stroke=INK, sw=0.9)
    o += circle((12, 15.6), 0.95, fill=INK)
    o += circle((20, 15.6), 0.95, fill=INK)
    o += path("M14.5,16.4 Q16,17.6 17.5,16.4", stroke=GREEN_DK, sw=1.0)
    o += path("M10.6,19.4 Q16,18 21.4,19.4 L20.8,21.8 Q16,22.8 11.2,21.8Z", fill=W, stroke=INK, sw=1.1)
    o += path("M10.9,20.6 L21.1,20.6 M13.4,18.9 L13.4,22.3 M16,18.5 L16,22.6 M18.6,18.9 L18.6,22.3",
              stroke=INK, sw=0.6)
    save("c02-green-giant.svg", o, "Trompalo cast: the green giant")

# ---------------------------------------------------------------- c03 blue helmet
HB, HB_SH, HB_HI = "#2f8df0", "#1a5cbf", "#9fd0ff"
def c03():
    o = ""
    o += shaded([(3, 32.5), (3.8, 27), (8, 23), (12, 22), (20, 22), (24, 23), (28.2, 27), (29, 32.5)],
                "#25408f", "#172a63", dy=-0.3)
    o += path("M9.6,23 L16,30 L22.4,23 L19.8,22.2 L16,26.4 L12.2,22.2Z", fill=W, stroke=INK, sw=1.0)
    o += path("M12.5,20 L19.5,20 L19.6,23.2 L12.4,23.2Z", fill="#172a63", stroke=INK, sw=1.0)
    helmet = [(6.4, 14), (7.2, 7.5), (10.8, 3.4), (16, 2.0), (21.2, 3.4), (24.8, 7.5), (25.6, 14), (25, 19.4),
              (22, 22.4), (16, 23.6), (10, 22.4), (7, 19.4)]
    o += shaded(helmet, HB, HB_SH)
    o += path("M9.2,9 Q10.6,4.8 15,3.8", stroke=HB_HI, sw=1.6)
    # crest
    o += path("M14.6,2.2 Q16,1.2 17.4,2.2 L17.2,9 L14.8,9Z", fill="#e8eef7", stroke=INK, sw=0.9)
    # chin opening
    o += path("M11.4,17.4 Q16,16.4 20.6,17.4 L20,20.8 Q16,22.6 12,20.8Z", fill=SKIN, stroke=INK, sw=1.0)
    o += path("M13.6,19 Q16,20.4 18.4,19", stroke=INK, sw=1.0)
    # visor
    o += path("M7.2,10.4 Q16,8.8 24.8,10.4 L24.2,15 Q16,13.4 7.8,15Z", fill="#141a36", stroke=INK, sw=1.0)
    o += path("M9.4,12.2 L14,11.6 L13.6,13.3 L9.8,13.6Z M22.6,12.2 L18,11.6 L18.4,13.3 L22.2,13.6Z",
              fill="#7ff6ff")
    o += path("M10.6,12.4 L13.2,12.1 M21.4,12.4 L18.8,12.1", stroke=W, sw=0.7)
    save("c03-blue-helmet.svg", o, "Trompalo cast: the masked hero in the blue helmet")

# ---------------------------------------------------------------- c04 flaming man
def c04():
    outer = [(1.5, 32.5), (1.6, 27), (4.5, 22.8), (8, 21), (6.2, 16.5), (5, 10.5), (6.8, 12.4), (7.8, 6.6),
             (10.2, 9.4), (11.4, 3.2), (13.8, 6.6), (15.8, 0.6), (18, 5.6), (20.6, 2), (21.4, 7.8), (24.4, 4.8),
             (24.4, 10.4), (26.8, 9.6), (25.6, 16), (24, 21), (27.6, 22.8), (30.4, 27), (30.5, 32.5)]
    o = path(smooth_d(outer, tension=0.55), fill="#ff6a1a", stroke=INK, sw=O)
    mid = [(4, 32.5), (4.6, 28), (8, 24.4), (11, 23), (9, 18), (8.4, 12.6), (10.6, 14), (12, 8.2), (14, 11),
           (16, 5), (18, 10), (20.2, 7), (20.8, 12.6), (22.8, 11.6), (22.6, 17.6), (21, 23), (24, 24.4),
           (27.4, 28), (28, 32.5)]
    o += path(smooth_d(mid, tension=0.55), fill="#ffa41f")
    core = [(9.6, 32.5), (10.5, 28.5), (13.4, 25.6), (11.6, 20), (12.2, 14.8), (14.4, 13.2), (16, 9.6),
            (17.8, 13.2), (19.8, 14.8), (20.4, 20), (18.6, 25.6), (21.5, 28.5), (22.4, 32.5)]
    o += path(smooth_d(core, tension=0.55), fill="#ffe45c")
    # face in the fire
    o += path("M10.8,14.2 Q12.6,12.6 14.4,14.6 Q12.6,16.6 10.8,14.2Z", fill=W, stroke=INK, sw=0.9)
    o += path("M21.2,14.2 Q19.4,12.6 17.6,14.6 Q19.4,16.6 21.2,14.2Z", fill=W, stroke=INK, sw=0.9)
    o += circle((12.8, 14.5), 0.9, fill=INK)
    o += circle((19.2, 14.5), 0.9, fill=INK)
    o += path("M10.4,12 L14,12.8 M21.6,12 L18,12.8", stroke="#9e2a06", sw=1.1)
    o += path("M12.4,18.4 Q16,21.6 19.6,18.4 Q16,19.6 12.4,18.4Z", fill="#9e2a06", stroke="#9e2a06", sw=0.9)
    # sparks
    o += circle((3.8, 8), 0.9, fill="#ffa41f", stroke=INK, sw=0.6)
    o += circle((28.4, 6), 0.8, fill="#ffa41f", stroke=INK, sw=0.6)
    save("c04-flaming-man.svg", o, "Trompalo cast: the flaming man")

# ---------------------------------------------------------------- c05 armoured hero
RED, RED_SH, RED_HI = "#d8283b", "#961a2b", "#ff7a86"
GOLD, GOLD_SH = "#ffcf3a", "#d99a00"
def c05():
    o = ""
    o += shaded([(1.5, 32.5), (2.2, 26.5), (6, 22.4), (11, 21.2), (21, 21.2), (26, 22.4), (29.8, 26.5), (30.5, 32.5)],
                RED, RED_SH, dy=-0.3)
    o += path("M4,26 Q7,23.5 10,23.6 L11,26 Q8,26 5.2,28.2Z M28,26 Q25,23.5 22,23.6 L21,26 Q24,26 26.8,28.2Z",
              fill=GOLD, stroke=INK, sw=0.9)
    o += path("M13,26 L19,26 L17.6,30.6 L14.4,30.6Z", fill=GOLD, stroke=INK, sw=0.9)
    o += path("M12,20 L20,20 L20.4,23.4 L11.6,23.4Z", fill="#6b6f7e", stroke=INK, sw=1.0)
    o += path("M12.4,21.6 L19.6,21.6", stroke="#2a2c36", sw=0.7)
    helmet = [(7, 13), (7.6, 6.8), (11, 3.2), (16, 2.2), (21, 3.2), (24.4, 6.8), (25, 13), (24.4, 18.6),
              (21.4, 22), (16, 23.2), (10.6, 22), (7.6, 18.6)]
    o += shaded(helmet, RED, RED_SH)
    o += path("M9.6,8 Q11.2,4.6 15,3.8", stroke=RED_HI, sw=1.4)
    # crest and ear bolts
    o += path("M14.4,2.6 Q16,1.2 17.6,2.6 L17.4,8.6 L14.6,8.6Z", fill=GOLD, stroke=INK, sw=0.9)
    o += circle((7.2, 14.2), 2.2, fill=GOLD, stroke=INK, sw=1.0)
    o += circle((24.8, 14.2), 2.2, fill=GOLD, stroke=INK, sw=1.0)
    o += circle((7.2, 14.2), 0.8, fill=GOLD_SH)
    o += circle((24.8, 14.2), 0.8, fill=GOLD_SH)
    # gold faceplate with round glowing eyes and a grille
    face = "M10.6,9 L21.4,9 Q23,9 23,10.6 L23,17.4 Q23,21.6 19,21.6 L13,21.6 Q9,21.6 9,17.4 L9,10.6 Q9,9 10.6,9Z"
    o += path(face, fill=GOLD, stroke=INK, sw=1.1)
    o += path("M21.6,10.4 L21.6,17.4 Q21.6,20.2 18.8,20.4", stroke=GOLD_SH, sw=1.1)
    o += path("M10.2,11.2 L21.8,11.2 L21.8,15.8 L10.2,15.8Z", fill="#3a1420", stroke=INK, sw=0.9)
    o += circle((13.1, 13.5), 1.9, fill="#7ff6ff")
    o += circle((18.9, 13.5), 1.9, fill="#7ff6ff")
    o += circle((13.1, 13.5), 0.9, fill=W)
    o += circle((18.9, 13.5), 0.9, fill=W)
    o += path("M13.4,17.6 L13.4,20 M16,17.6 L16,20.2 M18.6,17.6 L18.6,20", stroke=INK, sw=1.0)
    save("c05-armoured-hero.svg", o, "Trompalo cast: the armoured hero in red and gold")

# ---------------------------------------------------------------- c06 winged helmet
BLOND, BLOND_SH = "#ffd54a", "#dba21a"
SILVER, SILVER_SH, SILVER_HI = "#cdd6e2", "#8d99ab", "#ffffff"
def c06():
    o = ""
    # cape and hair behind
    o += path(smooth_d([(1, 32.5), (2, 25), (6, 21), (26, 21), (30, 25), (31, 32.5)]), fill="#d42a35", stroke=INK, sw=O)
    o += path(smooth_d([(5.6, 24.5), (5, 16), (6.6, 8), (16, 4), (25.4, 8), (27, 16), (26.4, 24.5), (22, 26),
                        (16, 20), (10, 26)]), fill=BLOND_SH, stroke=INK, sw=O)
    o += shaded([(4, 32.5), (4.8, 27.4), (8.5, 23.6), (13, 22.6), (19, 22.6), (23.5, 23.6), (27.2, 27.4), (28, 32.5)],
                SILVER, SILVER_SH, dy=-0.3)
    o += path("M16,23 L16,32.5 M10,25 Q13,27 16,26.6 Q19,27 22,25", stroke=SILVER_SH, sw=1.0)
    o += circle((9.2, 25.4), 1.6, fill="#ffcf3a", stroke=INK, sw=0.8)
    o += circle((22.8, 25.4), 1.6, fill="#ffcf3a", stroke=INK, sw=0.8)
    o += path("M13,19 L19,19 L19.2,23.2 Q16,24.6 12.8,23.2Z", fill=SKIN_SH, stroke=INK, sw=O)
    o += shaded([(8.6, 10), (9.2, 6.4), (16, 5), (22.8, 6.4), (23.4, 10), (23.2, 15.5), (20.8, 19.6), (16, 21.2),
                 (11.2, 19.6), (8.8, 15.5)], SKIN, SKIN_SH)
    # hair locks over the temples
    o += path(smooth_d([(7.8, 19), (7.4, 11), (10, 9.5), (9.8, 14), (9.4, 19.5)]), fill=BLOND, stroke=INK, sw=1.0)
    o += path(smooth_d([(24.2, 19), (24.6, 11), (22, 9.5), (22.2, 14), (22.6, 19.5)]), fill=BLOND, stroke=INK, sw=1.0)
    # wings
    for s in (1, -1):
        cx = 16 - s * 8.8
        def X(x): return 16 + s * (x - 16)
        pts = [(X(8.6), 8), (X(5.2), 6.4), (X(2.4), 2.4), (X(2.2), 5.6), (X(0.8), 5.2), (X(2.2), 8.6),
               (X(1.6), 10.4), (X(5), 10.6), (X(8.2), 10.6)]
        o += path(poly_d(pts), fill=W, stroke=INK, sw=1.0)
        o += path(f"M{f(X(7.6))},8.6 L{f(X(3.6))},5.4 M{f(X(7.6))},9.6 L{f(X(3.2))},8.8", stroke="#9aa6b8", sw=0.6)
    # helmet
    o += shaded([(8.2, 10.4), (8.8, 6), (12, 3), (16, 2.2), (20, 3), (23.2, 6), (23.8, 10.4), (16, 9.4)],
                SILVER, SILVER_SH, dy=-0.3)
    o += path("M10.4,6.4 Q12,3.8 15,3.4", stroke=W, sw=1.2)
    o += path("M8.4,10.2 Q16,8.6 23.6,10.2", stroke="#ffcf3a", sw=1.6)
    o += path("M8.4,10.2 Q16,8.6 23.6,10.2", stroke=INK, sw=0.4)
    o += eye((12.8, 13.6), 2.0, 2.5, look=(0, 0.2), iris="#3a8ef6")
    o += eye((19.2, 13.6), 2.0, 2.5, look=(0, 0.2), iris="#3a8ef6")
    o += path("M10.8,10.9 L14.4,11.2 M17.6,11.2 L21.2,10.9", stroke=BLOND_SH, sw=1.1)
    o += path("M12.8,17.2 Q16,19.6 19.2,17.2", stroke=INK, sw=1.2)
    save("c06-winged-helmet.svg", o, "Trompalo cast: the blond hero in the winged helmet")

# ---------------------------------------------------------------- c07 pointed ears
COWL, COWL_SH, COWL_HI, EAR_IN = "#34304f", "#1f1c33", "#6a6396", "#9c8fd6"
def c07():
    o = ""
    o += path(smooth_d([(1.2, 32.5), (1.8, 26), (5.5, 21.6), (26.5, 21.6), (30.2, 26), (30.8, 32.5)]),
              fill="#2a2640", stroke=INK, sw=O)
    o += shaded([(4.5, 32.5), (5.2, 27.4), (8.6, 23.6), (13, 22.4), (19, 22.4), (23.4, 23.6), (26.8, 27.4), (27.5, 32.5)],
                "#575282", "#3b3760", dy=-0.3)
    # our own emblem: a crescent moon
    o += path("M17.6,25 A3.6,3.6 0 1,0 17.6,31.4 A2.8,2.8 0 1,1 17.6,25Z", fill="#d9d2ff", stroke=INK, sw=0.8)
    cowl = [(7, 15), (6.8, 9), (5.6, 2.2), (8.4, 3.2), (12.6, 5.2), (16, 4.7), (19.4, 5.2), (23.6, 3.2), (26.4, 2.2),
            (25.2, 9), (25, 15), (24.4, 20), (21, 23), (11, 23), (7.6, 20)]
    o += path(smooth_d(cowl, tension=0.5), fill=COWL_SH)
    o += path(smooth_d([(x * 0.92 + 0.9, y * 0.94 + 0.1) for x, y in cowl], tension=0.5), fill=COWL)
    o += path(smooth_d(cowl, tension=0.5), stroke=INK, sw=O)
    # cat-like inner ears
    o += path("M7.4,4.2 L11.4,6.4 L8.6,9.4Z M24.6,4.2 L20.6,6.4 L23.4,9.4Z", fill=EAR_IN, stroke=INK, sw=0.7)
    o += path("M10,10 Q12,7.6 15,7.4", stroke=COWL_HI, sw=1.0)
    # lower face
    o += path("M10.4,16.2 Q16,14.8 21.6,16.2 L21,19.8 Q16,22.6 11,19.8Z", fill=SKIN, stroke=INK, sw=1.0)
    o += path("M20.2,17 L20,19.4 Q18.6,20.8 17,21.2", stroke=SKIN_SH, sw=1.0)
    o += path("M13.4,18.8 Q16,19.8 18.6,18.6", stroke=INK, sw=1.1)
    # white eye slits
    o += path("M9.2,11.6 Q12,11.2 14.4,12.8 Q12.4,14.6 9.8,13.6Z M22.8,11.6 Q20,11.2 17.6,12.8 Q19.6,14.6 22.2,13.6Z",
              fill=W, stroke=INK, sw=0.9)
    save("c07-pointed-ears.svg", o, "Trompalo cast: the night-cat, a masked hero with pointed ears")

# ---------------------------------------------------------------- c08 tiara heroine
HAIRB, HAIRB_HI = "#1e1b2e", "#4c4770"
def c08():
    o = ""
    o += path(smooth_d([(3.6, 29), (4, 16), (6, 7), (16, 2.4), (26, 7), (28, 16), (28.4, 29), (23, 27),
                        (16, 24), (9, 27)]), fill=HAIRB, stroke=INK, sw=O)
    o += shaded([(4.5, 32.5), (5.2, 27.6), (8.6, 24), (13, 23), (19, 23), (23.4, 24), (26.8, 27.6), (27.5, 32.5)],
                SKIN, SKIN_SH, dy=-0.3)
    o += path("M5.4,32.5 L6,29 Q11,27.2 16,28.8 Q21,27.2 26,29 L26.6,32.5Z", fill="#7b3fd0", stroke=INK, sw=1.0)
    o += path("M6,29 Q11,27.2 16,28.8 Q21,27.2 26,29", stroke="#ffcf3a", sw=1.2)
    o += path("M13.4,19 L18.6,19 L18.8,23.4 Q16,24.6 13.2,23.4Z", fill=SKIN_SH, stroke=INK, sw=1.1)
    o += shaded([(8.6, 10.4), (9.4, 6.6), (16, 5), (22.6, 6.6), (23.4, 10.4), (23, 15.4), (20.4, 19.6), (16, 21.4),
                 (11.6, 19.6), (9, 15.4)], SKIN, SKIN_SH)
    # fringe
    o += path(smooth_d([(7.6, 16), (7.4, 8.6), (10.6, 4.6), (16, 3.4), (21.4, 4.6), (24.6, 8.6), (24.4, 16),
                        (23, 11), (19, 8.4), (16, 8.8), (13, 8.4), (9, 11)]), fill=HAIRB, stroke=INK, sw=O)
    o += path("M11,5.6 Q14,4.2 17,4.4", stroke=HAIRB_HI, sw=1.1)
    # tiara
    o += path("M8.8,10 Q16,7 23.2,10 L23,11.6 Q16,8.8 9,11.6Z", fill="#ffcf3a", stroke=INK, sw=0.9)
    o += path("M13.2,8.8 L16,4.6 L18.8,8.8Z", fill="#ffcf3a", stroke=INK, sw=0.9)
    o += path(poly_d(star_points((16, 7.7), 2.2, 0.95)), fill="#e3342f", stroke=INK, sw=0.5)
    # eyes with lashes, lips
    o += eye((12.8, 14), 1.9, 2.3, look=(0, 0.2), iris="#5a3418", pupil=0.7)
    o += eye((19.2, 14), 1.9, 2.3, look=(0, 0.2), iris="#5a3418", pupil=0.7)
    o += path("M10.2,12.6 L9.2,11.8 M10.8,11.8 L10.2,10.8 M21.8,12.6 L22.8,11.8 M21.2,11.8 L21.8,10.8", stroke=INK, sw=0.9)
    o += path("M13.6,17.6 Q16,16.8 18.4,17.6 Q16,19.8 13.6,17.6Z", fill="#e0304a", stroke=INK, sw=0.8)
    save("c08-tiara-heroine.svg", o, "Trompalo cast: the heroine with the tiara")

# ---------------------------------------------------------------- c09 / c10 the big-nosed brute
BRUTE, BRUTE_SH = "#ffc39a", "#e0926a"
NOSE, NOSE_SH = "#ff7f9c", "#d94f74"
STUBBLE = "#7d86a8"
def brute_head(angry=False):
    o = ""
    o += shaded([(2.5, 32.5), (3.2, 27), (7.5, 23), (12, 22), (20, 22), (24.5, 23), (28.8, 27), (29.5, 32.5)],
                BRUTE, BRUTE_SH, dy=-0.3)
    # vest: a white singlet
    o += path("M8.5,32.5 L9.4,25.4 Q16,29.4 22.6,25.4 L23.5,32.5Z", fill="#f4f4f8", stroke=INK, sw=1.0)
    o += path("M10,28 L22,28 M9.6,30.4 L22.4,30.4", stroke="#c4c8d8", sw=0.8)
    o += circle((6.8, 13.6), 2.3, fill=BRUTE, stroke=INK, sw=1.1)
    o += circle((25.2, 13.6), 2.3, fill=BRUTE, stroke=INK, sw=1.1)
    head = [(7.4, 11), (8.6, 5.4), (16, 2.8), (23.4, 5.4), (24.6, 11), (24.6, 17), (22.4, 22), (16, 24.4),
            (9.6, 22), (7.4, 17)]
    o += shaded(head, BRUTE, BRUTE_SH)
    o += path("M10.6,6 Q12.6,4.2 15.4,4", stroke="#fff0e0", sw=1.2)
    # stubble
    o += path("M8.4,17.4 Q9.4,22.2 16,23.6 Q22.6,22.2 23.6,17.4 Q20,20.6 16,20.6 Q12,20.6 8.4,17.4Z",
              fill=STUBBLE, extra='fill-opacity="0.55"')
    o += path("M8.6,13 Q8.4,8 12,6.4", stroke=STUBBLE, sw=1.0, extra='stroke-opacity="0.5"')
    # small eyes under a heavy brow
    o += circle((12.6, 11.8), 1.6, fill=W, stroke=INK, sw=0.9)
    o += circle((19.4, 11.8), 1.6, fill=W, stroke=INK, sw=0.9)
    o += circle((12.9, 12.2), 0.8, fill=INK)
    o += circle((19.1, 12.2), 0.8, fill=INK)
    if angry:
        o += path("M10,9 L14.8,10.8 M22,9 L17.2,10.8", stroke=INK, sw=1.6)
        o += path("M21.6,4.4 L23.4,6.2 M23.4,4.4 L21.6,6.2", stroke="#e3342f", sw=1.1)
    else:
        o += path("M10,9.8 Q12.5,8.8 14.8,10.2 M17.2,10.2 Q19.5,8.8 22,9.8", stroke=INK, sw=1.5)
    # mouth
    if angry:
        o += path("M12,19.4 Q16,17.4 20,19.4 Q19.4,22.4 16,22.6 Q12.6,22.4 12,19.4Z", fill="#7a1f2b", stroke=INK, sw=1.0)
        o += path("M12.6,19.3 Q16,17.9 19.4,19.3 L19.2,20.2 Q16,19 12.8,20.2Z", fill=W)
    else:
        o += path("M12,20.6 Q16,18.4 20,20.6", stroke=INK, sw=1.3)
    # the nose
    o += ellipse((16, 15.6), 4.6, 3.7, fill=NOSE_SH)
    o += ellipse((15.6, 15.2), 4.0, 3.1, fill=NOSE)
    o += ellipse((16, 15.6), 4.6, 3.7, stroke=INK, sw=1.1)
    o += ellipse((14.4, 14.0), 1.3, 0.9, fill=W, extra='fill-opacity="0.85"')
    return o

def brute_fist(cx, cy, s=1, rot=0):
    """A bare fist seen from the front, knuckles up; s=-1 mirrors it."""
    def X(x): return cx + s * x
    o = ""
    o += path(f"M{f(X(-2.6))},{f(cy + 4)} L{f(X(-3))},{f(cy + 9)} L{f(X(3))},{f(cy + 9)} L{f(X(2.6))},{f(cy + 4)}Z",
              fill=BRUTE_SH, stroke=INK, sw=1.0)
    body = (f"M{f(X(-4.6))},{f(cy - 1.5)} Q{f(X(-4.8))},{f(cy - 5)} {f(X(-2.2))},{f(cy - 5)} "
            f"L{f(X(3))},{f(cy - 5)} Q{f(X(5))},{f(cy - 5)} {f(X(4.8))},{f(cy - 2.4)} "
            f"L{f(X(4.6))},{f(cy + 2.6)} Q{f(X(4.2))},{f(cy + 5.2)} {f(X(1))},{f(cy + 5.2)} "
            f"L{f(X(-2.4))},{f(cy + 5.2)} Q{f(X(-4.6))},{f(cy + 5)} {f(X(-4.6))},{f(cy + 2)}Z")
    o += path(body, fill=BRUTE, stroke=INK, sw=1.1)
    o += path(f"M{f(X(-2))},{f(cy - 5)} L{f(X(-2))},{f(cy - 1.2)} M{f(X(0.6))},{f(cy - 5)} L{f(X(0.6))},{f(cy - 1.2)} "
              f"M{f(X(3))},{f(cy - 5)} L{f(X(3))},{f(cy - 1.4)}", stroke=INK, sw=0.8)
    o += path(f"M{f(X(-4.4))},{f(cy + 0.2)} Q{f(X(0))},{f(cy - 1.2)} {f(X(3.6))},{f(cy + 1.4)}", stroke=INK, sw=0.9)
    t = f"rotate({f(rot)} {f(cx)} {f(cy)})" if rot else None
    return group(o, t) if t else o

def c09():
    o = brute_head(angry=False)
    o += brute_fist(5.4, 21.6, s=1, rot=-12)
    o += path("M0.8,14.8 L2.2,16.2 M1.2,19 L2.8,19.2 M9.6,14.4 L10.4,13", stroke=INK, sw=0.8)
    save("c09-big-nose.svg", o, "Trompalo cast: the grumpy big-nosed brute, fist raised")

def c10():
    o = brute_head(angry=True)
    o += brute_fist(26.2, 21, s=-1, rot=14)
    o += path("M31.2,14.6 L29.8,16 M30.8,19 L29.2,19.2 M22.4,14.2 L21.6,12.8", stroke=INK, sw=0.8)
    save("c10-big-nose-2.svg", o, "Trompalo cast: the big-nosed brute again, shouting, fist on the other side")

# ---------------------------------------------------------------- c11 headphones boy
def c11():
    o = ""
    o += shaded([(3.5, 32.5), (4.2, 27.4), (8, 23.6), (12.6, 22.4), (19.4, 22.4), (24, 23.6), (27.8, 27.4), (28.5, 32.5)],
                "#19b3a6", "#0f7e75", dy=-0.3)
    o += path("M11.4,23 Q16,27.4 20.6,23", fill="#0f7e75", stroke=INK, sw=1.0)
    o += path("M13.4,25.4 L13,30 M18.6,25.4 L19,30", stroke=W, sw=1.0)
    o += path("M13.6,19 L18.4,19 L18.6,23.2 Q16,24.4 13.4,23.2Z", fill=SKIN_SH, stroke=INK, sw=1.1)
    o += shaded([(8.6, 11), (9.4, 7), (16, 5.6), (22.6, 7), (23.4, 11), (23, 15.8), (20.6, 19.8), (16, 21.4),
                 (11.4, 19.8), (9, 15.8)], SKIN, SKIN_SH)
    # spiky hair
    o += path(poly_d([(8.2, 13), (6.4, 9.6), (8.4, 8.6), (6.6, 4.6), (10.2, 5.4), (10.4, 1.6), (13.6, 4.2),
                      (16, 0.6), (18.2, 4), (21.8, 1.8), (21.6, 5.4), (25.4, 4.4), (23.8, 8.4), (25.6, 9.4),
                      (23.8, 13), (22.6, 10), (19.4, 9), (16.6, 10.2), (13.4, 8.8), (10.2, 10)]),
              fill="#9a5524", stroke=INK, sw=O)
    o += path("M11.6,5.6 L12.6,7.4 M17.8,4.6 L17.2,6.8", stroke="#c98245", sw=0.9)
    # headphones
    o += path("M6.6,13.6 Q5.8,3.4 16,3.0 Q26.2,3.4 25.4,13.6", stroke=INK, sw=3.4)
    o += path("M6.6,13.6 Q5.8,3.4 16,3.0 Q26.2,3.4 25.4,13.6", stroke="#ff3ea5", sw=1.6)
    for x in (6.2, 25.8):
        o += ellipse((x, 15), 3.1, 4.3, fill="#ff3ea5", stroke=INK, sw=1.1)
        o += ellipse((x, 15), 1.5, 2.4, fill="#b81f72")
    # winking cheeky face
    o += eye((12.8, 13.6), 2.0, 2.5, look=(0.2, 0.2))
    o += path("M17.6,13.8 Q19.4,12.4 21.2,13.8", stroke=INK, sw=1.3)
    o += path("M10.8,10.8 L14.2,11.2 M17.8,11 L21.2,10.4", stroke="#6e3a14", sw=1.1)
    o += path("M11.8,17 Q16,20.8 20.2,16.4 Q16,17.8 11.8,17Z", fill="#7a1f2b", stroke=INK, sw=0.9)
    o += path("M16.4,18.4 Q18.2,19.8 18.8,17.6", fill="#ff7a8a")
    o += circle((10.6, 16.4), 0.45, fill="#d97b4f")
    o += circle((11.8, 16.8), 0.45, fill="#d97b4f")
    o += circle((21.2, 16.2), 0.45, fill="#d97b4f")
    save("c11-headphones-boy.svg", o, "Trompalo cast: the cheeky boy with headphones")

# ---------------------------------------------------------------- c12 STOP sign
def letters_stop(x0, y0, h, w, gap):
    """STOP drawn as strokes: returns path data."""
    d = ""
    x = x0
    # S
    d += (f"M{f(x + w)},{f(y0 + h * 0.2)} Q{f(x + w * 0.85)},{f(y0)} {f(x + w / 2)},{f(y0)} "
          f"Q{f(x)},{f(y0)} {f(x)},{f(y0 + h * 0.27)} Q{f(x)},{f(y0 + h * 0.5)} {f(x + w / 2)},{f(y0 + h * 0.5)} "
          f"Q{f(x + w)},{f(y0 + h * 0.5)} {f(x + w)},{f(y0 + h * 0.74)} Q{f(x + w)},{f(y0 + h)} {f(x + w / 2)},{f(y0 + h)} "
          f"Q{f(x + w * 0.1)},{f(y0 + h)} {f(x)},{f(y0 + h * 0.8)} ")
    x += w + gap
    # T
    d += f"M{f(x - 0.3)},{f(y0)} L{f(x + w + 0.3)},{f(y0)} M{f(x + w / 2)},{f(y0)} L{f(x + w / 2)},{f(y0 + h)} "
    x += w + gap
    # O
    d += (f"M{f(x + w / 2)},{f(y0)} Q{f(x + w)},{f(y0)} {f(x + w)},{f(y0 + h / 2)} Q{f(x + w)},{f(y0 + h)} {f(x + w / 2)},{f(y0 + h)} "
          f"Q{f(x)},{f(y0 + h)} {f(x)},{f(y0 + h / 2)} Q{f(x)},{f(y0)} {f(x + w / 2)},{f(y0)}Z ")
    x += w + gap
    # P
    d += (f"M{f(x)},{f(y0 + h)} L{f(x)},{f(y0)} L{f(x + w * 0.5)},{f(y0)} Q{f(x + w)},{f(y0)} {f(x + w)},{f(y0 + h * 0.29)} "
          f"Q{f(x + w)},{f(y0 + h * 0.58)} {f(x + w * 0.5)},{f(y0 + h * 0.58)} L{f(x)},{f(y0 + h * 0.58)}")
    return d

def c12():
    import math
    def octo(r, c=(16, 16)):
        return [(c[0] + r * math.cos(math.radians(22.5 + 45 * i)), c[1] + r * math.sin(math.radians(22.5 + 45 * i)))
                for i in range(8)]
    o = ""
    o += path(poly_d(octo(15.6)), fill="#c81d25", stroke=INK, sw=O)
    o += path(poly_d(octo(14.1)), fill=W)
    o += path(poly_d(octo(12.3)), fill="#e3262f")
    o += path(poly_d(octo(12.3)[4:7] + [(16, 16)]), fill="#ff5a5f", extra='fill-opacity="0.5"')
    # post hint under the sign is left out: the sign pops out of the hole on its own
    d = letters_stop(4.6, 12.2, 7.6, 4.8, 0.95)
    o += path(d, stroke=INK, sw=3.2)
    o += path(d, stroke=W, sw=1.75)
    save("c12-stop-sign.svg", o, "Trompalo cast: the STOP sign")

# ---------------------------------------------------------------- c13 hourglass
WOOD, WOOD_SH, WOOD_HI = "#b06a2c", "#7a431a", "#dc9a58"
def c13():
    o = ""
    glass = "M9,5.8 Q9,12 14.6,15.4 Q15.2,16 14.6,16.6 Q9,20 9,26.2 L23,26.2 Q23,20 17.4,16.6 Q16.8,16 17.4,15.4 Q23,12 23,5.8Z"
    o += path(glass, fill="#dff4ff")
    # sand: top (draining), stream, bottom pile
    o += path("M10.8,10.8 Q12.6,13.6 15,15.3 L17,15.3 Q19.4,13.6 21.2,10.8 Q16,12 10.8,10.8Z", fill="#ffc42e",
              stroke="#d99a00", sw=0.6)
    o += line((16, 15.4), (16, 24), "#ffc42e", 1.2)
    o += path("M9.6,26.2 Q10.4,21.4 16,20.6 Q21.6,21.4 22.4,26.2Z", fill="#ffc42e", stroke="#d99a00", sw=0.6)
    o += path("M10.8,7 Q11,11 13.4,13.6", stroke=W, sw=1.2)
    o += path(glass, stroke=INK, sw=1.2)
    # wooden posts and plates
    for x in (6.6, 25.4):
        o += path(f"M{f(x - 1.3)},5 L{f(x + 1.3)},5 L{f(x + 1.3)},27 L{f(x - 1.3)},27Z", fill=WOOD, stroke=INK, sw=1.1)
        o += line((x - 0.3, 7), (x - 0.3, 25), WOOD_HI, 0.8)
    for y in (2.2, 26):
        o += path(f"M3.4,{f(y)} Q3.4,{f(y - 0.6)} 4.4,{f(y - 0.6)} L27.6,{f(y - 0.6)} Q28.6,{f(y - 0.6)} 28.6,{f(y)} "
                  f"L28.6,{f(y + 3.2)} Q28.6,{f(y + 3.8)} 27.6,{f(y + 3.8)} L4.4,{f(y + 3.8)} Q3.4,{f(y + 3.8)} 3.4,{f(y + 3.2)}Z",
                  fill=WOOD, stroke=INK, sw=1.2)
        o += line((5, y + 0.6), (27, y + 0.6), WOOD_HI, 0.9)
        o += line((5, y + 2.6), (27, y + 2.6), WOOD_SH, 0.9)
    save("c13-hourglass.svg", o, "Trompalo cast: the hourglass")

if __name__ == "__main__":
    for fn in (c00, c01, c02, c03, c04, c05, c06, c07, c08, c09, c10, c11, c12, c13):
        fn()
