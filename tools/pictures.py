#!/usr/bin/env python3
"""The sample pictures, drawn from code: the built-in folder skin (a
background per skin object, an image per group image), the 37 pictures of the
new create-table dialog's bmp folder, and the demo lobby's player-list
pictures.

    pictures.py OUTPUT_DIR    writes OUTPUT_DIR/skin, OUTPUT_DIR/bmp, OUTPUT_DIR/lobby

Each picture is drawn at the size the library draws it (the folder skin
stretches an image into its rectangle, so a picture of that size shows
unscaled). Pictures drawn with magenta as the transparent colour keep hard
outer edges; everything else is anti-aliased. One palette for all: a warm
wood-and-gold frame, cream panels, dark red title bands.
"""
import os
import sys

from raster import MAGENTA, Canvas, arc, draw_digit, mix, rrect_sdf, shade

WOOD_DARK = (92, 46, 18)
WOOD = (150, 84, 36)
GOLD = (236, 184, 62)
GOLD_LIGHT = (255, 228, 150)
CREAM = (252, 244, 226)
CREAM_DARK = (234, 216, 180)
RED = (176, 40, 30)
RED_DARK = (112, 24, 16)
GREEN = (46, 140, 70)
GREEN_DARK = (28, 92, 46)
BLUE = (50, 108, 188)
PURPLE = (128, 60, 170)
SILVER = (200, 206, 214)
INK = (96, 52, 20)
WHITE = (255, 255, 255)


def vertical(c, top, bottom, y0, y1):
    return lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / max(1.0, y1 - y0))))


