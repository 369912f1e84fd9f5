// CPoint and CRect: portable points and rectangles with the meaning of the
// well-known framework's classes. The Win32 side converts them to and from
// POINT and RECT (win/win_geometry.h); the portable core uses them for the
// rectangles its rules compute.
#ifndef LOBBYUI_GEOMETRY_H
#define LOBBYUI_GEOMETRY_H

#include <stdint.h>

// Coordinates come from hosts and may be anything an int holds, so sums and
// differences of two of them wrap round modulo 2^32, as the framework's classes
// give them on every machine they run on, instead of overflowing (which is
// undefined). The arithmetic is unsigned, where wrapping is defined, and the
// way back to int32_t is spelled out for the same reason.
struct CoordinateArithmetic {
    static int32_t FromBits(uint32_t bits) {
        return bits <= 0x7FFFFFFFu ? static_cast<int32_t>(bits) : -static_cast<int32_t>(0xFFFFFFFFu - bits) - 1;
    }
    static int32_t Add(int32_t a, int32_t b) { return FromBits(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
    static int32_t Sub(int32_t a, int32_t b) { return FromBits(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }
};

class CPoint {
public:
    int32_t x = 0;
    int32_t y = 0;

    CPoint() = default;
    CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    CPoint operator+(const CPoint& o) const {
        return CPoint(CoordinateArithmetic::Add(x, o.x), CoordinateArithmetic::Add(y, o.y));
    }
    CPoint operator-(const CPoint& o) const {
        return CPoint(CoordinateArithmetic::Sub(x, o.x), CoordinateArithmetic::Sub(y, o.y));
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};

class CRect {
public:
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    CRect() = default;
    CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}

    // A rectangle wider than an int can say, such as (INT32_MIN, 0,
    // INT32_MAX, 10), has a wrapped, negative width: callers take it for empty.
    int32_t Width() const { return CoordinateArithmetic::Sub(right, left); }
    int32_t Height() const { return CoordinateArithmetic::Sub(bottom, top); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void OffsetRect(int32_t dx, int32_t dy) {
        left = CoordinateArithmetic::Add(left, dx);
        right = CoordinateArithmetic::Add(right, dx);
        top = CoordinateArithmetic::Add(top, dy);
        bottom = CoordinateArithmetic::Add(bottom, dy);
    }
    void DeflateRect(int32_t dx, int32_t dy) {
        left = CoordinateArithmetic::Add(left, dx);
        right = CoordinateArithmetic::Sub(right, dx);
        top = CoordinateArithmetic::Add(top, dy);
        bottom = CoordinateArithmetic::Sub(bottom, dy);
    }

    bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

#endif
