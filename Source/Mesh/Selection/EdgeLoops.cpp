// Edge loops: from every selected edge, straight on through each end vertex.
//
// The rule at a vertex needs the vertex's edges in the mesh's edge-list
// order, which only a pass over the whole edge list gives. A loop on a big
// mesh touches few vertices, so the walk first reads each vertex's edges
// locally, from the faces around it, and builds the ordered lists for the
// whole mesh (once per call) only when the order matters: when more than
// one edge qualifies at a vertex, or when the mesh has edges without faces,
// which no face leads to. The result is the same either way, except at a
// vertex where separate fans of faces meet (a non-manifold vertex): there
// the loop counts the edges of the fan it arrives through.
#include <vector>

#include "Mesh/Selection/WalkSupport.h"

namespace {

using walks::VertexEdgeLists;

bool isBorder(const Edge* e) { return e->faces.count() == 1; }

// The edges around one vertex.
struct Around {
    static constexpr int Most = 32;
    Edge* edges[Most];
    int count = 0;
    bool overflow = false;

    void add(Edge* e)
    {
        if (!e)
            return;
        for (int i = 0; i < count; ++i)
            if (edges[i] == e)
                return;
        if (count == Most)
            overflow = true;
        else
            edges[count++] = e;
    }
};

// The edges at `v` reached from `e` through the faces around `v` (outer
// contours and holes). All of them when every edge of the mesh has a face
// and the faces around v hang together across their edges.
void edgesAroundLocally(Edge* e, const Vertex* v, Around& out)
{
    out.add(e);
    for (int next = 0; next < out.count; ++next)
        for (const Face* f : out.edges[next]->faces) {
            auto takeContour = [&](const Face& contour) {
                const int n = contour.corners.count();
                for (int k = 0; k < n; ++k)
                    if (contour.corners[k].vertex == v) {
                        out.add(contour.corners[k].edge);
                        out.add(contour.corners[(k + n - 1) % n].edge);
                    }
            };
            takeContour(*f);
            for (const Face* h : f->holes)
                takeContour(*h);
        }
}

bool qualifiesAfter(const Edge* e, const Edge* next)
{
    return next != e && (next->faces.empty() || !walks::shareFace(*e, *next));
}

// At a vertex with any count other than four edges: a border edge goes on
// along the border when the vertex has exactly one other border edge, so a
// border edge selects its whole border (grid sides, open tube rims) and
// rounds the corners of a grid. Otherwise the loop ends.
template <class It>
Edge* alongBorder(const Edge* e, It begin, It end)
{
    if (!isBorder(e))
        return nullptr;
    Edge* found = nullptr;
    for (It it = begin; it != end; ++it) {
        if (*it == e || !isBorder(*it))
            continue;
        if (found)
            return nullptr;
        found = *it;
    }
    return found;
}

// Four edges at v: the first edge in v's list (edge-list order) that has no
// faces or shares no face with e; on a quad mesh the one straight across.
Edge* continuation(const VertexEdgeLists& lists, const Edge* e, const Vertex* v)
{
    if (lists.count(v) != 4)
        return alongBorder(e, lists.begin(v), lists.end(v));
    for (auto it = lists.begin(v); it != lists.end(v); ++it)
        if (qualifiesAfter(e, *it))
            return *it;
    return nullptr;
}

class LoopWalker {
public:
    LoopWalker(InnerShape& mesh, bool hasWireEdges, std::vector<Edge*>* outAdded)
        : mesh_(mesh), exact_(hasWireEdges), added_(outAdded)
    {
        if (exact_)
            buildLists();
    }

    // Walks from `e` through `v` until the loop ends, closes on itself, meets
    // a selected edge (a seed, whose own walks go on from there, or an edge
    // walked already), or meets an edge that may not be selected.
    void walk(Edge* e, const Vertex* v)
    {
        for (;;) {
            Edge* next = step(e, v);
            if (!next || next->isSelected() || !selectable(*next))
                return;
            next->set(Geometry::Selected);
            if (added_)
                added_->push_back(next);
            v = next->otherVertex(v);
            e = next;
        }
    }

private:
    Edge* step(Edge* e, const Vertex* v)
    {
        if (exact_)
            return continuation(lists(), e, v);
        Around around;
        edgesAroundLocally(e, v, around);
        if (around.overflow)
            return exactStep(e, v);
        if (around.count != 4)
            return alongBorder(e, around.edges, around.edges + around.count);
        Edge* found = nullptr;
        for (int i = 0; i < around.count; ++i)
            if (qualifiesAfter(e, around.edges[i])) {
                if (found)
                    return exactStep(e, v); // which comes first depends on the edge-list order
                found = around.edges[i];
            }
        return found;
    }

    Edge* exactStep(Edge* e, const Vertex* v)
    {
        buildLists();
        exact_ = true;
        return continuation(lists(), e, v);
    }

    void buildLists() { lists().build(mesh_); }
    static VertexEdgeLists& lists() { return VertexEdgeLists::scratch(); }

    InnerShape& mesh_;
    bool exact_;
    std::vector<Edge*>* added_;
};

} // namespace

void selectEdgeLoops(InnerShape& mesh)
{
    std::vector<Edge*> seeds;
    bool hasWireEdges = false;
    for (Edge* e : mesh.edges) {
        hasWireEdges = hasWireEdges || e->faces.empty();
        if (e->isSelected())
            seeds.push_back(e);
    }
    selectEdgeLoops(mesh, seeds, hasWireEdges, nullptr);
}

void selectEdgeLoops(InnerShape& mesh, std::span<Edge* const> seeds, bool hasWireEdges,
                     std::vector<Edge*>* outAdded)
{
    if (seeds.empty())
        return;
    LoopWalker walker(mesh, hasWireEdges, outAdded);
    for (Edge* e : seeds) {
        walker.walk(e, e->endVertex);
        walker.walk(e, e->startVertex);
    }
}