def save(canvas, root, *parts):
    path = os.path.join(root, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    canvas.save(path)


# -- shared pieces ------------------------------------------------------------

def panel(c, x0, y0, x1, y1, r=6, fill=CREAM, edge=WOOD):
    """An inset panel: soft shadow, fill, thin edge."""
    c.rrect(x0 + 1, y0 + 2, x1 + 1, y1 + 2, r, shade(CREAM_DARK, -0.25), alpha=0.5)
    c.rrect(x0, y0, x1, y1, r, vertical(c, shade(fill, 0.3), fill, y0, y1))
    c.rrect_frame(x0, y0, x1, y1, r, 1.2, edge, alpha=0.8)


def dialog_background(w, h, title=0, panels=()):
    c = Canvas(w, h, CREAM)
    c.paint(lambda x, y: -1, vertical(c, CREAM, CREAM_DARK, 0, h))
    if title:
        c.rect(0, 0, w, title, vertical(c, RED, RED_DARK, 0, title))
        c.rect(0, title - 2, w, title, GOLD)
    for p in panels:
        panel(c, *p)
    c.rrect_frame(0, 0, w, h, 0, 3, WOOD)
    c.rrect_frame(3, 3, w - 3, h - 3, 0, 1, GOLD, alpha=0.8)
    return c


def digit_set(root, folder, prefix, w, h, colour, outline, stroke, outline_stroke, background=MAGENTA, pad=0.18):
    for d in "0123456789":
        c = Canvas(w, h, background)
        box = (w * pad, h * 0.1, w * (1 - 2 * pad), h * 0.8)
        draw_digit(c, d, box, colour, outline, stroke, outline_stroke, hard_outline=background == MAGENTA)
        save(c, root, *folder, prefix + d + ".bmp")


def coin(c, cx, cy, r, metal, hole=True):
    c.circle(cx, cy, r, shade(metal, -0.45), hard=True)
    c.circle(cx, cy, r - 1, vertical(c, shade(metal, 0.35), shade(metal, -0.15), cy - r, cy + r))
    c.ring(cx, cy, r - 2.6, 0.9, shade(metal, -0.3), alpha=0.7)
    if hole:
        s = r * 0.32
        c.rect(cx - s, cy - s, cx + s, cy + s, shade(metal, -0.5))


def bean(c, cx, cy, rx, ry, colour):
    c.ellipse(cx, cy, rx, ry, shade(colour, -0.45), hard=True)
    c.ellipse(cx, cy, rx - 1, ry - 1, vertical(c, shade(colour, 0.35), colour, cy - ry, cy + ry))
    c.stroke([arc(cx - rx * 0.1, cy + ry * 0.1, rx * 0.45, ry * 0.5, 120, 200, 6)], 1.0, shade(colour, 0.6))


def lock(c, cx, cy, s, body, open_=False):
    """A padlock centred at (cx, cy), s its height."""
    shackle = arc(cx + (s * 0.22 if open_ else 0), cy - s * 0.12, s * 0.22, s * 0.28, 0, 180, 10)
    c.stroke([shackle], s * 0.1, shade(SILVER, -0.35), hard=True)
    c.rrect(cx - s * 0.32, cy - s * 0.12, cx + s * 0.32, cy + s * 0.42, s * 0.08, shade(body, -0.4), hard=True)
    c.rrect(cx - s * 0.28, cy - s * 0.08, cx + s * 0.28, cy + s * 0.38, s * 0.06, vertical(c, shade(body, 0.3), body, cy, cy + s * 0.4))
    c.circle(cx, cy + s * 0.12, s * 0.06, shade(body, -0.55))


def eye(c, cx, cy, w, h, colour, crossed=False):
    c.paint(lambda x, y: max(abs(x - cx) / (w / 2) + ((y - cy) / (h / 2)) ** 2 - 1, -1) * h / 2,
            shade(colour, -0.5), (cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), hard=True)
    c.paint(lambda x, y: (abs(x - cx) / (w / 2 - 1) + ((y - cy) / (h / 2 - 1)) ** 2 - 1) * h / 2,
            WHITE, (cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2))
    c.circle(cx, cy, h * 0.3, colour)
    c.circle(cx, cy, h * 0.14, (20, 20, 30))
    if crossed:
        c.stroke([[(cx - w * 0.45, cy + h * 0.5), (cx + w * 0.45, cy - h * 0.5)]], 1.8, RED)


def name_tag(c, x0, cy):
    """A luggage tag, 30 wide, standing for a name."""
    c.polygon([(x0, cy - 7), (x0 + 22, cy - 7), (x0 + 30, cy), (x0 + 22, cy + 7), (x0, cy + 7)], shade(GOLD, -0.2))
    c.polygon([(x0 + 1.5, cy - 5.5), (x0 + 21.5, cy - 5.5), (x0 + 28, cy), (x0 + 21.5, cy + 5.5), (x0 + 1.5, cy + 5.5)],
              GOLD_LIGHT)
    c.circle(x0 + 22, cy, 1.8, shade(GOLD, -0.4))
    c.stroke([[(x0 + 5, cy - 2), (x0 + 16, cy - 2)], [(x0 + 5, cy + 2), (x0 + 13, cy + 2)]], 1.2, INK)


def letter(c, which, x0, y0, w, h):
    """The letters the table settings are known by, as strokes in a w x h box."""
    if which == "A":
        paths = [[(x0, y0 + h), (x0 + w / 2, y0), (x0 + w, y0 + h)], [(x0 + w * 0.22, y0 + h * 0.69), (x0 + w * 0.78, y0 + h * 0.69)]]
    else:
        r = h / 4.0
        paths = [[(x0, y0), (x0, y0 + h)], [(x0, y0), (x0 + w - r - 1, y0)] + arc(x0 + w - r - 1, y0 + r, r, r, 90, -90, 6) + [(x0, y0 + h / 2)],
                 [(x0, y0 + h / 2), (x0 + w - r, y0 + h / 2)] + arc(x0 + w - r, y0 + 3 * r, r, r, 90, -90, 6) + [(x0, y0 + h)]]
    c.stroke(paths, 2.2, INK)


def tag(c, x0, y0, x1, y1, colour):
    c.rrect(x0, y0, x1, y1, (y1 - y0) / 2.0, shade(colour, -0.45), hard=True)
    c.rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, (y1 - y0) / 2.0 - 1, vertical(c, shade(colour, 0.3), colour, y0, y1))


def star(c, cx, cy, r, colour):
    import math
    pts = []
    for i in range(10):
        a = math.radians(-90 + 36 * i)
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    # a star is not convex: five triangles around a pentagon
    centre = [pts[i] for i in range(1, 10, 2)]
    c.polygon(centre, colour)
    for i in range(0, 10, 2):
        c.polygon([pts[i - 1], pts[i], pts[(i + 1) % 10]], colour)


def crown(c, cx, cy, w, h, metal, gem):
    x0, x1, y0, y1 = cx - w / 2, cx + w / 2, cy - h / 2, cy + h / 2
    base = [(x0, y1), (x1, y1), (x1, y0 + h * 0.55), (x0, y0 + h * 0.55)]
    c.polygon(base, shade(metal, -0.1))
    for px in (x0 + w * 0.12, cx, x1 - w * 0.12):
        c.polygon([(px - w * 0.2, y0 + h * 0.6), (px + w * 0.2, y0 + h * 0.6), (px, y0)], metal)
        c.circle(px, y0 + 1.2, 1.6, GOLD_LIGHT)
    c.rect(x0, y1 - h * 0.22, x1, y1, shade(metal, -0.3))
    c.circle(cx, y1 - h * 0.38, h * 0.13, gem)


