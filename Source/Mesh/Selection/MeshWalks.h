#pragma once
// The walks behind the selection commands, on one mesh. Each reads the
// elements' `Selected` flags as its start and sets `Selected` on what it
// finds; it never selects an element that is `Hidden` or excluded from
// selection (bit 2 of `flags2`), and never clears what was selected unless
// it says so. All run in time proportional to the elements they touch or
// to the mesh once.
#include <vector>

class InnerShape;

// The three kinds of component, numbered as the selection modes number them.
enum class ElementKind { Vertices = 0, Edges = 1, Faces = 2 };

// True when `Selected` may be set on the element (not hidden, not excluded).
template <class Element>
bool selectable(const Element& e)
{
    return !e.isHidden() && !(e.flags2 & (1 << 2));
}

// Edge loops through every selected edge (continuing straight across
// vertices with four edges), face loops through quads from pairs of selected
// faces, and edge rings across quads from every selected edge.
void selectEdgeLoops(InnerShape& mesh);
void selectFaceLoops(InnerShape& mesh);
void selectEdgeRings(InnerShape& mesh);

// Selects the shortest path (by edge length; by distance between face
// centres for faces) joining the selected elements of `kind` in list order.
// False, changing nothing, when fewer than two such elements are selected.
bool selectPath(InnerShape& mesh, ElementKind kind);

// One ring of neighbours more or less; expand selects the whole connected
// part of the mesh around every selected element.
void growSelection(InnerShape& mesh, ElementKind kind);
void shrinkSelection(InnerShape& mesh, ElementKind kind);
void expandSelection(InnerShape& mesh, ElementKind kind);

// Replaces the selection of `from` by the elements of `to` it implies, and
// clears the selection of `from`.
void convertSelection(InnerShape& mesh, ElementKind from, ElementKind to);

// Soft selection: a weight in [0, 1] per vertex, in vertex-list order, 1 on
// selected vertices (or the vertices of selected edges and faces) and
// falling to 0 at `radius`, shaped by `falloff`. `surface` measures distance
// along the mesh's edges instead of in a straight line.
void softSelectionWeights(const InnerShape& mesh, ElementKind kind, float radius, float falloff, bool surface,
                          std::vector<float>& outWeights);
