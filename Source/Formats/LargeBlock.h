#pragma once
// Memory for a big buffer that is filled once (a whole scene file, a chunk
// built aside). Touching a fresh page costs the system more than filling
// it, so where the system offers large pages the block asks for them.
#include <cstddef>
#include <cstdlib>
#include <type_traits>

// `bytes` of uninitialised memory, given back with std::free; null when
// out of memory.
void* allocateLarge(size_t bytes);

// A growable array of plain values in large blocks, for the read-side
// tables that grow with the file. Growth doubles; `push` and `reserve`
// return false (array unchanged) when out of memory.
template <class T>
class LargeArray {
    static_assert(std::is_trivially_copyable_v<T>, "LargeArray holds plain values");

public:
    LargeArray() = default;
    LargeArray(const LargeArray&) = delete;
    LargeArray& operator=(const LargeArray&) = delete;
    ~LargeArray() { std::free(items_); }

    size_t size() const { return size_; }
    void clear() { size_ = 0; }
    T& operator[](size_t i) { return items_[i]; }
    const T& operator[](size_t i) const { return items_[i]; }

    bool reserve(size_t wanted)
    {
        if (wanted <= capacity_)
            return true;
        void* grown = items_ ? std::realloc(items_, wanted * sizeof(T)) : allocateLarge(wanted * sizeof(T));
        if (!grown)
            return false;
        items_ = static_cast<T*>(grown);
        capacity_ = wanted;
        return true;
    }
    bool push(const T& item)
    {
        if (size_ == capacity_ && !reserve(capacity_ ? 2 * capacity_ : 64))
            return false;
        items_[size_++] = item;
        return true;
    }

private:
    T* items_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};
