#pragma once
// Per-vertex tables of the edges met so far, used by the topology builders.
// An edge between the vertices at list positions a and b is kept in the row
// of the smaller position only, so each lookup reads one short row. All rows
// live in one array sized from the sides that start rows; the arrays are
// kept between runs, so rebuilding a big mesh again costs no fresh pages.
#include <cstdint>
#include <memory>
#include <utility>

#include "InnerShape.h"

class VertexEdgeTable {
public:
    // Sizes the rows for `vertexCount` vertices: `countSide` must then be
    // called once for every side that may be added, before `finishCounting`.
    bool start(int vertexCount);
    void countSide(int a, int b) { ++start_[(a < b ? a : b) + 1]; }
    bool finishCounting();

    // The position in the mesh's edge list of the edge joining the vertices
    // at positions a and b (either direction), or -1.
    int find(int a, int b) const
    {
        if (a > b)
            std::swap(a, b);
        const Entry* row = entries_.get() + start_[a];
        for (int i = 0, n = used_[a]; i < n; ++i)
            if (row[i].other == b)
                return row[i].edge;
        return -1;
    }
    void add(int a, int b, int edge)
    {
        if (a > b)
            std::swap(a, b);
        entries_[start_[a] + used_[a]++] = Entry{b, edge};
    }

    // The list position of v when v is the vertex there, else -1 (a corner
    // naming a vertex of another mesh).
    static int positionIn(const InnerShape& mesh, const Vertex* v)
    {
        if (v && v->tag >= 0 && v->tag < mesh.vertices.count() && mesh.vertices[v->tag] == v)
            return v->tag;
        return -1;
    }

private:
    struct Entry {
        int32_t other;
        int32_t edge;
    };
    template <class T>
    static bool ensure(std::unique_ptr<T[]>& array, long& capacity, long wanted);

    std::unique_ptr<int[]> start_; // row of vertex i: entries [start_[i], start_[i] + used_[i])
    std::unique_ptr<int[]> used_;
    std::unique_ptr<Entry[]> entries_;
    long startCapacity_ = 0, usedCapacity_ = 0, entryCapacity_ = 0;
    int vertexCount_ = 0;
};
