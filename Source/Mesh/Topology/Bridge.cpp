#include "Mesh/Topology/Bridge.h"

#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// A loop of vertices in the direction the surface next to it runs its
// sides: that surface runs loop[k] → loop[k + 1].
using Loop = std::vector<Vertex*>;

// Per loop vertex, the face along the side that starts there: the tube's
// corners take their texture coordinates from it.
using SideFaces = std::unordered_map<const Vertex*, const Face*>;

// `f`'s corner at `v` (outer contour or a hole), or a corner at (0, 0).
Corner cornerAt(const Face* f, Vertex* v)
{
    if (f) {
        for (const Corner& c : f->corners)
            if (c.vertex == v)
                return c;
        for (const Face* h : f->holes)
            for (const Corner& c : h->corners)
                if (c.vertex == v)
                    return c;
    }
    return Corner{v};
}

void appendCornerFrom(Face& q, const Face* side, Vertex* v)
{
    Corner c = cornerAt(side, v);
    c.edge = nullptr;
    q.corners.append(c);
}

// Loop b's vertex paired with a's vertex k is b[(offset + step · k) mod n].
struct Pairing {
    int offset = 0;
    int step = -1;
};

Pairing closestPairing(const Loop& a, const Loop& b)
{
    const int n = static_cast<int>(a.size());
    Pairing best;
    double bestCost = std::numeric_limits<double>::infinity();
    // Step −1 makes the tube agree with both sides; +1 only when closer.
    for (int step : {-1, 1})
        for (int offset = 0; offset < n; ++offset) {
            double cost = 0;
            for (int k = 0; k < n; ++k)
                cost += a[k]->distance(*b[((offset + step * k) % n + n) % n]);
            if (cost < bestCost) {
                bestCost = cost;
                best = {offset, step};
            }
        }
    return best;
}

bool sharesVertex(const Loop& a, const Loop& b)
{
    std::unordered_set<Vertex*> inA(a.begin(), a.end());
    for (Vertex* v : b)
        if (inA.count(v))
            return true;
    return false;
}

// Appends the tube's quads; quad k runs a's side k → k + 1 backwards, as
// the face it replaces along that side did. Each corner keeps the texture
// coordinates the face along its loop side has at that vertex, so the tube
// continues the mapping of both ends.
void buildTube(InnerShape& mesh, const Loop& a, const Loop& b, const SideFaces& sides, Material* material)
{
    const int n = static_cast<int>(a.size());
    const Pairing p = closestPairing(a, b);
    auto paired = [&](int k) { return b[((p.offset + p.step * k) % n + 2 * n) % n]; };
    auto sideOf = [&](const Vertex* v) {
        auto it = sides.find(v);
        return it == sides.end() ? nullptr : it->second;
    };
    for (int k = 0; k < n; ++k) {
        Face* q = take<Face>(material ? material : Material::defaultMaterial());
        if (!q)
            continue;
        // b's side between the paired vertices starts at whichever of them
        // comes first in b's own direction.
        const Face* sideA = sideOf(a[k]);
        const Face* sideB = sideOf(p.step < 0 ? paired(k + 1) : paired(k));
        appendCornerFrom(*q, sideA, a[(k + 1) % n]);
        appendCornerFrom(*q, sideA, a[k]);
        appendCornerFrom(*q, sideB, paired(k));
        appendCornerFrom(*q, sideB, paired(k + 1));
        mesh.addFace(q);
    }
}

// The vertices of a face's outer contour read backwards: the direction its
// neighbours run the shared sides.
Loop neighbourLoop(const Face& f)
{
    Loop out;
    for (int k = f.cornerCount() - 1; k >= 0; --k)
        out.push_back(f.corners[k].vertex);
    return out;
}

