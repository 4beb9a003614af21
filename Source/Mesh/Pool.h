#pragma once
// Per-class object pools. Creating and giving back millions of elements must
// be cheap, so objects come from blocks of 2000 and return to a free list;
// blocks are never handed back to the system.
#include <cstddef>
#include <new>
#include <utility>

template <class T>
class Pool {
public:
    static constexpr int BlockSize = 2000;

    // Raw storage for one object: from the free list, from a new block when
    // the list is empty, or (when the block cannot be had) a single object.
    // `pooled` tells the caller whether the storage belongs to the pool.
    static void* takeStorage(bool& pooled)
    {
        if (!freeList_ && !addBlock()) {
            pooled = false;
            return ::operator new(sizeof(T), std::nothrow);
        }
        FreeSlot* slot = freeList_;
        freeList_ = slot->next;
        --freeCount_;
        pooled = true;
        return slot;
    }

    // `object` must already be destroyed; its storage goes back on the free list.
    static void giveBack(void* object)
    {
        auto* slot = static_cast<FreeSlot*>(object);
        slot->next = freeList_;
        freeList_ = slot;
        ++freeCount_;
    }

    static long freeCount() { return freeCount_; }
    static long blockCount() { return blocks_; }

private:
    struct FreeSlot {
        FreeSlot* next;
    };
    static_assert(sizeof(T) >= sizeof(FreeSlot));

    static bool addBlock()
    {
        auto* block = static_cast<unsigned char*>(
            ::operator new(sizeof(T) * BlockSize, std::align_val_t(alignof(T)), std::nothrow));
        if (!block)
            return false;
        // Pushed in reverse so that objects are taken in address order.
        for (int i = BlockSize - 1; i >= 0; --i)
            giveBack(block + sizeof(T) * static_cast<size_t>(i));
        ++blocks_;
        return true;
    }

    static inline FreeSlot* freeList_ = nullptr;
    static inline long freeCount_ = 0;
    static inline long blocks_ = 0;
};

// Takes an object of class T from its pool and constructs it; the `Pooled`
// flag is set afterwards so that constructors never have to touch it.
// Returns null only when no memory at all could be had.
template <class T, class... Args>
T* take(Args&&... args)
{
    bool pooled = false;
    void* storage = Pool<T>::takeStorage(pooled);
    if (!storage)
        return nullptr;
    T* object = new (storage) T(std::forward<Args>(args)...);
    if (pooled)
        object->flags |= T::Pooled;
    return object;
}

// The end of every concrete `release`: destroys the object and gives its
// storage back when it came from the pool. Objects without `Pooled`
// (embedded, on the stack, or the pool's single-object fallback) are left
// where they are.
template <class T>
void giveBackToPool(T* object)
{
    bool pooled = object->flags & T::Pooled;
    object->flags &= ~T::Pooled;
    if (!pooled)
        return;
    object->~T();
    Pool<T>::giveBack(object);
}
