#pragma once
// Root of every mesh element and of every mesh.
#include <cstdint>

class Geometry {
public:
    // Bits of `flags`; each class uses the ones that apply to it.
    enum Flag : uint8_t {
        Selected = 1 << 0,
        Hidden = 1 << 1,
        Marked = 1 << 2,   // Vertex: scratch mark set or cleared mesh-wide
        Creased = 1 << 3,  // Edge: creased for subdivision; Vertex: CreaseVertex
        Boundary = 1 << 5, // Edge, Vertex: (so far) only one face
        Psub = 1 << 6,     // Edge, Face: persistent mark
        Pooled = 1 << 7,   // taken from the class's pool and in use
    };
    static constexpr uint8_t CreaseVertex = Creased;

    // Bits of `flags2`.
    enum Flag2 : uint8_t {
        EdgeKeep = 1 << 0,    // Edge: further persistent bit, copied with the edge
        VertexPoint = 1 << 1, // Vertex: vertex point of a subdivision level
        UVSeam = 1 << 3,      // Edge: texture seam
        OnPlane = 1 << 4,     // Vertex: its own mirror partner
    };

    // Values of `kind`.
    enum Kind { KindVertex = 0, KindPoint3D = 1, KindEdge = 2, KindFace = 3, KindMesh = 4, KindGeometry = 5 };

    Geometry() = default;
    Geometry(const Geometry&) = default;
    Geometry& operator=(const Geometry&) = default;

    virtual ~Geometry() = default;
    // Gives the object back: frees what it owns, returns it to its pool.
    virtual void release() = 0;
    virtual void copyFrom(const Geometry& other);
    virtual int kind() const { return KindGeometry; }

    bool has(uint8_t bit) const { return flags & bit; }
    void set(uint8_t bit, bool on = true) { flags = on ? (flags | bit) : (flags & ~bit); }
    bool has2(uint8_t bit) const { return flags2 & bit; }
    void set2(uint8_t bit, bool on = true) { flags2 = on ? (flags2 | bit) : (flags2 & ~bit); }
    bool isSelected() const { return flags & Selected; }
    bool isHidden() const { return flags & Hidden; }

    int32_t id = 0;    // key into the subdivision level maps; negative = unmapped
    int32_t index = 0; // position in the owner's list, valid right after renumber
    uint8_t flags = 0;
    uint8_t flags2 = 0;
};
