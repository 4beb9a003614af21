#include "Mesh/Topology/ComponentDirections.h"

#include <numeric>
#include <unordered_map>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Shape.h"
#include "Mesh/Vertex.h"

namespace {

// Every vertex the components touch, once each, in the order first met.
std::vector<Vertex*> touched(const ComponentLists& selected)
{
    std::vector<Vertex*> out;
    std::unordered_map<const Vertex*, int> seen;
    auto add = [&](Vertex* v) {
        if (v && seen.emplace(v, static_cast<int>(out.size())).second)
            out.push_back(v);
    };
    for (Vertex* v : selected.vertices)
        add(v);
    for (Edge* e : selected.edges) {
        add(e->startVertex);
        add(e->endVertex);
    }
    for (Face* f : selected.faces)
        for (const Corner& c : f->corners)
            add(c.vertex);
    return out;
}

using Normals = std::unordered_map<const Vertex*, Point3D>;

// The unit mean normal of the listed faces around each of their corners.
Normals faceNormalsAround(const List<Face*>& faces)
{
    Normals sums;
    for (const Face* f : faces)
        for (const Corner& c : f->corners) {
            auto [it, fresh] = sums.try_emplace(c.vertex, f->normal);
            if (!fresh)
                it->second = it->second + f->normal;
        }
    for (auto& [v, n] : sums)
        n = n.normalized();
    return sums;
}

// The normal each of `vertices` moves along: the mean of the selected faces
// around it, else of all the object's faces around it. Vertex normals are
// not read: flat-shaded objects do not keep them.
Normals normalsAround(const Shape& object, const List<Face*>& selectedFaces, const std::vector<Vertex*>& vertices)
{
    Normals out = faceNormalsAround(selectedFaces);
    Normals rest;
    for (const Vertex* v : vertices)
        if (!out.contains(v))
            rest.emplace(v, Point3D(0, 0, 0));
    if (rest.empty())
        return out;
    for (const Face* f : object.faces)
        for (const Corner& c : f->corners)
            if (auto it = rest.find(c.vertex); it != rest.end())
                it->second = it->second + f->normal;
    for (auto& [v, n] : rest)
        out.emplace(v, n.normalized());
    return out;
}

int find(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

} // namespace

int localMoveDirections(Shape& object, const ComponentLists& selected, PointDirections& out)
{
    const std::vector<Vertex*> vertices = touched(selected);
    const Normals normals = normalsAround(object, selected.faces, vertices);
    for (Vertex* v : vertices)
        out.addPoint(v, normals.at(v));
    return static_cast<int>(vertices.size());
}

std::vector<ComponentGroup> componentGroups(Shape& object, const ComponentLists& selected)
{
    const std::vector<Vertex*> vertices = touched(selected);
    std::unordered_map<const Vertex*, int> position;
    for (int i = 0; i < static_cast<int>(vertices.size()); ++i)
        position[vertices[i]] = i;
    std::vector<int> parent(vertices.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto join = [&](const Vertex* a, const Vertex* b) {
        auto ia = position.find(a), ib = position.find(b);
        if (ia != position.end() && ib != position.end())
            parent[find(parent, ia->second)] = find(parent, ib->second);
    };
    for (const Edge* e : selected.edges)
        join(e->startVertex, e->endVertex);
    for (const Face* f : selected.faces)
        for (const Corner& c : f->corners)
            join(c.vertex, f->corners[0].vertex);
    // Selected vertices joined by an edge between them belong together too.
    if (!selected.vertices.empty()) {
        std::unordered_map<const Vertex*, bool> chosen;
        for (const Vertex* v : selected.vertices)
            chosen[v] = true;
        for (const Edge* e : object.edges)
            if (chosen.contains(e->startVertex) && chosen.contains(e->endVertex))
                join(e->startVertex, e->endVertex);
    }

    const Normals normals = normalsAround(object, selected.faces, vertices);
    std::vector<ComponentGroup> groups;
    std::unordered_map<int, int> groupOf;
    for (int i = 0; i < static_cast<int>(vertices.size()); ++i) {
        auto [it, fresh] = groupOf.try_emplace(find(parent, i), static_cast<int>(groups.size()));
        if (fresh)
            groups.emplace_back();
        ComponentGroup& g = groups[it->second];
        Vertex* v = vertices[i];
        g.vertices.append(v);
        g.centre = g.centre + *v;
        g.normal = g.normal + normals.at(v);
    }
    for (ComponentGroup& g : groups) {
        g.centre = g.centre * (1.0f / static_cast<float>(g.vertices.count()));
        g.normal = g.normal.normalized();
    }
    return groups;
}

int localScaleDirections(Shape& object, const ComponentLists& selected, PointDirections& out)
{
    int entered = 0;
    for (const ComponentGroup& g : componentGroups(object, selected))
        for (Vertex* v : g.vertices) {
            out.addPoint(v, *v - g.centre);
            ++entered;
        }
    return entered;
}
