#include "settings/sys_set_rules.h"

#include <gtest/gtest.h>

using SysSetRules::StepVolume;
using SysSetRules::VolumeValueRect;

TEST(SysSetRulesTest, ButtonsStopAtTheBoundsAndMoveOutOfRangeValuesOnlyTowardsThem) {
    EXPECT_EQ(8, StepVolume(7, true).volume);
    EXPECT_TRUE(StepVolume(7, true).changed);
    EXPECT_EQ(8, StepVolume(8, true).volume);
    EXPECT_FALSE(StepVolume(8, true).changed);
    EXPECT_EQ(0, StepVolume(1, false).volume);
    EXPECT_FALSE(StepVolume(0, false).changed);
    EXPECT_EQ(0, StepVolume(0, false).volume);

    // Values the host stored outside 0..8.
    EXPECT_EQ(12, StepVolume(12, true).volume);
    EXPECT_FALSE(StepVolume(12, true).changed);
    EXPECT_EQ(11, StepVolume(12, false).volume);
    EXPECT_EQ(-2, StepVolume(-3, true).volume);
    EXPECT_EQ(-3, StepVolume(-3, false).volume);
    EXPECT_FALSE(StepVolume(-3, false).changed);
}

TEST(SysSetRulesTest, TheValueFillsEightPixelsPerStepAndNeverLeavesItsBar) {
    const CRect music(42, 26, 106, 61);
    EXPECT_EQ(CRect(42, 26, 42, 61), VolumeValueRect(music, 0));
    EXPECT_EQ(CRect(42, 26, 50, 61), VolumeValueRect(music, 1));
    EXPECT_EQ(CRect(42, 26, 106, 61), VolumeValueRect(music, 8));
    EXPECT_TRUE(VolumeValueRect(music, 0).IsRectEmpty());

    EXPECT_TRUE(VolumeValueRect(music, -1).IsRectEmpty());
    EXPECT_TRUE(VolumeValueRect(music, -2147483647 - 1).IsRectEmpty());
    EXPECT_EQ(CRect(42, 26, 106, 61), VolumeValueRect(music, 9));
    EXPECT_EQ(CRect(42, 26, 106, 61), VolumeValueRect(music, 2147483647));
}
