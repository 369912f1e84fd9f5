"""A small anti-aliased rasteriser for the sample pictures: shapes are signed
distance functions (negative inside, in pixels), covered by 0.5 - distance;
pictures are written as 24-bit BMP files.

Pictures that the library draws with magenta as the transparent colour must
not blend their edges into magenta (the blend would show as a pink fringe):
`hard=True` draws a shape with full or no coverage, for the outermost layer.
"""
import math
import struct

MAGENTA = (255, 0, 255)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(c, f):
    """Lighter (f > 0) or darker (f < 0) by a fraction towards white or black."""
    return mix(c, (255, 255, 255), f) if f >= 0 else mix(c, (0, 0, 0), -f)


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = [list(background) for _ in range(width * height)]

    # -- painting ---------------------------------------------------------
    def paint(self, sdf, colour, box=None, alpha=1.0, hard=False):
        """Covers the shape sdf(x, y) with colour, a tuple or colour(x, y)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0 = max(0, int(math.floor(x0)) - 1)
        y0 = max(0, int(math.floor(y0)) - 1)
        x1 = min(self.width, int(math.ceil(x1)) + 1)
        y1 = min(self.height, int(math.ceil(y1)) + 1)
        solid = not callable(colour)
        for y in range(y0, y1):
            row = y * self.width
            cy = y + 0.5
            for x in range(x0, x1):
                d = sdf(x + 0.5, cy)
                if hard:
                    cover = 1.0 if d <= 0 else 0.0
                else:
                    cover = 0.5 - d
                if cover <= 0:
                    continue
                if cover > 1:
                    cover = 1.0
                cover *= alpha
                c = colour if solid else colour(x + 0.5, cy)
                p = self.pixels[row + x]
                p[0] += (c[0] - p[0]) * cover
                p[1] += (c[1] - p[1]) * cover
                p[2] += (c[2] - p[2]) * cover

    def fill(self, colour):
        for p in self.pixels:
            p[0], p[1], p[2] = colour

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.paint(box_sdf(x0, y0, x1, y1), colour, (x0, y0, x1, y1), alpha)

    def rrect(self, x0, y0, x1, y1, r, colour, alpha=1.0, hard=False):
        self.paint(rrect_sdf(x0, y0, x1, y1, r), colour, (x0, y0, x1, y1), alpha, hard)

    def rrect_frame(self, x0, y0, x1, y1, r, width, colour, alpha=1.0):
        outer = rrect_sdf(x0, y0, x1, y1, r)
        inner = rrect_sdf(x0 + width, y0 + width, x1 - width, y1 - width, max(0.0, r - width))
        self.paint(lambda x, y: max(outer(x, y), -inner(x, y)), colour, (x0, y0, x1, y1), alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0, hard=False):
        self.paint(lambda x, y: math.hypot(x - cx, y - cy) - r, colour, (cx - r, cy - r, cx + r, cy + r), alpha, hard)

    def ring(self, cx, cy, r, width, colour, alpha=1.0):
        self.paint(lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2.0, colour,
                   (cx - r - width, cy - r - width, cx + r + width, cy + r + width), alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0, hard=False):
        def sdf(x, y):
            k = math.hypot((x - cx) / rx, (y - cy) / ry)
            return (k - 1.0) * min(rx, ry)
        self.paint(sdf, colour, (cx - rx, cy - ry, cx + rx, cy + ry), alpha, hard)

    def stroke(self, paths, width, colour, alpha=1.0, hard=False):
        """Polylines (lists of points) drawn with round caps and joins."""
        segments = []
        for path in paths:
            if len(path) == 1:
                segments.append((path[0], path[0]))
            segments.extend(zip(path, path[1:]))
        half = width / 2.0
        xs = [p[0] for s in segments for p in s]
        ys = [p[1] for s in segments for p in s]
        box = (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)
        self.paint(lambda x, y: segments_distance(segments, x, y) - half, colour, box, alpha, hard)

    def polygon(self, points, colour, alpha=1.0, hard=False):
        """A convex polygon, points in either winding."""
        self.paint(convex_sdf(points), colour, bounds(points), alpha, hard)

    def blit(self, other, dx, dy, key=None):
        for y in range(other.height):
            ty = y + dy
            if not 0 <= ty < self.height:
                continue
            for x in range(other.width):
                tx = x + dx
                if not 0 <= tx < self.width:
                    continue
                p = other.pixels[y * other.width + x]
                if key is not None and tuple(int(round(v)) for v in p) == key:
                    continue
                self.pixels[ty * self.width + tx] = list(p)

    # -- output -----------------------------------------------------------
    def bmp(self):
        stride = (self.width * 3 + 3) & ~3
        rows = []
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for x in range(self.width):
                r, g, b = (max(0, min(255, int(round(v)))) for v in self.pixels[y * self.width + x])
                row += bytes((b, g, r))
            row += b"\0" * (stride - len(row))
            rows.append(bytes(row))
        data = b"".join(rows)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + data

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.bmp())


def bounds(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys))


def box_sdf(x0, y0, x1, y1):
    cx, cy, hx, hy = (x0 + x1) / 2.0, (y0 + y1) / 2.0, (x1 - x0) / 2.0, (y1 - y0) / 2.0

    def sdf(x, y):
        dx = abs(x - cx) - hx
        dy = abs(y - cy) - hy
        return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0)
    return sdf


def rrect_sdf(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        dx = abs(x - cx) - hx
        dy = abs(y - cy) - hy
        return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0) - r
    return sdf


def convex_sdf(points):
    n = len(points)
    area = sum(points[i][0] * points[(i + 1) % n][1] - points[(i + 1) % n][0] * points[i][1] for i in range(n))
    sign = 1.0 if area > 0 else -1.0
    edges = []
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        length = math.hypot(bx - ax, by - ay) or 1.0
        # outward normal for the polygon's winding
        nx, ny = sign * (by - ay) / length, -sign * (bx - ax) / length
        edges.append((ax, ay, nx, ny))

    def sdf(x, y):
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)
    return sdf


def segments_distance(segments, x, y):
    best = 1e9
    for (ax, ay), (bx, by) in segments:
        vx, vy = bx - ax, by - ay
        wx, wy = x - ax, y - ay
        length2 = vx * vx + vy * vy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, (wx * vx + wy * vy) / length2))
        d = math.hypot(wx - vx * t, wy - vy * t)
        if d < best:
            best = d
    return best


def arc(cx, cy, rx, ry, start, end, steps=14):
    """Points of an elliptic arc, angles in degrees, y growing downwards."""
    out = []
    for i in range(steps + 1):
        t = math.radians(start + (end - start) * i / steps)
        out.append((cx + rx * math.cos(t), cy - ry * math.sin(t)))
    return out


# Digits as strokes on a 10 x 16 design grid.
DIGIT_PATHS = {
    "0": [arc(5, 8, 4, 7, 0, 360, 28)],
    "1": [[(2.6, 4.2), (5.8, 1.2), (5.8, 15)]],
    "2": [arc(5, 5.2, 4, 4.2, 160, -35) + [(1.2, 15), (9, 15)]],
    "3": [arc(5, 4.6, 3.7, 3.6, 155, -90, 16), arc(5, 11.3, 4, 3.7, 90, -155, 16)],
    "4": [[(7.2, 15), (7.2, 1.2), (1, 11), (9.4, 11)]],
    "5": [[(8.6, 1.2), (2.6, 1.2), (2.1, 7.2)] + arc(5, 10.6, 4, 4.4, 145, -145, 18)],
    "6": [arc(9, 10.5, 8, 9.3, 180, 108, 10), arc(5, 11, 4, 4, 180, -180, 24)],
    "7": [[(1, 1.2), (9, 1.2), (4, 15)]],
    "8": [arc(5, 4.6, 3.6, 3.6, 0, 360, 22), arc(5, 11.4, 4.1, 3.8, 0, 360, 24)],
    "9": [arc(1, 5.5, 8, 9.3, 0, -72, 10), arc(5, 5, 4, 4, 0, 360, 24)],
}


def digit_paths(digit, x0, y0, width, height):
    """The digit's strokes scaled into the box (x0, y0, width, height)."""
    sx, sy = width / 10.0, height / 16.0
    return [[(x0 + px * sx, y0 + py * sy) for px, py in path] for path in DIGIT_PATHS[digit]]


def draw_digit(canvas, digit, box, colour, outline, width, outline_width, hard_outline):
    x0, y0, w, h = box
    paths = digit_paths(digit, x0, y0, w, h)
    if outline is not None:
        canvas.stroke(paths, width + 2 * outline_width, outline, hard=hard_outline)
    canvas.stroke(paths, width, colour)
