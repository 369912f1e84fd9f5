#include "support/block_pool.h"

#include <gtest/gtest.h>

#include <set>

#include "support/poison.h"

namespace {

TEST(BlockPoolTest, HandsOutBlocksLastFirstAndReusesWhatComesBack) {
    NvtBlockPool pool(3, 12);
    void* a = pool.Take(12);
    void* b = pool.Take(1);
    void* c = pool.Take(12);
    ASSERT_TRUE(a && b && c);
    // Pushed in block order, so taken from the end of the block backward.
    EXPECT_GT(a, b);
    EXPECT_GT(b, c);
    EXPECT_EQ(nullptr, pool.Take(12));
    EXPECT_EQ(0u, pool.FreeCount());

    pool.Give(b);
    EXPECT_EQ(b, pool.Take(12));
    pool.Give(a);
    pool.Give(c);
    EXPECT_EQ(2u, pool.FreeCount());
}

TEST(BlockPoolTest, RefusesOversizeRequestsAndIgnoresForeignOrNullBlocks) {
    NvtBlockPool pool(2, 256);
    EXPECT_EQ(nullptr, pool.Take(257));
    EXPECT_EQ(2u, pool.FreeCount());

    int foreign = 0;
    pool.Give(&foreign);
    pool.Give(nullptr);
    unsigned char* inside = static_cast<unsigned char*>(pool.Take(256));
    pool.Give(inside + 1);  // not the start of a block
    EXPECT_EQ(1u, pool.FreeCount());
    pool.Give(inside);
    EXPECT_EQ(2u, pool.FreeCount());

    std::set<void*> distinct{pool.Take(256), pool.Take(256)};
    EXPECT_EQ(2u, distinct.size());
}

// A debug line handed back and read again would otherwise read whatever the
// next writer put there, unseen by AddressSanitizer.
TEST(BlockPoolTest, ABlockGivenBackIsPoisonedUntilTakenAgain) {
#if LOBBYUI_POISONS_FREE_BLOCKS
    NvtBlockPool pool(2, 20);
    char* first = static_cast<char*>(pool.Take(20));
    char* second = static_cast<char*>(pool.Take(20));
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(__asan_address_is_poisoned(first));
    EXPECT_FALSE(__asan_address_is_poisoned(first + 19));
    pool.Give(first);
    EXPECT_TRUE(__asan_address_is_poisoned(first));
    EXPECT_TRUE(__asan_address_is_poisoned(first + 19));
    EXPECT_FALSE(__asan_address_is_poisoned(second));
    EXPECT_DEATH(
        {
            volatile char stale = first[3];
            (void)stale;
        },
        "use-after-poison");
    EXPECT_EQ(first, pool.Take(20));
    EXPECT_FALSE(__asan_address_is_poisoned(first + 19));
#else
    GTEST_SKIP() << "needs AddressSanitizer";
#endif
}

}  // namespace
