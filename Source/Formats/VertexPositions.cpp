#include "Formats/VertexPositions.h"

#include <algorithm>
#include <bit>

namespace {
// The inverse of odd `d` modulo 2^64 (Newton's iteration doubles the bits each step).
uintptr_t oddInverse(uintptr_t d)
{
    uintptr_t x = d;
    for (int i = 0; i < 6; ++i)
        x *= 2 - d * x;
    return x;
}
} // namespace

VertexPositions::VertexPositions(const List<Vertex*>& vertices)
{
    const int n = vertices.count();
    const size_t most = static_cast<size_t>(n) / 16 + 16; // beyond that, lookups would not pay
    int i = 0;
    while (i < n) {
        const auto start = reinterpret_cast<uintptr_t>(vertices[i]);
        uintptr_t stride = 0;
        int length = 1;
        if (i + 1 < n && reinterpret_cast<uintptr_t>(vertices[i + 1]) > start) {
            stride = reinterpret_cast<uintptr_t>(vertices[i + 1]) - start;
            while (i + length < n &&
                   reinterpret_cast<uintptr_t>(vertices[i + length]) == start + stride * static_cast<uintptr_t>(length))
                ++length;
        }
        Run r{start, stride * static_cast<uintptr_t>(length - 1), 1, 0, 0, static_cast<uint32_t>(length), i};
        if (stride) {
            r.shift = static_cast<uint32_t>(std::countr_zero(stride));
            r.lowMask = (uintptr_t(1) << r.shift) - 1;
            r.inverse = oddInverse(stride >> r.shift);
        }
        if (runs_.size() == most || !vertices[i]) {
            runs_.clear();
            return;
        }
        runs_.push_back(r);
        i += length;
    }
    std::sort(runs_.begin(), runs_.end(), [](const Run& a, const Run& b) { return a.start < b.start; });
    for (size_t k = 1; k < runs_.size(); ++k)
        if (runs_[k].start <= runs_[k - 1].start + runs_[k - 1].span) {
            runs_.clear();
            return;
        }
}

size_t VertexPositions::runAt(uintptr_t a) const
{
    // The last run starting at or before a (or the first, which then misses).
    auto after = std::upper_bound(runs_.begin(), runs_.end(), a, [](uintptr_t x, const Run& r) { return x < r.start; });
    return after == runs_.begin() ? 0 : static_cast<size_t>(after - runs_.begin() - 1);
}
