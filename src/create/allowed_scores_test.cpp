#include "create/allowed_scores.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> Values(const AllowedScoreList& list) {
    std::vector<int32_t> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.At(i));
    return out;
}

}  // namespace

TEST(AllowedScoreListTest, FullMaskGivesEveryValueWithABitInTableOrder) {
    AllowedScoreList classic(ScoreValueTable::Classic);
    classic.Build(0xFFFFFFFFu);
    EXPECT_EQ((std::vector<int32_t>{0, 5, 10, 20, 30, 50, 100, 200, 300, 500, 1000, 2000, 3000, 5000}), Values(classic));
    EXPECT_EQ(14, classic.SlotCount());

    // The new table's sixteenth entry (0) has no bit and never appears.
    AllowedScoreList fresh(ScoreValueTable::New);
    fresh.Build(0xFFFFFFFFu);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3, 4, 5, 10, 20, 30, 40, 50, 100, 200, 300, 400, 500}), Values(fresh));
    EXPECT_EQ(-1, fresh.At(15));
    EXPECT_EQ(-1, fresh.Find(0));
}

TEST(AllowedScoreListTest, RebuildClearsTheOldListAndPartialMasksKeepOrder) {
    AllowedScoreList list(ScoreValueTable::New);
    list.Build(0x7FFF);
    list.Build((1u << 4) | (1u << 5) | (1u << 14));
    EXPECT_EQ((std::vector<int32_t>{5, 10, 500}), Values(list));
    EXPECT_EQ(1, list.Find(10));

    list.Build(0);
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(-1, list.At(0));
}

TEST(AllowedScoreListTest, RefreshTakesTheDefaultsPositionOnlyWhenAllowed) {
    AllowedScoreList list(ScoreValueTable::Classic);
    list.Build((1u << 1) | (1u << 3) | (1u << 6));  // 5, 20, 100
    EXPECT_EQ(2, list.DefaultPosition(true, 6, 0));
    EXPECT_EQ(1, list.DefaultPosition(true, 3, 0));
    EXPECT_EQ(0, list.DefaultPosition(false, 6, 0)) << "flag clear keeps the position";
    EXPECT_EQ(2, list.DefaultPosition(true, 4, 2)) << "30 is not allowed";
    EXPECT_EQ(1, list.DefaultPosition(true, 14, 1)) << "past the table";
    EXPECT_EQ(1, list.DefaultPosition(true, 255, 1));

    // Entry 15 of the new table is 0, which its list never holds.
    AllowedScoreList fresh(ScoreValueTable::New);
    fresh.Build(0x7FFF);
    EXPECT_EQ(3, fresh.DefaultPosition(true, 15, 3));
    EXPECT_EQ(14, fresh.DefaultPosition(true, 14, 3));
}
