#pragma once
// The stencils of a level mesh flattened for evaluation. A position update
// is three flat passes without recursion or allocation: the source vertices
// (of the level below) are gathered into one compact array, every vertex's
// run of (source slot, weight) pairs is summed from that array, and the sums
// plus displacement are written to the vertices.
//
// An expanded entry whose source is a vertex of the same mesh listed earlier
// (the face points a level lists first) reads that vertex's sum: evaluating
// in list order computes it before any edge or vertex point needs it, and
// displacement is added only afterwards, so it is left out as expansion
// requires. A mesh whose stencils do not have this shape (other expanded
// sources, or plain entries naming a vertex of the mesh itself) gets no
// usable table, and its positions are evaluated entry by entry.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Geometry.h"

class InnerShape;
class Point3D;

class StencilTable : public Geometry {
public:
    // The mesh's table, built or rebuilt when it is missing or the mesh's
    // vertex list or change count no longer match it. Kept in the mesh's
    // `extras` list, so it is freed with the mesh. Null when the mesh's
    // stencils cannot be flattened or memory runs out. Plain stencil
    // sources must be vertices.
    static StencilTable* ensure(InnerShape& mesh);

    // Refills the table from the stencil lists of mesh's vertices; false
    // when they cannot be flattened. Uses the vertices' scratch tags.
    bool build(InnerShape& mesh);
    // Sets every vertex of mesh (the mesh it was built from) to its stencil
    // sum plus its displacement; an empty stencil gives (0,0,0).
    void evaluate(InnerShape& mesh);
    bool matches(const InnerShape& mesh) const;
    // Heap bytes the table holds.
    size_t bytes() const;

    void release() override;

private:
    std::vector<int32_t> starts;         // per vertex into slots/weights, then the end
    std::vector<int32_t> slots;          // < gathered count: a gathered source; else count + own vertex
    std::vector<float> weights;
    std::vector<const Point3D*> gathered; // distinct plain sources, in first-use order
    std::vector<float> scratch;          // xyz of the gathered sources, then of the own sums
    int32_t vertexCount = -1;
    int32_t builtAtChange = 0;           // the mesh's changeCount when built
    bool usable = false;
};
