#!/usr/bin/env python3
"""The library's application icon (resource 128): a playing card on a red
rounded tile, at 32 x 32 and 16 x 16, written as lobby_app.ico beside this
script. Run it again only to change the picture; the icon is kept in the
repository so that building needs no Python.
"""
import os
import struct

RED = (176, 40, 30)
RED_DARK = (112, 24, 16)
CREAM = (252, 244, 226)
GOLD = (236, 184, 62)
INK = (96, 52, 20)


def pixel(size, x, y):
    """Colour at (x, y) of a size x size icon, or None outside the tile."""
    s = size / 32.0
    r = 6 * s
    # rounded tile
    cx = min(max(x + 0.5, r), size - r)
    cy = min(max(y + 0.5, r), size - r)
    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 > r * r:
        return None
    colour = RED if y < size * 0.55 else RED_DARK
    # the card
    if 9 * s <= x < 23 * s and 5 * s <= y < 27 * s:
        colour = CREAM
        if x < 10 * s or x >= 22 * s or y < 6 * s or y >= 26 * s:
            colour = GOLD
        # a diamond in the middle
        if abs(x + 0.5 - 16 * s) / (4 * s) + abs(y + 0.5 - 16 * s) / (6 * s) <= 1:
            colour = RED
        if 11 * s <= x < 13 * s and 8 * s <= y < 11 * s:
            colour = INK
    return colour


def image(size):
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(size):
            c = pixel(size, x, y)
            if c is None:
                row += bytes((0, 0, 0))
                mask[x // 8] |= 0x80 >> (x % 8)
            else:
                row += bytes((c[2], c[1], c[0]))
        while len(row) % 4:
            row.append(0)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def main():
    sizes = (32, 16)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 24, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lobby_app.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
