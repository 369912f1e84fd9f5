#include "room/keyed_map.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <new>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <lobbyui/room.h>

#include "room_test_records.h"
#include "test_log_capture.h"

// The map must not touch the heap once built: this program counts every
// allocation while a test asks it to.
#include "support/counted_allocations.h"

namespace {

using IntMap = NvtPlayerTableMap;

std::vector<unsigned int> KeysInOrder(IntMap& map) {
    std::vector<unsigned int> keys;
    NvtPosition position = map.GetStartPosition();
    while (position) {
        unsigned int key = 0, value = 0;
        map.GetNextAssoc(position, key, value);
        keys.push_back(key);
    }
    return keys;
}

TEST(KeyedMapTest, IteratesBucketsAscendingAndNewestFirstWithinABucket) {
    IntMap map(750, 37, "unknown");
    EXPECT_EQ(0xFFFFFFFFu, map.GetFirstBucket());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    ASSERT_TRUE(map.SetAt(5, 50));
    ASSERT_TRUE(map.SetAt(42, 420));  // 42 mod 37 = 5
    ASSERT_TRUE(map.SetAt(40, 400));  // bucket 3
    ASSERT_TRUE(map.SetAt(36, 360));  // bucket 36
    EXPECT_EQ(3u, map.GetFirstBucket());
    EXPECT_EQ((std::vector<unsigned int>{40, 42, 5, 36}), KeysInOrder(map));

    unsigned int value = 0;
    EXPECT_TRUE(map.Lookup(42, value));
    EXPECT_EQ(420u, value);
    value = 7;
    EXPECT_FALSE(map.Lookup(79, value));  // same bucket, absent
    EXPECT_EQ(7u, value);
}

TEST(KeyedMapTest, FirstBucketFollowsRemovalsAndTheNextInsert) {
    IntMap map(750, 37, "unknown");
    map.SetAt(5, 1);
    map.SetAt(42, 2);
    map.SetAt(10, 3);
    // The head of the start bucket goes; 5 is still there.
    EXPECT_TRUE(map.RemoveKey(42));
    EXPECT_EQ(5u, map.GetFirstBucket());
    EXPECT_TRUE(map.RemoveKey(5));
    EXPECT_EQ(10u, map.GetFirstBucket());
    EXPECT_FALSE(map.RemoveKey(5));
    EXPECT_TRUE(map.RemoveKey(10));
    EXPECT_EQ(0xFFFFFFFFu, map.GetFirstBucket());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map.SetAt(37 * 3 + 20, 4);
    EXPECT_EQ(20u, map.GetFirstBucket());
}

TEST(KeyedMapTest, AWalkerMayRemoveTheKeyItWasJustGiven) {
    IntMap map(750, 37, "unknown");
    for (unsigned int key = 1; key <= 300; ++key) map.SetAt(key * 7, key);
    NvtPosition position = map.GetStartPosition();
    int removed = 0;
    while (position) {
        unsigned int key = 0, value = 0;
        map.GetNextAssoc(position, key, value);
        EXPECT_TRUE(map.RemoveKey(key));
        ++removed;
    }
    EXPECT_EQ(300, removed);
    EXPECT_EQ(0u, map.GetCount());
    EXPECT_EQ(750u, map.GetFreeCount());
}

TEST(KeyedMapTest, DuplicateKeyIsRefusedKeepsTheFirstValueAndIsLogged) {
    TestLogCapture log;
    IntMap map(750, 37, "unknown");
    EXPECT_TRUE(map.SetAt(7, 1));
    EXPECT_FALSE(map.SetAt(7, 2));
    unsigned int value = 0;
    ASSERT_TRUE(map.Lookup(7, value));
    EXPECT_EQ(1u, value);
    EXPECT_EQ(1u, map.GetCount());
    std::vector<std::string> lines = log.Take();
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("NvtMapBase<unsigned int,unsigned int>::SetAt()-> \xAC\xDB\xA6\x50\xAA\xBA\xAF\xC1\xA4\xDE. key=7",
              lines[0]);
}

TEST(KeyedMapTest, The751stKeyIsRefusedAndTheMessageReportsSize750) {
    TestLogCapture log;
    NvtPlayerMap map(750, 37, "unknown");
    tagKWP_PLAYER_LIST_DATA_EXTRA record = {};
    for (unsigned int key = 1; key <= 750; ++key) ASSERT_TRUE(map.SetAt(key, &record));
    EXPECT_FALSE(map.SetAt(751, &record));
    EXPECT_EQ(0u, map.GetFreeCount());
    std::vector<std::string> lines = log.Take();
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("NvtMapBase<unsigned int,struct tagKWP_PLAYER_LIST_DATA_EXTRA *>::SetAt()-> unknown Map "
              "\xB8\xEA\xB7\xBD\xA4\xA3\xA8\xAC. size= 750",
              lines[0]);
}

TEST(KeyedMapTest, FillEmptyAndRefillNeverTouchTheHeap) {
    IntMap map(750, 37, "unknown");
    EXPECT_EQ(0, AllocationsDuring([&map] {
        for (int round = 0; round < 2; ++round) {
            for (unsigned int key = 0; key < 750; ++key) map.SetAt(key * 13 + 1, key);
            for (unsigned int key = 0; key < 750; ++key) map.RemoveKey(key * 13 + 1);
        }
        for (unsigned int key = 0; key < 750; ++key) map.SetAt(key, key);
    }));
    EXPECT_EQ(750u, map.GetCount());
    EXPECT_EQ(0u, map.GetFreeCount());
}

// What a host sees of the map, kept in plain containers: the content, and
// each bucket's keys newest first.
struct MapModel {
    std::map<unsigned int, unsigned int> values;
    std::vector<std::vector<unsigned int>> buckets = std::vector<std::vector<unsigned int>>(37);

