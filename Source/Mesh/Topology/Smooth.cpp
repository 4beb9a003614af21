#include "Mesh/Topology/Smooth.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Shape.h"

int smoothVertices(InnerShape& mesh, const List<Vertex*>& vertices, int iterations, float strength)
{
    strength = std::clamp(strength, 0.0f, 1.0f);
    std::unordered_map<Vertex*, size_t> slot;
    std::vector<Vertex*> free;
    for (Vertex* v : vertices)
        if (v && !slot.count(v)) {
            slot.emplace(v, free.size());
            free.push_back(v);
        }
    std::vector<std::vector<Vertex*>> neighbours(free.size());
    std::vector<bool> pinned(free.size(), false);
    for (const Edge* e : mesh.edges)
        for (Vertex* end : {e->startVertex, e->endVertex}) {
            auto it = slot.find(end);
            if (it == slot.end())
                continue;
            neighbours[it->second].push_back(e->otherVertex(end));
            pinned[it->second] = pinned[it->second] || e->faces.count() < 2;
        }
    std::vector<Vertex*> moving;
    std::vector<std::vector<Vertex*>> around;
    for (size_t i = 0; i < free.size(); ++i)
        if (!pinned[i] && !neighbours[i].empty()) {
            moving.push_back(free[i]);
            around.push_back(neighbours[i]);
        }

    std::vector<Point3D> next(moving.size());
    for (int pass = 0; pass < iterations; ++pass) {
        for (size_t i = 0; i < moving.size(); ++i) {
            Point3D mean(0, 0, 0);
            for (const Vertex* n : around[i])
                mean += *n;
            mean = mean * (1.0f / static_cast<float>(around[i].size()));
            next[i] = *moving[i] + (mean - *moving[i]) * strength;
        }
        for (size_t i = 0; i < moving.size(); ++i)
            moving[i]->setPosition(next[i].x, next[i].y, next[i].z);
    }
    return static_cast<int>(moving.size());
}

int smoothVertices(Shape& object, const List<Vertex*>& vertices, int iterations, float strength)
{
    const int moved = smoothVertices(static_cast<InnerShape&>(object), vertices, iterations, strength);
    object.update(true, true, -1);
    return moved;
}
