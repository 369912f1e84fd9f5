// NvtObject, the small common base of the diagnostics' objects, and
// NvtObjectManager, which tears the lazily made singletons down in the reverse
// order of their creation.
#ifndef LOBBYUI_SUPPORT_OBJECT_MANAGER_H
#define LOBBYUI_SUPPORT_OBJECT_MANAGER_H

#include <stddef.h>

#include <atomic>
#include <deque>
#include <new>

#include "support/lock.h"

// <windows.h> maps GetClassName to GetClassNameA; in a file that includes it
// first, the member below would silently get another name.
#if defined(GetClassName)
#undef GetClassName
#endif

const int kNvtSuccess = 2;
const int kNvtFailure = 3;

class NvtObject {
public:
    NvtObject() = default;
    NvtObject(const NvtObject&) = delete;
    NvtObject& operator=(const NvtObject&) = delete;
    virtual ~NvtObject() = default;

    virtual const char* GetClassName() const { return "NvtObject"; }
    // "<class name>[<address in lower-case hex>]", cut to size.
    virtual void Describe(char* buffer, size_t size) const;
    // Without a partner this succeeds; with one, the partner decides.
    virtual int Initialize(NvtObject* partner);
    virtual int Finalize() { return kNvtSuccess; }

protected:
    // Called on the partner named in another object's Initialize.
    virtual int InitializeWith(NvtObject* object);
};

// What the manager holds: an object whose Release destroys the singleton it
// stands for and clears the global pointer through which it was found.
class NvtReleasable {
public:
    virtual ~NvtReleasable() = default;
    virtual void Release() = 0;
};

class NvtObjectManager : public NvtObject {
public:
    NvtObjectManager() = default;
    ~NvtObjectManager() override;

    // The process-wide manager, made on first use; null if it could not be
    // allocated. The library never destroys it.
    static NvtObjectManager* Instance();

    const char* GetClassName() const override { return "NvtObjectManager"; }
    // kNvtFailure for null; the same object may be registered twice.
    int RegisterObject(NvtReleasable* object);
    // Releases every registered object, the last registered first.
    void Clear();
    size_t GetCount();

private:
    std::deque<NvtReleasable*> m_objects;
    NvtLock m_lock;
};

// A singleton made on first use and registered with the object manager,
// which destroys it at teardown (clearing the pointer it is found through).
// T::Initialize(nullptr) runs once when it is made; Existing() never makes one.
template <class T>
class ManagedSingleton {
public:
    static T* Get() {
        Holder* holder = s_holder.load(std::memory_order_acquire);
        if (holder) return &holder->object;
        NvtLockGuard guard(SingletonCreationLock());
        holder = s_holder.load(std::memory_order_relaxed);
        if (holder) return &holder->object;
        holder = new (std::nothrow) Holder;
        if (!holder) return nullptr;
        holder->object.Initialize(nullptr);
        s_holder.store(holder, std::memory_order_release);
        if (NvtObjectManager* manager = NvtObjectManager::Instance()) manager->RegisterObject(holder);
        return &holder->object;
    }
    static T* Existing() {
        Holder* holder = s_holder.load(std::memory_order_acquire);
        return holder ? &holder->object : nullptr;
    }

private:
    class Holder : public NvtReleasable {
    public:
        void Release() override {
            s_holder.store(nullptr, std::memory_order_release);
            delete this;
        }
        T object;
    };
    static std::atomic<Holder*> s_holder;
};

template <class T>
std::atomic<typename ManagedSingleton<T>::Holder*> ManagedSingleton<T>::s_holder{nullptr};

#endif
