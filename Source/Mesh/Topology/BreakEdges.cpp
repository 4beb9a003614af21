#include "Mesh/Topology/BreakEdges.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

struct Fans {
    std::unordered_map<Face*, Face*> parent;
    Face* find(Face* f)
    {
        while (parent[f] != f)
            f = parent[f] = parent[parent[f]];
        return f;
    }
};

// Gives the faces of every fan of v but the first a copy of v; the corners
// at v, and the corners leading to v, lose their edges so that the relink
// gives them edges to the copy.
int splitVertex(InnerShape& mesh, Vertex* v, const std::vector<Edge*>& around, const std::unordered_set<Edge*>& cut)
{
    Fans fans;
    std::vector<Face*> order;
    for (Edge* e : around)
        for (Face* f : e->faces)
            if (fans.parent.emplace(f, f).second)
                order.push_back(f);
    for (Edge* e : around) {
        if (cut.count(e))
            continue;
        for (int k = 1; k < e->faces.count(); ++k) {
            Face* a = fans.find(e->faces[0]);
            Face* b = fans.find(e->faces[k]);
            if (a != b)
                fans.parent[b] = a;
        }
    }
    std::unordered_map<Face*, Vertex*> copyOf;
    int made = 0;
    for (Face* f : order) {
        Face* fan = fans.find(f);
        if (fan == fans.find(order.front()))
            continue;
        auto [it, fresh] = copyOf.emplace(fan, nullptr);
        if (fresh) {
            it->second = take<Vertex>(static_cast<const Point3D&>(*v));
            if (!it->second)
                continue;
            copyFlags(*v, *it->second);
            mesh.addVertex(it->second);
            ++made;
        }
        Vertex* copy = it->second;
        if (!copy)
            continue;
        forEachContour(*f, [&](Face& contour) {
            const int n = contour.cornerCount();
            for (int k = 0; k < n; ++k)
                if (contour.corners[k].vertex == v) {
                    contour.corners[k].vertex = copy;
                    contour.corners[k].edge = nullptr;
                    contour.corners[(k + n - 1) % n].edge = nullptr;
                }
        });
        while (v->faces.removeOne(f)) {
        }
    }
    return made;
}

} // namespace

int breakEdges(InnerShape& mesh, const List<Edge*>& edges)
{
    std::unordered_set<Edge*> mine(mesh.edges.begin(), mesh.edges.end());
    std::unordered_set<Edge*> cut;
    std::vector<Vertex*> ends;
    std::unordered_set<Vertex*> seen;
    for (Edge* e : edges) {
        if (!e || !mine.count(e) || !cut.insert(e).second)
            continue;
        for (Vertex* v : {e->startVertex, e->endVertex})
            if (seen.insert(v).second)
                ends.push_back(v);
    }
    std::unordered_map<Vertex*, std::vector<Edge*>> around;
    for (Edge* e : mesh.edges)
        for (Vertex* v : {e->startVertex, e->endVertex})
            if (seen.count(v))
                around[v].push_back(e);
    int made = 0;
    for (Vertex* v : ends)
        made += splitVertex(mesh, v, around[v], cut);
    if (made == 0)
        return 0;
    mesh.touch();
    std::unordered_set<Edge*> candidates;
    for (auto& [v, list] : around)
        candidates.insert(list.begin(), list.end());
    relinkAndDropUnused(mesh, candidates, {});
    return made;
}

int breakEdges(Shape& object, const List<Edge*>& edges)
{
    return editTopology(object, [&](InnerShape& mesh) { return breakEdges(mesh, edges); });
}
