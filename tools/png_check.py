#!/usr/bin/env python3
"""Reads back the tour's screenshots with a decoder of its own (the standard
library's zlib and nothing else) and checks each file: signature, chunk
checksums, an 8-bit RGB header, image data that inflates to exactly the rows
the header promises and valid row filters; the first and the last file are
decoded to their pixels (a slow affair in Python) and must not be blank.

    png_check.py DIRECTORY [MIN_FILES]    exits 1 with a list of faults
"""
import glob
import os
import struct
import sys
import zlib


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode(data, pixels=True):
    """The pixels of an 8-bit RGB PNG as rows of bytes (none unless pixels);
    raises ValueError."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("no PNG signature")
    pos, header, idat, ended = 8, None, b"", False
    while pos < len(data):
        if pos + 12 > len(data):
            raise ValueError("truncated chunk")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            raise ValueError("bad checksum in %s" % kind.decode("latin-1"))
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            ended = True
        pos += 12 + length
    if not header or not ended:
        raise ValueError("missing IHDR or IEND")
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 2, 0):
        raise ValueError("not 8-bit RGB without interlace")
    raw = zlib.decompress(idat)
    stride = width * 3
    if len(raw) != height * (stride + 1):
        raise ValueError("image data holds %d bytes, %d expected" % (len(raw), height * (stride + 1)))
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        if kind > 4:
            raise ValueError("row %d has filter %d" % (y, kind))
        if not pixels:
            continue
        for x in range(stride):
            a = line[x - 3] if x >= 3 else 0
            b = previous[x]
            c = previous[x - 3] if x >= 3 else 0
            line[x] = (line[x] + (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__)
        return 2
    files = sorted(glob.glob(os.path.join(argv[1], "*.png")))
    wanted = int(argv[2]) if len(argv) == 3 else 1
    faults = []
    if len(files) < wanted:
        faults.append("%d screenshots, at least %d expected" % (len(files), wanted))
    for index, path in enumerate(files):
        try:
            full = index in (0, len(files) - 1)
            with open(path, "rb") as f:
                width, height, rows = decode(f.read(), full)
            if not full:
                continue
            colours = set()
            for row in rows[::4]:
                colours.update(row[i:i + 3] for i in range(0, len(row), 3))
            if len(colours) < 16:
                faults.append("%s shows %d colours: blank" % (os.path.basename(path), len(colours)))
        except (ValueError, zlib.error, struct.error) as e:
            faults.append("%s: %s" % (os.path.basename(path), e))
    for fault in faults:
        print("screenshots: " + fault)
    print("screenshots: %d checked, %d faults" % (len(files), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
