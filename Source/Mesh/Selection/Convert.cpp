// Converting the selection between element kinds. Towards smaller elements
// every part counts (the ends of edges, the corners and sides of faces,
// holes included); towards larger elements only those wholly covered count
// (edges with both ends selected, faces with every corner or every side
// selected), so that converting down and back up gives the selection back.
#include "Mesh/Selection/WalkSupport.h"

namespace {

template <class Element>
void clearSelected(List<Element*>& list)
{
    for (Element* e : list)
        e->set(Geometry::Selected, false);
}

// Selects every element of `list` all of whose vertices are selected.
template <class Element>
void selectCovered(List<Element*>& list)
{
    for (Element* e : list)
        if (!walks::anyVertexOf(e, [](const Vertex* v) { return !v->isSelected(); }))
            walks::trySelect(e);
}

// Selects the vertices of the selected elements of `list`.
template <class Element>
void selectVerticesOf(List<Element*>& list)
{
    for (Element* e : list)
        if (e->isSelected())
            walks::forEachVertexOf(e, [](Vertex* v) { walks::trySelect(v); });
}

void verticesToEdges(InnerShape& m) { selectCovered(m.edges); }
void verticesToFaces(InnerShape& m) { selectCovered(m.faces); }
void edgesToVertices(InnerShape& m) { selectVerticesOf(m.edges); }
void facesToVertices(InnerShape& m) { selectVerticesOf(m.faces); }

void edgesToFaces(InnerShape& m)
{
    for (Face* f : m.faces) {
        bool covered = true;
        walks::forEachCorner(*f, [&](const Corner& c) { covered = covered && c.edge && c.edge->isSelected(); });
        if (covered)
            walks::trySelect(f);
    }
}

void facesToEdges(InnerShape& m)
{
    for (Face* f : m.faces)
        if (f->isSelected())
            walks::forEachCorner(*f, [](const Corner& c) {
                if (c.edge)
                    walks::trySelect(c.edge);
            });
}

using Conversion = void (*)(InnerShape&);
// [from][to], indexed by ElementKind; the diagonal converts nothing.
constexpr Conversion conversions[3][3] = {
    {nullptr, verticesToEdges, verticesToFaces},
    {edgesToVertices, nullptr, edgesToFaces},
    {facesToVertices, facesToEdges, nullptr},
};

} // namespace

// What is selected of `to` already stays, so that the multi mode can convert
// each kind it holds in turn and get the union.
void convertSelection(InnerShape& mesh, ElementKind from, ElementKind to)
{
    const Conversion convert = conversions[static_cast<int>(from)][static_cast<int>(to)];
    if (!convert)
        return;
    convert(mesh);
    switch (from) {
    case ElementKind::Vertices: clearSelected(mesh.vertices); break;
    case ElementKind::Edges: clearSelected(mesh.edges); break;
    case ElementKind::Faces: clearSelected(mesh.faces); break;
    }
}