    bool Insert(unsigned int key, unsigned int value) {
        if (values.count(key) || values.size() == 750) return false;
        values[key] = value;
        std::vector<unsigned int>& bucket = buckets[key % 37];
        bucket.insert(bucket.begin(), key);
        return true;
    }
    bool Remove(unsigned int key) {
        if (!values.erase(key)) return false;
        std::vector<unsigned int>& bucket = buckets[key % 37];
        bucket.erase(std::find(bucket.begin(), bucket.end(), key));
        return true;
    }
    std::vector<unsigned int> Order() const {
        std::vector<unsigned int> keys;
        for (const std::vector<unsigned int>& bucket : buckets) keys.insert(keys.end(), bucket.begin(), bucket.end());
        return keys;
    }
};

// Long churn with keys that crowd both the chains and the lookup index: every
// answer, the iteration order and the free count stay those of the model.
TEST(KeyedMapTest, LookupsAndOrderMatchAModelThroughLongChurn) {
    IntMap map(750, 37, "unknown");
    MapModel model;
    std::mt19937 random(7);
    // Runs of ids, multiples of 37 and of the index size, and high keys.
    auto randomKey = [&random]() -> unsigned int {
        switch (random() % 4) {
        case 0: return 1000 + random() % 900;
        case 1: return 37u * (random() % 400);
        case 2: return 2048u * (random() % 400);
        default: return 0xFFFFFFFFu - random() % 300;
        }
    };
    for (int step = 0; step < 60000; ++step) {
        const unsigned int key = randomKey();
        const unsigned int choice = random() % 100;
        if (choice < 55) {
            ASSERT_EQ(model.Insert(key, step), map.SetAt(key, step)) << "step " << step;
        } else if (choice < 99) {
            ASSERT_EQ(model.Remove(key), map.RemoveKey(key)) << "step " << step;
        } else {
            std::vector<unsigned int> handed;
            map.RemoveAll([&handed](unsigned int k, unsigned int) { handed.push_back(k); });
            ASSERT_EQ(model.Order(), handed);
            model = MapModel();
        }
        if (step % 500 == 0) {
            ASSERT_EQ(model.Order(), KeysInOrder(map)) << "step " << step;
            ASSERT_EQ(750 - model.values.size(), map.GetFreeCount());
            for (int probe = 0; probe < 200; ++probe) {
                const unsigned int k = randomKey();
                unsigned int value = 0xABCD;
                const auto it = model.values.find(k);
                ASSERT_EQ(it != model.values.end(), map.Lookup(k, value)) << "key " << k;
                ASSERT_EQ(it != model.values.end() ? it->second : 0xABCDu, value);
            }
        }
    }
    for (const auto& entry : model.values) {
        unsigned int value = 0;
        ASSERT_TRUE(map.Lookup(entry.first, value));
        EXPECT_EQ(entry.second, value);
    }
}

TEST(KeyedMapTest, RemoveAllHandsOutEveryEntryInWalkOrderAndLeavesAReusableMap) {
    NvtPlayerMap map(750, 37, "unknown");
    tagKWP_PLAYER_LIST_DATA_EXTRA records[3] = {};
    map.SetAt(5, &records[0]);
    map.SetAt(42, &records[1]);
    map.SetAt(3, &records[2]);
    std::vector<std::pair<unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA*>> handed;
    map.RemoveAll([&handed](unsigned int key, tagKWP_PLAYER_LIST_DATA_EXTRA* value) { handed.emplace_back(key, value); });
    ASSERT_EQ(3u, handed.size());
    EXPECT_EQ(3u, handed[0].first);
    EXPECT_EQ(&records[2], handed[0].second);
    EXPECT_EQ(42u, handed[1].first);
    EXPECT_EQ(5u, handed[2].first);
    EXPECT_EQ(750u, map.GetFreeCount());
    EXPECT_EQ(0xFFFFFFFFu, map.GetFirstBucket());
    tagKWP_PLAYER_LIST_DATA_EXTRA* value = nullptr;
    EXPECT_FALSE(map.Lookup(42, value));
    EXPECT_TRUE(map.SetAt(42, &records[0]));
    EXPECT_TRUE(map.Lookup(42, value));
    EXPECT_EQ(&records[0], value);
}

// A writer that runs between the two version reads of a lookup, where no
// timing of threads can be relied on to put it. Each entry of writes is one
// such run; the lookup must answer as the map stands after the last of them.
struct WriterBetweenVersionReads {
    static inline std::vector<std::function<void()>> writes;
    static inline size_t calls = 0;
    static void BetweenVersionReads() {
        if (calls < writes.size()) writes[calls]();
        ++calls;
    }
};
using SeamMap = NvtPooledMap<unsigned int, unsigned int, WriterBetweenVersionReads>;

struct RacedLookup {
    const char* what;
    std::vector<std::function<void(SeamMap&)>> writes;
    bool found;
    unsigned int value;
};

// One write makes the first probe stale and the lookup probes again; a second
// write makes that stale too, and the answer comes from under the lock.
TEST(KeyedMapLookupTest, AWriteBetweenTheVersionReadsDiscardsTheProbe) {
    const RacedLookup cases[] = {
        {"removed", {[](SeamMap& m) { m.RemoveKey(7); }}, false, 0},
        {"replaced", {[](SeamMap& m) { m.RemoveKey(7), m.SetAt(7, 71); }}, true, 71},
        {"removed, then back", {[](SeamMap& m) { m.RemoveKey(7); }, [](SeamMap& m) { m.SetAt(7, 73); }}, true, 73},
        {"replaced, then removed",
         {[](SeamMap& m) { m.RemoveKey(7), m.SetAt(7, 74); }, [](SeamMap& m) { m.RemoveKey(7); }},
         false,
         0},
    };
    for (const RacedLookup& c : cases) {
        SCOPED_TRACE(c.what);
        SeamMap map(32, 37, "unknown");
        ASSERT_TRUE(map.SetAt(7, 70));
        WriterBetweenVersionReads::writes.clear();
        for (const auto& write : c.writes) WriterBetweenVersionReads::writes.push_back([&map, write] { write(map); });
        WriterBetweenVersionReads::calls = 0;
        unsigned int value = 0;
        EXPECT_EQ(c.found, map.Lookup(7, value));
        EXPECT_EQ(c.value, value);
        // Two unlocked probes at most: with both made stale, the third answer
        // is the locked one, which calls no seam.
        EXPECT_EQ(2u, WriterBetweenVersionReads::calls);
    }
    WriterBetweenVersionReads::writes.clear();
}

// Pools reuse their memory, which hides a read through a stale node from
// AddressSanitizer unless the pool poisons what comes back.
TEST(KeyedMapPoisonTest, ANodeGivenBackIsPoisonedUntilTakenAgainAndAStaleWalkIsReported) {
#if LOBBYUI_POISONS_FREE_BLOCKS
    IntMap map(4, 37, "unknown");
    ASSERT_TRUE(map.SetAt(5, 50));
    NvtPosition stale = map.GetStartPosition();
    ASSERT_NE(nullptr, stale);
    EXPECT_FALSE(__asan_address_is_poisoned(stale));
    ASSERT_TRUE(map.RemoveKey(5));
    EXPECT_TRUE(__asan_address_is_poisoned(stale));
    EXPECT_DEATH(
        {
            unsigned int key = 0;
            unsigned int value = 0;
            map.GetNextAssoc(stale, key, value);
        },
        "use-after-poison");
    // Last in, first out: the next key gets the same node, readable again.
    ASSERT_TRUE(map.SetAt(6, 60));
    EXPECT_EQ(stale, map.GetStartPosition());
    EXPECT_FALSE(__asan_address_is_poisoned(stale));
    map.RemoveAll([](unsigned int, unsigned int) {});
    EXPECT_TRUE(__asan_address_is_poisoned(stale));
#else
    GTEST_SKIP() << "needs AddressSanitizer";
#endif
}

// Several threads on one map: single operations are atomic, so every key a
// thread put in and did not take out is there at the end, and no node is lost.
TEST(KeyedMapStressTest, ConcurrentInsertLookupAndRemoveKeepTheMapConsistent) {
    IntMap map(750, 37, "unknown");
    const unsigned int kThreads = 4;
    const unsigned int kKeysPerThread = 150;
    std::vector<std::thread> threads;
    for (unsigned int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&map, t] {
            for (int round = 0; round < 20; ++round) {
                for (unsigned int i = 0; i < kKeysPerThread; ++i) map.SetAt(t * 1000 + i, t);
                for (unsigned int i = 0; i < kKeysPerThread; ++i) {
                    unsigned int value = 99;
                    if (!map.Lookup(t * 1000 + i, value) || value != t) ADD_FAILURE() << "lost key";
                    // A key shared by all threads: exactly one SetAt wins.
                    map.SetAt(999999, t);
                }
                for (unsigned int i = 0; i < kKeysPerThread; i += 2) map.RemoveKey(t * 1000 + i);
                if (round < 19)
                    for (unsigned int i = 1; i < kKeysPerThread; i += 2) map.RemoveKey(t * 1000 + i);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(kThreads * kKeysPerThread / 2 + 1, map.GetCount());
    EXPECT_EQ(map.GetCount(), KeysInOrder(map).size());
}

// Lookups do not wait for the lock, so they must never hand out a value
// that was not stored under the key, nor miss a key that nobody removes,
// however the writers rearrange the map around it.
TEST(KeyedMapStressTest, LookupsRacingWritersSeeOnlyStoredValuesAndNeverMissAStableKey) {
    IntMap map(750, 37, "unknown");
    auto valueOf = [](unsigned int key) { return key * 2654435761u + 1; };
    // Stable keys sit among the churned ones, in the same probe runs.
    for (unsigned int key = 0; key < 300; ++key) ASSERT_TRUE(map.SetAt(key * 5, valueOf(key * 5)));
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int round = 0; round < 400; ++round) {
            for (unsigned int key = 0; key < 1500; ++key)
                if (key % 5 != 0) map.SetAt(key, valueOf(key));
            for (unsigned int key = 0; key < 1500; ++key)
                if (key % 5 != 0) map.RemoveKey(key);
        }
        stop = true;
    });
    long wrong = 0, missed = 0, reads = 0;
    while (!stop) {
        for (unsigned int key = 0; key < 1500; ++key, ++reads) {
            unsigned int value = 0;
            const bool found = map.Lookup(key, value);
            if (found && value != valueOf(key)) ++wrong;
            if (key % 5 == 0 && !found) ++missed;
        }
    }
    writer.join();
    EXPECT_EQ(0, wrong);
    EXPECT_EQ(0, missed);
    EXPECT_GT(reads, 0);
    EXPECT_EQ(300u, map.GetCount());
}

}  // namespace
