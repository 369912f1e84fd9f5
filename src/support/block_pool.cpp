#include "support/block_pool.h"

#include <new>
#include <stdint.h>

#include "support/poison.h"

namespace {
// Blocks hold a free-list link while free; keep them pointer-aligned.
size_t RoundedBlockSize(size_t size) {
    const size_t align = alignof(void*);
    if (size < sizeof(void*)) size = sizeof(void*);
    return (size + align - 1) / align * align;
}
}  // namespace

NvtBlockPool::NvtBlockPool(unsigned int blockCount, size_t blockSize)
    : m_nBlockCount(blockCount),
      m_nBlockSize(blockSize),
      m_pBlock(static_cast<unsigned char*>(::operator new(RoundedBlockSize(blockSize) * blockCount))) {
    const size_t stride = RoundedBlockSize(blockSize);
    for (unsigned int i = 0; i < blockCount; ++i) {
        FreeBlock* block = new (m_pBlock + stride * i) FreeBlock;
        block->pNext = m_pFree;
        m_pFree = block;
        PoisonFreeBlock(block, stride);
    }
    m_nFree = blockCount;
}

NvtBlockPool::~NvtBlockPool() {
    UnpoisonTakenBlock(m_pBlock, RoundedBlockSize(m_nBlockSize) * m_nBlockCount);
    ::operator delete(m_pBlock);
}

void* NvtBlockPool::Take(size_t size) {
    if (size > m_nBlockSize) return nullptr;
    NvtLockGuard guard(m_lock);
    FreeBlock* block = m_pFree;
    if (!block) return nullptr;
    UnpoisonTakenBlock(block, RoundedBlockSize(m_nBlockSize));
    m_pFree = block->pNext;
    --m_nFree;
    return block;
}

void NvtBlockPool::Give(void* block) {
    if (!block) return;
    const size_t stride = RoundedBlockSize(m_nBlockSize);
    const uintptr_t first = reinterpret_cast<uintptr_t>(m_pBlock);
    const uintptr_t at = reinterpret_cast<uintptr_t>(block);
    if (at < first || at >= first + stride * m_nBlockCount || (at - first) % stride != 0) return;
    NvtLockGuard guard(m_lock);
    FreeBlock* freed = new (block) FreeBlock;
    freed->pNext = m_pFree;
    m_pFree = freed;
    ++m_nFree;
    PoisonFreeBlock(block, stride);
}

unsigned int NvtBlockPool::FreeCount() {
    NvtLockGuard guard(m_lock);
    return m_nFree;
}
