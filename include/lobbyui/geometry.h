// CPoint and CRect: portable points and rectangles with the meaning of the
// well-known framework's classes. The Win32 side converts them to and from
// POINT and RECT (win/win_geometry.h); the portable core uses them for the
// rectangles its rules compute.
#ifndef LOBBYUI_GEOMETRY_H
#define LOBBYUI_GEOMETRY_H

#include <stdint.h>

class CPoint {
public:
    int32_t x = 0;
    int32_t y = 0;

    CPoint() = default;
    CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
    CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
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

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void OffsetRect(int32_t dx, int32_t dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void DeflateRect(int32_t dx, int32_t dy) { left += dx; right -= dx; top += dy; bottom -= dy; }

    bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

#endif
