// Poisoning of what a pool holds free. A pool hands the same memory out again
// and again, so AddressSanitizer would take a read through a stale pointer for
// a read of live memory. Under AddressSanitizer a pool poisons what is given
// back and unpoisons what it hands out, so such a read is reported; in every
// other build both calls are empty and cost nothing.
#ifndef LOBBYUI_SUPPORT_POISON_H
#define LOBBYUI_SUPPORT_POISON_H

#include <stddef.h>

#if defined(__SANITIZE_ADDRESS__)
#define LOBBYUI_POISONS_FREE_BLOCKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LOBBYUI_POISONS_FREE_BLOCKS 1
#endif
#endif
#ifndef LOBBYUI_POISONS_FREE_BLOCKS
#define LOBBYUI_POISONS_FREE_BLOCKS 0
#endif

#if LOBBYUI_POISONS_FREE_BLOCKS
#include <sanitizer/asan_interface.h>
#endif

// AddressSanitizer tracks memory in 8-byte granules: a region that starts or
// ends inside one is poisoned only where that cannot hide a live neighbour,
// so a stale read of the shared bytes may go unseen, never a live one flagged.
inline void PoisonFreeBlock(const void* block, size_t size) {
#if LOBBYUI_POISONS_FREE_BLOCKS
    __asan_poison_memory_region(block, size);
#else
    (void)block;
    (void)size;
#endif
}

inline void UnpoisonTakenBlock(const void* block, size_t size) {
#if LOBBYUI_POISONS_FREE_BLOCKS
    __asan_unpoison_memory_region(block, size);
#else
    (void)block;
    (void)size;
#endif
}

#endif
