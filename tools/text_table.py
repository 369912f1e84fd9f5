#!/usr/bin/env python3
"""The sample text table STCSV\\PlayerScore_Sim.csv, in GBK.

Text N is the second comma-separated field of line N, so every line up to the
last text is written, unused ones with an empty text. Each text carries what
its users expect of it: the largest slot it is copied into (in GBK bytes) and
the integer conversions it must hold when it is used as a format. The same
declarations check a written file (--check), read back the way the library
reads it: line N, first field skipped, tab, CR and LF dropped.

    text_table.py OUTPUT_DIR          writes OUTPUT_DIR/STCSV/PlayerScore_Sim.csv
    text_table.py --check CSV_FILE    exits 1 with a list of faults
"""
import os
import re
import sys

# number: (text, largest slot in bytes or None, integer conversions as a format
# or None when no caller formats with it, note)
TEXTS = {
    1: ("玩家战绩", 19, None, "score dialog label entry 1"),
    2: ("的战绩", 19, None, "score dialog header, right of the name"),
    3: ("等级：", 19, None, "level label; its second character ends the fallback titles"),
    4: ("经验：%d/%d", 19, 2, "experience against the level's threshold"),
    9: ("积分:%d", 8, 1, "score line; cut to 5 bytes it is the join dialog's score label"),
    10: ("淘豆:%d", 8, 1, "beans line; cut to 5 bytes it is the join dialog's beans label"),
    11: ("魅力:%d", 19, 1, "first figure"),
    12: ("声望:%d", 19, 1, "second figure"),
    13: ("普通场", 19, None, "count group one"),
    14: ("胜", 19, None, "first count of a group"),
    15: ("负", 19, None, "second count of a group"),
    17: ("比赛场", 19, None, "count group two"),
    18: ("时长:%d小时%d分", 19, 2, "time played: hours and minutes"),
    19: ("逃跑:%d次", 19, 1, "first tally"),
    20: ("断线:%d次", 19, 1, "second tally"),
    21: ("保留座位", 10, None, "a seat held for a player id of 1 to 100"),
    22: ("空座位", 6, None, "an empty seat"),
    24: ("这张桌子已满", 99, None, "message dialog, first line"),
    25: ("请另选一张桌子", 99, None, "message dialog, second line"),
    26: ("欢乐", 4, None, "default table name"),
    27: ("文明游戏", 16, None, "the name a filtered table name is replaced by"),
    28: ("依昵称排序", 10, None, "sort caption (exactly 10 bytes to be cached)"),
    29: ("依好友排序", 10, None, "sort caption"),
    30: ("依等级排序", 10, None, "sort caption"),
    31: ("依积分排序", 10, None, "sort caption, score"),
    32: ("依淘豆排序", 10, None, "sort caption, beans"),
    33: ("依桌号排序", 10, None, "sort caption"),
    34: ("比赛专区", 99, None, "contest button"),
    35: ("宋体", 31, None, "font face of the join and score dialogs"),
    36: ("短工", 8, None, "level 0"),
    37: ("长工", 8, None, "level 1"),
    38: ("佃户", 8, None, "level 2"),
    39: ("贫农", 8, None, "level 3"),
    40: ("渔夫", 8, None, "level 4"),
    41: ("猎人", 8, None, "level 5"),
    42: ("中农", 8, None, "level 6"),
    43: ("富农", 8, None, "level 7"),
    44: ("掌柜", 8, None, "level 8"),
    45: ("商人", 8, None, "level 9"),
    46: ("1级地主", 8, None, "level 10"),
    47: ("2级地主", 8, None, "level 11"),
    48: ("3级地主", 8, None, "level 12"),
    49: ("4级地主", 8, None, "level 13"),
    50: ("5级地主", 8, None, "level 14"),
    51: ("6级地主", 8, None, "level 15"),
    52: ("7级地主", 8, None, "level 16"),
    53: ("8级地主", 8, None, "level 17"),
    54: ("9级地主", 8, None, "level 18"),
    55: ("金冠地主", 8, None, "level 19"),
    56: ("白银地主", 8, None, "level 20, and the silver ring's tooltip"),
    57: ("黄金地主", 8, None, "level 21, and the gold ring's tooltip"),
    58: ("钻石地主", 8, None, "level 22, and the diamond ring's tooltip"),
    59: ("状态：空闲", 99, None, "base-data status 0 or 2"),
    60: ("状态：游戏中", 99, None, "base-data status 4"),
    67: ("参赛次数", 19, None, "extra count one"),
    68: ("获奖次数", 19, None, "extra count two"),
    69: ("金冠：升到地主后每升一级得一顶", 79, None, "king hat tooltip"),
    70: ("金冠地主的王冠", 79, None, "level 19 hat tooltip"),
    71: ("15元金卡：可兑换15元礼品", 79, None, "gold card 15 tooltip"),
    72: ("30元金卡：可兑换30元礼品", 79, None, "gold card 30 tooltip"),
    73: ("50元金卡：可兑换50元礼品", 79, None, "gold card 50 tooltip"),
    74: ("5元银卡：可兑换5元礼品", 79, None, "silver card 5 tooltip"),
    75: ("10元银卡：可兑换10元礼品", 79, None, "silver card 10 tooltip"),
    76: ("30元银卡：可兑换30元礼品", 79, None, "silver card 30 tooltip"),
    77: ("1/4", 3, None, "page label"),
    78: ("2/4", 3, None, "page label"),
    79: ("3/4", 3, None, "page label"),
    80: ("4/4", 3, None, "page label"),
    81: ("地主之王", 8, None, "level 23, and its hat's tooltip"),
    82: ("普通玩家", 19, None, "member class 0"),
    83: ("绿钻会员", 19, None, "member class 1"),
    84: ("红钻会员", 19, None, "member class 2"),
    85: ("紫钻会员", 19, None, "member class 3"),
    86: ("依会员排序", 10, None, "sort caption"),
}

