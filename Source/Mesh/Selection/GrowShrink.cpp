// Growing and shrinking the selection by one ring of neighbours, and
// expanding it to whole connected parts.
//
// Neighbours: vertices are neighbours when an edge that is not hidden joins
// them; edges and faces when they share a vertex (so a face grows into the
// faces around its corners, not only those across its sides). Shrinking is
// the inverse: a selected element goes when it neighbours an element that
// could be selected but is not, so grow then shrink gives back a convex
// selection, and the mesh's border or hidden parts never eat into it.
#include <vector>

#include "Mesh/Selection/WalkSupport.h"

namespace {

// Vertex tag 1: the vertex belongs to (grow) or borders (shrink) the selection.
void clearVertexTags(InnerShape& mesh)
{
    for (Vertex* v : mesh.vertices)
        v->tag = 0;
}

template <class Element>
void growAcrossVertices(InnerShape& mesh, List<Element*>& list)
{
    clearVertexTags(mesh);
    for (Element* e : list)
        if (e->isSelected())
            walks::forEachVertexOf(e, [](Vertex* v) { v->tag = 1; });
    for (Element* e : list)
        if (!e->isSelected() && walks::anyVertexOf(e, [](const Vertex* v) { return v->tag == 1; }))
            walks::trySelect(e);
}

template <class Element>
void shrinkAcrossVertices(InnerShape& mesh, List<Element*>& list)
{
    clearVertexTags(mesh);
    for (Element* e : list)
        if (!e->isSelected() && selectable(*e))
            walks::forEachVertexOf(e, [](Vertex* v) { v->tag = 1; });
    for (Element* e : list)
        if (e->isSelected() && walks::anyVertexOf(e, [](const Vertex* v) { return v->tag == 1; }))
            e->set(Geometry::Selected, false);
}

void growVertices(InnerShape& mesh)
{
    for (Vertex* v : mesh.vertices)
        v->tag = v->isSelected();
    for (Edge* e : mesh.edges) {
        if (e->isHidden())
            continue;
        if (e->startVertex->tag)
            walks::trySelect(e->endVertex);
        if (e->endVertex->tag)
            walks::trySelect(e->startVertex);
    }
}

void shrinkVertices(InnerShape& mesh)
{
    clearVertexTags(mesh);
    auto bordersOn = [](const Vertex* v, const Vertex* w) { return v->isSelected() && !w->isSelected() && selectable(*w); };
    for (Edge* e : mesh.edges) {
        if (e->isHidden())
            continue;
        if (bordersOn(e->startVertex, e->endVertex))
            e->startVertex->tag = 1;
        if (bordersOn(e->endVertex, e->startVertex))
            e->endVertex->tag = 1;
    }
    for (Vertex* v : mesh.vertices)
        if (v->tag)
            v->set(Geometry::Selected, false);
}

// The mark spreads from the vertices of the selected elements along edges
// that are not hidden into vertices that are not hidden; every element with
// a marked vertex is then selected when it may be.
template <class Element>
void expandIn(InnerShape& mesh, List<Element*>& list)
{
    walks::VertexEdgeLists& lists = walks::VertexEdgeLists::scratch();
    lists.build(mesh);
    std::vector<char> reached(mesh.vertices.count(), 0);
    std::vector<int> queue;
    queue.reserve(mesh.vertices.count());
    auto reach = [&](const Vertex* v) {
        if (!reached[v->tag]) {
            reached[v->tag] = 1;
            queue.push_back(v->tag);
        }
    };
    for (Element* e : list)
        if (e->isSelected())
            walks::forEachVertexOf(e, reach);
    for (size_t head = 0; head < queue.size(); ++head) {
        const Vertex* v = mesh.vertices[queue[head]];
        for (auto it = lists.begin(v); it != lists.end(v); ++it) {
            const Vertex* w = (*it)->otherVertex(v);
            if (!(*it)->isHidden() && !w->isHidden())
                reach(w);
        }
    }
    for (Element* e : list)
        if (!e->isSelected() && walks::anyVertexOf(e, [&](const Vertex* v) { return reached[v->tag] != 0; }))
            walks::trySelect(e);
}

void growEdges(InnerShape& mesh) { growAcrossVertices(mesh, mesh.edges); }
void growFaces(InnerShape& mesh) { growAcrossVertices(mesh, mesh.faces); }
void shrinkEdges(InnerShape& mesh) { shrinkAcrossVertices(mesh, mesh.edges); }
void shrinkFaces(InnerShape& mesh) { shrinkAcrossVertices(mesh, mesh.faces); }
void expandVertices(InnerShape& mesh) { expandIn(mesh, mesh.vertices); }
void expandEdges(InnerShape& mesh) { expandIn(mesh, mesh.edges); }
void expandFaces(InnerShape& mesh) { expandIn(mesh, mesh.faces); }

using Walk = void (*)(InnerShape&);
// Indexed by ElementKind.
constexpr Walk growOf[] = {growVertices, growEdges, growFaces};
constexpr Walk shrinkOf[] = {shrinkVertices, shrinkEdges, shrinkFaces};
constexpr Walk expandOf[] = {expandVertices, expandEdges, expandFaces};

} // namespace

void growSelection(InnerShape& mesh, ElementKind kind) { growOf[static_cast<int>(kind)](mesh); }
void shrinkSelection(InnerShape& mesh, ElementKind kind) { shrinkOf[static_cast<int>(kind)](mesh); }
void expandSelection(InnerShape& mesh, ElementKind kind) { expandOf[static_cast<int>(kind)](mesh); }
