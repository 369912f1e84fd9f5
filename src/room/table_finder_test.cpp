#include "room/table_finder.h"

#include <gtest/gtest.h>
#include <string.h>

#include "room_test_records.h"

namespace {

class TableFinderTest : public ::testing::Test {
protected:
    TableFinderTest() : finder(room) {}

    void Open(const tagKWP_TABLE_LIST_DATA& table) {
        tagKWP_SERVER_UPDATE_TABLE update;
        memset(&update, 0, sizeof(update));
        update.stTable = table;
        room.PlayerCreatAndLeaveTable(&update);
    }
    tagKWP_TABLE_LIST_DATA Locked(tagKWP_TABLE_LIST_DATA table) {
        table.bHavePassword = 1;
        return table;
    }
    tagKWP_TABLE_LIST_DATA WithSettings(tagKWP_TABLE_LIST_DATA table, int b, int a, unsigned int score) {
        table.ucSettingB = static_cast<unsigned char>(b);
        table.ucSettingA = static_cast<unsigned char>(a);
        table.uiScore = score;
        return table;
    }
    std::vector<unsigned int> Results() {
        std::vector<unsigned int> numbers;
        for (unsigned int i = 0; i < finder.GetTableMax(); ++i) numbers.push_back(finder.GetTableNum(i));
        return numbers;
    }

