#include "room/room_state.h"

#include <gtest/gtest.h>
#include <string.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "room/lobby_room.h"
#include "room_test_records.h"
#include "test_log_capture.h"

namespace {

// Offsets are checked where the records are declared; the bit fields of byte
// 2 can only be checked on bytes.
TEST(RoomRecordsTest, TableFlagsShareByte2LowBitFirst) {
    tagKWP_TABLE_LIST_DATA table = MakeTable(0x0102);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(&table);
    table.bHavePassword = 1;
    table.ucSettingA = 5;
    EXPECT_EQ(0x01 | (5 << 2), b[2]);
    table.bHavePassword = 0;
    table.bCanPeek = 1;
    table.ucSettingA = 63;
    EXPECT_EQ(0xFE, b[2]);
    EXPECT_EQ(0x02, b[0]);
    EXPECT_EQ(0x01, b[1]);
}

class RoomStateTest : public ::testing::Test {
protected:
    RoomState room;
};

TEST_F(RoomStateTest, InitArrayCopiesNumberedRecordsIntoTheirSlotsOnly) {
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof(batch));
    room.InitArray(&batch);
    for (unsigned int n = 0; n < kRoomSlotCount; ++n) ASSERT_TRUE(IsAllZero(&room.Slot(n), 56));

    batch.stTable[1] = MakeTable(3, 1, 2);
    batch.stTable[6] = MakeTable(7);
    batch.stTable[6].ucReserved42[0] = 0x5A;  // carried bytes travel too
    // Out of range: refused, never written anywhere.
    batch.stTable[8] = MakeTable(201, 9);
    batch.stTable[9] = MakeTable(0xFFFF, 9);
    room.InitArray(&batch);
    room.InitArray(nullptr);
    for (unsigned int n = 0; n < kRoomSlotCount; ++n) {
        if (n == 3 || n == 7) continue;
        EXPECT_TRUE(IsAllZero(&room.Slot(n), 56)) << "slot " << n;
    }
    EXPECT_EQ(0, memcmp(&batch.stTable[1], &room.Slot(3), 56));
    EXPECT_EQ(0, memcmp(&batch.stTable[6], &room.Slot(7), 56));
    tagKWP_TABLE_LIST_DATA copy = room.GetTable_A_Struct(7);
    EXPECT_EQ(0x5A, copy.ucReserved42[0]);
    EXPECT_TRUE(IsAllZero(&(copy = room.GetTable_A_Struct(201)), 56));
    EXPECT_TRUE(IsAllZero(&(copy = room.GetTable_A_Struct(0)), 56));
    // Slot 0 reads back as it is, the best-table pick's 999 included.
    room.MarkNoTable();
    EXPECT_EQ(999, room.GetTable_A_Struct(0).usTableNum);
}

TEST_F(RoomStateTest, OpeningAndClosingATableUpdate) {
    tagKWP_SERVER_UPDATE_TABLE update;
    memset(&update, 0, sizeof(update));
    update.stTable = MakeTable(12, 4, 5, 6);
    room.PlayerCreatAndLeaveTable(&update);
    EXPECT_EQ(0, memcmp(&update.stTable, &room.Slot(12), 56));

    // Closing: only the number counts, garbage behind it is not copied.
    memset(&update.stTable, 0xCC, sizeof(update.stTable));
    update.stTable.usTableNum = 12;
    update.ucClose = 1;
    room.PlayerCreatAndLeaveTable(&update);
    EXPECT_TRUE(IsAllZero(&room.Slot(12), 56));

    // A number 0 record would otherwise land in slot 0.
    update.ucClose = 0;
    update.stTable.usTableNum = 0;
    room.PlayerCreatAndLeaveTable(&update);
    update.stTable.usTableNum = 300;
    room.PlayerCreatAndLeaveTable(&update);
    room.PlayerCreatAndLeaveTable(nullptr);
    EXPECT_TRUE(IsAllZero(&room.Slot(0), 56));
}

