#include "Mesh/Topology/Bevel.h"

#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/PartnersByConstruction.h"
#include "Mesh/Topology/BevelCut.h"
#include "Mesh/Topology/MeshCleanup.h"

namespace {

using Key = std::pair<const void*, const void*>;
struct KeyHash {
    size_t operator()(const Key& k) const
    {
        return std::hash<const void*>()(k.first) * 31u + std::hash<const void*>()(k.second);
    }
};

// An unordered pair: an edge's key whichever way it runs.
Key endsOf(const void* a, const void* b)
{
    return a < b ? Key(a, b) : Key(b, a);
}

// The pieces start on top of one another, so pairing by position cannot
// tell them apart. Each piece's partner is instead the piece made from the
// partners of its old elements: the point of v sliding towards w mirrors
// the point of v's partner sliding towards w's partner, and so on. Old
// elements keep the partners they had (read from `oldMirror`, since each
// cut vertex was reused as one of its own points).
void pairAcrossThePlane(const BevelPieces& pieces, const std::unordered_map<const Vertex*, Vertex*>& oldMirror)
{
    auto mirrorOf = [&](const Vertex* v) -> const void* {
        auto it = oldMirror.find(v);
        return it == oldMirror.end() ? nullptr : it->second;
    };
    std::unordered_map<Key, Vertex*, KeyHash> points;
    for (const BevelPieces::Point& p : pieces.points)
        points.try_emplace(Key(p.origin, p.towards ? static_cast<const void*>(p.towards) : p.face), p.vertex);
    for (const BevelPieces::Point& p : pieces.points) {
        const void* across = p.towards ? mirrorOf(p.towards) : (p.face ? p.face->mirror : nullptr);
        auto it = across ? points.find(Key(mirrorOf(p.origin), across)) : points.end();
        p.vertex->mirror = it == points.end() ? nullptr : it->second;
        p.vertex->set2(Geometry::OnPlane, p.vertex->mirror == p.vertex);
    }

    std::unordered_map<Key, Face*, KeyHash> strips;
    for (const BevelPieces::Strip& s : pieces.strips)
        strips.try_emplace(endsOf(s.p, s.q), s.face);
    for (const BevelPieces::Strip& s : pieces.strips) {
        auto it = strips.find(endsOf(mirrorOf(s.p), mirrorOf(s.q)));
        s.face->mirror = it == strips.end() ? nullptr : it->second;
    }

    std::unordered_map<const void*, Face*> caps;
    for (const BevelPieces::Cap& c : pieces.caps)
        caps.try_emplace(c.origin, c.face);
    for (const BevelPieces::Cap& c : pieces.caps) {
        auto it = caps.find(mirrorOf(c.origin));
        c.face->mirror = it == caps.end() ? nullptr : it->second;
    }
}

// Runs the cut inside the object protocol. The partners paired by
// construction outlive topologyChanged, whose pairing by position cannot
// tell the new points from one another.
void cutObject(Shape& object, const BevelCut& cut, PointDirections* directions)
{
    object.touch();
    const bool symmetric = object.hasSymmetry();
    std::unordered_map<const Vertex*, Vertex*> oldMirror;
    if (symmetric)
        for (const Vertex* v : object.vertices)
            oldMirror[v] = v->mirror;
    const BevelPieces pieces = cutBevel(object, cut);
    if (symmetric)
        pairAcrossThePlane(pieces, oldMirror);
    if (directions) {
        for (const BevelPieces::Point& p : pieces.points)
            directions->addPoint(p.vertex, p.direction);
        directions->finishObject(object);
    }

    topologyChangedKeepingPartners(object);
    object.update(true, false, -1);
}

// The listed edges of `object` that can open, each once (with Symmetry on,
// with their partners), counting those that cannot in `outSkipped`.
BevelCut edgesToCut(Shape& object, const std::vector<Edge*>& listed, int& outSkipped)
{
    BevelCut cut;
    const std::unordered_set<const Edge*> mine(object.edges.begin(), object.edges.end());
    std::unordered_set<const Edge*> seen;
    std::vector<Edge*> order;
    for (Edge* e : listed) {
        if (!e || !mine.count(e) || !seen.insert(e).second)
            continue;
        if (canBevel(*e)) {
            cut.edges.insert(e);
            order.push_back(e);
        } else {
            ++outSkipped;
        }
    }
    if (object.hasSymmetry() && !order.empty()) {
        std::unordered_map<Key, Edge*, KeyHash> byEnds;
        for (Edge* e : object.edges)
            byEnds.try_emplace(endsOf(e->startVertex, e->endVertex), e);
        for (Edge* e : order) {
            if (!e->startVertex->mirror || !e->endVertex->mirror)
                continue;
            auto it = byEnds.find(endsOf(e->startVertex->mirror, e->endVertex->mirror));
            if (it != byEnds.end() && canBevel(*it->second))
                cut.edges.insert(it->second);
        }
    }
    return cut;
}

BevelResult bevelListedEdges(Shape& object, const std::vector<Edge*>& listed, PointDirections* directions)
{
    BevelResult result;
    const BevelCut cut = edgesToCut(object, listed, result.skippedEdges);
    if (cut.edges.empty())
        return result;
    result.bevelled = static_cast<int>(cut.edges.size());
    cutObject(object, cut, directions);
    return result;
}

} // namespace

BevelResult bevelEdges(Shape& object, const List<Edge*>& edges, PointDirections* directions)
{
    return bevelListedEdges(object, std::vector<Edge*>(edges.begin(), edges.end()), directions);
}

BevelResult bevelVertices(Shape& object, const List<Vertex*>& vertices, PointDirections* directions)
{
    // Only a vertex with a face has a corner to cut off.
    std::unordered_set<const Vertex*> cornered;
    for (Face* f : object.faces)
        forEachContour(*f, [&](Face& contour) {
            for (const Corner& c : contour.corners)
                cornered.insert(c.vertex);
        });
    BevelCut cut;
    for (Vertex* v : vertices) {
        if (!v || !cornered.count(v))
            continue;
        cut.vertices.insert(v);
        if (object.hasSymmetry() && v->mirror && cornered.count(v->mirror))
            cut.vertices.insert(v->mirror);
    }
    BevelResult result;
    if (cut.vertices.empty())
        return result;
    result.bevelled = static_cast<int>(cut.vertices.size());
    cutObject(object, cut, directions);
    return result;
}

BevelResult bevelFaces(Shape& object, const List<Face*>& faces, PointDirections* directions)
{
    const std::unordered_set<const Face*> mine(object.faces.begin(), object.faces.end());
    std::vector<Edge*> outline;
    for (Face* f : faces)
        if (f && mine.count(f))
            forEachContour(*f, [&](Face& c) {
                for (const Corner& corner : c.corners)
                    outline.push_back(corner.edge);
            });
    return bevelListedEdges(object, outline, directions);
}

BevelResult bevelObject(Shape& object, PointDirections* directions)
{
    return bevelListedEdges(object, std::vector<Edge*>(object.edges.begin(), object.edges.end()), directions);
}
