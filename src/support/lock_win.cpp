#include "support/lock.h"

#include <windows.h>

namespace {
CRITICAL_SECTION* SectionIn(unsigned char* storage) {
    return reinterpret_cast<CRITICAL_SECTION*>(storage);
}
}  // namespace

NvtLock::NvtLock() {
    static_assert(sizeof(CRITICAL_SECTION) <= kStorageSize, "lock storage too small");
    ::InitializeCriticalSection(SectionIn(m_storage));
}

NvtLock::~NvtLock() { ::DeleteCriticalSection(SectionIn(m_storage)); }

void NvtLock::Lock() { ::EnterCriticalSection(SectionIn(m_storage)); }

void NvtLock::Unlock() { ::LeaveCriticalSection(SectionIn(m_storage)); }

NvtLock& SingletonCreationLock() {
    static NvtLock lock;
    return lock;
}
