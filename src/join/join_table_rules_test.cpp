#include "join/join_table_rules.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "room_test_records.h"

TEST(JoinTableLevelTitleTest, NamedLevelsTakeTheirTextAndTheRestCountLandlordLevels) {
    EXPECT_EQ(36, LevelTitleOf(0).textNumber);
    EXPECT_EQ(45, LevelTitleOf(9).textNumber);
    EXPECT_EQ(9u, LevelTitleOf(9).slotSize);
    EXPECT_EQ(46, LevelTitleOf(10).textNumber);
    EXPECT_EQ(0, LevelTitleOf(11).textNumber);
    EXPECT_EQ(2, LevelTitleOf(11).landlordLevel);
    EXPECT_EQ(9, LevelTitleOf(18).landlordLevel);
    EXPECT_EQ(55, LevelTitleOf(19).textNumber);
    EXPECT_EQ(58, LevelTitleOf(22).textNumber);
    EXPECT_EQ(81, LevelTitleOf(23).textNumber);
    EXPECT_EQ(11u, LevelTitleOf(23).slotSize);
    EXPECT_EQ(0, LevelTitleOf(24).textNumber);
    EXPECT_EQ(15, LevelTitleOf(24).landlordLevel);
    EXPECT_EQ(246, LevelTitleOf(255).landlordLevel);
}

TEST(JoinTableSpecialRulesTest, RulesFillTheSlotsInOrderAllInsideTheClientArea) {
    RuleImage images[3];
    ASSERT_EQ(1u, SpecialRuleImages(0, images));
    EXPECT_STREQ("NoRule", images[0].image);
    EXPECT_EQ(CRect(118, 91, 202, 106), images[0].rect);

    ASSERT_EQ(3u, SpecialRuleImages(7, images));
    EXPECT_STREQ("NoRule", images[0].image);
    EXPECT_EQ(CRect(17, 109, 101, 124), images[0].rect);
    EXPECT_STREQ("Rule2", images[1].image);
    EXPECT_EQ(SpecialRuleSlot(1), images[1].rect);
    EXPECT_STREQ("Rule3", images[2].image);
    EXPECT_EQ(CRect(118, 109, 202, 124), images[2].rect);

    ASSERT_EQ(2u, SpecialRuleImages(6, images));
    EXPECT_STREQ("Rule2", images[0].image);
    EXPECT_EQ(SpecialRuleSlot(0), images[0].rect);
    EXPECT_STREQ("Rule3", images[1].image);
    EXPECT_EQ(SpecialRuleSlot(1), images[1].rect);

    ASSERT_EQ(0u, SpecialRuleImages(0xF8, images)) << "bits above 2 switch nothing on";
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_LT(SpecialRuleSlot(slot).left, SpecialRuleSlot(slot).right);
        EXPECT_LE(SpecialRuleSlot(slot).right, 222);
    }
}

TEST(JoinTableFocusTest, OnlyShownFieldsAndTheSeatsCountAsAChange) {
    tagKWP_TABLE_LIST_DATA shown = MakeTable(9, 101, 102, 0);
    tagKWP_TABLE_LIST_DATA incoming = shown;
    EXPECT_FALSE(FocusTableChanged(shown, incoming));
    incoming.ucSeatState[1] = 3;
    incoming.ucAddMultiple = 1;
    incoming.ucReserved42[0] = 9;
    EXPECT_FALSE(FocusTableChanged(shown, incoming));

    auto changed = [&](void (*edit)(tagKWP_TABLE_LIST_DATA&)) {
        tagKWP_TABLE_LIST_DATA t = shown;
        edit(t);
        return FocusTableChanged(shown, t);
    };
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.usTableNum = 10; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.bHavePassword = 1; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.bCanPeek = 1; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.ucSettingA = 63; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.ucSettingB = 4; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.uiScore = 100; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.ucSpecialRule = 2; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.uiSeatPlayerID[3] = 5; }));
    EXPECT_TRUE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.acTableName[0] = 'x'; }));
    // Bytes behind the terminator are not part of the name.
    EXPECT_FALSE(changed([](tagKWP_TABLE_LIST_DATA& t) { t.acTableName[10] = 'x'; }));

    tagKWP_TABLE_LIST_DATA full = shown;
    memset(full.acTableName, 'a', sizeof full.acTableName);
    tagKWP_TABLE_LIST_DATA same = full;
    EXPECT_FALSE(FocusTableChanged(full, same)) << "unterminated names compare within their 17 bytes";
}

