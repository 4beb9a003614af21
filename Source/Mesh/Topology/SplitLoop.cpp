#include "Mesh/Topology/SplitLoop.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Selection/WalkSupport.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/SplitFace.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// Faces a ring may cross (where a set is given; without one, every face may be crossed).
using FaceSet = std::unordered_set<const Face*>;
using EdgeSet = std::unordered_set<const Edge*>;

// One quad of a ring, entered over side `in` and left over the opposite side `out`.
struct Crossing {
    Face* quad;
    Edge* in;
    Edge* out;
};

struct Ring {
    std::vector<Edge*> edges;         // every side it crosses, once each, in ring order
    std::vector<Crossing> crossings;  // in ring order
};

bool crossable(const Face* f, const FaceSet* allowed)
{
    return f && f->cornerCount() == 4 && f->holes.empty() && (!allowed || allowed->count(f));
}

// Walks from `seed` into `f` and on over opposite sides until a face that
// cannot be crossed (not a quad, holes, not allowed, a border) or one crossed
// already. True when the walk came back over `seed`: the ring is closed.
bool walk(Edge* seed, Face* f, const FaceSet* allowed, FaceSet& crossed, EdgeSet& ringEdges,
          std::vector<Crossing>& out)
{
    Edge* e = seed;
    while (crossable(f, allowed) && !crossed.count(f)) {
        const int side = walks::cornerOfEdge(*f, e);
        if (side < 0)
            return false;
        Edge* opposite = f->corners[(side + 2) % 4].edge;
        if (!opposite || opposite == e)
            return false; // a folded quad has no far side
        crossed.insert(f);
        out.push_back({f, e, opposite});
        if (opposite == seed)
            return true;
        if (!ringEdges.insert(opposite).second)
            return false; // the ring runs into itself: this quad is cut, nothing beyond
        f = InnerShape::otherFace(f, opposite);
        e = opposite;
    }
    return false;
}

// The ring through `seed`, walked both ways from it unless it closes.
Ring ringThrough(Edge* seed, const FaceSet* allowed)
{
    FaceSet crossed;
    EdgeSet ringEdges{seed};
    std::vector<Crossing> ahead, behind;
    const bool closed = !seed->faces.empty() && walk(seed, seed->faces[0], allowed, crossed, ringEdges, ahead);
    if (!closed && seed->faces.count() > 1)
        walk(seed, seed->faces[1], allowed, crossed, ringEdges, behind);

    Ring ring;
    for (auto c = behind.rbegin(); c != behind.rend(); ++c)
        ring.crossings.push_back({c->quad, c->out, c->in});
    ring.crossings.insert(ring.crossings.end(), ahead.begin(), ahead.end());
    EdgeSet listed;
    for (const Crossing& c : ring.crossings)
        for (Edge* e : {c.in, c.out})
            if (listed.insert(e).second)
                ring.edges.push_back(e);
    return ring;
}

// Puts `middle` between the ends of `e` in one contour that runs along it;
// `e` keeps the half from its start, `rest` is the half to its end.
void insertMiddle(Face& contour, const Edge* e, Edge* rest, Vertex* middle)
{
    const int n = contour.cornerCount();
    std::vector<Corner> out;
    out.reserve(static_cast<size_t>(n) + 1);
    bool changed = false;
    for (int k = 0; k < n; ++k) {
        Corner c = contour.corners[k];
        if (c.edge != e) {
            out.push_back(c);
            continue;
        }
        const Corner& next = contour.corners[(k + 1) % n];
        Corner mid{middle, nullptr, (c.u + next.u) / 2, (c.v + next.v) / 2, (c.w + next.w) / 2};
        const bool forward = c.vertex == e->startVertex;
        c.edge = forward ? const_cast<Edge*>(e) : rest;
        mid.edge = forward ? rest : const_cast<Edge*>(e);
        out.push_back(c);
        out.push_back(mid);
        changed = true;
    }
    if (!changed)
        return;
    contour.corners.clear();
    for (const Corner& c : out)
        contour.corners.append(c);
}

struct Halves {
    Vertex* middle;
    Edge* rest; // the half from the middle to the old end
};

// Splits `e` at its middle: `e` keeps the half from its start vertex, a new
// edge with e's flags takes the other half, and every face along `e` gets the
// middle as a corner with texture coordinates halfway along the side.
Halves splitEdge(InnerShape& mesh, Edge* e, EdgeSet& outSplit)
{
    Vertex* s = e->startVertex;
    Vertex* t = e->endVertex;
    Vertex* middle = take<Vertex>((*s + *t) * 0.5f);
    middle->paintWeight = (s->paintWeight + t->paintWeight) / 2;
    mesh.addVertex(middle);
    Edge* rest = take<Edge>(middle, t);
    copyFlags(*e, *rest);
    mesh.addEdge(rest);
    // The corners are rewritten while `e` still ends at t, so that each
    // contour can tell which way it runs along it.
    for (int i = 0; i < e->faces.count(); ++i) {
        Face* f = e->faces[i];
        if (e->faces.indexOf(f) == i) // a face on the edge twice is rewritten once
            forEachContour(*f, [&](Face& contour) { insertMiddle(contour, e, rest, middle); });
    }
    e->endVertex = middle;
    rest->faces = e->faces; // every use of e is now a use of both halves
    outSplit.insert(e);
    outSplit.insert(rest);
    return {middle, rest};
}

