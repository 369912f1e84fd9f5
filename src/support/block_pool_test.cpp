#include "support/block_pool.h"

#include <gtest/gtest.h>

#include <set>

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

}  // namespace
