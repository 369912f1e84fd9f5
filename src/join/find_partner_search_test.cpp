#include "join/find_partner_search.h"

#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "room_test_records.h"

namespace {

tagKWP_TABLE_SET_DEFAULT Defaults(unsigned char bMin, unsigned char bMax, unsigned char aMin, unsigned char aMax,
                                  unsigned int mask) {
    tagKWP_TABLE_SET_DEFAULT d;
    memset(&d, 0, sizeof d);
    d.ucSettingBMin = bMin;
    d.ucSettingBMax = bMax;
    d.ucSettingAMin = aMin;
    d.ucSettingAMax = aMax;
    d.uiScoreMask = mask;
    return d;
}

// A room with open tables 4 (settings B 8, A 3, stake 100), 9 (B 8, A 5,
// stake 50) and a locked table 12 like table 4.
class PartnerSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPT_MapInerface::SetTableArrayIsEmpty();
        CPT_MapInerface::SetTableBufEmpty();
        CPT_MapInerface::SwNull();
        tagKWP_ALL_TABLE_INFO batch;
        memset(&batch, 0, sizeof batch);
        batch.stTable[0] = MakeTable(4, 101);
        batch.stTable[0].ucSettingB = 8;
        batch.stTable[0].ucSettingA = 3;
        batch.stTable[0].uiScore = 100;
        batch.stTable[1] = MakeTable(9, 102, 103);
        batch.stTable[1].ucSettingB = 8;
        batch.stTable[1].ucSettingA = 5;
        batch.stTable[1].uiScore = 50;
        batch.stTable[2] = batch.stTable[0];
        batch.stTable[2].usTableNum = 12;
        batch.stTable[2].bHavePassword = 1;
        CPT_MapInerface::InitArray(&batch);
    }
    void TearDown() override {
        CPT_MapInerface::SetTableArrayIsEmpty();
        CPT_MapInerface::SetTableBufEmpty();
        CPT_MapInerface::SwNull();
    }

    static PartnerSearchInput Input(const char* number, const char* name, const char* b, const char* a,
                                    const char* score, bool kind) {
        PartnerSearchInput in;
        in.tableNumber = number;
        in.name = name;
        const char* texts[3] = {b, a, score};
        for (int i = 0; i < 3; ++i) {
            in.selectedText[i] = texts[i] ? texts[i] : kNoLimit;
            in.selection[i] = texts[i] ? 1 : 0;
        }
        in.searchKind = kind;
        return in;
    }
    static constexpr const char* kNoLimit = "\xCE\xDE\xCF\xDE\xD6\xC6";
    tagKWP_TABLE_LIST_DATA found = MakeTable(0);
};

}  // namespace

TEST(PartnerChoicesTest, ListsOfferTheSettingRangesAndTheMaskedStakes) {
    EXPECT_EQ((std::vector<int>{4, 8, 12, 16, 20}), SettingBChoices(Defaults(4, 20, 0, 0, 0)));
    EXPECT_EQ((std::vector<int>{4, 8, 12, 16}), SettingBChoices(Defaults(4, 19, 0, 0, 0)));
    EXPECT_EQ((std::vector<int>{}), SettingBChoices(Defaults(9, 8, 0, 0, 0)));
    EXPECT_EQ(64u, SettingBChoices(Defaults(0, 255, 0, 0, 0)).size()) << "a maximum near 255 ends the list";
    EXPECT_EQ((std::vector<int>{1, 2, 3}), SettingAChoices(Defaults(0, 0, 1, 3, 0)));
    EXPECT_EQ(256u, SettingAChoices(Defaults(0, 0, 0, 255, 0)).size());

    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), ScoreChoices(15));
    EXPECT_EQ((std::vector<int>{10, 500}), ScoreChoices((1u << 5) | (1u << 14) | (1u << 15) | (1u << 20)));
    EXPECT_EQ(15u, ScoreChoices(0xFFFFFFFFu).size()) << "the sixteenth stake is never offered";
}