# Texts whose first bytes serve as a label of their own: the cut must hold
# no conversion (it is formatted with no argument) and end on a whole character.
LABEL_CUTS = {9: 5, 10: 5}
# Sort captions are cached only when they are exactly this long.
EXACT_LENGTH = {n: 10 for n in (28, 29, 30, 31, 32, 33, 86)}

CONVERSION = re.compile(rb"%(?:%|[-+ #0]*[0-9]*(?:\.[0-9]+)?l?([diuxXocsnpeEfgG]))")
PATH = os.path.join("STCSV", "PlayerScore_Sim.csv")


def conversions(text):
    """The conversions of a format, '%%' left out."""
    return [m.group(1).decode() for m in CONVERSION.finditer(text) if m.group(1)]


def whole_gbk(data):
    """True when data does not end inside a two-byte character."""
    i = 0
    while i < len(data):
        i += 2 if data[i] >= 0x81 else 1
    return i == len(data)


def render():
    last = max(TEXTS)
    lines = []
    for n in range(1, last + 1):
        text = TEXTS[n][0] if n in TEXTS else ""
        lines.append(b"%d," % n + text.encode("gbk"))
    return b"\r\n".join(lines) + b"\r\n"


def read_text(lines, n):
    """Text n as the library reads it."""
    if n > len(lines):
        return b""
    fields = lines[n - 1].split(b",")
    if len(fields) < 2:
        return b""
    return bytes(b for b in fields[1] if b not in (9, 10, 13))


def check(data):
    faults = []
    lines = data.split(b"\n")
    for n, (_, slot, ints, note) in sorted(TEXTS.items()):
        text = read_text(lines, n)
        where = "text %d (%s)" % (n, note)
        if not text:
            faults.append("%s is empty" % where)
            continue
        try:
            text.decode("gbk")
        except UnicodeDecodeError:
            faults.append("%s is not GBK" % where)
        if slot is not None and len(text) > slot:
            faults.append("%s has %d bytes, its slot holds %d" % (where, len(text), slot))
        found = conversions(text)
        if ints is None:
            if found:
                faults.append("%s is not a format but holds %s" % (where, found))
        elif found != ["d"] * ints:
            faults.append("%s must hold %d %%d, holds %s" % (where, ints, found))
        if n in LABEL_CUTS:
            cut = text[:LABEL_CUTS[n]]
            if conversions(cut) or b"%" in cut or not whole_gbk(cut):
                faults.append("%s cut to %d bytes is no clean label" % (where, LABEL_CUTS[n]))
        if n in EXACT_LENGTH and len(text) != EXACT_LENGTH[n]:
            faults.append("%s must be exactly %d bytes" % (where, EXACT_LENGTH[n]))
    return faults


def main(argv):
    if len(argv) == 3 and argv[1] == "--check":
        with open(argv[2], "rb") as f:
            faults = check(f.read())
        for fault in faults:
            print("text table: " + fault)
        print("text table: %d texts checked, %d faults" % (len(TEXTS), len(faults)))
        return 1 if faults else 0
    if len(argv) != 2:
        print(__doc__)
        return 2
    data = render()
    faults = check(data)
    if faults:
        for fault in faults:
            print("text table: " + fault, file=sys.stderr)
        return 1
    target = os.path.join(argv[1], PATH)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
