#pragma once
// List positions of vertices found from their addresses alone. Writing a
// big mesh, reading each vertex's `index` through its pointer costs a
// cache miss per corner and edge end; but pools hand out objects in address
// order, so a vertex list is mostly runs of evenly spaced addresses, and a
// pointer is placed by the run it falls in.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "Mesh/List.h"

class Vertex;

class VertexPositions {
public:
    // Reads only the pointers of `vertices`. When the runs are too many to
    // pay, or overlap (a vertex listed twice), `find` answers -1 throughout.
    explicit VertexPositions(const List<Vertex*>& vertices);

    // Whether any vertex can be found (else reading `index` is the only way).
    bool usable() const { return !runs_.empty(); }

    // The two runs found last: neighbouring lookups mostly land in one of
    // them (the corners of a face in a grid lie in two rows).
    struct Hint {
        size_t recent = 0, before = 0;
    };

    // The position of `v` in the list, or -1 when it is in no run.
    int find(const Vertex* v, Hint& hint) const
    {
        if (runs_.empty())
            return -1;
        const auto a = reinterpret_cast<uintptr_t>(v);
        if (a - runs_[hint.recent].start > runs_[hint.recent].span) {
            std::swap(hint.recent, hint.before);
            if (a - runs_[hint.recent].start > runs_[hint.recent].span)
                hint.recent = runAt(a);
        }
        const Run& r = runs_[hint.recent];
        const uintptr_t offset = a - r.start;
        if (offset > r.span || (offset & r.lowMask))
            return -1;
        const uintptr_t step = (offset >> r.shift) * r.inverse; // exact division by the odd part
        return step < r.length ? r.first + static_cast<int>(step) : -1;
    }

private:
    struct Run {
        uintptr_t start;   // address of the run's first vertex
        uintptr_t span;    // last address minus first
        uintptr_t inverse; // of the stride's odd part, modulo 2^64
        uintptr_t lowMask; // the stride's power of two, less one
        uint32_t shift;    // log2 of that power
        uint32_t length;
        int first;         // list position of the first vertex
    };
    size_t runAt(uintptr_t a) const;

    std::vector<Run> runs_; // by address
};
