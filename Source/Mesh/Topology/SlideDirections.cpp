#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/ComponentDirections.h"
#include "Mesh/Topology/MeshCleanup.h"

namespace {

// The two faces of a listed edge: its ends slide along the positive one's
// sides for positive values. Either may be null (a border, a wire edge).
struct Sides {
    Face* positive = nullptr;
    Face* negative = nullptr;
};

// The sides a vertex slides along, the first listed edge at it deciding.
struct Along {
    Edge* positive = nullptr;
    Edge* negative = nullptr;
};

// The side of `f` other than `e` that meets `e` at its end `v`, or null.
Edge* otherSideAt(Face& f, const Edge* e, const Vertex* v)
{
    Edge* found = nullptr;
    forEachContour(f, [&](Face& contour) {
        const int n = contour.cornerCount();
        for (int k = 0; k < n && !found; ++k) {
            if (contour.corners[k].edge != e)
                continue;
            if (contour.corners[k].vertex == v)
                found = contour.corners[(k + n - 1) % n].edge;
            else if (contour.corners[(k + 1) % n].vertex == v)
                found = contour.corners[(k + 1) % n].edge;
        }
    });
    return found == e ? nullptr : found;
}

Sides firstTwo(const Edge* e)
{
    return {e->faces.count() > 0 ? e->faces[0] : nullptr, e->faces.count() > 1 ? e->faces[1] : nullptr};
}

Sides swapped(Sides s)
{
    return {s.negative, s.positive};
}

// Orients `next`, met at `v` from an edge with sides `from`, so that both
// slide the same way: the face of `next` that slides `v` along the side
// chosen at `v` goes with it; failing that (v is no plain loop vertex), a
// face the two edges share.
Sides orientFrom(const Edge* next, const Vertex* v, const Along& at, const Sides& from)
{
    const Sides s = firstTwo(next);
    auto along = [&](Face* f) { return f ? otherSideAt(*f, next, v) : nullptr; };
    for (Edge* chosen : {at.positive, at.negative}) {
        if (!chosen)
            continue;
        const bool forward = along(s.positive) == chosen;
        if (forward || along(s.negative) == chosen)
            return (forward == (chosen == at.positive)) ? s : swapped(s);
    }
    if ((from.positive && s.negative == from.positive) || (from.negative && s.positive == from.negative))
        return swapped(s);
    return s;
}

// With symmetry, a chain whose mirror image is oriented already slides as
// its reflection: the face mirroring the partner's positive face is positive.
Sides orientAsPartner(const Edge* e, const std::unordered_map<const Edge*, Sides>& sides,
                      const std::unordered_map<const Vertex*, std::vector<Edge*>>& edgesAt)
{
    const Sides s = firstTwo(e);
    Vertex* a = e->startVertex->mirror;
    Vertex* b = e->endVertex->mirror;
    auto listedAtA = a && b ? edgesAt.find(a) : edgesAt.end();
    if (listedAtA == edgesAt.end())
        return s;
    for (const Edge* partner : listedAtA->second) {
        auto known = sides.find(partner);
        if (partner == e || !partner->joins(a, b) || known == sides.end() || !known->second.positive)
            continue;
        if (s.negative && s.negative->mirror == known->second.positive)
            return swapped(s);
        return s;
    }
    return s;
}

} // namespace

int slideDirections(Shape& object, const List<Edge*>& edges, PointDirections& out)
{
    std::vector<Edge*> listed;
    std::unordered_map<const Vertex*, std::vector<Edge*>> edgesAt;
    {
        std::unordered_set<const Edge*> seen;
        for (Edge* e : edges)
            if (e && seen.insert(e).second) {
                listed.push_back(e);
                edgesAt[e->startVertex].push_back(e);
                edgesAt[e->endVertex].push_back(e);
            }
    }

    // Edges are oriented chain by chain, each from a neighbour already
    // oriented, so that a whole loop slides to one side.
    std::unordered_map<const Edge*, Sides> sides;
    std::unordered_map<const Vertex*, Along> alongOf;
    std::vector<Vertex*> order;
    for (Edge* start : listed) {
        if (sides.count(start))
            continue;
        sides[start] = object.hasSymmetry() ? orientAsPartner(start, sides, edgesAt) : firstTwo(start);
        std::vector<Edge*> chain{start};
        for (size_t i = 0; i < chain.size(); ++i) {
            Edge* e = chain[i];
            const Sides s = sides[e];
            for (Vertex* v : {e->startVertex, e->endVertex}) {
                const Along mine{s.positive ? otherSideAt(*s.positive, e, v) : nullptr,
                                 s.negative ? otherSideAt(*s.negative, e, v) : nullptr};
                auto [at, fresh] = alongOf.emplace(v, mine);
                if (fresh)
                    order.push_back(v);
                for (Edge* next : edgesAt[v])
                    if (!sides.count(next)) {
                        sides[next] = orientFrom(next, v, at->second, s);
                        chain.push_back(next);
                    }
            }
        }
    }

    // Value 1 reaches the far end of the positive side, −1 that of the negative one.
    auto farEnd = [](const Edge* side, const Vertex* v) { return Point3D(side->otherVertex(v)); };
    int count = 0;
    std::unordered_set<const Vertex*> entered(order.begin(), order.end());
    const Point3D zero(0, 0, 0);
    for (Vertex* v : order) {
        const Along& a = alongOf[v];
        const Point3D positive = a.positive ? farEnd(a.positive, v) - *v : zero;
        const Point3D negative = a.negative ? *v - farEnd(a.negative, v) : zero;
        out.addPoint(v, positive, negative, 1.0f);
        ++count;
        // A partner across the plane slides as the reflection.
        Vertex* w = object.hasSymmetry() ? v->mirror : nullptr;
        if (!w || w == v || !entered.insert(w).second)
            continue;
        const MirrorPlane& plane = object.mirrorPlane;
        const Point3D base = plane.reflect(*v);
        out.addPoint(w, plane.reflect(*v + positive) - base, plane.reflect(*v + negative) - base, 1.0f);
        ++count;
    }
    out.finishObject(object);
    return count;
}