// Cuts `f` between its corners at p and q (not neighbours): f keeps the
// corners from p to q, a new face of f's material and flags takes those from
// q back to p, and a new edge joins them. Returns that edge, or null.
Edge* cutFace(InnerShape& mesh, Face& f, Vertex* p, Vertex* q)
{
    Edge* chord = take<Edge>(p, q);
    if (!chord)
        return nullptr;
    Face* g = splitFaceAlong(mesh, f, p, q);
    if (!g) {
        chord->release();
        return nullptr;
    }
    f.corners.last().edge = chord;
    g->corners.last().edge = chord;
    // The sides that moved to g name it where they named f, keeping their order.
    for (int k = 0; k + 1 < g->cornerCount(); ++k) {
        List<Face*, 2>& faces = g->corners[k].edge->faces;
        const int at = faces.indexOf(&f);
        if (at >= 0)
            faces[at] = g;
    }
    chord->faces.append(&f);
    chord->faces.append(g);
    f.computeNormal();
    g->computeNormal();
    mesh.addEdge(chord);
    return chord;
}

// What the rings of one operation have done so far.
struct Progress {
    EdgeSet split;    // both halves of every side split
    EdgeSet loops;    // every new loop edge, halves included
    int cut = 0;      // quads cut
};

// Splits every side of the ring and cuts its quads between the middles.
// Pieces of allowed quads are allowed too, so that a later ring goes on
// through them; a loop edge that the ring splits stays a loop edge in both halves.
void splitRing(InnerShape& mesh, const Ring& ring, FaceSet* allowed, Progress& progress, List<Edge*>* newEdges)
{
    auto addLoopEdge = [&](Edge* e) {
        progress.loops.insert(e);
        if (newEdges)
            newEdges->append(e);
    };
    std::unordered_map<const Edge*, Vertex*> middleOf;
    for (Edge* e : ring.edges) {
        const Halves h = splitEdge(mesh, e, progress.split);
        middleOf[e] = h.middle;
        if (progress.loops.count(e))
            addLoopEdge(h.rest);
    }
    for (const Crossing& c : ring.crossings) {
        Edge* chord = cutFace(mesh, *c.quad, middleOf[c.in], middleOf[c.out]);
        if (!chord)
            continue;
        ++progress.cut;
        if (allowed)
            allowed->insert(chord->faces[1]);
        addLoopEdge(chord);
    }
}

// The rings through the seeds one after another, each walked on the mesh
// as the rings before it left it: a seed split already lies on a ring done,
// and a ring crossing an earlier loop splits that loop's edge in turn.
int splitRings(InnerShape& mesh, const std::vector<Edge*>& seeds, FaceSet* allowed, List<Edge*>* newEdges)
{
    Progress progress;
    for (Edge* seed : seeds) {
        if (progress.split.count(seed))
            continue;
        const Ring ring = ringThrough(seed, allowed);
        if (!ring.crossings.empty())
            splitRing(mesh, ring, allowed, progress, newEdges);
    }
    return progress.cut;
}

bool anyCrossable(const std::vector<Edge*>& seeds, const FaceSet* allowed)
{
    return std::any_of(seeds.begin(), seeds.end(), [&](const Edge* e) {
        return std::any_of(e->faces.begin(), e->faces.end(), [&](const Face* f) { return crossable(f, allowed); });
    });
}

// The listed edges (each once, in list order), and with symmetry on the
// edges joining their ends' mirror partners after them.
std::vector<Edge*> seedsWithPartners(const Shape& object, const List<Edge*>& edges)
{
    std::vector<Edge*> seeds;
    EdgeSet seen;
    for (Edge* e : edges)
        if (e && seen.insert(e).second)
            seeds.push_back(e);
    if (!object.hasSymmetry())
        return seeds;
    // One pass over the edges finds every partner, instead of a search per seed.
    struct PairHash {
        size_t operator()(const std::pair<const Vertex*, const Vertex*>& p) const
        {
            return std::hash<const Vertex*>()(p.first) * 31 + std::hash<const Vertex*>()(p.second);
        }
    };
    auto key = [](const Vertex* a, const Vertex* b) { return a < b ? std::pair{a, b} : std::pair{b, a}; };
    std::unordered_set<std::pair<const Vertex*, const Vertex*>, PairHash> wanted;
    for (const Edge* e : seeds)
        if (e->startVertex->mirror && e->endVertex->mirror)
            wanted.insert(key(e->startVertex->mirror, e->endVertex->mirror));
    for (Edge* e : object.edges)
        if (wanted.count(key(e->startVertex, e->endVertex)) && seen.insert(e).second)
            seeds.push_back(e);
    return seeds;
}

} // namespace

int splitLoopAcrossEdges(Shape& object, const List<Edge*>& edges, List<Edge*>* newEdges)
{
    const std::vector<Edge*> seeds = seedsWithPartners(object, edges);
    if (!anyCrossable(seeds, nullptr))
        return 0;
    return editTopology(object, [&](InnerShape& mesh) { return splitRings(mesh, seeds, nullptr, newEdges); });
}

int splitLoopThroughFaces(Shape& object, const List<Face*>& faces, List<Edge*>* newEdges)
{
    FaceSet allowed;
    for (Face* f : faces)
        if (f) {
            allowed.insert(f);
            if (object.hasSymmetry() && f->mirror)
                allowed.insert(f->mirror);
        }
    // The rings start at the sides two listed faces share, in the order of
    // the object's faces so that a mirrored strip is met like its original.
    std::vector<Edge*> seeds;
    EdgeSet seen;
    for (Face* f : object.faces) {
        if (!allowed.count(f))
            continue;
        for (const Corner& c : f->corners)
            if (c.edge && c.edge->faces.count() == 2 && allowed.count(c.edge->faces[0]) &&
                allowed.count(c.edge->faces[1]) && seen.insert(c.edge).second)
                seeds.push_back(c.edge);
    }
    if (!anyCrossable(seeds, &allowed))
        return 0;
    return editTopology(object, [&](InnerShape& mesh) { return splitRings(mesh, seeds, &allowed, newEdges); });
}
