#pragma once
// What the selection walks share: per-vertex edge lists built in one pass,
// list positions kept in the elements' scratch tags, the contours of a face
// with its holes, and the one rule for setting `Selected`.
#include <vector>

#include "Mesh/InnerShape.h"
#include "Mesh/Selection/MeshWalks.h"

namespace walks {

// Sets `Selected` when the element may carry it; true when it then does.
template <class Element>
bool trySelect(Element* e)
{
    if (!selectable(*e))
        return false;
    e->set(Geometry::Selected);
    return true;
}

// Scratch tags := list positions. The tags belong to whichever walk runs, so
// a walk on a const mesh may still write them.
void numberVertices(const InnerShape& mesh);
void numberEdges(const InnerShape& mesh);
void numberFaces(const InnerShape& mesh);

// Calls fn(corner) for every corner of the outer contour and of every hole.
template <class Fn>
void forEachCorner(const Face& f, Fn&& fn)
{
    for (const Corner& c : f.corners)
        fn(c);
    for (const Face* h : f.holes)
        for (const Corner& c : h->corners)
            fn(c);
}

// Calls fn(vertex) for each vertex an element is made of: a vertex itself,
// the two ends of an edge, the corners of a face and of its holes.
template <class Fn>
void forEachVertexOf(Vertex* v, Fn&& fn)
{
    fn(v);
}
template <class Fn>
void forEachVertexOf(Edge* e, Fn&& fn)
{
    fn(e->startVertex);
    fn(e->endVertex);
}
template <class Fn>
void forEachVertexOf(Face* f, Fn&& fn)
{
    forEachCorner(*f, [&](const Corner& c) { fn(c.vertex); });
}
template <class Element, class Pred>
bool anyVertexOf(Element* e, Pred&& pred)
{
    bool found = false;
    forEachVertexOf(e, [&](Vertex* v) { found = found || pred(v); });
    return found;
}

// The mesh's list of elements of one kind, for walks written once for all kinds.
inline List<Vertex*>& listOf(InnerShape& mesh, Vertex*) { return mesh.vertices; }
inline List<Edge*>& listOf(InnerShape& mesh, Edge*) { return mesh.edges; }
inline List<Face*>& listOf(InnerShape& mesh, Face*) { return mesh.faces; }

// True when the two edges have a face in common.
bool shareFace(const Edge& a, const Edge& b);

// The corner position of `e` in the outer contour of `f`, or -1.
int cornerOfEdge(const Face& f, const Edge* e);

// Every vertex's edges in the order of the mesh's edge list, kept in one
// array (offsets per vertex position). Built in time linear in the mesh; the
// storage is kept between builds, so walking a big mesh again costs no
// fresh pages.
class VertexEdgeLists {
public:
    // Numbers the vertices (tag := list position) and lists their edges.
    void build(const InnerShape& mesh);
    int count(const Vertex* v) const { return start_[v->tag + 1] - start_[v->tag]; }
    Edge* const* begin(const Vertex* v) const { return edges_.data() + start_[v->tag]; }
    Edge* const* end(const Vertex* v) const { return edges_.data() + start_[v->tag + 1]; }

    // One shared instance for the walks of the single-threaded program.
    static VertexEdgeLists& scratch();

private:
    std::vector<int> start_; // edges of the vertex at position i: [start_[i], start_[i + 1])
    std::vector<Edge*> edges_;
};

} // namespace walks
