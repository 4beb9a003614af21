#pragma once
// The stencils of a level mesh flattened for evaluation. A position update
// gathers the source vertices (of the level below) into one compact array,
// then sums every vertex's (source slot, weight) pairs from that array and
// writes sum plus displacement to the vertex, in list order, without
// recursion or allocation.
//
// Slots below the mesh's vertex count name the mesh's own vertices, whose
// sums land in the same array as they are computed; the others name the
// gathered sources. An expanded entry whose source is a vertex of the same
// mesh listed earlier (the face points a level lists first) reads that
// vertex's sum, displacement left out as expansion requires. A mesh whose
// stencils do not have this shape (other expanded sources, or plain entries
// naming a vertex of the mesh itself) gets no usable table, and its
// positions are evaluated entry by entry.
//
// The common stencils of Catmull-Clark levels run through kernels of their
// own that read no weights: four quarters (face points of quads, smooth edge
// points) and the regular vertex point (one half, eight sixteenths).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Geometry.h"

class InnerShape;
class Point3D;
class Vertex;
struct StencilEntry;

class StencilTable : public Geometry {
public:
    // The mesh's table, built or rebuilt when it is missing or the mesh's
    // vertex list or change count no longer match it. Kept in the mesh's
    // `extras` list, so it is freed with the mesh. Null when the mesh's
    // stencils cannot be flattened or memory runs out. Plain stencil
    // sources must be vertices.
    static StencilTable* ensure(InnerShape& mesh);
    // The table in the mesh's `extras`, created empty when there is none;
    // null when memory runs out.
    static StencilTable* attach(InnerShape& mesh);

    // Refills the table from the stencil lists of mesh's vertices; false
    // when they cannot be flattened. Uses the vertices' scratch tags.
    bool build(InnerShape& mesh);

    // Filling by hand, for a builder that knows its stencils as slots:
    // `begin` with the mesh's vertex count and the plain sources (slot
    // ownCount + k is sources[k]); `add` once per vertex in list order;
    // `finish` with the mesh, which the table then matches.
    void begin(int ownCount, const Vertex* const* sources, int sourceCount, size_t entryCount);
    void add(const int32_t* entrySlots, const float* entryWeights, int count);
    void finish(const InnerShape& mesh);

    // Storage for `count` stencil entries that the mesh's vertices' stencil
    // lists borrow (List::borrow); it lives as long as the table, and a
    // rebuild of the table keeps it. Replaces any earlier block, so the
    // lists of the earlier one must be gone. Null when memory runs out.
    StencilEntry* provideListStorage(size_t count);

    // Sets every vertex of mesh (the mesh it was built from) to its stencil
    // sum plus its displacement; an empty stencil gives (0,0,0). With
    // `keepSums` returns the sums (x, y, z per vertex, displacement left
    // out), valid until the next evaluation of any table; else null.
    const float* evaluate(InnerShape& mesh, bool keepSums = false);
    bool matches(const InnerShape& mesh) const;
    // Heap bytes the table holds, list storage included.
    size_t bytes() const;
    // Heap bytes of freed tables kept for reuse: the big arrays of a level
    // are given back and taken again whenever levels are rebuilt, and fresh
    // memory costs a page fault per page.
    static size_t cachedBytes();

    StencilTable() = default;
    StencilTable(const StencilTable&) = delete;
    StencilTable& operator=(const StencilTable&) = delete;
    ~StencilTable() override;
    void release() override;

private:
    enum Kind : uint8_t { Generic, Quarters, Regular };
    struct Run {
        Kind kind;
        int32_t end; // one past its last vertex; it starts where the previous run ends
    };
    // A block of raw storage from the block cache (see the .cpp).
    struct Block {
        void* data = nullptr;
        size_t bytes = 0;
    };
    static bool takeBlock(Block& block, size_t bytes);
    static void giveBack(Block& block);
    template <class T>
    static T* items(const Block& block) { return static_cast<T*>(block.data); }

    std::vector<Run> runs;
    // Per vertex in list order: Quarters 4 slots, Regular 9 slots, Generic
    // the entry count and then as many slots.
    Block slots;
    Block weights;       // the entries of Generic vertices only
    Block gathered;      // const Point3D*: slot vertexCount + k
    size_t gatheredCount = 0;
    Block listStorage;   // StencilEntry, see provideListStorage
    int32_t vertexCount = -1;
    int32_t ownSources = 0;    // own vertices from this position on are no source
    int32_t builtAtChange = 0; // the mesh's changeCount when built
    bool usable = false;
};
