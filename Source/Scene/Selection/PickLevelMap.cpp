#include "Scene/Selection/PickLevelMap.h"

#include <algorithm>

#include "Mesh/LevelStack.h"
#include "Mesh/Shape.h"

void buildLevelMapping(Shape& object, LevelMapping& out)
{
    InnerShape* mesh = object.currentLevelMesh();
    out.level = mesh == &object ? 0 : object.currentLevel();
    out.mesh = mesh;
    out.meshChange = mesh->changeCount;
    out.controlChange = object.changeCount;
    out.faceControl.clear();
    out.edgeControl.clear();
    out.vertexPoint.clear();
    if (out.level == 0)
        return;
    // The level maps number only first descendants, so faces and edges go by
    // the object's current-level view: a control face's descendants are one
    // contiguous block, a control edge's halves one run of edges.
    const LevelStack& stack = object.levelStack;
    out.faceControl.assign(static_cast<size_t>(mesh->faces.count()), -1);
    for (int c = 0; c < object.faces.count(); ++c) {
        const int start = stack.childFaceStart(c), count = stack.childFaceCount(c);
        for (int f = std::max(start, 0); f < std::min(start + count, mesh->faces.count()); ++f)
            out.faceControl[f] = c;
    }
    out.edgeControl.assign(static_cast<size_t>(mesh->edges.count()), -1);
    for (int c = 0; c < object.edges.count(); ++c)
        if (const int start = object.levelEdgeStart(c); start >= 0)
            for (int e = start; e < start + stack.segmentsPerEdge(); ++e)
                out.edgeControl[e] = c;
    out.vertexPoint.resize(static_cast<size_t>(object.vertices.count()));
    for (int v = 0; v < object.vertices.count(); ++v)
        out.vertexPoint[v] = object.levelVertexPosition(v);
}

const LevelMapping& LevelMappings::of(Shape& object)
{
    auto at = std::ranges::find_if(cache_, [&](const auto& entry) { return entry.first == &object; });
    if (at == cache_.end()) {
        cache_.emplace_back(&object, std::make_unique<LevelMapping>());
        at = cache_.end() - 1;
    }
    LevelMapping& mapping = *at->second;
    const InnerShape* mesh = object.currentLevelMesh();
    const int level = mesh == &object ? 0 : object.currentLevel();
    if (mapping.mesh != mesh || mapping.level != level || mapping.meshChange != mesh->changeCount ||
        mapping.controlChange != object.changeCount)
        buildLevelMapping(object, mapping);
    return mapping;
}

void LevelMappings::retainOnly(const std::vector<Shape*>& keep)
{
    std::erase_if(cache_, [&](const auto& entry) {
        return std::ranges::find(keep, entry.first) == keep.end();
    });
}
