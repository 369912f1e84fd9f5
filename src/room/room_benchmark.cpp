// The room under load: feeding a full room, each search over it and player
// lookups, each beside the plain-library baseline it is judged against. After
// the usual table, a comparison of each operation with its baseline (medians
// of CPU time) and, last, three lines that scripts read: the lookup ratio, the
// feed ratio and the heap allocations counted in room operations after load.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "room/room_state.h"
#include "room/table_finder.h"
#include "support/lock.h"

#include "support/counted_allocations.h"

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

// The lock every map operation but a lookup takes, uncontended.
void BM_UncontendedLockAndUnlock(benchmark::State& s) {
    NvtLock lock;
    for (auto _ : s) {
        lock.Lock();
        benchmark::ClobberMemory();
        lock.Unlock();
    }
}
BENCHMARK(BM_UncontendedLockAndUnlock);

// Each room and map operation a host performs, on a room that has been
// loaded once; returns the heap allocations they made.
long AllocationsAfterLoad() {
    RoomState room;
    TableFinder finder(room);
    Feed().FeedInto(room);
    tagKWP_PLAYER_LIST_DATA_EXTRA late;
    memset(&late, 0, sizeof(late));
    late.uiPlayerID = 99999;

    counted_allocations::g_count = 0;
    counted_allocations::g_counting = true;
    for (int round = 0; round < 3; ++round) {
        room.AddNewPlayerToMap(&late);  // the map is full: refused
        room.AddPlayerToTable(99999, 1);
        tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
        for (unsigned char restart = 1; room.GetPlayerDataAndNext(player, restart) == 0; restart = 0) {}
        for (unsigned int id = 1000; id < 1800; ++id) room.GetAPlayerData(player, id);
        room.GetIsAngell("player5");
        for (unsigned int id = 1000; id < 1100; ++id) {
            room.RemovePlayerFromMap(id);
            room.RemovePlayerFromTable(id);
        }
        for (unsigned int i = 0; i < 100; ++i) {
            room.AddNewPlayerToMap(&Feed().players[i]);
            room.AddPlayerToTable(Feed().seats[i].first, Feed().seats[i].second);
        }
        tagKWP_SERVER_TABLE_STATUS_CHANGE change;
        memset(&change, 0, sizeof(change));
        change.usTableNum = 7;
        room.UpDataTableArray(&change);
        room.PlayerAddAndLeave(&change);
        tagKWP_SERVER_UPDATE_TABLE update;
        memset(&update, 0, sizeof(update));
        update.stTable = Feed().batches[0].stTable[6];
        room.PlayerCreatAndLeaveTable(&update);
        finder.SetRedioState(0);
        finder.FindTable1();
        finder.SetCombo1(1);
        finder.FindTable3();
        finder.SetEditState(150);
        finder.FindTableNum();
        finder.FindPlayerName("player599");
        finder.GetTableBuf_A_Struct0();
        room.RemoveAllPlayerFromTable();
        room.RemoveAllPlayerFromMap();
        room.SetTableArrayIsEmpty();
        Feed().FeedInto(room);
    }
    counted_allocations::g_counting = false;
    return counted_allocations::g_count.load();
}

// Keeps the console table and remembers the median CPU time of each
// benchmark, in nanoseconds per iteration.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as the library's own reporter does.
    MedianReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single) continue;
            m_medians[run.run_name.function_name] =
                run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    double Median(const std::string& name) const {
        auto it = m_medians.find(name);
        return it == m_medians.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_medians;
};

double Ratio(double value, double baseline) { return baseline > 0 ? value / baseline : 0.0; }

void PrintComparison(const char* operation, double ns, const char* baselineName, double baselineNs) {
    if (baselineName)
        printf("%-34s %12.1f ns   %-34s %12.1f ns   ratio %.2f\n", operation, ns, baselineName, baselineNs,
               Ratio(ns, baselineNs));
    else
        printf("%-34s %12.1f ns\n", operation, ns);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double feed = reporter.Median("BM_FeedFullRoom");
    const double feedBase = reporter.Median("BM_FeedBaselineMemcpyAndUnorderedMap");
    const double lookup = reporter.Median("BM_Lookup1000Players");
    const double lookupBase = reporter.Median("BM_Lookup1000BaselineUnorderedMapFind");
    const long allocations = AllocationsAfterLoad();

    printf("\nmedian CPU time per operation, beside its baseline\n");
    PrintComparison("full-room feed and teardown", feed, "memcpy + 750 unordered_map inserts", feedBase);
    PrintComparison("1000 player lookups", lookup, "1000 unordered_map::find", lookupBase);
    PrintComparison("uncontended lock + unlock", reporter.Median("BM_UncontendedLockAndUnlock"),
                    "one unordered_map::find", lookupBase / 1000);
    PrintComparison("FindTable1", reporter.Median("BM_FindTable1"), nullptr, 0);
    PrintComparison("FindTable3, all criteria", reporter.Median("BM_FindTable3AllCriteria"), nullptr, 0);
    PrintComparison("FindTable3, three scans", reporter.Median("BM_FindTable3ThreeScans"), nullptr, 0);
    PrintComparison("FindTableNum", reporter.Median("BM_FindTableNum"), nullptr, 0);
    PrintComparison("FindPlayerName", reporter.Median("BM_FindPlayerName"), nullptr, 0);
    PrintComparison("best table", reporter.Median("BM_BestTable"), nullptr, 0);
    printf("lookup ratio %.2f\n", Ratio(lookup, lookupBase));
    printf("feed ratio %.2f\n", Ratio(feed, feedBase));
    printf("allocations after load %ld\n", allocations);
    return 0;
}