// Orders border edges into closed loops, each in the direction its faces
// run the edges. False when some edge has not exactly one face, a vertex
// starts two edges, or an edge chain does not close.
bool borderLoops(const List<Edge*>& edges, std::vector<Loop>& outLoops, SideFaces& outSides)
{
    std::unordered_map<Vertex*, Vertex*> next;
    std::vector<Vertex*> starts;
    std::unordered_set<Edge*> seen;
    for (Edge* e : edges) {
        if (!e || !seen.insert(e).second)
            continue;
        if (e->faces.count() != 1)
            return false;
        const Face* f = e->faces[0];
        Vertex* from = nullptr;
        for (const Corner& c : f->corners)
            if (c.edge == e)
                from = c.vertex;
        if (!from)
            return false;
        if (!next.emplace(from, e->otherVertex(from)).second)
            return false;
        outSides[from] = f;
        starts.push_back(from);
    }
    std::unordered_set<Vertex*> used;
    for (Vertex* start : starts) {
        if (used.count(start))
            continue;
        Loop loop;
        for (Vertex* v = start;;) {
            loop.push_back(v);
            used.insert(v);
            auto it = next.find(v);
            if (it == next.end())
                return false;
            v = it->second;
            if (v == start)
                break;
            if (used.count(v))
                return false;
        }
        outLoops.push_back(loop);
    }
    return true;
}

} // namespace

bool bridgeFaces(InnerShape& mesh, Face* a, Face* b)
{
    if (!a || !b || a == b || !a->holes.empty() || !b->holes.empty() || a->cornerCount() != b->cornerCount() ||
        a->cornerCount() < 3 || !mesh.faces.contains(a) || !mesh.faces.contains(b))
        return false;
    const Loop la = neighbourLoop(*a), lb = neighbourLoop(*b);
    if (sharesVertex(la, lb))
        return false;
    SideFaces sides;
    for (Vertex* v : la)
        sides[v] = a;
    for (Vertex* v : lb)
        sides[v] = b;
    mesh.touch();
    buildTube(mesh, la, lb, sides, a->material);
    removeFaces(mesh, {a, b});
    relinkAndDropUnused(mesh, {}, {});
    return true;
}

bool bridgeBorders(InnerShape& mesh, const List<Edge*>& edges)
{
    std::vector<Loop> loops;
    SideFaces sides;
    if (!borderLoops(edges, loops, sides) || loops.size() != 2 || loops[0].size() != loops[1].size() || loops[0].size() < 3 ||
        sharesVertex(loops[0], loops[1]))
        return false;
    mesh.touch();
    buildTube(mesh, loops[0], loops[1], sides, sides.at(loops[0][0])->material);
    relinkAndDropUnused(mesh, {}, {});
    return true;
}

int borderLoopLength(const List<Edge*>& edges)
{
    std::vector<Loop> loops;
    SideFaces sides;
    if (!borderLoops(edges, loops, sides) || loops.size() != 1)
        return 0;
    return static_cast<int>(loops[0].size());
}

List<Edge*> borderEdges(const InnerShape& mesh)
{
    List<Edge*> out;
    for (Edge* e : mesh.edges)
        if (e->faces.count() == 1)
            out.append(e);
    return out;
}

bool facingFaces(const InnerShape& a, const InnerShape& b, const List<Face*>& skip, Face*& outA, Face*& outB)
{
    double best = std::numeric_limits<double>::infinity();
    for (Face* fa : a.faces) {
        if (!fa->holes.empty() || skip.contains(fa))
            continue;
        const Point3D ca = fa->centre();
        for (Face* fb : b.faces) {
            if (fb->cornerCount() != fa->cornerCount() || !fb->holes.empty() || skip.contains(fb))
                continue;
            const Point3D cb = fb->centre();
            const double d = ca.distance(cb);
            if (d < best && fa->normal.dot(cb - ca) > 0 && fb->normal.dot(ca - cb) > 0) {
                best = d;
                outA = fa;
                outB = fb;
            }
        }
    }
    return best < std::numeric_limits<double>::infinity();
}

bool bridgeFaces(Shape& object, Face* a, Face* b)
{
    return editTopology(object, [&](InnerShape& mesh) { return bridgeFaces(mesh, a, b); });
}

bool bridgeBorders(Shape& object, const List<Edge*>& edges)
{
    return editTopology(object, [&](InnerShape& mesh) { return bridgeBorders(mesh, edges); });
}
