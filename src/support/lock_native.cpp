#include "support/lock.h"

#include <mutex>
#include <new>

namespace {
std::recursive_mutex& MutexIn(unsigned char* storage) {
    return *std::launder(reinterpret_cast<std::recursive_mutex*>(storage));
}
}  // namespace

NvtLock::NvtLock() {
    static_assert(sizeof(std::recursive_mutex) <= kStorageSize, "lock storage too small");
    static_assert(alignof(std::recursive_mutex) <= 8, "lock storage misaligned");
    new (m_storage) std::recursive_mutex();
}

NvtLock::~NvtLock() { MutexIn(m_storage).~recursive_mutex(); }

void NvtLock::Lock() { MutexIn(m_storage).lock(); }

void NvtLock::Unlock() { MutexIn(m_storage).unlock(); }

NvtLock& SingletonCreationLock() {
    static NvtLock lock;
    return lock;
}
