// For a test or benchmark program that must show some work never touches the
// heap: replaces the global allocation functions with ones that count while
// asked to. The replacements are definitions, so exactly one file of a
// program includes this header.
#ifndef LOBBYUI_SUPPORT_COUNTED_ALLOCATIONS_H
#define LOBBYUI_SUPPORT_COUNTED_ALLOCATIONS_H

#include <stdlib.h>

#include <atomic>
#include <functional>
#include <new>

namespace counted_allocations {
inline std::atomic<bool> g_counting{false};
inline std::atomic<long> g_count{0};

inline void* Allocate(size_t size) {
    if (g_counting.load(std::memory_order_relaxed)) g_count.fetch_add(1);
    return malloc(size == 0 ? 1 : size);
}
}  // namespace counted_allocations

// The heap allocations work made, from any thread.
long AllocationsDuring(const std::function<void()>& work) {
    counted_allocations::g_count = 0;
    counted_allocations::g_counting = true;
    work();
    counted_allocations::g_counting = false;
    return counted_allocations::g_count.load();
}

// free() is the right partner of Allocate, whatever GCC infers once these
// are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(size_t size) {
    void* p = counted_allocations::Allocate(size);
    if (!p) throw std::bad_alloc();
    return p;
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return counted_allocations::Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return counted_allocations::Allocate(size); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { free(p); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#endif
