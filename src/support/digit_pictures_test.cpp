#include "support/digit_pictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Split(int64_t value, int count, bool unpadded) {
    std::vector<int> places(static_cast<size_t>(count));
    if (unpadded) {
        LastDigitsUnpadded(value, count, places.data());
    } else {
        LastDigits(value, count, places.data());
    }
    return places;
}

}  // namespace

TEST(DigitPicturesTest, NumbersSplitIntoFixedPlacesAndAnUnpaddedOneStaysRightAligned) {
    const struct {
        int64_t value;
        int count;
        bool unpadded;
        std::vector<int> places;
    } cases[] = {
        {7, 3, false, {0, 0, 7}},       // a table number
        {200, 3, false, {2, 0, 0}},
        {5, 2, false, {0, 5}},          // a setting
        {63, 2, false, {6, 3}},
        {-4, 2, false, {0, 0}},         // below zero: nothing to show but zeros
        {4294967295LL, 4, false, {7, 2, 9, 5}},
        {50, 4, true, {-1, -1, 5, 0}},  // a stake
        {0, 4, true, {-1, -1, -1, 0}},
        {1005, 4, true, {1, 0, 0, 5}},
        {123456, 4, true, {3, 4, 5, 6}},  // only the low digits, never a picture out of range
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.places, Split(c.value, c.count, c.unpadded));
    }
}

TEST(DigitPicturesTest, EachNamingNamesTenPicturesAndNothingOutsideThem) {
    EXPECT_STREQ("Num0", DigitPictureName(DigitNames::kNum, 0));
    EXPECT_STREQ("Num9", DigitPictureName(DigitNames::kNum, 9));
    EXPECT_STREQ("TableNum7", DigitPictureName(DigitNames::kTableNum, 7));
    EXPECT_STREQ("num3", DigitPictureName(DigitNames::kLowerNum, 3));
    for (DigitNames names : {DigitNames::kNum, DigitNames::kTableNum, DigitNames::kLowerNum}) {
        EXPECT_EQ(nullptr, DigitPictureName(names, -1));
        EXPECT_EQ(nullptr, DigitPictureName(names, 10));
    }
}