TEST_F(RoomStateTest, SeatStatesFollowPlayerIdsAndAnEmptiedTableDisappears) {
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof(batch));
    batch.stTable[0] = MakeTable(20, 100, 200, 300);
    batch.stTable[0].ucSeatState[0] = 1;
    batch.stTable[0].ucSeatState[1] = 1;
    batch.stTable[0].ucSeatState[2] = 1;
    room.InitArray(&batch);

    tagKWP_SERVER_TABLE_STATUS_CHANGE change = MakeSeatChange(20, 0, 200, 0, 7, 9, 8);
    room.UpDataTableArray(&change);
    EXPECT_EQ(1, room.Slot(20).ucSeatState[0]);
    EXPECT_EQ(9, room.Slot(20).ucSeatState[1]);
    EXPECT_EQ(1, room.Slot(20).ucSeatState[2]);

    // Three zero ids keep the table; the next status update drops it.
    change = MakeSeatChange(20, 0, 0, 0, 4, 4, 4);
    room.PlayerAddAndLeave(&change);
    EXPECT_EQ(20, room.Slot(20).usTableNum);
    EXPECT_STREQ("table", room.Slot(20).acTableName);
    EXPECT_EQ(4, room.Slot(20).ucSeatState[0]);
    change = MakeSeatChange(20, 555, 0, 0, 3, 3, 3);
    room.UpDataTableArray(&change);
    EXPECT_TRUE(IsAllZero(&room.Slot(20), 56));

    // PlayerAddAndLeave seats players and touches nothing else.
    batch.stTable[0].uiSeatPlayerID[3] = 77;
    room.InitArray(&batch);
    change = MakeSeatChange(20, 1, 0, 3, 5, 6, 7);
    room.PlayerAddAndLeave(&change);
    EXPECT_EQ(1u, room.Slot(20).uiSeatPlayerID[0]);
    EXPECT_EQ(0u, room.Slot(20).uiSeatPlayerID[1]);
    EXPECT_EQ(6, room.Slot(20).ucSeatState[1]);
    EXPECT_EQ(77u, room.Slot(20).uiSeatPlayerID[3]);

    // Bad table numbers and null records are ignored.
    change = MakeSeatChange(0, 1, 2, 3, 5, 5, 5);
    room.PlayerAddAndLeave(&change);
    room.UpDataTableArray(&change);
    change.usTableNum = 201;
    room.PlayerAddAndLeave(&change);
    room.UpDataTableArray(&change);
    room.PlayerAddAndLeave(nullptr);
    room.UpDataTableArray(nullptr);
    EXPECT_TRUE(IsAllZero(&room.Slot(0), 56));

    room.SetTableArrayIsEmpty();
    EXPECT_TRUE(IsAllZero(&room.Slot(20), 56));
}

TEST_F(RoomStateTest, PlayerMapKeepsAPrivateCopyOfTheFirstRecord) {
    tagKWP_PLAYER_LIST_DATA_EXTRA first = MakePlayer(8, "first");
    first.ucTableCache = 55;
    tagKWP_PLAYER_LIST_DATA_EXTRA second = MakePlayer(8, "second");
    EXPECT_EQ(1, room.AddNewPlayerToMap(&first));
    EXPECT_EQ(0, room.AddNewPlayerToMap(&second));
    EXPECT_EQ(0, room.AddNewPlayerToMap(nullptr));
    strcpy(first.acNickName, "changed");

    tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
    ASSERT_EQ(1, room.GetAPlayerData(out, 8));
    EXPECT_STREQ("first", out->acNickName);
    EXPECT_EQ(0, out->ucTableCache);
    EXPECT_NE(&first, out);

    tagKWP_PLAYER_LIST_DATA_EXTRA* untouched = &second;
    EXPECT_EQ(0, room.GetAPlayerData(untouched, 9));
    EXPECT_EQ(&second, untouched);
    EXPECT_EQ(1, room.RemovePlayerFromMap(9));
    EXPECT_EQ(1, room.RemovePlayerFromMap(8));
    EXPECT_EQ(0, room.GetAPlayerData(out, 8));
}

TEST_F(RoomStateTest, AFullPlayerMapRefusesWithoutLeakingAndEmptiesCompletely) {
    for (unsigned int id = 1; id <= 750; ++id) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "p");
        ASSERT_EQ(1, room.AddNewPlayerToMap(&player));
    }
    tagKWP_PLAYER_LIST_DATA_EXTRA extra = MakePlayer(751, "late");
    EXPECT_EQ(0, room.AddNewPlayerToMap(&extra));  // LeakSanitizer would report the refused copy
    room.RemoveAllPlayerFromMap();
    EXPECT_EQ(0u, room.Players().GetCount());
    tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
    EXPECT_EQ(1, room.GetPlayerDataAndNext(out, 1));
    EXPECT_EQ(1, room.AddNewPlayerToMap(&extra));
}

