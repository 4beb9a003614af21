#include "Mesh/Topology/MergeVertices.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// Each group collapses into its first vertex, moved to the group's centre.
using Groups = std::vector<std::vector<Vertex*>>;

// Drops corners whose vertex repeats the next corner's (cyclically).
void dropRepeatedCorners(Face& contour)
{
    for (int k = 0; contour.cornerCount() > 1 && k < contour.cornerCount();) {
        if (contour.corners[k].vertex == contour.cornerVertex(k + 1))
            contour.corners.removeAt(k);
        else
            ++k;
    }
}

int collapse(InnerShape& mesh, const Groups& groups)
{
    std::unordered_map<Vertex*, Vertex*> into;
    for (const auto& group : groups) {
        if (group.size() < 2)
            continue;
        double sum[3] = {0, 0, 0};
        for (const Vertex* v : group) {
            sum[0] += v->x;
            sum[1] += v->y;
            sum[2] += v->z;
        }
        const double n = static_cast<double>(group.size());
        group[0]->setPosition(float(sum[0] / n), float(sum[1] / n), float(sum[2] / n));
        for (size_t i = 1; i < group.size(); ++i)
            into[group[i]] = group[0];
    }
    if (into.empty())
        return 0;
    mesh.touch();
    auto target = [&](Vertex* v) {
        auto it = into.find(v);
        return it == into.end() ? v : it->second;
    };

    // Edges at merged vertices (survivors included) may be left without
    // faces, and their other ends unused.
    std::unordered_set<Vertex*> merged;
    for (const auto& [from, to] : into) {
        merged.insert(from);
        merged.insert(to);
    }
    std::unordered_set<Edge*> edgeCandidates;
    std::unordered_set<Vertex*> vertexCandidates;
    for (Edge* e : mesh.edges) {
        if (merged.count(e->startVertex) || merged.count(e->endVertex)) {
            edgeCandidates.insert(e);
            vertexCandidates.insert(target(e->startVertex));
            vertexCandidates.insert(target(e->endVertex));
        }
        e->startVertex = target(e->startVertex);
        e->endVertex = target(e->endVertex);
    }
    std::vector<Face*> degenerate;
    for (Face* f : mesh.faces) {
        forEachContour(*f, [&](Face& contour) {
            for (Corner& c : contour.corners) {
                c.vertex = target(c.vertex);
                if (c.edge && c.edge->startVertex == c.edge->endVertex)
                    c.edge = nullptr;
            }
            dropRepeatedCorners(contour);
        });
        for (int h = 0; h < f->holes.count();) {
            Face* hole = f->holes[h];
            if (hole->cornerCount() >= 3) {
                ++h;
                continue;
            }
            f->holes.removeAt(h);
            hole->release();
        }
        if (f->cornerCount() < 3)
            degenerate.push_back(f);
    }
    removeFaces(mesh, degenerate);

    // Edges whose ends merged are points now.
    std::vector<Edge*> collapsed;
    int kept = 0;
    for (Edge* e : mesh.edges) {
        if (e->startVertex == e->endVertex)
            collapsed.push_back(e);
        else
            mesh.edges[kept++] = e;
    }
    mesh.edges.truncate(kept);
    for (Edge* e : collapsed)
        e->release();

    std::unordered_set<Vertex*> gone;
    for (const auto& [from, to] : into)
        gone.insert(from);
    releaseVertices(mesh, gone);
    relinkAndDropUnused(mesh, edgeCandidates, vertexCandidates);
    return static_cast<int>(gone.size());
}

std::vector<Vertex*> listedVertices(const InnerShape& mesh, const List<Vertex*>& listed)
{
    std::unordered_set<Vertex*> mine(mesh.vertices.begin(), mesh.vertices.end()), seen;
    std::vector<Vertex*> out;
    for (Vertex* v : listed)
        if (v && mine.count(v) && seen.insert(v).second)
            out.push_back(v);
    return out;
}

// Union-find over vertices; each group lists its members in the order they
// were first joined in, so a group collapses into its first-listed vertex.
class VertexGroups {
public:
    void add(Vertex* v)
    {
        if (parent_.emplace(v, v).second)
            order_.push_back(v);
    }
    void join(Vertex* a, Vertex* b)
    {
        a = find(a);
        b = find(b);
        if (a != b)
            parent_[b] = a;
    }
    Groups groups()
    {
        std::unordered_map<Vertex*, size_t> groupOf;
        Groups out;
        for (Vertex* v : order_) {
            auto [it, fresh] = groupOf.emplace(find(v), out.size());
            if (fresh)
                out.emplace_back();
            out[it->second].push_back(v);
        }
        return out;
    }

private:
    Vertex* find(Vertex* v)
    {
        while (parent_[v] != v)
            v = parent_[v] = parent_[parent_[v]];
        return v;
    }
    std::unordered_map<Vertex*, Vertex*> parent_;
    std::vector<Vertex*> order_;
};

} // namespace

int mergeVertices(InnerShape& mesh, const List<Vertex*>& vertices)
{
    return collapse(mesh, {listedVertices(mesh, vertices)});
}

int mergeNearbyVertices(InnerShape& mesh, const List<Vertex*>& vertices, float tolerance)
{
    const std::vector<Vertex*> listed = listedVertices(mesh, vertices);
    VertexGroups groups;
    for (Vertex* v : listed)
        groups.add(v);
    // Sweep along x: only vertices within the tolerance in x can be near.
    std::vector<Vertex*> byX = listed;
    std::sort(byX.begin(), byX.end(), [](const Vertex* a, const Vertex* b) { return a->x < b->x; });
    for (size_t i = 0; i < byX.size(); ++i)
        for (size_t j = i + 1; j < byX.size() && byX[j]->x - byX[i]->x < tolerance; ++j)
            if (byX[i]->distance(*byX[j]) < tolerance)
                groups.join(byX[i], byX[j]);
    return collapse(mesh, groups.groups());
}

int collapseEdges(InnerShape& mesh, const List<Edge*>& edges)
{
    std::unordered_set<Edge*> mine(mesh.edges.begin(), mesh.edges.end());
    // Touching edges form one group.
    VertexGroups groups;
    for (Edge* e : edges) {
        if (!e || !mine.count(e))
            continue;
        groups.add(e->startVertex);
        groups.add(e->endVertex);
        groups.join(e->startVertex, e->endVertex);
    }
    return collapse(mesh, groups.groups());
}

int mergeVertices(Shape& object, const List<Vertex*>& vertices)
{
    return editTopology(object, [&](InnerShape& mesh) { return mergeVertices(mesh, vertices); });
}

int mergeNearbyVertices(Shape& object, const List<Vertex*>& vertices, float tolerance)
{
    return editTopology(object, [&](InnerShape& mesh) { return mergeNearbyVertices(mesh, vertices, tolerance); });
}

int collapseEdges(Shape& object, const List<Edge*>& edges)
{
    return editTopology(object, [&](InnerShape& mesh) { return collapseEdges(mesh, edges); });
}
