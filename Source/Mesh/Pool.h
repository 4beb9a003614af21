#pragma once
// Per-class object pools. Creating and giving back millions of elements must
// be cheap, so objects come from blocks of 2000 and return to a free list;
// blocks are never handed back to the system.
//
// The free list is a stack of slot addresses beside the blocks, not a chain
// through the free objects: taking many slots copies their addresses without
// touching (and waiting for) the objects' memory, and giving one back does
// not write into it.
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "OutOfMemory.h"

template <class T>
class Pool {
public:
    static constexpr int BlockSize = 2000;

    // Raw storage for one object: the slot given back last, or a slot of a
    // new block when none is free. `pooled` is always set: it stays in the
    // signature for the classes that share another class's pool.
    static void* takeStorage(bool& pooled)
    {
        if (freeCount_ == 0)
            addBlock();
        pooled = true;
        return free_[--freeCount_];
    }

    // Raw storage for `count` objects, all pooled, into out[0 … count − 1]:
    // the slots given back last, in the order they were given back (objects
    // released in address order are taken in address order).
    static void takeStorage(long count, void** out)
    {
        while (freeCount_ < count)
            addBlock();
        freeCount_ -= count;
        if (count > 0)
            std::memcpy(static_cast<void*>(out), free_ + freeCount_, sizeof(void*) * static_cast<size_t>(count));
    }

    // `object` must already be destroyed; its storage goes back on the free list.
    static void giveBack(void* object) { free_[freeCount_++] = object; }

    static long freeCount() { return freeCount_; }
    static long blockCount() { return blocks_; }

private:
    static void addBlock()
    {
        // The stack holds every slot at once when all are free, so giving
        // back never needs to grow it.
        const size_t slotCount = static_cast<size_t>(blocks_ + 1) * BlockSize;
        auto** grown = static_cast<void**>(std::realloc(static_cast<void*>(free_), sizeof(void*) * slotCount));
        if (!grown)
            outOfMemory();
        free_ = grown;
        auto* block = static_cast<unsigned char*>(::operator new(sizeof(T) * BlockSize, std::align_val_t(alignof(T))));
        // Pushed in reverse so that single objects are taken in address order.
        for (int i = BlockSize - 1; i >= 0; --i)
            giveBack(block + sizeof(T) * static_cast<size_t>(i));
        ++blocks_;
    }

    static inline void** free_ = nullptr;
    static inline long freeCount_ = 0;
    static inline long blocks_ = 0;
};

// Constructs an object of class T in storage from Pool<T>::takeStorage; the
// `Pooled` flag is set afterwards so that constructors never have to touch it.
template <class T, class... Args>
T* constructIn(void* storage, bool pooled, Args&&... args)
{
    T* object = new (storage) T(std::forward<Args>(args)...);
    if (pooled)
        object->flags |= T::Pooled;
    return object;
}

// Takes an object of class T from its pool and constructs it.
template <class T, class... Args>
T* take(Args&&... args)
{
    bool pooled = false;
    void* storage = Pool<T>::takeStorage(pooled);
    return constructIn<T>(storage, pooled, std::forward<Args>(args)...);
}

// The end of every concrete `release`: destroys the object and gives its
// storage back when it came from the pool. Objects without `Pooled`
// (embedded or on the stack) are left where they are.
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
