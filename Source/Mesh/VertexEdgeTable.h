#pragma once
// Per-vertex tables of (other end, edge) used by the topology builders. The
// vertices must carry their list position in `tag`. All rows live in one
// array sized by the number of corners at each vertex, so building and
// looking up are linear in the corner count with two allocations per run.
#include <memory>

class InnerShape;
class Vertex;
class Edge;

class VertexEdgeTable {
public:
    // Sizes the rows from the corners of all faces and holes, plus the
    // existing edges when `withEdges` is set. False when out of memory.
    bool build(const InnerShape& mesh, bool withEdges = false);
    // True when v is the vertex at position v->tag of the mesh (guards
    // against corners that name a vertex of another mesh).
    bool owns(const InnerShape& mesh, const Vertex* v) const;
    // The edge recorded in a's row with other end b, or null.
    Edge* find(const Vertex* a, const Vertex* b) const;
    void add(const Vertex* a, const Vertex* b, Edge* e);

private:
    struct Entry {
        const Vertex* other;
        Edge* edge;
    };
    std::unique_ptr<int[]> start_; // row of vertex i: entries [start_[i], start_[i] + used_[i])
    std::unique_ptr<int[]> used_;
    std::unique_ptr<Entry[]> entries_;
};