# -- the folder skin ------------------------------------------------------------

def skin_backgrounds(root):
    backgrounds = {
        "CreateTable": dialog_background(230, 425, 30, [
            (88, 32, 226, 60), (88, 62, 226, 90), (70, 96, 214, 124), (70, 126, 196, 156), (70, 156, 196, 188),
            (28, 204, 222, 270), (28, 262, 222, 318), (70, 352, 226, 380)]),
        "PlayerListBox": dialog_background(234, 474, 0, [(3, 2, 231, 436, 4)]),
        "FindPartner": dialog_background(222, 400, 26, [
            (4, 26, 72, 47), (102, 27, 172, 46), (80, 48, 112, 68), (169, 48, 201, 68), (68, 68, 168, 94),
            (12, 104, 206, 146)]),
        "PasswordInput": dialog_background(246, 106, 0, [(40, 36, 200, 70)]),
        "PlayerScore": dialog_background(301, 393, 28, [
            (10, 38, 160, 82), (166, 40, 296, 124), (160, 130, 296, 176), (160, 187, 296, 232),
            (160, 244, 296, 344), (8, 246, 152, 372)]),
        "PlayerBaseData": dialog_background(214, 228, 0, [(5, 5, 109, 189), (106, 10, 210, 146)]),
        "SysSet": dialog_background(152, 271, 0, [(38, 22, 110, 65), (38, 94, 110, 137), (8, 168, 144, 203),
                                                  (8, 236, 144, 271 - 4)]),
    }
    ct = backgrounds["CreateTable"]
    # Row marks of the classic create-table dialog, left of its controls.
    name_tag(ct, 30, 46)
    lock(ct, 46, 74, 20, GOLD)
    coin(ct, 46, 111, 9, GOLD)
    letter(ct, "A", 40, 133, 12, 16)
    letter(ct, "B", 40, 164, 12, 16)
    for k in range(3):
        star(ct, 76, 220 + 18 * k, 5.5, (RED, BLUE, PURPLE)[k])
    fp = backgrounds["FindPartner"]
    # The table in the join dialog: a felt table with three chairs around it.
    for cx, cy in ((109, 246), (163, 206), (52, 206)):
        panel(fp, cx - 34, cy - 34, cx + 34, cy + 6, 8, fill=shade(CREAM_DARK, 0.2))
    # Faint, so that the message texts drawn across it stay readable.
    fp.ellipse(108, 178, 28, 20, shade(GREEN_DARK, -0.3), alpha=0.35)
    fp.ellipse(108, 177, 26, 18, vertical(fp, GREEN, GREEN_DARK, 159, 195), alpha=0.22)
    lock(backgrounds["PasswordInput"], 22, 53, 30, GOLD)
    sc = backgrounds["PlayerScore"]
    for k in range(12):
        r, col = divmod(k, 4)
        sc.rrect(14 + 34 * col, 267 + 34 * r, 44 + 34 * col, 297 + 34 * r, 4, shade(CREAM_DARK, -0.08))
    for name, canvas in backgrounds.items():
        save(canvas, root, "skin", name + ".bmp")


