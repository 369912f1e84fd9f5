// NvtMapBase<K,V>: a fixed-capacity hash map from a 32-bit key to a 32-bit
// value. Every write, and every walk step, runs under the map's lock; Lookup
// usually runs without it. Its nodes come from an NvtNodePool made at
// construction, so the map never allocates while in use. Iteration runs over
// the buckets in ascending order and, within a bucket, from the most recently
// inserted key; a walker may remove the key it was just given.
//
// Beside the chains, which fix that order, an open-addressing index finds a
// key in one or two probes. Writers change chains and index under the lock;
// Lookup reads the index without it and checks a version the writers bump, so
// the common read pays no atomic read-modify-write (on the machines we measure
// an uncontended lock alone costs twice a plain hash lookup). A read that
// meets a writer takes the lock like everything else.
//
// What keeps the unlocked Lookup correct, in one place:
// - Nodes are never read without the lock. The index holds a copy of each
//   key and value beside the node's address, and Lookup reads only those;
//   a node may go back to the pool, and be handed out again, at any moment
//   the lock is not held.
// - Every store to the index is a release store, made between the two
//   version bumps of a write (odd while the write runs), and every load of
//   the index in the unlocked probe is an acquire load. So a reader that
//   sees any store of a write also sees that write's odd version on its
//   second version read, and throws its answer away.
// - The second version read comes after the probe's acquire loads, which
//   it cannot pass; an answer is kept only if both reads saw one even value.
// - The index has at least twice as many places as the map has nodes, so it
//   always holds a free place: a probe under the lock ends at the key or at a
//   free place. The unlocked probe, which may see a half-rewritten index, is
//   bounded by the index size instead.
#ifndef LOBBYUI_ROOM_KEYED_MAP_H
#define LOBBYUI_ROOM_KEYED_MAP_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <atomic>
#include <new>

#include "support/debug_log.h"
#include "support/lock.h"
#include "support/poison.h"
#include "support/texts_big5.h"

template <class K, class V>
struct NvtMapNode {
    NvtMapNode* pNext;
    K key;
    V value;
};

// Large enough for the node of every instantiation: 12 bytes on the 32-bit
// target, more where pointers are wider.
const size_t kNvtNodeSize = sizeof(NvtMapNode<unsigned int, void*>);
static_assert(sizeof(void*) != 4 || kNvtNodeSize == 12, "a node is 12 bytes on the 32-bit target");

// Exactly capacity nodes in one block made at construction, handed out last
// in first out; the last node of the block is the first taken. The map calls
// the Held variants while it holds Lock() for its own operation anyway, which
// spares a lock and an unlock on every insert and removal. A free node is
// poisoned under AddressSanitizer, so a walk kept on a removed node is caught.
class NvtNodePool {
public:
    explicit NvtNodePool(unsigned int capacity)
        : m_nCapacity(capacity), m_pBlock(static_cast<unsigned char*>(::operator new(kStride * (capacity ? capacity : 1)))) {
        for (unsigned int i = 0; i < capacity; ++i) GiveHeld(m_pBlock + kStride * i);
    }
    ~NvtNodePool() {
        UnpoisonTakenBlock(m_pBlock, kStride * m_nCapacity);
        ::operator delete(m_pBlock);
    }
    NvtNodePool(const NvtNodePool&) = delete;
    NvtNodePool& operator=(const NvtNodePool&) = delete;

    // Null when size is over a node's or no node is free.
    void* Take(size_t size) {
        NvtLockGuard guard(m_lock);
        return TakeHeld(size);
    }
    // Null is ignored; so is anything that is not a node of this block.
    void Give(void* node) {
        NvtLockGuard guard(m_lock);
        GiveHeld(node);
    }
    unsigned int FreeCount() {
        NvtLockGuard guard(m_lock);
        return m_nFree;
    }
    NvtLock& Lock() { return m_lock; }

