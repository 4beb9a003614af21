#pragma once
// A hash table from vertex-position pairs to edge positions, for the edges
// of vertices with many neighbours, where walking a per-vertex chain would
// make reading quadratic. Open addressing with linear probing over a
// power-of-two table kept at most half full.
#include <cstddef>
#include <cstdint>

#include "Formats/LargeBlock.h"

class EdgeKeyTable {
public:
    EdgeKeyTable() = default;
    EdgeKeyTable(const EdgeKeyTable&) = delete;
    EdgeKeyTable& operator=(const EdgeKeyTable&) = delete;
    ~EdgeKeyTable() { std::free(slots_); }

    // The edge stored for (low, high), or -1. `probes` counts the slots looked at.
    int32_t find(int32_t low, int32_t high, uint64_t& probes) const;
    // Stores `edge` for (low, high), which must not be stored yet; false
    // when out of memory (the table is unchanged).
    bool insert(int32_t low, int32_t high, int32_t edge);

private:
    struct Slot {
        int32_t low; // -1: empty
        int32_t high;
        int32_t edge;
    };
    size_t slotOf(int32_t low, int32_t high) const;
    bool grow();

    Slot* slots_ = nullptr;
    size_t capacity_ = 0; // a power of two, or 0
    size_t used_ = 0;
};
