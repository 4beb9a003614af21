// Shortest paths joining the selected elements one after another, in list
// order: vertices and edges along edges weighted by their length, faces
// across their sides weighted by the distance between face centres. Hidden
// and excluded elements are neither selected nor passed through; a pair
// with no path between them adds nothing.
#include <vector>

#include "Mesh/Selection/ShortestPaths.h"
#include "Mesh/Selection/WalkSupport.h"

namespace {

using walks::ShortestPaths;
using walks::VertexEdgeLists;

float length(const Edge* e) { return e->startVertex->distance(*e->endVertex); }

template <class Element>
std::vector<Element*> selectedOf(const List<Element*>& list)
{
    std::vector<Element*> out;
    for (Element* e : list)
        if (e->isSelected())
            out.push_back(e);
    return out;
}

// Settles vertices from the search's sources along the edges that `edgeOk`
// admits into the vertices that `vertexOk` admits, until a vertex for which
// `isTarget` holds; returns its position, or -1 when none is reachable.
// `via` of a vertex is the position of the edge it was reached by.
template <class EdgeOk, class VertexOk, class IsTarget>
int searchVertices(ShortestPaths& sp, const VertexEdgeLists& lists, const InnerShape& mesh, EdgeOk edgeOk,
                   VertexOk vertexOk, IsTarget isTarget)
{
    for (int n; (n = sp.pop()) >= 0;) {
        const Vertex* v = mesh.vertices[n];
        if (isTarget(v))
            return n;
        for (auto it = lists.begin(v); it != lists.end(v); ++it) {
            const Edge* e = *it;
            const Vertex* w = e->otherVertex(v);
            if (edgeOk(e) && vertexOk(w))
                sp.relax(w->tag, sp.distance(n) + length(e), e->tag);
        }
    }
    return -1;
}

// The scratch of a search over vertices joined by edges: edge lists per
// vertex, edges numbered, distances sized to the mesh.
VertexEdgeLists& vertexGraph(InnerShape& mesh)
{
    VertexEdgeLists& lists = VertexEdgeLists::scratch();
    lists.build(mesh);
    walks::numberEdges(mesh);
    ShortestPaths::scratch().prepare(mesh.vertices.count());
    return lists;
}

bool vertexPaths(InnerShape& mesh)
{
    const std::vector<Vertex*> ends = selectedOf(mesh.vertices);
    if (ends.size() < 2)
        return false;
    VertexEdgeLists& lists = vertexGraph(mesh);
    ShortestPaths& sp = ShortestPaths::scratch();
    auto edgeOk = [](const Edge* e) { return !e->isHidden(); };
    auto vertexOk = [](const Vertex* v) { return selectable(*v); };
    for (size_t i = 0; i + 1 < ends.size(); ++i) {
        sp.reset();
        sp.addSource(ends[i]->tag);
        const Vertex* target = ends[i + 1];
        int n = searchVertices(sp, lists, mesh, edgeOk, vertexOk, [target](const Vertex* v) { return v == target; });
        for (; n >= 0 && sp.via(n) >= 0; n = mesh.edges[sp.via(n)]->otherVertex(mesh.vertices[n])->tag)
            walks::trySelect(mesh.vertices[n]);
    }
    return true;
}

bool edgePaths(InnerShape& mesh)
{
    const std::vector<Edge*> ends = selectedOf(mesh.edges);
    if (ends.size() < 2)
        return false;
    VertexEdgeLists& lists = vertexGraph(mesh);
    ShortestPaths& sp = ShortestPaths::scratch();
    auto edgeOk = [](const Edge* e) { return selectable(*e); };
    auto vertexOk = [](const Vertex* v) { return !v->isHidden(); };
    for (size_t i = 0; i + 1 < ends.size(); ++i) {
        sp.reset();
        // From either end of one edge to either end of the next: the path is
        // the run of edges joining them, the two edges themselves excluded.
        sp.addSource(ends[i]->startVertex->tag);
        sp.addSource(ends[i]->endVertex->tag);
        const Edge* target = ends[i + 1];
        int n = searchVertices(sp, lists, mesh, edgeOk, vertexOk,
                               [target](const Vertex* v) { return v == target->startVertex || v == target->endVertex; });
        for (; n >= 0 && sp.via(n) >= 0; n = mesh.edges[sp.via(n)]->otherVertex(mesh.vertices[n])->tag)
            walks::trySelect(mesh.edges[sp.via(n)]);
    }
    return true;
}

bool facePaths(InnerShape& mesh)
{
    const std::vector<Face*> ends = selectedOf(mesh.faces);
    if (ends.size() < 2)
        return false;
    walks::numberFaces(mesh);
    std::vector<Point3D> centres;
    centres.reserve(mesh.faces.count());
    for (const Face* f : mesh.faces)
        centres.push_back(f->centre());
    ShortestPaths& sp = ShortestPaths::scratch();
    sp.prepare(mesh.faces.count());
    for (size_t i = 0; i + 1 < ends.size(); ++i) {
        sp.reset();
        sp.addSource(ends[i]->tag);
        const int target = ends[i + 1]->tag;
        int n;
        while ((n = sp.pop()) >= 0 && n != target) {
            const Face* f = mesh.faces[n];
            walks::forEachCorner(*f, [&](const Corner& c) {
                if (!c.edge)
                    return;
                for (const Face* g : c.edge->faces)
                    if (g != f && selectable(*g))
                        sp.relax(g->tag, sp.distance(n) + centres[n].distance(centres[g->tag]), n);
            });
        }
        for (; n >= 0 && sp.via(n) >= 0; n = sp.via(n))
            walks::trySelect(mesh.faces[n]);
    }
    return true;
}

} // namespace

bool selectPath(InnerShape& mesh, ElementKind kind)
{
    using PathWalk = bool (*)(InnerShape&);
    static constexpr PathWalk walkOf[] = {vertexPaths, edgePaths, facePaths};
    return walkOf[static_cast<int>(kind)](mesh);
}