def skin_groups(root):
    # Table numbers in the classic dialog's title band, settings on its panels.
    digit_set(root, ("skin", "Table_Num"), "TableNum", 19, 27, GOLD_LIGHT, RED_DARK, 2.6, 1.2)
    digit_set(root, ("skin", "SetNum"), "TableNum", 13, 15, RED, CREAM, 1.6, 0.9, pad=0.16)
    digit_set(root, ("skin", "FindPartnerPic"), "Num", 11, 16, GOLD_LIGHT, RED_DARK, 1.6, 0.9, pad=0.14)
    digit_set(root, ("skin", "KingHatNum"), "num", 11, 17, WHITE, INK, 1.6, 0.9, pad=0.14)

    for group in ("CTDLG_CoinName", "FPDLG_CoinName"):
        c = Canvas(18, 19, MAGENTA)
        coin(c, 9, 9.5, 8.5, GOLD)
        save(c, root, "skin", group, "Yu_Coin.bmp")
        c = Canvas(18, 19, MAGENTA)
        bean(c, 9, 9.5, 6.5, 8.5, GREEN)
        save(c, root, "skin", group, "Game_Coin.bmp")

    c = Canvas(146, 18, MAGENTA)
    tag(c, 0, 0, 146, 18, PURPLE)
    for i in range(3):
        star(c, 20 + 53 * i, 9, 6.5, GOLD_LIGHT)
    save(c, root, "skin", "TCSpecRule", "Pic1.bmp")

    for name, closed in (("HavePassWord", True), ("NoPassWord", False)):
        c = Canvas(65, 18, MAGENTA)
        tag(c, 0, 0, 65, 18, RED if closed else GREEN)
        lock(c, 14, 9, 15, GOLD_LIGHT if closed else SILVER, open_=not closed)
        c.stroke([[(30, 9), (56, 9)]] if not closed else [[(30, 6), (56, 6)], [(30, 12), (50, 12)]], 2, CREAM)
        save(c, root, "skin", "FindPartnerPic", name + ".bmp")
    for name, crossed in (("CanPeek", False), ("NoPeek", True)):
        c = Canvas(64, 15, MAGENTA)
        tag(c, 0, 0, 64, 15, BLUE if not crossed else (120, 120, 128))
        eye(c, 16, 7.5, 20, 10, BLUE if not crossed else (90, 90, 100), crossed)
        save(c, root, "skin", "FindPartnerPic", name + ".bmp")

    # "NoRule" also stands for the first special rule (its slot shows it for bit 0).
    for name, colour, count in (("NoRule", (40, 130, 130), 1), ("Rule2", BLUE, 2), ("Rule3", PURPLE, 3)):
        c = Canvas(84, 15, MAGENTA)
        tag(c, 0, 0, 84, 15, colour)
        for i in range(count):
            star(c, 14 + 12 * i, 7.5, 5, GOLD_LIGHT)
        draw_digit(c, str(count), (66, 2, 8, 11), WHITE, None, 1.5, 0, False)
        save(c, root, "skin", "SpecialRulePic", name + ".bmp")

    c = Canvas(44, 23, MAGENTA)
    tag(c, 0, 2, 44, 21, RED)
    star(c, 11, 11.5, 7, GOLD_LIGHT)
    c.stroke([[(22, 8), (38, 8)], [(22, 15), (34, 15)]], 2, CREAM)
    save(c, root, "skin", "JoinScore", "Score.bmp")

    for i, (metal, gem) in enumerate(((GOLD, RED), (GOLD_LIGHT, BLUE), (GOLD, PURPLE))):
        c = Canvas(30, 30, MAGENTA)
        crown(c, 15, 16, 24 + 2 * i, 18 + i, metal, gem)
        save(c, root, "skin", "kinghat", "kinghatPic%d.bmp" % (i + 1))

    for name, metal, value in (("jinka15", GOLD, "15"), ("jinka30", GOLD, "30"), ("jinka50", GOLD, "50"),
                               ("yinka5", SILVER, "5"), ("yinka10", SILVER, "10"), ("yinka30", SILVER, "30")):
        c = Canvas(30, 30, MAGENTA)
        c.rrect(2, 5, 28, 25, 3, shade(metal, -0.5), hard=True)
        c.rrect(3, 6, 27, 24, 2.5, vertical(c, shade(metal, 0.4), shade(metal, -0.1), 6, 24))
        c.rect(3, 9, 27, 11, shade(metal, -0.35))
        for k, d in enumerate(value):
            x = 15 - 4.5 * len(value) + 9 * k + 1
            draw_digit(c, d, (x, 12, 7, 11), shade(metal, -0.6), None, 1.6, 0, False)
        save(c, root, "skin", "DaiJinJuan", name + ".bmp")

    for name, metal, stone in (("baiyin", SILVER, None), ("huangjin", GOLD, None), ("zuanshi", SILVER, (150, 220, 255))):
        c = Canvas(30, 30, MAGENTA)
        c.ring(15, 18, 8.5, 4.2, shade(metal, -0.5))
        c.ring(15, 18, 8.5, 2.6, vertical(c, shade(metal, 0.5), shade(metal, -0.1), 9, 27))
        if stone:
            c.polygon([(15, 2.5), (21, 7), (15, 13), (9, 7)], shade(stone, -0.5), hard=True)
            c.polygon([(15, 4), (19.5, 7), (15, 11.5), (10.5, 7)], vertical(c, WHITE, stone, 4, 12))
        else:
            c.circle(15, 9.5, 3, shade(metal, -0.4), hard=True)
            c.circle(15, 9.5, 2.2, RED if metal == GOLD else BLUE)
        save(c, root, "skin", "FingerRing", name + ".bmp")

    hair = [(40, 30, 20), (90, 60, 30), (20, 20, 24), (130, 80, 40), (60, 40, 60), (160, 120, 60)]
    robes = [RED, BLUE, GREEN, PURPLE, WOOD, (40, 120, 140)]
    for i in range(12):
        portrait(root, i, hair[i % 6], robes[(i * 5) % 6], i % 2 == 1)

    c = Canvas(64, 35, CREAM_DARK)
    c.rrect(0, 4, 64, 31, 6, shade(CREAM_DARK, -0.45))
    c.rrect(1.5, 5.5, 62.5, 29.5, 5, vertical(c, (70, 50, 34), (110, 84, 60), 5, 30))
    for k in range(1, 8):
        c.rect(8 * k - 0.5, 7, 8 * k + 0.5, 28, (60, 40, 26), alpha=0.6)
    save(c, root, "skin", "SysSetDlgPic", "BG.bmp")
    c = Canvas(64, 35, CREAM_DARK)
    c.rrect(0, 4, 64, 31, 6, shade(GREEN, -0.45))
    c.paint(lambda x, y: -1, lambda x, y: mix(mix((90, 200, 90), (250, 210, 60), x / 64.0), WHITE,
                                              max(0.0, 0.35 - abs(y - 11) / 20.0)), (1.5, 5.5, 62.5, 29.5))
    save(c, root, "skin", "SysSetDlgPic", "Value.bmp")


