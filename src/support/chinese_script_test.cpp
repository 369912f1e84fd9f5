#include "support/chinese_script.h"

#include <gtest/gtest.h>

namespace {

TEST(ChineseScriptTest, OnlyChineseOfTaiwanIsTraditional) {
    EXPECT_TRUE(IsTraditionalChinese(0x0404));
    EXPECT_FALSE(IsTraditionalChinese(0x0804));  // PRC
    EXPECT_FALSE(IsTraditionalChinese(0x0C04));  // Hong Kong
    EXPECT_FALSE(IsTraditionalChinese(0x1004));  // Singapore
    EXPECT_FALSE(IsTraditionalChinese(0x1404));  // Macao
    EXPECT_FALSE(IsTraditionalChinese(0x0409)) << "sublanguage 1 of English";
    EXPECT_FALSE(IsTraditionalChinese(0x0411)) << "sublanguage 1 of Japanese";
    EXPECT_FALSE(IsTraditionalChinese(0x0004)) << "Chinese without a sublanguage";
    EXPECT_FALSE(IsTraditionalChinese(0x0000));
}

}  // namespace