TEST_F(RoomStateTest, PlayerWalkVisitsEachPlayerOnceAndSurvivesRemovals) {
    tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
    EXPECT_EQ(1, room.GetPlayerDataAndNext(out, 1));
    EXPECT_EQ(nullptr, out);

    for (unsigned int id : {3u, 40u, 77u}) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "x");
        room.AddNewPlayerToMap(&player);
    }
    // 40 and 77 share bucket 3 with 3; the newest comes first.
    std::vector<unsigned int> seen;
    for (unsigned char restart = 1; room.GetPlayerDataAndNext(out, restart) == 0; restart = 0)
        seen.push_back(out->uiPlayerID);
    EXPECT_EQ((std::vector<unsigned int>{77, 40, 3}), seen);
    EXPECT_EQ(1, room.GetPlayerDataAndNext(out, 0));

    // Removing the player the walk stands on moves the walk past it.
    ASSERT_EQ(0, room.GetPlayerDataAndNext(out, 1));  // 77; the walk now stands on 40
    room.RemovePlayerFromMap(40);
    ASSERT_EQ(0, room.GetPlayerDataAndNext(out, 0));
    EXPECT_EQ(3u, out->uiPlayerID);
    EXPECT_EQ(1, room.GetPlayerDataAndNext(out, 0));

    // Emptying the map ends a walk in progress instead of leaving it on a
    // node back in the pool.
    ASSERT_EQ(0, room.GetPlayerDataAndNext(out, 1));
    room.RemoveAllPlayerFromMap();
    tagKWP_PLAYER_LIST_DATA_EXTRA* before = out;
    EXPECT_EQ(1, room.GetPlayerDataAndNext(out, 0));
    EXPECT_EQ(before, out);
}

TEST_F(RoomStateTest, AngelNeedsTheExactNicknameAndMark100) {
    tagKWP_PLAYER_LIST_DATA_EXTRA angel = MakePlayer(1, "Gabriel", 100);
    tagKWP_PLAYER_LIST_DATA_EXTRA mortal = MakePlayer(2, "Adam", 99);
    // Fills all 40 bytes with no terminator.
    tagKWP_PLAYER_LIST_DATA_EXTRA longName = MakePlayer(3, "0123456789012345678901234567890123456789", 100);
    room.AddNewPlayerToMap(&angel);
    room.AddNewPlayerToMap(&mortal);
    room.AddNewPlayerToMap(&longName);
    char gabriel[] = "Gabriel";
    char gab[] = "Gab";
    char lower[] = "gabriel";
    char adam[] = "Adam";
    char forty[] = "0123456789012345678901234567890123456789";
    char fortyOne[] = "0123456789012345678901234567890123456789X";
    EXPECT_TRUE(room.GetIsAngell(gabriel));
    EXPECT_FALSE(room.GetIsAngell(gab));
    EXPECT_FALSE(room.GetIsAngell(lower));
    EXPECT_FALSE(room.GetIsAngell(adam));
    EXPECT_TRUE(room.GetIsAngell(forty));
    EXPECT_FALSE(room.GetIsAngell(fortyOne));
    EXPECT_FALSE(room.GetIsAngell(nullptr));
}

TEST_F(RoomStateTest, PlayerTableMapKeepsTheFirstTableAndRefusesNumbersPastTheRoom) {
    EXPECT_EQ(1, room.AddPlayerToTable(6, 5));
    EXPECT_EQ(0, room.AddPlayerToTable(6, 9));
    EXPECT_EQ(5, room.GetPlayerTableNum(6));
    EXPECT_EQ(0, room.AddPlayerToTable(7, 201));
    EXPECT_EQ(0, room.GetPlayerTableNum(7));
    // 0 is stored like any number, and holds the place until removed.
    EXPECT_EQ(1, room.AddPlayerToTable(7, 0));
    EXPECT_EQ(0, room.AddPlayerToTable(7, 3));
    EXPECT_EQ(0, room.GetPlayerTableNum(7));
    EXPECT_EQ(1, room.RemovePlayerFromTable(7));
    EXPECT_EQ(1, room.RemovePlayerFromTable(6));
    EXPECT_EQ(0, room.RemovePlayerFromTable(6));
    for (unsigned int id = 1; id <= 100; ++id) room.AddPlayerToTable(id, id % 200 + 1);
    room.RemoveAllPlayerFromTable();
    EXPECT_EQ(0u, room.PlayerTables().GetCount());
}