def portrait(root, i, hair, robe, long_hair):
    c = Canvas(100, 180, CREAM)
    c.paint(lambda x, y: -1, vertical(c, (250, 232, 196), (214, 176, 120), 0, 180))
    c.circle(50, 40, 60, GOLD_LIGHT, alpha=0.35)
    skin_tone = (246, 214, 180)
    # robe and shoulders
    c.polygon([(10, 180), (90, 180), (80, 110), (20, 110)], shade(robe, -0.2))
    c.rrect(18, 96, 82, 150, 24, vertical(c, shade(robe, 0.25), robe, 96, 150))
    c.polygon([(42, 98), (58, 98), (50, 124)], skin_tone)
    c.stroke([[(42, 98), (50, 124), (58, 98)]], 2.2, GOLD)
    # neck, head, hair
    c.rect(43, 78, 57, 100, shade(skin_tone, -0.08))
    if long_hair:
        c.rrect(24, 30, 76, 104, 20, hair)
    c.ellipse(50, 60, 24, 28, skin_tone)
    c.paint(lambda x, y: max(((x - 50) / 26.0) ** 2 + ((y - 46) / 20.0) ** 2 - 1, y - 50 + abs(x - 50) * 0.15) * 10,
            hair, (22, 24, 78, 60))
    for ex in (41, 59):
        c.ellipse(ex, 62, 3, 3.6, (40, 30, 30))
        c.circle(ex + 1, 61, 1, WHITE)
    c.stroke([arc(50, 68, 7, 5, 200, 340, 8)], 1.8, (170, 70, 60))
    c.circle(36, 70, 4, (250, 170, 160), alpha=0.5)
    c.circle(64, 70, 4, (250, 170, 160), alpha=0.5)
    if i % 3 == 2:
        crown(c, 50, 24, 30, 20, GOLD, RED)
    c.rrect_frame(0, 0, 100, 180, 6, 2.5, WOOD)
    save(c, root, "skin", "Icon_Big", "Icon%02d.bmp" % (i + 1))


# -- the new create-table dialog's bmp folder ----------------------------------------------

