#pragma once
// Growable list: (pointer, count, capacity). An empty list's first allocation
// takes 2 slots and every growth doubles. `Inline` slots live inside the
// holder, so small lists (corners of a quad, faces of an edge) cost no heap
// allocation; the doubling rule then starts from that inline capacity.
// A list may also borrow its slots from a block that someone else owns (one
// block shared by many lists of the same age); it never frees those.
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "OutOfMemory.h"

template <class T, int Inline = 0>
class List {
    static_assert(std::is_trivially_copyable_v<T>, "List holds plain records and pointers");

public:
    List() = default;
    List(const List& other) { assign(other); }
    List& operator=(const List& other)
    {
        if (this != &other)
            assign(other);
        return *this;
    }
    ~List() { freeStorage(); }

    int count() const { return count_; }
    int capacity() const { return capacity_ & CapacityMask; }
    // False while the slots are inline or borrowed.
    bool ownsStorage() const { return items_ != inlineItems() && !(capacity_ & Borrowed); }
    bool empty() const { return count_ == 0; }
    T* data() { return items_; }
    const T* data() const { return items_; }
    T& operator[](int i) { return items_[i]; }
    const T& operator[](int i) const { return items_[i]; }
    T* begin() { return items_; }
    T* end() { return items_ + count_; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + count_; }
    T& last() { return items_[count_ - 1]; }

    void append(const T& item)
    {
        const int cap = capacity();
        if (count_ == cap)
            grow(cap == 0 ? 2 : cap * 2);
        items_[count_++] = item;
    }

    void reserve(int wanted)
    {
        if (wanted > capacity())
            grow(wanted);
    }

    // Drops the list's own storage and takes the `slotCount` slots at `items`
    // (the first `count` of them already filled) without owning them; the
    // owner of the block keeps it alive while the list uses it. Growing
    // past `slotCount` moves the items to storage of the list's own.
    void borrow(T* items, int count, int slotCount)
    {
        freeStorage();
        items_ = items;
        count_ = count;
        capacity_ = slotCount | Borrowed;
    }

    // Removes the item at i; later items shift down one place.
    void removeAt(int i)
    {
        std::memmove(static_cast<void*>(items_ + i), items_ + i + 1, sizeof(T) * (count_ - i - 1));
        --count_;
    }

    // Removes the first occurrence of item; false when absent.
    bool removeOne(const T& item)
    {
        int i = indexOf(item);
        if (i < 0)
            return false;
        removeAt(i);
        return true;
    }

    int indexOf(const T& item) const
    {
        for (int i = 0; i < count_; ++i)
            if (items_[i] == item)
                return i;
        return -1;
    }
    bool contains(const T& item) const { return indexOf(item) >= 0; }

    void clear() { count_ = 0; }
    // Drops the storage too, back to the inline slots.
    void freeStorage()
    {
        if (ownsStorage())
            std::free(items_);
        items_ = inlineItems();
        count_ = 0;
        capacity_ = Inline;
    }
    void truncate(int n)
    {
        if (n < count_)
            count_ = n;
    }
    void reverse()
    {
        for (int i = 0, j = count_ - 1; i < j; ++i, --j)
            std::swap(items_[i], items_[j]);
    }
    bool operator==(const List& other) const
    {
        if (count_ != other.count_)
            return false;
        for (int i = 0; i < count_; ++i)
            if (!(items_[i] == other.items_[i]))
                return false;
        return true;
    }

private:
    // A high bit of capacity_ marks borrowed slots.
    static constexpr int Borrowed = 1 << 30;
    static constexpr int CapacityMask = Borrowed - 1;

    T* inlineItems() const
    {
        if constexpr (Inline > 0)
            return const_cast<T*>(reinterpret_cast<const T*>(storage_.bytes));
        else
            return nullptr;
    }

    void grow(int newCapacity)
    {
        T* fresh = static_cast<T*>(std::malloc(sizeof(T) * static_cast<size_t>(newCapacity)));
        if (!fresh)
            outOfMemory();
        if (count_)
            std::memcpy(static_cast<void*>(fresh), items_, sizeof(T) * count_);
        if (ownsStorage())
            std::free(items_);
        items_ = fresh;
        capacity_ = newCapacity;
    }

    void assign(const List& other)
    {
        count_ = 0;
        reserve(other.count_);
        if (other.count_)
            std::memcpy(static_cast<void*>(items_), other.items_, sizeof(T) * other.count_);
        count_ = other.count_;
    }

    T* items_ = inlineItems();
    int count_ = 0;
    int capacity_ = Inline;
    struct InlineStorage {
        alignas(T) unsigned char bytes[Inline * sizeof(T)];
    };
    struct NoStorage {};
    // A list without inline slots costs only its pointer and two counts.
    [[no_unique_address]] std::conditional_t<(Inline > 0), InlineStorage, NoStorage> storage_;
};
