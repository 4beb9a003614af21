#pragma once
// A mesh as flat tables for building the subdivision level above it: the
// topology by list positions, the flags and bits the rules read, and where
// the new level's vertices and quads go. The tables of a level can be worked
// out from the tables of the mesh it was built from, without reading the
// level's elements.
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "InnerShape.h"

namespace subdivision {

constexpr uint8_t Sharp = Geometry::CreaseVertex | Geometry::Boundary;
constexpr uint8_t SharpEdge = Geometry::Creased | Geometry::Boundary;

// The tables are resized on every build and then written in full: growing
// them needs no zeros first. `Flat` is a vector whose resize leaves new
// integers unset.
template <class T>
struct UnsetOnResize : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UnsetOnResize<U>;
    };
    UnsetOnResize() = default;
    template <class U>
    UnsetOnResize(const UnsetOnResize<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
template <class T>
using Flat = std::vector<T, UnsetOnResize<T>>;

// A mesh as flat tables, indexed by list positions.
struct MeshTables {
    // Topology.
    Flat<int32_t> vertexIds;
    Flat<int32_t> ends;          // start, end vertex per edge
    Flat<int32_t> edgeFaceStart; // per edge into edgeFaces, then the end
    Flat<int32_t> edgeFaces;     // face positions (-1: not in the mesh), in link order
    Flat<int32_t> edgeIds;
    Flat<int32_t> cornerStart;   // per face into the corner tables, then the end
    Flat<int32_t> cornerVertex;
    Flat<int32_t> cornerEdge;    // -1 where the corner has no edge yet
    Flat<uint8_t> hasChildren;   // a face point and an edge at every corner
    Flat<int32_t> faceIds;
    // Read from the elements for every build (step 2).
    Flat<uint8_t> vertexBits;    // Sharp bits
    Flat<int32_t> valence;       // edge ends at the vertex
    Flat<int32_t> sharpEdges;    // creased or boundary edge ends at the vertex
    Flat<int32_t> creases;       // creased edge ends at the vertex
    Flat<uint8_t> edgeBits;      // Boundary and Creased
    Flat<Material*> material;
    // Around each vertex: the faces of its corners in face order, and its
    // edge ends (2 × edge + end) in edge order.
    Flat<int32_t> vertexFaceStart, vertexFaces;
    Flat<int32_t> vertexEndStart, vertexEnds;

    int vertexCount() const { return static_cast<int>(vertexIds.size()); }
    int edgeCount() const { return static_cast<int>(edgeIds.size()); }
    int faceCount() const { return static_cast<int>(faceIds.size()); }

    // Face f's corner vertices and corner edges, and how many there are.
    struct Corners {
        const int32_t* vertex;
        const int32_t* edge;
        int count;
    };
    Corners cornersOf(int f) const
    {
        return {cornerVertex.data() + cornerStart[f], cornerEdge.data() + cornerStart[f],
                cornerStart[f + 1] - cornerStart[f]};
    }
};

// Where the level's vertices sit: face points (faces with corners), then
// edge points, then vertex points.
struct Layout {
    Flat<int32_t> facePoint; // per face, -1 for a face without corners
    Flat<int32_t> firstQuad; // per face with children: its first child
    int faceCount = 0;
    int edgeStart = 0;
    int vertexStart = 0;
    int total = 0;
    int quads = 0;
};

// The ids of the new level's elements that continue an element below
// (vertex points, first halves, first children), per element below.
struct Numbers {
    Flat<int32_t> vertex, edge, face;
};

// On a boundary, or where two or more creased edges meet.
inline bool isSharpVertex(const MeshTables& b, int v)
{
    return b.vertexBits[v] & Sharp;
}

// Steps 8 and 9: vertices with fewer than two edges, and corners where more
// than two sharp edges meet, stay where they are.
inline bool isFixedVertex(const MeshTables& b, int v)
{
    return b.valence[v] < 2 || b.sharpEdges[v] > 2;
}

inline bool isSharpEdgePoint(const MeshTables& b, int e)
{
    return b.edgeBits[e] && isSharpVertex(b, b.ends[2 * e]) && isSharpVertex(b, b.ends[2 * e + 1]);
}

// The half of edge s (below) that touches vertex v's vertex point.
inline int32_t halfAt(const MeshTables& b, int s, int v)
{
    return 2 * s + (b.ends[2 * s] == v ? 0 : 1);
}

// The face point of face f (-1 for a face outside the mesh).
inline int facePointOf(const Layout& at, int f)
{
    return f >= 0 ? at.facePoint[f] : -1;
}

// The topology of a mesh, read from its elements; scratch tags become
// list positions.
void readTopology(InnerShape& m, MeshTables& t);
// 2. Boundary and crease flags of the mesh, scratch tags = positions, faces
// marked Psub; the bits and materials go into the tables. Elements are
// written only where something changes, so that a mesh read again costs
// no stores.
void readFlags(InnerShape& m, MeshTables& t);

// Where the level built from b puts its vertices and quads.
Layout layOut(const MeshTables& b);

// The quads that use each half edge, in the order the quads are made: a
// face's quad k uses the half of side k at corner k + 1 and the half of
// side k + 1 at corner k + 1.
void listQuadsAtHalves(const MeshTables& b, Flat<int32_t>& start, Flat<int32_t>& quads);

// Map entries are indexed by element ids; one past the largest id.
int mapSize(const Flat<int32_t>& ids);

// Numbers of b's elements (see Numbers).
void numberAll(const MeshTables& b, Numbers& out);

// The tables of the level built from mesh b, without reading its elements.
// Edge e below became edges 2e (vertex point of its start → edge point) and
// 2e + 1 (edge point → vertex point of its end); then came the internal
// edges, face by face (internal k: face point → edge point of side k); face
// f's quad k has the corners face point, edge point of side k, vertex point
// of corner k + 1, edge point of side k + 1, and internal k sits in quads
// k − 1 and k (internal 0 in quad 0 first), as buildLevel makes them.
void deriveLevel(const MeshTables& b, MeshTables& n);

} // namespace subdivision
