// Edge rings: from every selected edge across quads to the opposite side.
#include <vector>

#include "Mesh/Selection/WalkSupport.h"

namespace {

// Crosses quad `f` from its side `e` to the opposite side, then into the
// face on the far side of that, until a face that is not a plain selectable
// quad, a border, an edge that may not be selected, or a selected edge (the
// ring closed, or it reached a seed or a ring walked already, which goes on
// from there by itself).
void walk(Edge* e, Face* f, std::vector<Edge*>* outAdded)
{
    while (f && f->cornerCount() == 4 && f->holes.empty() && selectable(*f)) {
        const int side = walks::cornerOfEdge(*f, e);
        if (side < 0)
            return;
        Edge* opposite = f->corners[(side + 2) % 4].edge;
        if (opposite->isSelected() || !selectable(*opposite))
            return;
        opposite->set(Geometry::Selected);
        if (outAdded)
            outAdded->push_back(opposite);
        f = InnerShape::otherFace(f, opposite);
        e = opposite;
    }
}

} // namespace

void selectEdgeRings(InnerShape& mesh)
{
    std::vector<Edge*> seeds;
    for (Edge* e : mesh.edges)
        if (e->isSelected())
            seeds.push_back(e);
    selectEdgeRings(mesh, seeds, nullptr);
}

void selectEdgeRings(InnerShape&, std::span<Edge* const> seeds, std::vector<Edge*>* outAdded)
{
    for (Edge* e : seeds)
        for (Face* f : e->faces)
            walk(e, f, outAdded);
}
