#include "Mesh/Topology/SpinEdge.h"

#include <unordered_set>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// The corner index of f whose edge is e and whose vertex is `from`; -1
// when there is none.
int cornerOn(const Face& f, const Edge* e, const Vertex* from)
{
    for (int k = 0; k < f.cornerCount(); ++k)
        if (f.corners[k].edge == e && f.corners[k].vertex == from)
            return k;
    return -1;
}

// Spins e between a (running p → q) and b (running q → p). False, nothing
// changed, when the spin would make a face or an edge twice.
bool spin(InnerShape& mesh, Edge* e, Face& a, Face& b)
{
    Vertex* p = e->startVertex;
    Vertex* q = e->endVertex;
    int i = cornerOn(a, e, p), j = cornerOn(b, e, q);
    if (i < 0 || j < 0) {
        std::swap(p, q);
        i = cornerOn(a, e, p);
        j = cornerOn(b, e, q);
    }
    if (i < 0 || j < 0)
        return false;
    const int na = a.cornerCount(), nb = b.cornerCount();
    // The merged polygon starts at q, goes round a to p, then round b.
    std::vector<Corner> m;
    for (int k = 1; k <= na; ++k)
        m.push_back(a.corners[(i + k) % na]);
    for (int k = 2; k < nb; ++k)
        m.push_back(b.corners[(j + k) % nb]);
    const int n = static_cast<int>(m.size());
    Vertex* from = m[1].vertex;
    Vertex* to = m[na % n].vertex;
    if (from == to || mesh.findEdge(from, to))
        return false;
    // a takes m[1 … na], b takes m[na … n − 1] and m[0], m[1].
    a.corners.clear();
    for (int k = 1; k <= na; ++k)
        a.corners.append(m[k % n]);
    b.corners.clear();
    for (int k = na; k < n + 2; ++k)
        b.corners.append(m[k % n]);
    e->startVertex = from;
    e->endVertex = to;
    a.corners[na - 1].edge = e;
    b.corners[nb - 1].edge = e;
    return true;
}

} // namespace

int spinEdges(InnerShape& mesh, const List<Edge*>& edges)
{
    std::unordered_set<Edge*> mine(mesh.edges.begin(), mesh.edges.end());
    std::unordered_set<Face*> spun;
    int count = 0;
    for (Edge* e : edges) {
        if (!e || !mine.count(e) || e->faces.count() != 2)
            continue;
        Face* a = e->faces[0];
        Face* b = e->faces[1];
        if (a == b || !a->holes.empty() || !b->holes.empty() || spun.count(a) || spun.count(b))
            continue;
        if (!spin(mesh, e, *a, *b))
            continue;
        spun.insert(a);
        spun.insert(b);
        ++count;
    }
    if (count > 0) {
        mesh.touch();
        relinkAndDropUnused(mesh, {}, {});
        for (Face* f : spun)
            f->computeNormal();
    }
    return count;
}

int spinEdges(Shape& object, const List<Edge*>& edges)
{
    return editTopology(object, [&](InnerShape& mesh) { return spinEdges(mesh, edges); });
}
