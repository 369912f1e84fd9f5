#include "info/base_data_rules.h"

#include <gtest/gtest.h>

using namespace base_data;

TEST(BaseDataRulesTest, PortraitsExistForIconsZeroToElevenOnly) {
    EXPECT_STREQ("Icon01", PortraitImage(0));
    EXPECT_STREQ("Icon10", PortraitImage(9));
    EXPECT_STREQ("Icon12", PortraitImage(11));
    EXPECT_EQ(nullptr, PortraitImage(12));
    EXPECT_EQ(nullptr, PortraitImage(255));
}

TEST(BaseDataRulesTest, StatusLinesAndTheStatusARefreshKeeps) {
    EXPECT_EQ(59, StatusTextNumber(0));
    EXPECT_EQ(0, StatusTextNumber(1));
    EXPECT_EQ(59, StatusTextNumber(2));
    EXPECT_EQ(0, StatusTextNumber(3));
    EXPECT_EQ(60, StatusTextNumber(4));
    EXPECT_EQ(0, StatusTextNumber(255));
    EXPECT_EQ(4, StatusAfterRefresh(0, 4));
    EXPECT_EQ(4, StatusAfterRefresh(4, 255));
    EXPECT_EQ(254, StatusAfterRefresh(4, 254));
}

TEST(BaseDataRulesTest, ButtonsReportCodesOneToFour) {
    EXPECT_EQ(1u, ButtonCode(217));
    EXPECT_EQ(4u, ButtonCode(220));
    EXPECT_EQ(0u, ButtonCode(216));
    EXPECT_EQ(0u, ButtonCode(221));
    EXPECT_EQ(0u, ButtonCode(1));
}