    void* TakeHeld(size_t size) {
        if (size > kNvtNodeSize || !m_pFree) return nullptr;
        FreeNode* node = m_pFree;
        UnpoisonTakenBlock(node, kStride);
        m_pFree = node->pNext;
        --m_nFree;
        return node;
    }
    void GiveHeld(void* node) {
        // Null and anything below the block wrap round to a huge offset.
        const uintptr_t offset = reinterpret_cast<uintptr_t>(node) - reinterpret_cast<uintptr_t>(m_pBlock);
        if (offset >= kStride * m_nCapacity || offset % kStride != 0) return;
        FreeNode* freed = new (node) FreeNode;
        freed->pNext = m_pFree;
        m_pFree = freed;
        ++m_nFree;
        PoisonFreeBlock(freed, kStride);
    }
    unsigned int FreeCountHeld() const { return m_nFree; }

private:
    struct FreeNode { FreeNode* pNext; };
    // A free node holds the link; keep nodes pointer-aligned.
    static constexpr size_t kStride = (kNvtNodeSize + alignof(void*) - 1) / alignof(void*) * alignof(void*);

    unsigned int m_nCapacity;
    unsigned char* m_pBlock;
    FreeNode* m_pFree = nullptr;
    unsigned int m_nFree = 0;
    NvtLock m_lock;
};

// A walker's place: the node it reads next, null at the end.
using NvtPosition = const void*;

// The qualified name the diagnostics of SetAt carry, one per instantiation.
template <class K, class V>
const char* NvtMapSetAtName();
struct tagKWP_PLAYER_LIST_DATA_EXTRA;
template <>
const char* NvtMapSetAtName<unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA*>();
template <>
const char* NvtMapSetAtName<unsigned int, unsigned int>();

// Lookup calls Seam::BetweenVersionReads() after its unlocked probe, before
// it reads the version again. The library's maps use this empty one, which
// the compiler drops; a test supplies one that writes to the map at that
// point, which no timing of threads can force.
struct NvtNoLookupSeam {
    static void BetweenVersionReads() {}
};

template <class K, class V, class Seam = NvtNoLookupSeam>
class NvtMapBase {
public:
    using Node = NvtMapNode<K, V>;
    static constexpr unsigned int kNoBucket = 0xFFFFFFFFu;

    NvtMapBase(unsigned int capacity, unsigned int bucketCount, const char* name)
        : m_nBucketCount(bucketCount == 0 ? 1 : bucketCount),
          m_nCapacity(capacity),
          m_ppBuckets(new Node*[m_nBucketCount]()),
          m_pPool(new NvtNodePool(capacity)),
          m_nIndexBits(IndexBitsFor(capacity)),
          m_pIndex(new IndexSlot[size_t(1) << m_nIndexBits]) {
        static_assert(sizeof(Node) <= kNvtNodeSize, "node does not fit the pool");
        strncpy(m_szName, name ? name : "", sizeof(m_szName) - 1);
        m_szName[sizeof(m_szName) - 1] = '\0';
    }

    NvtMapBase(const NvtMapBase&) = delete;
    NvtMapBase& operator=(const NvtMapBase&) = delete;

    virtual ~NvtMapBase() {
        {
            // FreeNode is not callable from here (the derived part is gone);
            // the nodes go straight back to the pool.
            NvtLockGuard guard(m_pPool->Lock());
            for (unsigned int b = 0; b < m_nBucketCount; ++b) {
                Node* node = m_ppBuckets[b];
                while (node) {
                    Node* next = node->pNext;
                    m_pPool->Give(node);
                    node = next;
                }
                m_ppBuckets[b] = nullptr;
            }
        }
        delete[] m_pIndex;
        delete m_pPool;
        delete[] m_ppBuckets;
    }

    virtual unsigned int HashKey(K key) const { return static_cast<unsigned int>(key) % m_nBucketCount; }
    virtual bool CompareKey(K a, K b) const { return a == b; }
    virtual void SetNode(Node* node, K key, V value) {
        node->key = key;
        node->value = value;
    }
    virtual Node* NewNode() = 0;
    virtual void FreeNode(Node* node) = 0;

