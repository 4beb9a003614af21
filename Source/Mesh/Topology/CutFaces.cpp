#include "Mesh/Topology/CutFaces.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"
#include "Mesh/Topology/SplitFace.h"

namespace {

// The new vertices of a divided edge, from its start vertex to its end.
using Divisions = std::unordered_map<const Edge*, std::vector<Vertex*>>;

Divisions divide(InnerShape& mesh, const List<Edge*>& edges, int sections)
{
    const std::unordered_set<const Edge*> mine(mesh.edges.begin(), mesh.edges.end());
    Divisions out;
    for (Edge* e : edges) {
        if (!e || !mine.count(e) || out.count(e))
            continue;
        std::vector<Vertex*>& points = out[e];
        const Point3D a = *e->startVertex, b = *e->endVertex;
        for (int i = 1; i <= sections; ++i) {
            const float t = float(i) / float(sections + 1);
            if (Vertex* v = take<Vertex>(a + (b - a) * t)) {
                mesh.addVertex(v);
                points.push_back(v);
            }
        }
    }
    return out;
}

// Rewrites a contour with the division points of its divided sides, each
// corner interpolating the texture coordinates of the side's ends.
void insertDivisions(Face& contour, const Divisions& divisions)
{
    std::vector<Corner> out;
    const int n = contour.cornerCount();
    for (int k = 0; k < n; ++k) {
        const Corner from = contour.corners[k];
        const Corner to = contour.corners[(k + 1) % n];
        out.push_back(from);
        auto it = from.edge ? divisions.find(from.edge) : divisions.end();
        if (it == divisions.end())
            continue;
        out.back().edge = nullptr; // relinked to the first piece
        std::vector<Vertex*> points = it->second;
        if (from.edge->startVertex != from.vertex)
            std::reverse(points.begin(), points.end());
        const int count = static_cast<int>(points.size());
        for (int i = 0; i < count; ++i) {
            const float t = float(i + 1) / float(count + 1);
            out.push_back(Corner{points[static_cast<size_t>(i)], nullptr, from.u + (to.u - from.u) * t,
                                 from.v + (to.v - from.v) * t, from.w + (to.w - from.w) * t});
        }
    }
    contour.corners.clear();
    for (const Corner& c : out)
        contour.corners.append(c);
}

// The chords that cut one face, as pairs of vertices; empty when the face
// does not have exactly two sites.
std::vector<std::pair<Vertex*, Vertex*>> chordsOf(const Face& f, const Divisions& divisions,
                                                  const std::unordered_set<const Vertex*>& cutVertices)
{
    // Each site is the run of points it offers, in the face's corner order.
    std::vector<std::vector<Vertex*>> sites;
    for (const Corner& c : f.corners) {
        if (cutVertices.count(c.vertex))
            sites.push_back({c.vertex});
        auto it = c.edge ? divisions.find(c.edge) : divisions.end();
        if (it != divisions.end()) {
            std::vector<Vertex*> points = it->second;
            if (c.edge->startVertex != c.vertex)
                std::reverse(points.begin(), points.end());
            sites.push_back(points);
        }
    }
    std::vector<std::pair<Vertex*, Vertex*>> chords;
    if (sites.size() != 2 || sites[0].empty() || sites[1].empty())
        return chords;
    const std::vector<Vertex*>& a = sites[0];
    const std::vector<Vertex*>& b = sites[1];
    if (a.size() == b.size()) {
        // Going round the face, the second site runs the other way.
        for (size_t i = 0; i < a.size(); ++i)
            chords.emplace_back(a[i], b[b.size() - 1 - i]);
    } else {
        const std::vector<Vertex*>& many = a.size() > b.size() ? a : b;
        Vertex* hub = (a.size() > b.size() ? b : a)[0];
        for (Vertex* v : many)
            chords.emplace_back(hub, v);
    }
    return chords;
}


// The pieces of a divided edge take its flags.
void passFlags(InnerShape& mesh, const Divisions& divisions)
{
    for (const auto& [e, points] : divisions) {
        std::vector<Vertex*> chain{e->startVertex};
        chain.insert(chain.end(), points.begin(), points.end());
        chain.push_back(e->endVertex);
        for (size_t k = 0; k + 1 < chain.size(); ++k)
            if (Edge* piece = mesh.findEdge(chain[k], chain[k + 1]))
                copyFlags(*e, *piece);
    }
}

} // namespace

int cutFaces(InnerShape& mesh, const List<Edge*>& edges, const List<Vertex*>& vertices, int sections)
{
    const Divisions divisions = divide(mesh, edges, std::max(sections, 1));
    const std::unordered_set<const Vertex*> mine(mesh.vertices.begin(), mesh.vertices.end());
    std::unordered_set<const Vertex*> cutVertices;
    for (const Vertex* v : vertices)
        if (v && mine.count(v))
            cutVertices.insert(v);
    if (divisions.empty() && cutVertices.size() < 2)
        return 0;
    mesh.touch();

    // The chords are found on the faces as they were, then cut after the
    // division points are in.
    std::vector<std::pair<Face*, std::vector<std::pair<Vertex*, Vertex*>>>> cuts;
    for (Face* f : mesh.faces)
        if (f->holes.empty())
            if (auto chords = chordsOf(*f, divisions, cutVertices); !chords.empty())
                cuts.emplace_back(f, std::move(chords));
    if (!divisions.empty())
        for (Face* f : mesh.faces)
            forEachContour(*f, [&](Face& contour) { insertDivisions(contour, divisions); });
    int added = 0;
    for (auto& [f, chords] : cuts) {
        // Each chord lies in one of the pieces cut so far.
        std::vector<Face*> pieces{f};
        for (auto [p, q] : chords)
            for (size_t i = 0; i < pieces.size(); ++i)
                if (Face* g = splitFaceAlong(mesh, *pieces[i], p, q)) {
                    pieces.push_back(g);
                    ++added;
                    break;
                }
    }
    std::unordered_set<Edge*> divided;
    for (const auto& [e, points] : divisions)
        divided.insert(const_cast<Edge*>(e));
    relinkAndDropUnused(mesh, {}, {});
    passFlags(mesh, divisions);
    relinkAndDropUnused(mesh, divided, {});
    return added;
}

int cutFaces(Shape& object, const List<Edge*>& edges, const List<Vertex*>& vertices, int sections)
{
    return editTopology(object, [&](InnerShape& mesh) { return cutFaces(mesh, edges, vertices, sections); });
}
