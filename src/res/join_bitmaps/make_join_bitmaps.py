#!/usr/bin/env python3
"""Draws the join dialogs' bitmaps (our own pictures) as 8-bit BMP files.

Run from anywhere; writes beside itself. The output is committed so that the
resource compiler needs nothing but the files:
  input_ok_off.bmp, input_ok_on.bmp, input_ok_disabled.bmp  22 x 19, the toggle
  expand_beans.bmp, expand_score.bmp                        199 x 146, the panel
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bmp(name, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y counted from the top."""
    palette = []
    index = {}
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            colour = pixel(x, y)
            if colour not in index:
                index[colour] = len(palette)
                palette.append(colour)
            row.append(index[colour])
        row.extend(b"\0" * ((4 - width % 4) % 4))
        rows.append(bytes(row))
    if len(palette) > 256:
        raise SystemExit(f"{name}: {len(palette)} colours do not fit a palette")
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pixels = b"".join(reversed(rows))  # bottom-up
    offset = 14 + 40 + len(palette_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, len(palette), 0)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + palette_bytes + pixels)


def toggle(frame, face, mark):
    def pixel(x, y):
        if x in (0, 21) or y in (0, 18):
            return frame
        if x in (1, 20) or y in (1, 17):
            return (255, 255, 255)
        if mark is not None:
            # A tick from (5, 9) down to (9, 13) and up to (16, 5), two pixels thick.
            for t in (0, 1):
                if 5 <= x <= 9 and y - t == x + 4:
                    return mark
                if 9 <= x <= 16 and y - t == 22 - x:
                    return mark
        return face
    return pixel


def panel(top, bottom, accent):
    def pixel(x, y):
        if x in (0, 198) or y in (0, 145):
            return (123, 89, 0)
        if x in (1, 197) or y in (1, 144):
            return accent
        k = y / 145.0
        base = tuple(int(top[i] + (bottom[i] - top[i]) * k) // 8 * 8 for i in range(3))
        # A band behind the criteria and a row of coins along the foot.
        if 8 <= y <= 10 and 6 <= x <= 192:
            return accent
        cx = (x - 12) % 24
        if y >= 128 and (cx - 6) ** 2 + (y - 136) ** 2 <= 20:
            return accent
        return base
    return pixel


write_bmp("input_ok_off.bmp", 22, 19, toggle((123, 89, 0), (250, 240, 215), None))
write_bmp("input_ok_on.bmp", 22, 19, toggle((123, 89, 0), (250, 240, 215), (0, 140, 40)))
write_bmp("input_ok_disabled.bmp", 22, 19, toggle((150, 150, 150), (215, 215, 215), (150, 150, 150)))
write_bmp("expand_beans.bmp", 199, 146, panel((255, 244, 214), (236, 204, 150), (214, 160, 40)))
write_bmp("expand_score.bmp", 199, 146, panel((232, 242, 255), (180, 206, 236), (60, 110, 190)))
