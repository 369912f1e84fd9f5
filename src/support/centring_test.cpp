#include "support/centring.h"

#include <gtest/gtest.h>

namespace {

TEST(CentredOnTest, SplitsTheSpareRoomEvenlyEvenWhenTheWindowIsLarger) {
    EXPECT_EQ(CPoint(150, 125), CentredOn(CRect(100, 50, 300, 250), 100, 50));
    EXPECT_EQ(CPoint(100, 50), CentredOn(CRect(100, 50, 300, 250), 200, 200));
    EXPECT_EQ(CPoint(50, 0), CentredOn(CRect(100, 50, 300, 250), 300, 300)) << "overhangs left and above";
    // Odd spare room: half of it rounded towards zero, either way.
    EXPECT_EQ(CPoint(9, 9), CentredOn(CRect(0, 0, 21, 21), 2, 2));
    EXPECT_EQ(CPoint(-1, -1), CentredOn(CRect(0, 0, 20, 20), 23, 23));
}

}  // namespace