    // Inserts a new key; false (map unchanged) when the key is present, the
    // pool is exhausted or no node could be taken. There is no replace.
    bool SetAt(K key, V value) {
        NvtLockGuard guard(m_pPool->Lock());
        if (ReportIfFullHeld()) return false;
        const size_t slot = FindSlot(key);
        if (m_pIndex[slot].node.load(std::memory_order_relaxed)) {
            DebugLogPrintf(kBig5MapDuplicateKeyFormat, NvtMapSetAtName<K, V>(), static_cast<int>(key));
            return false;
        }
        return LinkNew(slot, key, value);
    }

    // SetAt for a key that may well be present, in one hold of the lock: a
    // present key is left alone and not reported (the caller expects it), a
    // full map is reported as SetAt reports it. make(value) is called under
    // the lock only when the key can go in; false from it inserts nothing.
    template <class Make>
    bool SetAtIfAbsent(K key, Make&& make) {
        NvtLockGuard guard(m_pPool->Lock());
        const size_t slot = FindSlot(key);
        if (m_pIndex[slot].node.load(std::memory_order_relaxed)) return false;
        if (ReportIfFullHeld()) return false;
        V value{};
        if (!make(value)) return false;
        return LinkNew(slot, key, value);
    }

    bool Lookup(K key, V& value) {
        // Twice without the lock at most: a second clash means writers are
        // busy, and waiting for them beats spinning.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const unsigned int version = m_nVersion.load(std::memory_order_acquire);
            if (version & 1) break;
            V found{};
            const bool present = ProbeUnlocked(key, found);
            Seam::BetweenVersionReads();
            // The probe's loads acquire, so this load cannot move before them.
            if (m_nVersion.load(std::memory_order_relaxed) != version) continue;
            if (present) value = found;
            return present;
        }
        NvtLockGuard guard(m_pPool->Lock());
        const IndexSlot& slot = m_pIndex[FindSlot(key)];
        if (!slot.node.load(std::memory_order_relaxed)) return false;
        value = slot.value.load(std::memory_order_relaxed);
        return true;
    }

    bool RemoveKey(K key) {
        return RemoveKey(key, [](K, V) {});
    }

    // RemoveKey that hands the removed value to removed(key, value) while
    // still holding the lock, so that what the value stands for is released
    // by exactly the caller that removed it.
    template <class Removed>
    bool RemoveKey(K key, Removed&& removed) {
        NvtLockGuard guard(m_pPool->Lock());
        const size_t slot = FindSlot(key);
        Node* node = m_pIndex[slot].node.load(std::memory_order_relaxed);
        if (!node) return false;
        const unsigned int h = HashKey(key);
        WriteBegin();
        Unlink(h, node);
        EraseSlot(slot);
        WriteEnd();
        const V value = node->value;
        FreeNode(node);
        // The start bucket itself may still hold nodes: search from it.
        if (h == m_nFirstBucket) m_nFirstBucket = FirstNonEmptyFrom(h);
        removed(key, value);
        return true;
    }

    // Empties the map in one hold of the lock, handing each key and value to
    // each(key, value) in iteration order, as a walk that removes every key it
    // is given would, with nodes going back to the pool in that order.
    template <class Each>
    void RemoveAll(Each&& each) {
        NvtLockGuard guard(m_pPool->Lock());
        if (m_nFirstBucket == kNoBucket) return;
        // A few keys leave the index one by one; many, in one sweep of it.
        const size_t slots = size_t(1) << m_nIndexBits;
        const bool sweep = size_t(m_nCapacity - m_pPool->FreeCountHeld()) * 8 > slots;
        WriteBegin();
        for (unsigned int b = m_nFirstBucket; b < m_nBucketCount; ++b) {
            while (Node* node = m_ppBuckets[b]) {
                m_ppBuckets[b] = node->pNext;
                const K key = node->key;
                const V value = node->value;
                if (!sweep) EraseSlot(FindSlot(key));
                FreeNode(node);
                each(key, value);
            }
        }
        m_nFirstBucket = kNoBucket;
        if (sweep)
            for (size_t i = 0; i < slots; ++i) m_pIndex[i].node.store(nullptr, std::memory_order_release);
        WriteEnd();
    }

    NvtPosition GetStartPosition() {
        NvtLockGuard guard(m_pPool->Lock());
        return m_nFirstBucket == kNoBucket ? nullptr : m_ppBuckets[m_nFirstBucket];
    }

    // Reads the node at position and moves position past it (null after the
    // last). A null position is left alone. A position is the node itself:
    // it is good only while its key stays in the map, so a caller that keeps
    // one across calls steps it past a key it removes, under Lock().
    void GetNextAssoc(NvtPosition& position, K& key, V& value) {
        NvtLockGuard guard(m_pPool->Lock());
        const Node* node = static_cast<const Node*>(position);
        if (!node) return;
        key = node->key;
        value = node->value;
        if (node->pNext) {
            position = node->pNext;
            return;
        }
        const unsigned int next = FirstNonEmptyFrom(HashKey(node->key) + 1);
        position = next == kNoBucket ? nullptr : m_ppBuckets[next];
    }

    unsigned int GetCount() { return m_nCapacity - m_pPool->FreeCount(); }
    unsigned int GetFreeCount() { return m_pPool->FreeCount(); }
    unsigned int GetFirstBucket() {
        NvtLockGuard guard(m_pPool->Lock());
        return m_nFirstBucket;
    }
    const char* GetName() const { return m_szName; }

    // The lock every write and walk step takes. A caller holds it across
    // several operations that must be seen as one, or while it reads what a
    // value points to; it is re-entrant, so the operations take it again.
    NvtLock& Lock() { return m_pPool->Lock(); }

