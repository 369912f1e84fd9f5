// NvtMapBase<K,V>: a fixed-capacity hash map from a 32-bit key to a 32-bit
// value, every operation under one lock. Its nodes come from an NvtNodePool
// made at construction, so the map never allocates while in use. Iteration
// runs over the buckets in ascending order and, within a bucket, from the
// most recently inserted key; a walker may remove the key it was just given.
#ifndef LOBBYUI_ROOM_KEYED_MAP_H
#define LOBBYUI_ROOM_KEYED_MAP_H

#include <stddef.h>
#include <string.h>

#include <new>

#include "support/block_pool.h"
#include "support/debug_log.h"
#include "support/lock.h"
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

class NvtNodePool : public NvtBlockPool {
public:
    explicit NvtNodePool(unsigned int capacity) : NvtBlockPool(capacity, kNvtNodeSize) {}
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

template <class K, class V>
class NvtMapBase {
public:
    using Node = NvtMapNode<K, V>;
    static constexpr unsigned int kNoBucket = 0xFFFFFFFFu;

    NvtMapBase(unsigned int capacity, unsigned int bucketCount, const char* name)
        : m_nBucketCount(bucketCount == 0 ? 1 : bucketCount),
          m_nCapacity(capacity),
          m_ppBuckets(new Node*[m_nBucketCount]()),
          m_pPool(new NvtNodePool(capacity)) {
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
        const unsigned int freeNodes = m_pPool->FreeCount();
        if (freeNodes == 0) {
            DebugLogPrintf(kBig5MapFullFormat, NvtMapSetAtName<K, V>(), m_szName,
                           static_cast<int>(m_nCapacity - freeNodes));
            return false;
        }
        const unsigned int h = HashKey(key);
        for (Node* node = m_ppBuckets[h]; node; node = node->pNext) {
            if (CompareKey(node->key, key)) {
                DebugLogPrintf(kBig5MapDuplicateKeyFormat, NvtMapSetAtName<K, V>(), static_cast<int>(key));
                return false;
            }
        }
        Node* node = NewNode();
        if (!node) {
            DebugLogPrintf("%s()-> Cannot allocate new item. NAME=%s", NvtMapSetAtName<K, V>(), m_szName);
            return false;
        }
        SetNode(node, key, value);
        node->pNext = m_ppBuckets[h];
        m_ppBuckets[h] = node;
        if (m_nFirstBucket > h) m_nFirstBucket = h;
        return true;
    }

    bool Lookup(K key, V& value) {
        NvtLockGuard guard(m_pPool->Lock());
        for (Node* node = m_ppBuckets[HashKey(key)]; node; node = node->pNext) {
            if (CompareKey(node->key, key)) {
                value = node->value;
                return true;
            }
        }
        return false;
    }

    bool RemoveKey(K key) {
        NvtLockGuard guard(m_pPool->Lock());
        const unsigned int h = HashKey(key);
        Node* previous = nullptr;
        for (Node* node = m_ppBuckets[h]; node; previous = node, node = node->pNext) {
            if (!CompareKey(node->key, key)) continue;
            if (previous)
                previous->pNext = node->pNext;
            else
                m_ppBuckets[h] = node->pNext;
            FreeNode(node);
            // The start bucket itself may still hold nodes: search from it.
            if (h == m_nFirstBucket) m_nFirstBucket = FirstNonEmptyFrom(h);
            return true;
        }
        return false;
    }

    NvtPosition GetStartPosition() {
        NvtLockGuard guard(m_pPool->Lock());
        return m_nFirstBucket == kNoBucket ? nullptr : m_ppBuckets[m_nFirstBucket];
    }

    // Reads the node at position and moves position past it (null after the
    // last). A null position is left alone.
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

protected:
    NvtNodePool* Pool() { return m_pPool; }

private:
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
};

// The map over its own pool; the two instances of the room differ only in V.
template <class K, class V>
class NvtPooledMap final : public NvtMapBase<K, V> {
public:
    using typename NvtMapBase<K, V>::Node;
    NvtPooledMap(unsigned int capacity, unsigned int bucketCount, const char* name)
        : NvtMapBase<K, V>(capacity, bucketCount, name) {}

    Node* NewNode() override {
        void* block = this->Pool()->Take(sizeof(Node));
        return block ? new (block) Node() : nullptr;
    }
    void FreeNode(Node* node) override { this->Pool()->Give(node); }
};

using NvtPlayerMap = NvtPooledMap<unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA*>;
using NvtPlayerTableMap = NvtPooledMap<unsigned int, unsigned int>;

#endif