def create_dialog_pictures(root):
    def put(canvas, name):
        save(canvas, root, "bmp", name)

    c = Canvas(238, 424, CREAM)
    c.paint(lambda x, y: -1, vertical(c, CREAM, CREAM_DARK, 0, 424))
    c.rect(0, 0, 238, 20, vertical(c, RED, RED_DARK, 0, 20))
    c.rect(0, 19, 238, 21, GOLD)
    put(c, "bmp000131.bmp")

    for name, score_icon in (("bmp00025.bmp", "coin"), ("bmp00047.bmp", "bean")):
        put(create_page(score_icon), name)

    for index, (state, lift) in enumerate((("off", 0), ("on", 0), ("disabled", 0))):
        c = Canvas(18, 18, CREAM)
        edge = (150, 140, 130) if state == "disabled" else WOOD
        c.rrect(0, 0, 18, 18, 3, edge)
        c.rrect(1.5, 1.5, 16.5, 16.5, 2, vertical(c, WHITE, CREAM_DARK, 0, 18) if state != "disabled" else (214, 210, 204))
        if state == "on":
            c.stroke([[(4, 9.5), (7.5, 13), (14, 5)]], 2.4, GREEN_DARK)
        if state == "disabled":
            c.stroke([[(5, 9), (13, 9)]], 1.6, (160, 156, 150))
        put(c, "bmp000%d.bmp" % (22 + index))

    for base, colour, mark in (("0008", GREEN, "check"), ("0011", RED, "cross")):
        for k, state in enumerate(("normal", "hover", "pressed")):
            c = Canvas(85, 30, CREAM_DARK)
            body = shade(colour, 0.18) if state == "hover" else shade(colour, -0.15) if state == "pressed" else colour
            dy = 1 if state == "pressed" else 0
            c.rrect(0, 0, 85, 25, 5, shade(body, -0.45))
            c.rrect(1, 1 + dy, 84, 24, 4.5, vertical(c, shade(body, 0.35), body, 0, 25))
            if mark == "check":
                c.stroke([[(30, 12.5 + dy), (38, 19 + dy), (54, 6 + dy)]], 3.2, WHITE)
            else:
                c.stroke([[(34, 6 + dy), (51, 19 + dy)], [(51, 6 + dy), (34, 19 + dy)]], 3.2, WHITE)
            put(c, "bmp%05d.bmp" % (int(base) + k))
    for base, points in ((14, [(15, 6), (15, 20), (7, 13)]), (17, [(8, 6), (8, 20), (16, 13)])):
        for k, state in enumerate(("normal", "hover", "pressed")):
            c = Canvas(23, 26, CREAM)
            body = shade(GOLD, 0.2) if state == "hover" else shade(GOLD, -0.2) if state == "pressed" else GOLD
            c.rrect(0, 0, 23, 26, 5, shade(WOOD, -0.2))
            c.rrect(1, 1, 22, 25, 4.5, vertical(c, shade(body, 0.4), body, 0, 26))
            c.polygon(points, RED_DARK)
            put(c, "bmp%05d.bmp" % (base + k))

    for d in range(10):
        c = Canvas(14, 20, MAGENTA)
        draw_digit(c, str(d), (2.5, 2, 9, 16), RED, CREAM, 2.0, 1.0, True)
        put(c, "bmp%05d.bmp" % (32 + d))
    field = Canvas(14, 20, WHITE)
    field.paint(lambda x, y: -1, vertical(field, WHITE, CREAM, 0, 20))
    put(field, "bmp00042.bmp")
    band = Canvas(14, 20, CREAM)
    band.paint(lambda x, y: -1, vertical(band, shade(CREAM_DARK, -0.05), CREAM_DARK, 0, 20))
    put(band, "bmp00043.bmp")
    put(field, "bmp00046.bmp")

    c = Canvas(41, 12, WOOD)
    c.paint(lambda x, y: -1, vertical(c, WOOD, WOOD_DARK, 0, 12))
    c.rect(0, 0, 41, 2, GOLD)
    put(c, "bmp000161.bmp")
    for name in ("bmp000141.bmp", "bmp000151.bmp"):
        c = Canvas(5, 63, WOOD)
        c.paint(lambda x, y: -1, lambda x, y: mix(WOOD_DARK, WOOD, abs(x - 2.5) / 2.5))
        c.rect(2, 0, 3, 63, GOLD, alpha=0.7)
        put(c, name)

    for k, state in enumerate(("normal", "hover", "pressed")):
        c = Canvas(15, 15, RED_DARK)
        body = shade(RED, 0.25) if state == "hover" else shade(RED, -0.2) if state == "pressed" else RED
        c.rrect(0, 0, 15, 15, 4, shade(body, -0.5))
        c.rrect(1, 1, 14, 14, 3.5, vertical(c, shade(body, 0.3), body, 0, 15))
        c.stroke([[(4.5, 4.5), (10.5, 10.5)], [(10.5, 4.5), (4.5, 10.5)]], 1.8, WHITE)
        put(c, "bitmap%d.bmp" % (k + 1))