// The 751st player finds no record and no node: refused with the map's own
// message, once; a player already present is refused without one.
TEST_F(RoomStateTest, AFullRoomSaysSoOnceAndADuplicatePlayerSaysNothing) {
    for (unsigned int id = 1; id <= 750; ++id) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "p");
        ASSERT_EQ(1, room.AddNewPlayerToMap(&player));
    }
    TestLogCapture log;
    tagKWP_PLAYER_LIST_DATA_EXTRA again = MakePlayer(750, "again");
    EXPECT_EQ(0, room.AddNewPlayerToMap(&again));
    EXPECT_TRUE(log.Take().empty());
    tagKWP_PLAYER_LIST_DATA_EXTRA late = MakePlayer(751, "late");
    EXPECT_EQ(0, room.AddNewPlayerToMap(&late));
    std::vector<std::string> lines = log.Take();
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("NvtMapBase<unsigned int,struct tagKWP_PLAYER_LIST_DATA_EXTRA *>::SetAt()-> unknown Map "
              "\xB8\xEA\xB7\xBD\xA4\xA3\xA8\xAC. size= 750",
              lines[0]);
    // One leaves, and its record serves the next one.
    EXPECT_EQ(1, room.RemovePlayerFromMap(300));
    EXPECT_EQ(1, room.AddNewPlayerToMap(&late));
    tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
    ASSERT_EQ(1, room.GetAPlayerData(out, 751));
    EXPECT_STREQ("late", out->acNickName);
    EXPECT_EQ(0, room.GetAPlayerData(out, 300));
}

// Once made, the room serves a whole session from what it made: feeding,
// reading, walking, leaving, emptying and refilling touch no heap.
TEST_F(RoomStateTest, ALoadedRoomNeverTouchesTheHeap) {
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof(batch));
    for (int i = 0; i < 10; ++i) batch.stTable[i] = MakeTable(static_cast<unsigned short>(i + 1), 10 + i);
    const long allocations = AllocationsDuring([this, &batch] {
        for (int round = 0; round < 3; ++round) {
            room.InitArray(&batch);
            for (unsigned int id = 1; id <= 751; ++id) {
                tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "p", id == 5 ? 100 : 0);
                room.AddNewPlayerToMap(&player);
                room.AddPlayerToTable(id, id % 200);
            }
            tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
            for (unsigned char restart = 1; room.GetPlayerDataAndNext(out, restart) == 0; restart = 0) {}
            room.GetIsAngell("p");
            for (unsigned int id = 1; id <= 751; id += 2) {
                room.GetAPlayerData(out, id);
                room.GetPlayerTableNum(id);
                room.RemovePlayerFromMap(id);
                room.RemovePlayerFromTable(id);
            }
            tagKWP_SERVER_TABLE_STATUS_CHANGE change = MakeSeatChange(3, 0, 0, 0);
            room.PlayerAddAndLeave(&change);
            room.UpDataTableArray(&change);
            room.RemoveAllPlayerFromMap();
            room.RemoveAllPlayerFromTable();
            room.SetTableArrayIsEmpty();
        }
    });
    EXPECT_EQ(0, allocations);
    EXPECT_EQ(0u, room.Players().GetCount());
}

// Map operations may come from several threads at once. Two removals of one
// player must give its record back once: a record given back twice would
// later be handed to two players.
TEST_F(RoomStateTest, PlayersAddedAndRemovedFromSeveralThreadsNeverShareARecord) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this] {
            for (int round = 0; round < 300; ++round) {
                for (unsigned int id = 1; id <= 40; ++id) {
                    tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "racer");
                    room.AddNewPlayerToMap(&player);
                }
                for (unsigned int id = 1; id <= 40; ++id) room.RemovePlayerFromMap(id);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    room.RemoveAllPlayerFromMap();
    std::set<tagKWP_PLAYER_LIST_DATA_EXTRA*> records;
    for (unsigned int id = 1; id <= 751; ++id) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "p");
        EXPECT_EQ(id <= 750 ? 1 : 0, room.AddNewPlayerToMap(&player));
        tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
        if (room.GetAPlayerData(out, id)) records.insert(out);
    }
    EXPECT_EQ(750u, records.size());
}