TEST_F(PartnerSearchTest, NothingChosenAnswersByButtonWithoutTouchingTheFinder) {
    CPT_MapInerface::SetEditState(9);
    CPT_MapInerface::FindTableNum();
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY, RunPartnerSearch(Input("", "", nullptr, nullptr, nullptr, true), found));
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY, RunPartnerSearch(Input("", "", nullptr, nullptr, nullptr, false), found));
    EXPECT_EQ(9u, CPT_MapInerface::GetTableNum(0)) << "the last result stays";
    EXPECT_EQ(0u, CPT_MapInerface::GetCombo1());

    // A chosen "0" alone reads as nothing chosen.
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY, RunPartnerSearch(Input("", "", "0", nullptr, nullptr, true), found));
}

TEST_F(PartnerSearchTest, TableNumberSearchFindsTheTableOrStopsOutsideTheRoom) {
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_FIRST_FOUND, RunPartnerSearch(Input("9", "", "12", nullptr, nullptr, true), found));
    EXPECT_EQ(9, found.usTableNum);
    EXPECT_EQ(102u, found.uiSeatPlayerID[0]);

    // A number without a table still names the slot: the host gets code 3 and finds it empty.
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_SECOND_FOUND, RunPartnerSearch(Input("150", "", nullptr, nullptr, nullptr, false), found));
    EXPECT_EQ(150, found.usTableNum);

    found = MakeTable(77);
    EXPECT_EQ(kSearchSendsNothing, RunPartnerSearch(Input("0", "", "8", nullptr, nullptr, true), found));
    EXPECT_EQ(kSearchSendsNothing, RunPartnerSearch(Input("201", "", nullptr, nullptr, nullptr, true), found));
    EXPECT_EQ(kSearchSendsNothing, RunPartnerSearch(Input("99999999999", "", nullptr, nullptr, nullptr, true), found));
    EXPECT_EQ(77, found.usTableNum) << "a refused number runs no search";
}

TEST_F(PartnerSearchTest, SettingsSearchSetsOnlyTheChosenCriteria) {
    CPT_MapInerface::SetCombo2(3);  // left from an earlier search: must be cleared
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_FIRST_FOUND, RunPartnerSearch(Input("", "", "8", nullptr, "50", true), found));
    EXPECT_EQ(9, found.usTableNum);
    EXPECT_EQ(1u, CPT_MapInerface::GetCombo1());
    EXPECT_EQ(0u, CPT_MapInerface::GetCombo2());
    EXPECT_EQ(1u, CPT_MapInerface::GetCombo3());

    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_SECOND_FOUND, RunPartnerSearch(Input("", "", nullptr, "3", nullptr, false), found));
    EXPECT_EQ(4, found.usTableNum) << "the locked twin of table 4 is never offered";
    EXPECT_EQ(1u, CPT_MapInerface::GetTableMax());

    // "0" counts once another value lets the search run.
    EXPECT_EQ(kSearchSendsNothing, RunPartnerSearch(Input("", "", "0", "3", nullptr, true), found));
    EXPECT_EQ(0, found.usTableNum);
}

TEST_F(PartnerSearchTest, ANameBlocksTheSettingsSearchButNotTheNumberSearch) {
    found = MakeTable(77);
    EXPECT_EQ(kSearchSendsNothing, RunPartnerSearch(Input("", "zhang", "8", nullptr, nullptr, true), found));
    EXPECT_EQ(kSearchSendsNothing, RunPartnerSearch(Input("", "zhang", nullptr, nullptr, nullptr, true), found));
    EXPECT_EQ(77, found.usTableNum);
    EXPECT_EQ(LOBBYUI_PARTNER_SEARCH_FIRST_FOUND, RunPartnerSearch(Input("4", "zhang", nullptr, nullptr, nullptr, true), found));
}
