#pragma once
// The cut behind every bevel with one segment. Each cut vertex gives way to
// one new vertex per side it offers: one sliding along each edge at it that
// is not bevelled, one moving into each face corner held between two
// bevelled edges. Bevelled edges open into narrow faces, and where three or
// more of those new vertices ring one old vertex a corner polygon closes
// the gap. Everything starts on the old positions.
#include <unordered_set>
#include <vector>

#include "Mesh/Point3D.h"

class Edge;
class Face;
class InnerShape;
class Vertex;

struct BevelCut {
    std::unordered_set<Edge*> edges;      // each passes canBevel; their ends are cut too
    std::unordered_set<Vertex*> vertices; // cut on their own (the vertex bevel)
};

// What the cut made, keyed by the old elements each piece came from, so that
// mirror partners can be paired by construction rather than by position
// (every piece starts on top of others).
struct BevelPieces {
    struct Point {
        Vertex* vertex;      // the new vertex; each cut vertex is reused as its first one
        Vertex* origin;      // the cut vertex it replaces
        Vertex* towards;     // it slides along the edge to this old neighbour; null for a face point
        Face* face;          // a face point moves into this face's corner; null for a sliding point
        Point3D direction;   // travel per unit of the value, in world units
    };
    struct Strip {
        Face* face;          // the narrow face that opened along the old edge (p, q)
        Vertex* p;
        Vertex* q;
    };
    struct Cap {
        Face* face;          // the corner polygon where `origin` was
        Vertex* origin;
    };
    std::vector<Point> points;
    std::vector<Strip> strips;
    std::vector<Cap> caps;
};

// True when `e` has two distinct faces that run it in opposite directions,
// the only edges a narrow face can open along.
bool canBevel(const Edge& e);

// Cuts `mesh` as described above; every vertex, edge and face pointer in
// `cut` must belong to `mesh`. Faces around a cut vertex keep their corners'
// texture coordinates on the new corners; a narrow face takes the material
// of the first face of its edge, and a corner polygon that of the face its
// first side came from. The bevelled edge stays on its first face's side
// and a new edge with its flags (creases, seams) takes the other side.
// Edges are relinked over the whole mesh afterwards. No object protocol.
BevelPieces cutBevel(InnerShape& mesh, const BevelCut& cut);
