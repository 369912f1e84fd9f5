#include <lobbyui/geometry.h>

#include <gtest/gtest.h>

namespace {

// Read through volatile so the compiler cannot fold the arithmetic away from
// the sanitizer's eyes.
int32_t Opaque(int32_t value) {
    volatile int32_t held = value;
    return held;
}

const int32_t kMin = INT32_MIN;
const int32_t kMax = INT32_MAX;

// Hosts hand in rectangles with any coordinates an int holds; the sizes of
// those wider than an int wrap round instead of overflowing, and ordinary
// rectangles keep their plain sizes.
TEST(CRectTest, WidthAndHeightAreDefinedForEveryRectangle) {
    struct Case {
        CRect rect;
        int32_t width;
        int32_t height;
    };
    const Case cases[] = {
        {CRect(10, 20, 110, 70), 100, 50},
        {CRect(110, 70, 10, 20), -100, -50},
        {CRect(kMin, 0, kMax, 10), -1, 10},
        {CRect(0, kMin, 10, kMax), 10, -1},
        {CRect(kMax, kMax, kMin, kMin), 1, 1},
        {CRect(-1, -1, kMax, kMax), kMin, kMin},
        {CRect(kMin, kMin, 0, 0), kMin, kMin},
        {CRect(kMin + 1, kMin + 1, 0, 0), kMax, kMax},
        {CRect(kMin, kMin, kMin, kMin), 0, 0},
    };
    for (const Case& c : cases) {
        const CRect rect(Opaque(c.rect.left), Opaque(c.rect.top), Opaque(c.rect.right), Opaque(c.rect.bottom));
        SCOPED_TRACE(testing::Message() << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom);
        EXPECT_EQ(c.width, rect.Width());
        EXPECT_EQ(c.height, rect.Height());
    }
}

TEST(CRectTest, MovingAndShrinkingPastTheEndsOfAnIntWrapRound) {
    CRect rect(Opaque(kMax - 5), Opaque(kMin + 5), Opaque(kMax), Opaque(kMin + 10));
    rect.OffsetRect(Opaque(10), Opaque(-10));
    EXPECT_EQ(CRect(kMin + 4, kMax - 4, kMin + 9, kMin), rect);
    EXPECT_EQ(5, rect.Width());
    EXPECT_EQ(5, rect.Height());

    CRect shrunk(Opaque(kMin), Opaque(0), Opaque(kMax), Opaque(10));
    shrunk.DeflateRect(Opaque(-1), Opaque(2));
    EXPECT_EQ(CRect(kMax, 2, kMin, 8), shrunk);
    EXPECT_EQ(CPoint(kMin, 1), CPoint(Opaque(kMax), 0) + CPoint(Opaque(1), 1));
    EXPECT_EQ(CPoint(kMax, -1), CPoint(Opaque(kMin), 0) - CPoint(Opaque(1), 1));
}

}  // namespace
