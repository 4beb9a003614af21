#pragma once
// The walks behind the selection commands, on one mesh. Each reads the
// elements' `Selected` flags as its start and sets `Selected` on what it
// finds; it never selects an element that is `Hidden` or excluded from
// selection (bit 2 of `flags2`), never walks through one, and never clears
// what was selected unless it says so. All run in time proportional to the
// elements they touch or to the mesh once, and use the elements' scratch
// `tag`s as they please. Edges must be built (corners carry their edges).
#include <span>
#include <vector>

class Edge;
class InnerShape;

// The three kinds of component, numbered as the selection modes number them.
enum class ElementKind { Vertices = 0, Edges = 1, Faces = 2 };

// True when `Selected` may be set on the element (not hidden, not excluded).
template <class Element>
bool selectable(const Element& e)
{
    return !e.isHidden() && !(e.flags2 & (1 << 2));
}

// Edge loops through every selected edge, walked both ways. At a vertex with
// four edges the loop goes on with the first edge in the vertex's list (in
// the mesh's edge-list order) that has no faces or shares no face with the
// current edge; at any other vertex it ends, except that a border edge goes
// on along the border when the vertex has exactly one other border edge
// (so a border edge selects its whole border). A loop ends where it closes,
// meets an edge walked already, or meets an edge that may not be selected.
void selectEdgeLoops(InnerShape& mesh);
// The same from seeds the caller holds already (selected edges of `mesh`, in
// list order), so that no pass over the mesh is needed; `hasWireEdges`: some
// edge of the mesh has no faces. The edges it selects are appended to
// `outAdded` when given.
void selectEdgeLoops(InnerShape& mesh, std::span<Edge* const> seeds, bool hasWireEdges,
                     std::vector<Edge*>* outAdded);

// Face loops, with two or more selected faces: every two selected quads that
// share a side give a direction, and the loop runs through both across the
// sides parallel to the shared one, both ways, until a face that is not a
// quad (or has holes, or may not be selected), a border, or its start. A
// selected face with no selected quad beside it adds nothing.
void selectFaceLoops(InnerShape& mesh);

// Edge rings: from every selected edge across each of its quads to the
// opposite side, and on across the quad beyond, both ways, until a face
// that is not a quad, a border, or the start.
void selectEdgeRings(InnerShape& mesh);
// The same from seeds the caller holds already (selected edges of `mesh`);
// the edges it selects are appended to `outAdded` when given.
void selectEdgeRings(InnerShape& mesh, std::span<Edge* const> seeds, std::vector<Edge*>* outAdded);

// Selects the shortest path joining the selected elements of `kind` one
// after another in list order (Dijkstra): vertices along edges by edge
// length (the vertices on the path), edges likewise from either end of one
// to either end of the next (the edges joining them), faces across their
// sides by the distance between face centres (the faces on the path). A
// pair with no path between them adds nothing. False, changing nothing,
// when fewer than two such elements are selected.
bool selectPath(InnerShape& mesh, ElementKind kind);

// One ring of neighbours more or less. Vertices neighbour across edges that
// are not hidden; edges and faces neighbour when they share a vertex. Shrink
// deselects every selected element that neighbours an element that could be
// selected but is not. Expand selects every element connected to a selected
// one (through edges and vertices that are not hidden): whole parts.
void growSelection(InnerShape& mesh, ElementKind kind);
void shrinkSelection(InnerShape& mesh, ElementKind kind);
void expandSelection(InnerShape& mesh, ElementKind kind);

// Adds to the selection of `to` what the selection of `from` implies, and
// clears the selection of `from` (what `to` had selected stays, so converting
// each kind of a multi-mode selection in turn gives their union); nothing
// happens when they are the same kind. Towards smaller elements every part counts (ends of edges, corners
// and sides of faces); towards larger ones only elements wholly selected
// (edges with both ends, faces with every corner or every side).
void convertSelection(InnerShape& mesh, ElementKind from, ElementKind to);

// Soft selection: a weight in [0, 1] per vertex, in vertex-list order, 1 on
// selected vertices (or the vertices of selected edges and faces) and
// falling to 0 at `radius` by softSelectionFalloff. `surface` measures the
// distance along the mesh's edges instead of in a straight line. Hidden and
// excluded vertices weigh 0 unless selected; the surface distance does not
// pass through them. With `radius` <= 0 only the selected vertices weigh 1.
void softSelectionWeights(const InnerShape& mesh, ElementKind kind, float radius, float falloff, bool surface,
                          std::vector<float>& outWeights);

// The weight at `distance` from the selection: with t = distance / radius,
// (1 − (3t² − 2t³)) raised to the power 2^(falloff − 1). So 1 at distance 0,
// 0 at and beyond the radius, never rising with distance; falloff 1 is the
// plain smooth curve, larger values draw the weights in towards the
// selection, smaller ones (0 and below too) spread them out. With `radius`
// <= 0: 1 at distance 0, else 0.
float softSelectionFalloff(float distance, float radius, float falloff);
