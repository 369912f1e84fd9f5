#include "support/object_manager.h"

#include <stdint.h>
#include <stdio.h>

#include <algorithm>
#include <atomic>
#include <new>

#include "support/debug_log.h"

void NvtObject::Describe(char* buffer, size_t size) const {
    if (!buffer || size == 0) return;
    snprintf(buffer, size, "%s[%llx]", GetClassName(),
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(this)));
}

int NvtObject::Initialize(NvtObject* partner) {
    if (!partner) return kNvtSuccess;
    return partner->InitializeWith(this);
}

int NvtObject::InitializeWith(NvtObject*) { return kNvtSuccess; }

namespace {
std::atomic<NvtObjectManager*> g_manager{nullptr};
}  // namespace

NvtObjectManager::~NvtObjectManager() { Clear(); }

NvtObjectManager* NvtObjectManager::Instance() {
    NvtObjectManager* manager = g_manager.load(std::memory_order_acquire);
    if (manager) return manager;
    NvtLockGuard guard(SingletonCreationLock());
    manager = g_manager.load(std::memory_order_relaxed);
    if (manager) return manager;
    manager = new (std::nothrow) NvtObjectManager;
    if (!manager) return nullptr;
    manager->Initialize(nullptr);
    g_manager.store(manager, std::memory_order_release);
    return manager;
}

int NvtObjectManager::RegisterObject(NvtReleasable* object) {
    if (!object) {
        DebugLogPrintf("%s()-> Invalid object.", "NvtObjectManager::RegisterObject");
        return kNvtFailure;
    }
    NvtLockGuard guard(m_lock);
    m_objects.push_back(object);
    return kNvtSuccess;
}

void NvtObjectManager::Clear() {
    NvtLockGuard guard(m_lock);
    if (m_objects.empty()) {
        DebugLogPrintf("%s()-> Empty element.", "NvtObjectManager::Clear");
        return;
    }
    // Taken out first: a Release may write a diagnostic, which must not find
    // the queue half released.
    std::deque<NvtReleasable*> objects;
    objects.swap(m_objects);
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!*it) {
            DebugLogPrintf("%s()-> Invalid object.", "NvtObjectManager::Clear");
            continue;
        }
        // An object registered twice is released once, at its last place:
        // a second Release would destroy it again.
        if (std::find(objects.rbegin(), it, *it) != it) continue;
        (*it)->Release();
    }
}

size_t NvtObjectManager::GetCount() {
    NvtLockGuard guard(m_lock);
    return m_objects.size();
}
