// The room under load: feeding a full room, each search over it and player
// lookups, each beside the plain-library baseline it is judged against.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <string.h>

#include <unordered_map>
#include <vector>

#include "room/room_state.h"
#include "room/table_finder.h"

namespace {

struct FullRoomFeed {
    std::vector<tagKWP_ALL_TABLE_INFO> batches;
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    std::vector<std::pair<unsigned int, unsigned int>> seats;

    FullRoomFeed() : batches(20), players(750) {
        for (unsigned int n = 1; n <= 200; ++n) {
            tagKWP_TABLE_LIST_DATA& table = batches[(n - 1) / 10].stTable[(n - 1) % 10];
            memset(&table, 0, sizeof(table));
            table.usTableNum = static_cast<unsigned short>(n);
            table.ucSettingB = static_cast<unsigned char>(n % 8);
            table.ucSettingA = static_cast<unsigned char>(n % 5);
            table.uiScore = 100 * (n % 4);
            table.bHavePassword = n % 9 == 0;
            for (unsigned int seat = 0; seat < n % 4; ++seat) table.uiSeatPlayerID[seat] = 1000 + n * 3 + seat;
        }
        for (unsigned int i = 0; i < 750; ++i) {
            tagKWP_PLAYER_LIST_DATA_EXTRA& player = players[i];
            memset(&player, 0, sizeof(player));
            player.uiPlayerID = 1000 + i;
            snprintf(player.acNickName, sizeof(player.acNickName), "player%u", i);
        }
        for (unsigned int i = 0; i < 600; ++i) seats.emplace_back(1000 + i, 1 + i / 3);
    }

    void FeedInto(RoomState& room) const {
        for (const tagKWP_ALL_TABLE_INFO& batch : batches) room.InitArray(&batch);
        for (const tagKWP_PLAYER_LIST_DATA_EXTRA& player : players) room.AddNewPlayerToMap(&player);
        for (const auto& seat : seats) room.AddPlayerToTable(seat.first, seat.second);
    }
};

const FullRoomFeed& Feed() {
    static FullRoomFeed feed;
    return feed;
}

void BM_FeedFullRoom(benchmark::State& s) {
    RoomState room;
    for (auto _ : s) {
        Feed().FeedInto(room);
        benchmark::DoNotOptimize(room.Slot(200));
        room.RemoveAllPlayerFromTable();
        room.RemoveAllPlayerFromMap();
        room.SetTableArrayIsEmpty();
    }
}
BENCHMARK(BM_FeedFullRoom);

// Baseline: the same bytes copied with memcpy, the 750 player copies made and
// put into an unordered_map, then released.
void BM_FeedBaselineMemcpyAndUnorderedMap(benchmark::State& s) {
    static tagKWP_TABLE_LIST_DATA tables[201];
    std::unordered_map<unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA*> players;
    for (auto _ : s) {
        for (unsigned int b = 0; b < 20; ++b)
            memcpy(&tables[1 + b * 10], &Feed().batches[b], sizeof(tagKWP_ALL_TABLE_INFO));
        for (const tagKWP_PLAYER_LIST_DATA_EXTRA& player : Feed().players)
            players.emplace(player.uiPlayerID, new tagKWP_PLAYER_LIST_DATA_EXTRA(player));
        benchmark::DoNotOptimize(tables[200]);
        for (auto& entry : players) delete entry.second;
        players.clear();
        memset(tables, 0, sizeof(tables));
    }
}
BENCHMARK(BM_FeedBaselineMemcpyAndUnorderedMap);

struct FullRoom {
    RoomState room;
    TableFinder finder{room};
    FullRoom() { Feed().FeedInto(room); }
};

FullRoom& TheFullRoom() {
    static FullRoom full;
    return full;
}

void BM_FindTable1(benchmark::State& s) {
    TableFinder& finder = TheFullRoom().finder;
    finder.SetRedioState(0);
    for (auto _ : s) {
        finder.FindTable1();
        benchmark::DoNotOptimize(finder.GetTableMax());
    }
}
BENCHMARK(BM_FindTable1);

void BM_FindTable3AllCriteria(benchmark::State& s) {
    TableFinder& finder = TheFullRoom().finder;
    finder.SetCombo1(3);
    finder.SetCombo2(3);
    finder.SetCombo3(300);
    for (auto _ : s) {
        finder.FindTable3();
        benchmark::DoNotOptimize(finder.GetTableMax());
    }
}
BENCHMARK(BM_FindTable3AllCriteria);

void BM_FindTable3ThreeScans(benchmark::State& s) {
    TableFinder& finder = TheFullRoom().finder;
    finder.SetCombo1(1);
    finder.SetCombo2(1);
    finder.SwNull();
    finder.SetCombo3(100);
    for (auto _ : s) {
        finder.FindTable3();
        benchmark::DoNotOptimize(finder.GetTableMax());
    }
}
BENCHMARK(BM_FindTable3ThreeScans);

void BM_FindTableNum(benchmark::State& s) {
    TableFinder& finder = TheFullRoom().finder;
    finder.SetEditState(150);
    for (auto _ : s) {
        finder.FindTableNum();
        benchmark::DoNotOptimize(finder.GetTableMax());
    }
}
BENCHMARK(BM_FindTableNum);

void BM_FindPlayerName(benchmark::State& s) {
    TableFinder& finder = TheFullRoom().finder;
    for (auto _ : s) {
        finder.FindPlayerName("player599");
        benchmark::DoNotOptimize(finder.GetTableMax());
    }
}
BENCHMARK(BM_FindPlayerName);

void BM_BestTable(benchmark::State& s) {
    TableFinder& finder = TheFullRoom().finder;
    for (auto _ : s) benchmark::DoNotOptimize(finder.GetTableBuf_A_Struct0());
}
BENCHMARK(BM_BestTable);

void BM_Lookup1000Players(benchmark::State& s) {
    RoomState& room = TheFullRoom().room;
    for (auto _ : s) {
        for (unsigned int i = 0; i < 1000; ++i) {
            tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
            benchmark::DoNotOptimize(room.GetAPlayerData(player, 1000 + (i * 7) % 800));
            benchmark::DoNotOptimize(player);
        }
    }
}
BENCHMARK(BM_Lookup1000Players);

void BM_Lookup1000BaselineUnorderedMapFind(benchmark::State& s) {
    std::unordered_map<unsigned int, const tagKWP_PLAYER_LIST_DATA_EXTRA*> players;
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& player : Feed().players) players.emplace(player.uiPlayerID, &player);
    for (auto _ : s) {
        for (unsigned int i = 0; i < 1000; ++i) {
            auto it = players.find(1000 + (i * 7) % 800);
            benchmark::DoNotOptimize(it == players.end() ? nullptr : it->second);
        }
    }
}
BENCHMARK(BM_Lookup1000BaselineUnorderedMapFind);

}  // namespace

BENCHMARK_MAIN();