    RoomState room;
    TableFinder finder;
};

TEST_F(TableFinderTest, FindTable1ListsOpenTablesByOccupancy) {
    Open(MakeTable(4, 1, 2));
    Open(Locked(MakeTable(6, 3, 4)));
    Open(MakeTable(9, 0, 5, 6));
    Open(MakeTable(11, 7));
    Open(MakeTable(12, 8, 9, 10));

    finder.FindTable1();  // flag clear: nothing at all
    EXPECT_EQ(0u, finder.GetTableMax());
    EXPECT_EQ(0, finder.GetAnnouncedCount());

    finder.SetRedioState(0);
    finder.FindTable1();
    EXPECT_EQ((std::vector<unsigned int>{4, 9}), Results());
    EXPECT_EQ(2, finder.GetAnnouncedCount());
    EXPECT_EQ(-1, finder.GetCursor());

    finder.SetRedioState(1);
    finder.FindTable1();
    EXPECT_EQ((std::vector<unsigned int>{11}), Results());

    // An unknown radio value runs no scan: count 0, buffer kept.
    finder.SetRedioState(2);
    finder.FindTable1();
    EXPECT_EQ(0u, finder.GetTableMax());
    EXPECT_EQ(11, finder.BufferSlot(0).usTableNum);

    // A scan that finds nothing clears the buffer.
    room.SetTableArrayIsEmpty();
    finder.SetRedioState(1);
    finder.FindTable1();
    EXPECT_TRUE(IsAllZero(&finder.BufferSlot(0), 56));
}

TEST_F(TableFinderTest, FindTable3MatchesSettingsOfOpenTablesThatAreNotFull) {
    Open(WithSettings(MakeTable(2, 1), 3, 10, 100));
    Open(WithSettings(MakeTable(5), 3, 11, 100));
    Open(WithSettings(MakeTable(8, 1, 2, 3), 3, 10, 100));          // full
    Open(Locked(WithSettings(MakeTable(9, 1), 3, 10, 100)));        // password
    Open(WithSettings(MakeTable(14, 1), 3, 10, 200));
    Open(WithSettings(MakeTable(15, 1), 4, 10, 100));

    finder.SetCombo1(3);
    finder.SetCombo3(100);
    finder.SetCombo2();
    finder.FindTable3();
    EXPECT_EQ((std::vector<unsigned int>{2, 5}), Results());

    finder.SetCombo2(10);
    finder.FindTable3();
    EXPECT_EQ((std::vector<unsigned int>{2}), Results());

    finder.SetCombo1();
    finder.SetCombo3();
    finder.FindTable3();  // combo 2 alone
    EXPECT_EQ((std::vector<unsigned int>{2, 14, 15}), Results());

    finder.SetCombo2();
    finder.FindTable3();  // no flag: no scan, nothing found, buffer kept
    EXPECT_EQ(0u, finder.GetTableMax());
    EXPECT_EQ(2, finder.BufferSlot(0).usTableNum);
}

TEST_F(TableFinderTest, FindTable3ValuesKeptThroughSwNullAddScansAndDuplicates) {
    Open(WithSettings(MakeTable(2, 1), 3, 10, 100));
    Open(WithSettings(MakeTable(6, 1), 0, 10, 7));
    finder.SetCombo1(3);
    finder.SetCombo2(10);
    finder.SwNull();
    finder.SetCombo3(100);
    // One flag set, three values of 0 or more: three scans.
    finder.FindTable3();
    EXPECT_EQ((std::vector<unsigned int>{2, 2, 6, 2}), Results());
}

TEST_F(TableFinderTest, FindTable3NeverListsEmptySlotsOrSlotZero) {
    Open(WithSettings(MakeTable(30, 1), 0, 0, 0));
    finder.GetTableBuf_A_Struct0();  // room has a table: slot 0 stays untouched
    room.SetTableArrayIsEmpty();
    EXPECT_EQ(999, finder.GetTableBuf_A_Struct0().usTableNum);  // now slot 0 holds 999
    Open(WithSettings(MakeTable(30, 1), 0, 0, 0));
    finder.SetCombo1(0);
    finder.FindTable3();
    EXPECT_EQ((std::vector<unsigned int>{30}), Results());
}

TEST_F(TableFinderTest, ManyScansFillTheBufferWithoutOverrunningIt) {
    for (unsigned short n = 1; n <= 200; ++n) Open(WithSettings(MakeTable(n, 1), 1, 1, 1));
    finder.SetCombo1(1);
    finder.SetCombo2(1);
    finder.SwNull();
    finder.SetCombo3(1);
    finder.FindTable3();
    EXPECT_EQ(201u, finder.GetTableMax());
    EXPECT_EQ(1u, finder.GetTableNum(200));
    EXPECT_EQ(0u, finder.GetTableNum(201));
}

TEST_F(TableFinderTest, FindTableNumOfAMissingTableShowsOnlyItsNumber) {
    Open(MakeTable(40, 1, 2));
    finder.SetEditState(40);
    finder.FindTableNum();
    EXPECT_EQ((std::vector<unsigned int>{40}), Results());
    EXPECT_EQ(1u, finder.BufferSlot(0).uiSeatPlayerID[0]);

    finder.SetEditState(150);
    finder.FindTableNum();
    EXPECT_EQ((std::vector<unsigned int>{150}), Results());
    tagKWP_TABLE_LIST_DATA expected = MakeTable(150);
    memset(expected.acTableName, 0, sizeof(expected.acTableName));
    EXPECT_EQ(0, memcmp(&expected, &finder.BufferSlot(0), 56));  // nothing of table 40 left

    finder.SetEditState(0);
    finder.FindTableNum();
    finder.SetEditState(201);
    finder.FindTableNum();
    finder.SetEditNum();
    finder.FindTableNum();
    EXPECT_EQ(150, finder.BufferSlot(0).usTableNum);
}

TEST_F(TableFinderTest, FindPlayerNameTakesTheLastSeatWhereTheNameSits) {
    tagKWP_PLAYER_LIST_DATA_EXTRA a = MakePlayer(10, "twin");
    tagKWP_PLAYER_LIST_DATA_EXTRA b = MakePlayer(11, "twin");
    room.AddNewPlayerToMap(&a);
    room.AddNewPlayerToMap(&b);
    Open(MakeTable(3, 10));
    Open(MakeTable(50, 0, 0, 11));
    Open(MakeTable(60, 12));  // 12 is not in the player map

    finder.FindPlayerName("nobody");
    EXPECT_EQ(0u, finder.GetTableMax());
    EXPECT_EQ(-1, finder.GetCursor());

    finder.FindPlayerName("twin");
    EXPECT_EQ(1u, finder.GetTableMax());
    EXPECT_EQ(50, finder.BufferSlot(0).usTableNum);
    EXPECT_EQ(0, finder.GetCursor());
    EXPECT_EQ(0, finder.GetAnnouncedCount());

    // Seats written into a slot that holds no table are no place to sit.
    tagKWP_PLAYER_LIST_DATA_EXTRA ghost = MakePlayer(13, "ghost");
    room.AddNewPlayerToMap(&ghost);
    tagKWP_SERVER_TABLE_STATUS_CHANGE change = MakeSeatChange(80, 13, 0, 0);
    room.PlayerAddAndLeave(&change);
    finder.FindPlayerName("ghost");
    EXPECT_EQ(1u, finder.GetTableMax());
    EXPECT_EQ(50, finder.BufferSlot(0).usTableNum);
}

TEST_F(TableFinderTest, BestTablePrefersTwoPlayersThenOneThenNone) {
    Open(MakeTable(2));
    Open(MakeTable(3, 1));
    Open(Locked(MakeTable(4, 1, 2)));
    Open(MakeTable(9, 1, 2));
    EXPECT_EQ(9, finder.GetTableBuf_A_Struct0().usTableNum);
    room.SetTableArrayIsEmpty();
    Open(MakeTable(3, 1));
    Open(MakeTable(2));
    EXPECT_EQ(3, finder.GetTableBuf_A_Struct0().usTableNum);
    room.SetTableArrayIsEmpty();
    tagKWP_TABLE_LIST_DATA none = finder.GetTableBuf_A_Struct0();
    EXPECT_EQ(999, none.usTableNum);
    EXPECT_EQ(999, room.Slot(0).usTableNum);
}

TEST_F(TableFinderTest, BufferLookupMarksAMissingTableWith999) {
    Open(MakeTable(4, 1, 2));
    Open(MakeTable(9, 3, 4));
    finder.SetRedioState(0);
    finder.FindTable1();
    EXPECT_EQ(9, finder.GetTableBuf_A_Struct(9).usTableNum);
    EXPECT_EQ(999, finder.GetTableBuf_A_Struct(77).usTableNum);
    EXPECT_EQ(999u, finder.GetTableNum(0));
    EXPECT_EQ(1u, finder.GetTableBuf_A_StructEx().uiSeatPlayerID[0]);

    // Number 0 finds the first unused slot, all zero, and marks nothing.
    finder.FindTable1();
    tagKWP_TABLE_LIST_DATA unused = finder.GetTableBuf_A_Struct(0);
    EXPECT_TRUE(IsAllZero(&unused, 56));
    EXPECT_EQ(4u, finder.GetTableNum(0));
}

TEST_F(TableFinderTest, CursorWalksForwardAndBackwardWithWrapping) {
    Open(MakeTable(4, 1, 2));
    Open(MakeTable(9, 3, 4));
    finder.SetRedioState(0);
    finder.FindTable1();
    EXPECT_EQ(-1, finder.GetTableNow());
    finder.SetTableNow();
    EXPECT_EQ(0, finder.GetTableNow());
    finder.SetTableNow();
    EXPECT_EQ(1, finder.GetTableNow());
    finder.SetTableNow();
    EXPECT_EQ(0, finder.GetTableNow());

    // Same count again: the cursor stays where it was.
    finder.FindTable1();
    EXPECT_EQ(0, finder.GetTableNow());

    // Backward: from -1 to count, always reported one lower, so the cursor's
    // own -1 shows as -2 before the walk wraps.
    finder.SetTableBufEmpty();
    finder.FindTable1();
    std::vector<int> backward;
    for (int i = 0; i < 5; ++i) {
        finder.SetPreTableNow();
        backward.push_back(finder.GetTableNowEx());
    }
    EXPECT_EQ((std::vector<int>{1, 0, -1, -2, 1}), backward);

    finder.SetTableNowEx();
    EXPECT_EQ(0, finder.GetCursor());
}

TEST_F(TableFinderTest, EmptiedBufferResetsTheCursorAndCounts) {
    Open(MakeTable(4, 1, 2));
    finder.SetRedioState(0);
    finder.FindTable1();
    finder.SetTableBufEmpty();
    EXPECT_EQ(0u, finder.GetTableMax());
    EXPECT_EQ(-1, finder.GetAnnouncedCount());
    EXPECT_EQ(0, finder.GetTableNow());
    EXPECT_EQ(-1, finder.GetCursor());
    EXPECT_TRUE(IsAllZero(&finder.BufferSlot(0), 56));
    // A count that differs from the announced one moves the cursor to 0.
    finder.SetTableNow();
    EXPECT_EQ(0, finder.GetCursor());
}

}  // namespace