TEST_F(RoomStateTest, CopyPlayerDataCopiesTheWholeRecordOrLeavesTheBufferAlone) {
    tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(12, "0123456789012345678901234567890123456789");
    player.iScore = -5;
    player.ucLevel = 23;
    ASSERT_EQ(1, room.AddNewPlayerToMap(&player));
    tagKWP_PLAYER_LIST_DATA_EXTRA copy;
    memset(&copy, 0xEE, sizeof(copy));
    ASSERT_TRUE(room.CopyPlayerData(12, copy));
    EXPECT_EQ(0, memcmp(&player, &copy, sizeof(copy)));
    tagKWP_PLAYER_LIST_DATA_EXTRA* stored = nullptr;
    ASSERT_EQ(1, room.GetAPlayerData(stored, 12));
    EXPECT_NE(stored, &copy);

    memset(&copy, 0xEE, sizeof(copy));
    EXPECT_FALSE(room.CopyPlayerData(13, copy));
    room.RemovePlayerFromMap(12);
    EXPECT_FALSE(room.CopyPlayerData(12, copy));
    EXPECT_EQ(0xEE, reinterpret_cast<unsigned char*>(&copy)[0]);
    EXPECT_EQ(0xEE, reinterpret_cast<unsigned char*>(&copy)[67]);
}

// A record goes back to the pool when its player leaves, and the next player
// to arrive gets it: a host still reading through the old pointer would read
// someone else. AddressSanitizer reports such a read while the record is free.
TEST_F(RoomStateTest, ARecordReadAfterItsPlayerLeftIsReported) {
#if LOBBYUI_POISONS_FREE_BLOCKS
    tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(8, "leaver");
    ASSERT_EQ(1, room.AddNewPlayerToMap(&player));
    tagKWP_PLAYER_LIST_DATA_EXTRA* kept = nullptr;
    ASSERT_EQ(1, room.GetAPlayerData(kept, 8));
    EXPECT_FALSE(__asan_address_is_poisoned(kept->acNickName + 20));
    room.RemovePlayerFromMap(8);
    EXPECT_TRUE(__asan_address_is_poisoned(kept->acNickName + 20));
    EXPECT_DEATH(
        {
            volatile char stale = kept->acNickName[20];
            (void)stale;
        },
        "use-after-poison");
    tagKWP_PLAYER_LIST_DATA_EXTRA next = MakePlayer(9, "arrival");
    ASSERT_EQ(1, room.AddNewPlayerToMap(&next));
    tagKWP_PLAYER_LIST_DATA_EXTRA* reused = nullptr;
    ASSERT_EQ(1, room.GetAPlayerData(reused, 9));
    EXPECT_EQ(kept, reused);
    EXPECT_FALSE(__asan_address_is_poisoned(reused->acNickName + 20));
    room.RemoveAllPlayerFromMap();
    EXPECT_TRUE(__asan_address_is_poisoned(reused->acNickName + 20));
#else
    GTEST_SKIP() << "needs AddressSanitizer";
#endif
}

// One thread walks the players while another removes and re-adds them: the
// walk's cursor is shared, and a removal that stepped it without the lock
// raced the walker (ThreadSanitizer) or left it on a freed node (AddressSanitizer).
// Each thread goes on until the other has done a good share of its work, so
// that they overlap however the machine schedules them.
TEST_F(RoomStateTest, AWalkAndRemovalsOnAnotherThreadShareTheCursorSafely) {
    const unsigned int kPlayers = 8;
    const long kWalks = 4000;
    const long kRounds = 20000;
    for (unsigned int id = 1; id <= kPlayers; ++id) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "walker");
        room.AddNewPlayerToMap(&player);
    }
    std::atomic<long> walks{0};
    std::atomic<bool> stop{false};
    std::thread remover([&] {
        for (long round = 0; (round < kRounds || walks < kWalks) && round < 100 * kRounds; ++round) {
            const unsigned int id = 1 + static_cast<unsigned int>(round) % kPlayers;
            room.RemovePlayerFromMap(id);
            tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, "walker");
            room.AddNewPlayerToMap(&player);
        }
        stop = true;
    });
    long wrong = 0;
    while (!stop) {
        tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
        // Never more steps than players: a walk that followed a freed node's
        // stale link could run on for ever.
        unsigned int walked = 0;
        for (unsigned char restart = 1; room.GetPlayerDataAndNext(out, restart) == 0; restart = 0) {
            if (!out || ++walked > kPlayers) {
                ++wrong;
                break;
            }
        }
        ++walks;
    }
    remover.join();
    EXPECT_EQ(0, wrong);
    EXPECT_GE(walks.load(), kWalks);
    EXPECT_EQ(kPlayers, room.Players().GetCount());
}

