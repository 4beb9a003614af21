#include "Validate.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "InnerShape.h"

namespace {
std::string at(const char* what, int i)
{
    return std::string(what) + " " + std::to_string(i);
}
} // namespace

std::string validateTopology(const InnerShape& mesh)
{
    std::set<const Vertex*> vertexSet(mesh.vertices.begin(), mesh.vertices.end());
    std::set<const Edge*> edgeSet(mesh.edges.begin(), mesh.edges.end());
    if (vertexSet.size() != static_cast<size_t>(mesh.vertices.count()))
        return "a vertex is listed twice";
    if (edgeSet.size() != static_cast<size_t>(mesh.edges.count()))
        return "an edge is listed twice";

    // Uses of each edge by each face, counted from the corners.
    std::map<std::pair<const Edge*, const Face*>, int> uses;
    for (int i = 0; i < mesh.faces.count(); ++i) {
        const Face* f = mesh.faces[i];
        auto checkContour = [&](const Face* contour) -> std::string {
            const int n = contour->corners.count();
            for (int k = 0; k < n; ++k) {
                const Corner& c = contour->corners[k];
                const Vertex* next = contour->corners[(k + 1) % n].vertex;
                if (!vertexSet.count(c.vertex))
                    return at("corner vertex not in the mesh, face", i);
                if (!c.edge || !edgeSet.count(c.edge))
                    return at("corner edge missing or not in the mesh, face", i);
                if (!c.edge->joins(c.vertex, next))
                    return at("corner edge does not join the corner to the next, face", i);
                ++uses[{c.edge, f}];
            }
            return {};
        };
        std::string problem = checkContour(f);
        for (const Face* h : f->holes)
            if (problem.empty())
                problem = checkContour(h);
        if (!problem.empty())
            return problem;
    }

    std::set<std::pair<const Vertex*, const Vertex*>> pairs;
    for (int i = 0; i < mesh.edges.count(); ++i) {
        const Edge* e = mesh.edges[i];
        if (!vertexSet.count(e->startVertex) || !vertexSet.count(e->endVertex))
            return at("edge end not in the mesh, edge", i);
        auto key = std::minmax(e->startVertex, e->endVertex);
        if (!pairs.insert(key).second)
            return at("two edges join the same vertices, edge", i);
        std::map<const Face*, int> listed;
        for (const Face* f : e->faces)
            ++listed[f];
        for (const auto& [f, count] : listed)
            if (uses[{e, f}] != count)
                return at("face list of the edge disagrees with the corners, edge", i);
        if (!e->faces.empty() && e->has(Geometry::Boundary) != (e->faces.count() == 1))
            return at("Boundary flag disagrees with the face count, edge", i);
    }
    for (const auto& [key, count] : uses)
        if (std::count(key.first->faces.begin(), key.first->faces.end(), key.second) != count)
            return "a corner's edge does not list its face";
    return {};
}