protected:
    NvtNodePool* Pool() { return m_pPool; }

private:
    bool ReportIfFullHeld() {
        const unsigned int freeNodes = m_pPool->FreeCountHeld();
        if (freeNodes != 0) return false;
        DebugLogPrintf(kBig5MapFullFormat, NvtMapSetAtName<K, V>(), m_szName,
                       static_cast<int>(m_nCapacity - freeNodes));
        return true;
    }

    // The tail of every insert: a node, the head of its bucket, its place in
    // the index (slot, free, found by FindSlot under this hold of the lock).
    bool LinkNew(size_t slot, K key, V value) {
        Node* node = NewNode();
        if (!node) {
            DebugLogPrintf("%s()-> Cannot allocate new item. NAME=%s", NvtMapSetAtName<K, V>(), m_szName);
            return false;
        }
        SetNode(node, key, value);
        const unsigned int h = HashKey(key);
        WriteBegin();
        node->pNext = m_ppBuckets[h];
        m_ppBuckets[h] = node;
        if (m_nFirstBucket > h) m_nFirstBucket = h;
        m_pIndex[slot].key.store(static_cast<uint32_t>(node->key), std::memory_order_release);
        m_pIndex[slot].value.store(node->value, std::memory_order_release);
        m_pIndex[slot].node.store(node, std::memory_order_release);
        WriteEnd();
        return true;
    }

    // One place of the index. The fields are atomics because Lookup reads
    // them while a writer may be changing them; a null node marks a free place.
    struct IndexSlot {
        std::atomic<uint32_t> key{0};
        std::atomic<V> value{};
        std::atomic<Node*> node{nullptr};
    };

    // At least twice the capacity, a power of two: a miss then stops within
    // a couple of places.
    static unsigned int IndexBitsFor(unsigned int capacity) {
        unsigned int bits = 1;
        while (bits < 31 && (size_t(1) << bits) < size_t(capacity) * 2) ++bits;
        return bits;
    }

    // Player ids come in runs; the multiplicative hash spreads them over the
    // index where key mod 2^n would pile them up.
    size_t Home(uint32_t key) const { return (key * 0x9E3779B9u) >> (32 - m_nIndexBits); }
    size_t Mask() const { return (size_t(1) << m_nIndexBits) - 1; }

    // Under the lock: the place holding key, or the free place where it would go.
    size_t FindSlot(K key) const {
        const uint32_t wanted = static_cast<uint32_t>(key);
        size_t i = Home(wanted);
        while (m_pIndex[i].node.load(std::memory_order_relaxed) &&
               m_pIndex[i].key.load(std::memory_order_relaxed) != wanted)
            i = (i + 1) & Mask();
        return i;
    }

    // Without the lock the index may be half rewritten; the probe count is
    // bounded so that even then it ends, and the version check discards it.
    bool ProbeUnlocked(K key, V& value) const {
        const uint32_t wanted = static_cast<uint32_t>(key);
        size_t i = Home(wanted);
        for (size_t probes = 0; probes <= Mask(); ++probes, i = (i + 1) & Mask()) {
            if (!m_pIndex[i].node.load(std::memory_order_acquire)) return false;
            if (m_pIndex[i].key.load(std::memory_order_acquire) == wanted) {
                value = m_pIndex[i].value.load(std::memory_order_acquire);
                return true;
            }
        }
        return false;
    }

    // Frees a place and moves later members of its probe run back, so that
    // no run is broken and no tombstones build up over a long session.
    void EraseSlot(size_t hole) {
        size_t i = hole;
        for (;;) {
            i = (i + 1) & Mask();
            Node* node = m_pIndex[i].node.load(std::memory_order_relaxed);
            if (!node) break;
            const size_t home = Home(m_pIndex[i].key.load(std::memory_order_relaxed));
            // The member may move back only if its home is not in (hole, i].
            if (((i - home) & Mask()) < ((i - hole) & Mask())) continue;
            m_pIndex[hole].key.store(m_pIndex[i].key.load(std::memory_order_relaxed), std::memory_order_release);
            m_pIndex[hole].value.store(m_pIndex[i].value.load(std::memory_order_relaxed), std::memory_order_release);
            m_pIndex[hole].node.store(node, std::memory_order_release);
            hole = i;
        }
        m_pIndex[hole].node.store(nullptr, std::memory_order_release);
    }

    void Unlink(unsigned int bucket, Node* node) {
        Node** link = &m_ppBuckets[bucket];
        while (*link != node) link = &(*link)->pNext;
        *link = node->pNext;
    }

    // Writers hold the lock; the version is odd while the index changes.
    // The index is written with release stores, so a reader that sees any
    // of a writer's changes also sees the odd version; reads of it acquire.
    // (No fences: ThreadSanitizer does not follow them.)
    void WriteBegin() { m_nVersion.store(m_nVersion.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed); }
    void WriteEnd() { m_nVersion.store(m_nVersion.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

    unsigned int FirstNonEmptyFrom(unsigned int bucket) const {
        for (unsigned int b = bucket; b < m_nBucketCount; ++b)
            if (m_ppBuckets[b]) return b;
        return kNoBucket;
    }

    unsigned int m_nBucketCount;
    unsigned int m_nCapacity;
    unsigned int m_nFirstBucket = kNoBucket;
    char m_szName[21];
    Node** m_ppBuckets;
    NvtNodePool* m_pPool;
    unsigned int m_nIndexBits;
    IndexSlot* m_pIndex;
    std::atomic<unsigned int> m_nVersion{0};
};

// The map over its own pool; the two instances of the room differ only in V.
template <class K, class V, class Seam = NvtNoLookupSeam>
class NvtPooledMap final : public NvtMapBase<K, V, Seam> {
public:
    using typename NvtMapBase<K, V, Seam>::Node;
    NvtPooledMap(unsigned int capacity, unsigned int bucketCount, const char* name)
        : NvtMapBase<K, V, Seam>(capacity, bucketCount, name) {}

    // Called by the map with the pool's lock held.
    Node* NewNode() override {
        void* block = this->Pool()->TakeHeld(sizeof(Node));
        return block ? new (block) Node() : nullptr;
    }
    void FreeNode(Node* node) override { this->Pool()->GiveHeld(node); }
};

using NvtPlayerMap = NvtPooledMap<unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA*>;
using NvtPlayerTableMap = NvtPooledMap<unsigned int, unsigned int>;

#endif