// A feeding thread rewrites player records (a leaver's record serves the next
// arrival) while the library reads them for a search, an angel check and a
// copy: each reads under the map's lock, so a reader sees one player's record
// whole, never half of two.
TEST_F(RoomStateTest, ReadersRacingAFeedingThreadSeeWholeRecords) {
    const unsigned int kPlayers = 30;
    auto playerFor = [](unsigned int id, char letter) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(id, std::string(40, letter).c_str(), 100);
        player.iScore = letter;
        return player;
    };
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof(batch));
    for (unsigned int t = 0; t < 10; ++t) batch.stTable[t] = MakeTable(static_cast<unsigned short>(t + 1), 3 * t + 1, 3 * t + 2, 3 * t + 3);
    room.InitArray(&batch);
    for (unsigned int id = 1; id <= kPlayers; ++id) {
        tagKWP_PLAYER_LIST_DATA_EXTRA player = playerFor(id, 'a');
        room.AddNewPlayerToMap(&player);
    }
    std::atomic<long> passes{0};
    std::atomic<bool> stop{false};
    std::thread feeder([&] {
        for (int round = 0; (round < 200 || passes < 300) && round < 20000; ++round) {
            const char letter = static_cast<char>('a' + round % 26);
            for (unsigned int id = 1; id <= kPlayers; ++id) {
                room.RemovePlayerFromMap(id);
                tagKWP_PLAYER_LIST_DATA_EXTRA player = playerFor(id, letter);
                room.AddNewPlayerToMap(&player);
            }
        }
        stop = true;
    });
    TableFinder finder(room);
    long torn = 0, copies = 0;
    while (!stop) {
        for (unsigned int id = 1; id <= kPlayers; ++id) {
            tagKWP_PLAYER_LIST_DATA_EXTRA copy;
            if (!room.CopyPlayerData(id, copy)) continue;
            ++copies;
            if (copy.uiPlayerID != id || std::string(copy.acNickName, 40) != std::string(40, char(copy.iScore)))
                ++torn;
        }
        finder.FindPlayerName(std::string(40, 'c').c_str());
        room.GetIsAngell(std::string(40, 'q').c_str());
        ++passes;
    }
    feeder.join();
    EXPECT_EQ(0, torn);
    EXPECT_GT(copies, 0);
    EXPECT_GE(passes.load(), 300);
}

TEST(RoomFacadeTest, CPT_MapInerfaceFeedsAndReadsTheLibraryRoom) {
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof(batch));
    batch.stTable[0] = MakeTable(4, 10, 11);
    CPT_MapInerface::InitArray(&batch);
    tagKWP_PLAYER_LIST_DATA_EXTRA player = MakePlayer(10, "host");
    EXPECT_EQ(1, CPT_MapInerface::AddNewPlayerToMap(&player));
    EXPECT_EQ(1, CPT_MapInerface::AddPlayerToTable(10, 4));

    EXPECT_EQ(4, CPT_MapInerface::GetTable_A_Struct(4).usTableNum);
    EXPECT_EQ(4, CPT_MapInerface::GetPlayerTableNum(10));
    CPT_MapInerface::FindPlayerName(CString("host"));
    EXPECT_EQ(1u, CPT_MapInerface::GetTableMax());
    EXPECT_EQ(4u, CPT_MapInerface::GetTableNum(0));
    EXPECT_EQ(4, CPT_MapInerface::GetTableBuf_A_Struct0().usTableNum);

    CPT_MapInerface::SetTableArrayIsEmpty();
    CPT_MapInerface::RemoveAllPlayerFromMap();
    CPT_MapInerface::RemoveAllPlayerFromTable();
    CPT_MapInerface::SetTableBufEmpty();
    EXPECT_EQ(0, TheRoom().state.Slot(4).usTableNum);
}

}  // namespace
