#include "support/decimal_text.h"

#include <gtest/gtest.h>

#include <limits.h>

namespace {

TEST(TextToIntTest, ReadsLikeAtoiUpToTheFirstStrayCharacter) {
    EXPECT_EQ(0, TextToInt(nullptr));
    EXPECT_EQ(0, TextToInt(""));
    EXPECT_EQ(0, TextToInt("abc"));
    EXPECT_EQ(0, TextToInt("-"));
    EXPECT_EQ(42, TextToInt("  \t42"));
    EXPECT_EQ(-17, TextToInt("-17"));
    EXPECT_EQ(8, TextToInt("+8"));
    EXPECT_EQ(12, TextToInt("12ab34"));
    EXPECT_EQ(0, TextToInt("- 5")) << "a blank after the sign ends the number";
}

TEST(TextToIntTest, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(INT_MAX, TextToInt("2147483647"));
    EXPECT_EQ(INT_MAX, TextToInt("2147483648"));
    EXPECT_EQ(INT_MIN, TextToInt("-2147483648"));
    EXPECT_EQ(INT_MIN, TextToInt("-2147483649"));
    EXPECT_EQ(INT_MAX, TextToInt("99999999999999999999999999999999"));
    EXPECT_EQ(INT_MIN, TextToInt("-99999999999999999999999999999999"));
}

}  // namespace