def create_page(score_icon):
    """The page at (4, 22): rows for table number, name, password, options,
    score and the two settings; window coordinates minus (4, 22)."""
    c = Canvas(232, 396, CREAM)
    c.paint(lambda x, y: -1, vertical(c, CREAM, CREAM_DARK, 0, 396))
    c.rect(0, 0, 232, 22, shade(CREAM_DARK, -0.05))
    c.rect(0, 21, 232, 22, WOOD, alpha=0.6)
    rows = [(60, 90), (90, 120), (135, 170), (206, 240), (250, 282), (280, 312), (310, 344)]
    for top, bottom in rows:
        c.rect(8, top + 2, 224, top + 3, GOLD, alpha=0.5)
    # icons on the left of each row
    c.rrect(14, 4, 40, 18, 3, GREEN_DARK)
    c.ellipse(27, 11, 10, 5, GREEN)
    name_tag(c, 16, 78)
    lock(c, 28, 104, 20, GOLD)
    draw_digit(c, "2", (47, 140, 8, 14), RED, None, 2.0, 0, False)
    c.stroke([[(34, 143), (42, 151)], [(42, 143), (34, 151)]], 2.0, RED)
    # two playing cards beside the check box
    for k, colour in enumerate((RED, INK)):
        c.rrect(42 + 10 * k, 212 + 2 * k, 56 + 10 * k, 232 + 2 * k, 2, WHITE)
        c.rrect_frame(42 + 10 * k, 212 + 2 * k, 56 + 10 * k, 232 + 2 * k, 2, 1.2, colour)
    star(c, 59, 224, 4, RED)
    if score_icon == "coin":
        coin(c, 40, 266, 9, GOLD)
    else:
        bean(c, 40, 266, 7, 9, GREEN)
    letter(c, "A", 33, 290, 12, 16)
    letter(c, "B", 34, 320, 12, 16)
    # fields the dialog writes into
    for x0, y0, x1, y1 in ((100, 0, 147, 21), (104, 256, 168, 280), (119, 286, 150, 310), (119, 317, 150, 341)):
        c.rrect(x0 - 2, y0, x1 + 2, y1, 3, shade(CREAM_DARK, -0.3))
        c.rrect(x0 - 1, y0 + 1, x1 + 1, y1 - 1, 2.5, WHITE)
    c.rrect(78, 170, 128, 190, 4, WHITE)
    c.rrect_frame(78, 170, 128, 190, 4, 1, RED, alpha=0.6)
    return c


# -- the demo lobby's player-list pictures ---------------------------------------------------

def lobby_pictures(root):
    strip = Canvas(225 * 3, 43, CREAM)
    for k, tint in enumerate((CREAM, (255, 236, 170), (222, 244, 214))):
        x0 = 225 * k
        strip.rect(x0, 0, x0 + 225, 43, vertical(strip, shade(tint, 0.4), tint, 0, 43))
        strip.rect(x0, 41, x0 + 225, 43, CREAM_DARK)
        strip.rect(x0 + 1, 2, x0 + 41, 42, shade(tint, -0.1))
        if k:
            strip.rect(x0, 0, x0 + 3, 43, GOLD if k == 1 else GREEN)
    save(strip, root, "lobby", "row_frame.bmp")

    hair = [(40, 30, 20), (90, 60, 30), (20, 20, 24), (130, 80, 40), (200, 160, 90), (60, 40, 70), (150, 40, 30)]
    shirts = [RED, BLUE, GREEN, PURPLE, WOOD, (40, 120, 140), GOLD]
    faces = Canvas(40 * 76, 40, MAGENTA)
    for i in range(76):
        face(faces, 40 * i, hair[i % 7], shirts[(i * 3) % 7], i % 2 == 1, i - 72 if i >= 73 else 0)
    save(faces, root, "lobby", "face.bmp")

    levels = Canvas(20 * 19, 18, MAGENTA)
    for level in range(19):
        x0 = 20 * level
        colour = GREEN if level < 5 else BLUE if level < 10 else PURPLE if level < 15 else RED
        levels.rrect(x0, 0, x0 + 20, 18, 5, shade(colour, -0.45), hard=True)
        levels.rrect(x0 + 1, 1, x0 + 19, 17, 4, vertical(levels, shade(colour, 0.35), colour, 0, 18))
        text = str(level)
        for k, d in enumerate(text):
            x = x0 + 10 - 3.5 * len(text) + 7 * k + 0.5
            draw_digit(levels, d, (x, 3.5, 6, 11), WHITE, None, 1.5, 0, False)
    save(levels, root, "lobby", "level.bmp")

    high = Canvas(26 * 5, 20, MAGENTA)
    for k in range(5):  # image k is level 23 - k
        x0 = 26 * k
        metal = GOLD if k < 2 else GOLD_LIGHT if k < 4 else SILVER
        high.rrect(x0, 0, x0 + 26, 20, 5, shade(RED_DARK, -0.2), hard=True)
        high.rrect(x0 + 1, 1, x0 + 25, 19, 4, vertical(high, RED, RED_DARK, 0, 20))
        crown(high, x0 + 13, 10, 16, 11, metal, (150, 220, 255) if k == 0 else PURPLE)
    save(high, root, "lobby", "high_level.bmp")

    for name, colour, female in (("sex0.bmp", BLUE, False), ("sex1.bmp", (220, 80, 140), True)):
        c = Canvas(16, 16, MAGENTA)
        if female:
            c.ring(8, 6, 4, 2, colour)
            c.stroke([[(8, 10), (8, 15)], [(5, 12.5), (11, 12.5)]], 2, colour, hard=True)
        else:
            c.ring(6.5, 9.5, 4, 2, colour)
            c.stroke([[(9.5, 6.5), (14, 2)], [(10, 2), (14, 2), (14, 6)]], 2, colour, hard=True)
        save(c, root, "lobby", name)

    c = Canvas(225, 430, CREAM)
    c.paint(lambda x, y: -1, vertical(c, CREAM, CREAM_DARK, 0, 430))
    for k in range(5):
        for j in range(9):
            star(c, 22 + 45 * k + (j % 2) * 22, 24 + 48 * j, 5, shade(CREAM_DARK, -0.08))
    save(c, root, "lobby", "list_background.bmp")


