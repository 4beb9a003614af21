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
    // The table in the mesh's `extras`; null when there is none.
    static const StencilTable* find(const InnerShape& mesh);
    // Unique to this table among all tables ever made: tells a table from a
    // later one at the same address.
    uint64_t serial() const { return serialNumber; }

    // Refills the table from the stencil lists of mesh's vertices; false
    // when they cannot be flattened. Uses the vertices' scratch tags.
    bool build(InnerShape& mesh);

    // Filling by hand, for a builder that knows its stencils as slots:
    // `begin` with the mesh's vertex count, the plain sources (slot
    // ownCount + k is sources[k]) and room for `slotCount` slots (enough
    // for every entry plus one per vertex); `add` once per vertex in list order;
    // `finish` with the change count of the mesh, which the table then
    // matches once its vertex list holds ownCount vertices. False when
    // memory runs out.
    void begin(int ownCount, const Vertex* const* sources, int sourceCount, size_t slotCount);
    void add(const int32_t* entrySlots, const float* entryWeights, int count);
    // `add` for the stencils the kernels know, by a builder that knows them
    // without looking at the weights: four quarters, and the regular vertex
    // point (one half on the first slot, a sixteenth on each of 8 more).
    void addQuarters(const int32_t entrySlots[4]) { addSlots(Quarters, entrySlots, 4); }
    void addRegular(const int32_t entrySlots[9]) { addSlots(Regular, entrySlots, 9); }
    bool finish(int32_t changeCount);

    // Calls visit(i, slots, weights, count) for every vertex i in list
    // order with its entries as `add` took them.
    template <class Visit>
    void visitStencils(Visit&& visit) const;
    // Slot k's vertex, for k at or past the vertex count: a plain source.
    const Point3D* source(int32_t slot) const { return items<const Point3D*>(gathered)[slot - vertexCount]; }
    int32_t ownCount() const { return vertexCount; }

    // Storage for `count` stencil entries that the mesh's vertices' stencil
    // lists borrow (List::borrow); it lives as long as the table, and a
    // rebuild of the table keeps it. Replaces any earlier block, so the
    // lists of the earlier one must be gone. Null when memory runs out.
    StencilEntry* provideListStorage(size_t count);
    // Storage for `count` element pointers that the mesh's element lists
    // borrow, kept like the stencil list storage: a level's lists come and
    // go with its table, and reusing a block spares the page faults of
    // fresh memory. Null when memory runs out.
    void** provideElementStorage(size_t count);

    // Sets every vertex of mesh (the mesh it was built from) to its stencil
    // sum plus its displacement; an empty stencil gives (0,0,0). With
    // `keepSums` returns the sums (x, y, z per vertex, displacement left
    // out), valid until the next evaluation of any table; else null.
    const float* evaluate(InnerShape& mesh, bool keepSums = false);
    // The sums alone (x, y, z per vertex, the same as evaluate keeps),
    // valid until the next evaluation of any table; no vertex is touched.
    const float* sums();
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
    // The weights of the kernels that read none: four quarters (face
    // points of quads, smooth edge points) and the regular vertex point.
    static constexpr float QuarterWeights[4] = {0.25f, 0.25f, 0.25f, 0.25f};
    static constexpr float RegularWeights[9] = {0.5f, 0.0625f, 0.0625f, 0.0625f, 0.0625f,
                                                0.0625f, 0.0625f, 0.0625f, 0.0625f};
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
    // Gathers the plain sources and runs the kernels; store(i, sum) gets
    // every vertex's sum in list order. Returns the scratch array.
    template <class Store>
    float* sumAll(Store&& store);
    // Appends one vertex's slots as a stencil of `kind`, after the count
    // for Generic; returns where the slots went, null when out of room.
    int32_t* addSlots(Kind kind, const int32_t* entrySlots, int count);

    std::vector<Run> runs;
    // Per vertex in list order: Quarters 4 slots, Regular 9 slots, Generic
    // the entry count and then as many slots.
    Block slots;
    size_t slotsUsed = 0;
    bool slotsFit = false; // every added slot found room in `slots`
    Block weights;       // the entries of Generic vertices only
    Block gathered;      // const Point3D*: slot vertexCount + k
    size_t gatheredCount = 0;
    Block listStorage;   // StencilEntry, see provideListStorage
    Block elementStorage; // element pointers, see provideElementStorage
    // Vertex::displacementsAllocated() when an evaluation last found no
    // vertex of the mesh with an offset.
    static constexpr uint64_t NotSeen = ~uint64_t(0);
    uint64_t offsetsFreeAt = NotSeen;
    int32_t vertexCount = -1;
    int32_t ownSources = 0;    // own vertices from this position on are no source
    int32_t builtAtChange = 0; // the mesh's changeCount when built
    bool usable = false;
    uint64_t serialNumber = nextSerial++;
    static inline uint64_t nextSerial = 1;
};

template <class Visit>
void StencilTable::visitStencils(Visit&& visit) const
{
    const int32_t* s = items<const int32_t>(slots);
    const float* w = items<const float>(weights);
    int i = 0;
    for (const Run& run : runs) {
        for (; i < run.end; ++i) {
            if (run.kind == Quarters) {
                visit(i, s, QuarterWeights, 4);
                s += 4;
            } else if (run.kind == Regular) {
                visit(i, s, RegularWeights, 9);
                s += 9;
            } else {
                const int count = *s++;
                visit(i, s, w, count);
                s += count;
                w += count;
            }
        }
    }
}
