#pragma once
// Taking elements out of a mesh after an edit: faces detached from what
// they touch, and edges and vertices that nothing uses any more released.
// The topology operations share these so that every one of them leaves the
// mesh's invariants (one edge per vertex pair, face lists matching corners,
// Boundary ⇔ one face) and no dangling mirror partner behind.
#include <unordered_set>
#include <vector>

#include "Mesh/Face.h"

class Edge;
class InnerShape;
class Vertex;

// Takes every face of `gone` (each at most once, all in `mesh`) out of the
// face list, the face lists of its edges (their Boundary follows) and of its
// vertices, clears mirror references to it and releases it.
void removeFaces(InnerShape& mesh, const std::vector<Face*>& gone);

// Relinks every corner to the edge joining its vertex and the next one
// (made when missing; duplicates joined and released), rebuilds the edge
// face lists and Boundary, then releases the edges of `candidates` left
// without faces and the vertices of `candidates` that no edge or corner uses.
void relinkAndDropUnused(InnerShape& mesh, const std::unordered_set<Edge*>& edgeCandidates,
                         const std::unordered_set<Vertex*>& vertexCandidates);

// Releases the listed vertices (each in `mesh`, used by no remaining edge or
// corner): out of the vertex list, mirror references to them cleared.
void releaseVertices(InnerShape& mesh, const std::unordered_set<Vertex*>& gone);

// Gives `to` the flags of `from`, except the pool's own bit.
inline void copyFlags(const Geometry& from, Geometry& to)
{
    to.flags = static_cast<uint8_t>((from.flags & ~Geometry::Pooled) | (to.flags & Geometry::Pooled));
    to.flags2 = from.flags2;
}

// Visits f's outer contour and then each of its holes.
template <class Visit>
void forEachContour(Face& f, Visit&& visit)
{
    visit(f);
    for (Face* h : f.holes)
        visit(*h);
}