# -- the demo lobby's room-entrance buttons -------------------------------------------

def room_button_pictures(root):
    """Nine 13 x 26 images: for normal, hover and pressed a left end, a middle
    piece and a right end. The ends overlap the pieces by 4 pixels; the outer
    edge is hard, so no magenta bleeds into it."""
    w, h = 13, 26
    strip = Canvas(w * 9, h, MAGENTA)
    for state, tint in enumerate(((250, 232, 190), (255, 214, 110), (232, 170, 90))):
        x0 = 3 * w * state
        body = vertical(strip, shade(tint, 0.35), tint, 0, h)
        edge = shade(tint, -0.45)
        # Left end, middle piece, right end, each kept to its own image.
        strip.paint(rrect_sdf(x0 + 0.5, 0.5, x0 + 2 * w, h - 0.5, 8), edge, (x0, 0, x0 + w, h), hard=True)
        strip.paint(rrect_sdf(x0 + 1.5, 1.5, x0 + 2 * w, h - 1.5, 7), body, (x0, 0, x0 + w, h))
        strip.rect(x0 + w, 0, x0 + 2 * w, h, edge)
        strip.rect(x0 + w, 1.5, x0 + 2 * w, h - 1.5, body)
        strip.paint(rrect_sdf(x0 + w, 0.5, x0 + 3 * w - 0.5, h - 0.5, 8), edge, (x0 + 2 * w, 0, x0 + 3 * w, h), hard=True)
        strip.paint(rrect_sdf(x0 + w, 1.5, x0 + 3 * w - 1.5, h - 1.5, 7), body, (x0 + 2 * w, 0, x0 + 3 * w, h))
    save(strip, root, "lobby", "room_button.bmp")


def face(c, x0, hair, shirt, long_hair, special):
    skin_tone = (246, 214, 180)
    c.rrect(x0 + 1, 1, x0 + 39, 39, 7, shade(shirt, -0.5), hard=True)
    c.rrect(x0 + 2, 2, x0 + 38, 38, 6, vertical(c, (255, 244, 222), (236, 214, 176), 0, 40))
    c.rrect(x0 + 8, 28, x0 + 32, 44, 8, shirt)
    c.rect(x0 + 2, 38, x0 + 38, 40, shade(shirt, -0.5))
    if long_hair:
        c.rrect(x0 + 10, 8, x0 + 30, 30, 7, hair)
    c.ellipse(x0 + 20, 19, 9, 10.5, skin_tone)
    c.paint(lambda x, y: max(((x - x0 - 20) / 10.0) ** 2 + ((y - 14) / 7.5) ** 2 - 1, y - 15.5) * 6, hair,
            (x0 + 9, 5, x0 + 31, 16))
    c.circle(x0 + 16.5, 19.5, 1.4, (40, 30, 30))
    c.circle(x0 + 23.5, 19.5, 1.4, (40, 30, 30))
    c.stroke([arc(x0 + 20, 23, 3, 2, 200, 340, 6)], 1.1, (170, 70, 60))
    if special:
        crown(c, x0 + 20, 7, 14, 9, (SILVER, GOLD, GOLD_LIGHT)[special - 1], (RED, BLUE, PURPLE)[special - 1])


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    root = argv[1]
    skin_backgrounds(root)
    skin_groups(root)
    create_dialog_pictures(root)
    lobby_pictures(root)
    room_button_pictures(root)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
