#pragma once
// A mesh vertex: its x, y, z are the position.
#include <cstdint>

#include "List.h"
#include "Point3D.h"

class Face;

// One term of a subdivision vertex's position recipe.
struct StencilEntry {
    enum : uint32_t {
        Expand = 1u << 0, // source is a stencil vertex: expand its recipe, weights multiplied
        Parent = 1u << 1, // source is the vertex of the level below that this one replaces
    };
    Geometry* source = nullptr;
    float weight = 0.0f;
    uint32_t flags = 0;
    bool operator==(const StencilEntry& o) const { return source == o.source && weight == o.weight && flags == o.flags; }
};

class Vertex : public Point3D {
public:
    enum { VertexKindPlain = 0, VertexKindProxy = 1 };

    Vertex() { resetOwnFlags(); }
    Vertex(float px, float py, float pz) : Point3D(px, py, pz) { resetOwnFlags(); }
    explicit Vertex(const Point3D& p) : Point3D(p.x, p.y, p.z) { resetOwnFlags(); }
    // Duplicates position and mirror, as copyFrom does; owned data is not shared.
    Vertex(const Vertex& other);
    Vertex& operator=(const Vertex&) = delete;
    ~Vertex() override;

    void release() override;
    // Copies position and `mirror` only.
    void copyFrom(const Geometry& other) override;
    int kind() const override { return KindVertex; }
    virtual int vertexKind() const { return VertexKindPlain; }

    // The sculpted offset, allocated (zeroed) on first use; null when out of memory.
    float* ensureDisplacement();
    // How many offsets ensureDisplacement has allocated so far, over all
    // vertices: while it stays put, a mesh once seen without any offset
    // still has none.
    static uint64_t displacementsAllocated() { return displacementCount; }
    void freeDisplacement();
    bool hasNonZeroDisplacement() const
    {
        return displacement && (displacement[0] != 0.0f || displacement[1] != 0.0f || displacement[2] != 0.0f);
    }
    // Frees the owned lists and the displacement.
    void freeOwned();

    // Next to the position: a position update reads one and writes the other.
    // Allocated only by ensureDisplacement, which counts the allocations.
    float* displacement = nullptr;  // owned 3 floats, null when none
    int32_t tag = 0;                // scratch for algorithms
    float normal[3] = {0, 0, 0};    // smooth-shading normal
    float paintWeight = 1.0f;       // brush effect factor
    Vertex* mirror = nullptr;       // partner across the symmetry plane (itself on the plane)
    List<StencilEntry> stencil;     // position recipe on subdivision levels; empty on control meshes
    List<Face*> faces;              // faces around the vertex, for the displacement brushes

private:
    static inline uint64_t displacementCount = 0;
    void resetOwnFlags()
    {
        flags &= ~(Selected | Boundary);
        flags2 &= ~OnPlane;
    }
};
