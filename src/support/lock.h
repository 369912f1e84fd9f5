// NvtLock: the one lock of the diagnostics and the keyed map. A critical
// section on Windows, a recursive mutex elsewhere; re-entrant on both, because
// its holders call code that takes it again: the room holds a map's lock
// across several map operations that must be seen as one (stepping the walk
// past a player and removing it, walking for an angel, copying a record),
// each of which takes it again; a map being destroyed holds it while giving
// each node back; and a singleton made under SingletonCreationLock asks for
// the object manager, made under the same lock.
// Storage is inline so that making a lock never touches the heap.
#ifndef LOBBYUI_SUPPORT_LOCK_H
#define LOBBYUI_SUPPORT_LOCK_H

#include <stddef.h>

class NvtLock {
public:
    NvtLock();
    ~NvtLock();
    NvtLock(const NvtLock&) = delete;
    NvtLock& operator=(const NvtLock&) = delete;

    void Lock();
    void Unlock();

private:
    static constexpr size_t kStorageSize = 64;
    alignas(8) unsigned char m_storage[kStorageSize];
};

class NvtLockGuard {
public:
    explicit NvtLockGuard(NvtLock& lock) : m_lock(lock) { m_lock.Lock(); }
    ~NvtLockGuard() { m_lock.Unlock(); }
    NvtLockGuard(const NvtLockGuard&) = delete;
    NvtLockGuard& operator=(const NvtLockGuard&) = delete;

private:
    NvtLock& m_lock;
};

// Guards the first creation of the lazily made singletons (debug log, debug
// window, object manager), which may be asked for from any thread.
NvtLock& SingletonCreationLock();

#endif
