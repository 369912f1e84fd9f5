// NvtBlockPool: a fixed number of equal blocks made in one allocation at
// construction, handed out last-in-first-out under a lock. The keyed map takes
// its nodes from one and the debug log its line buffers, so that neither
// touches the heap once it exists.
#ifndef LOBBYUI_SUPPORT_BLOCK_POOL_H
#define LOBBYUI_SUPPORT_BLOCK_POOL_H

#include <stddef.h>

#include "support/lock.h"

class NvtBlockPool {
public:
    // Every block is pushed in block order, so the last block is taken first.
    NvtBlockPool(unsigned int blockCount, size_t blockSize);
    ~NvtBlockPool();
    NvtBlockPool(const NvtBlockPool&) = delete;
    NvtBlockPool& operator=(const NvtBlockPool&) = delete;

    // Null when size exceeds the block size or no block is free.
    void* Take(size_t size);
    // Null is ignored; so is a pointer that is not one of this pool's blocks,
    // which would otherwise corrupt the free list.
    void Give(void* block);
    unsigned int FreeCount();
    unsigned int BlockCount() const { return m_nBlockCount; }
    size_t BlockSize() const { return m_nBlockSize; }
    NvtLock& Lock() { return m_lock; }

private:
    struct FreeBlock { FreeBlock* pNext; };

    unsigned int m_nBlockCount;
    size_t m_nBlockSize;
    unsigned char* m_pBlock;
    FreeBlock* m_pFree = nullptr;
    unsigned int m_nFree = 0;
    NvtLock m_lock;
};

#endif
