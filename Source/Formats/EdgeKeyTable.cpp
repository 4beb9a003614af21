#include "Formats/EdgeKeyTable.h"

namespace {
// Mixes both positions into every bit, so that the edges of one vertex
// spread over the table instead of queueing behind each other.
uint64_t mix(uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}
} // namespace

size_t EdgeKeyTable::slotOf(int32_t low, int32_t high) const
{
    const uint64_t key = (uint64_t(uint32_t(low)) << 32) | uint32_t(high);
    return static_cast<size_t>(mix(key)) & (capacity_ - 1);
}

int32_t EdgeKeyTable::find(int32_t low, int32_t high, uint64_t& probes) const
{
    if (!capacity_)
        return -1;
    for (size_t i = slotOf(low, high);; i = (i + 1) & (capacity_ - 1)) {
        ++probes;
        const Slot& s = slots_[i];
        if (s.low < 0)
            return -1;
        if (s.low == low && s.high == high)
            return s.edge;
    }
}

bool EdgeKeyTable::grow()
{
    const size_t capacity = capacity_ ? 2 * capacity_ : 64;
    auto* slots = static_cast<Slot*>(allocateLarge(capacity * sizeof(Slot)));
    if (!slots)
        return false;
    for (size_t i = 0; i < capacity; ++i)
        slots[i].low = -1;
    Slot* old = slots_;
    const size_t oldCapacity = capacity_;
    slots_ = slots;
    capacity_ = capacity;
    for (size_t i = 0; i < oldCapacity; ++i) {
        if (old[i].low < 0)
            continue;
        size_t j = slotOf(old[i].low, old[i].high);
        while (slots_[j].low >= 0)
            j = (j + 1) & (capacity_ - 1);
        slots_[j] = old[i];
    }
    std::free(old);
    return true;
}

bool EdgeKeyTable::insert(int32_t low, int32_t high, int32_t edge)
{
    if (2 * (used_ + 1) > capacity_ && !grow())
        return false;
    size_t i = slotOf(low, high);
    while (slots_[i].low >= 0)
        i = (i + 1) & (capacity_ - 1);
    slots_[i] = Slot{low, high, edge};
    ++used_;
    return true;
}
