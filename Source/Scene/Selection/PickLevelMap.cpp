#include "Scene/Selection/PickLevelMap.h"

#include <algorithm>

#include "Mesh/LevelStack.h"
#include "Mesh/Shape.h"

namespace {

// One step up: `below` maps level L - 1 to control positions; the result
// maps level L, through the `parent` and first-descendant words of `map`.
template <class Entry, class First>
std::vector<int32_t> stepUp(const std::vector<int32_t>& below, int levelCount, const List<Entry>& map,
                            First&& descendants)
{
    std::vector<int32_t> up(static_cast<size_t>(levelCount), -1);
    for (const Entry& entry : map) {
        if (entry.parent < 0 || entry.parent >= static_cast<int>(below.size()))
            continue;
        const auto [first, count] = descendants(entry);
        for (int k = 0; k < count; ++k)
            if (first + k >= 0 && first + k < levelCount)
                up[first + k] = below[entry.parent];
    }
    return up;
}

std::vector<int32_t> identity(int count)
{
    std::vector<int32_t> list(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        list[i] = i;
    return list;
}

} // namespace

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
    std::vector<int32_t> faces = identity(object.faces.count());
    std::vector<int32_t> edges = identity(object.edges.count());
    std::vector<int32_t> vertices = identity(object.vertices.count());
    LevelStack& stack = object.levelStack;
    for (int level = 1; level <= out.level; ++level) {
        const LevelRecord* record = stack.levelRecord(level);
        const InnerShape* m = record->mesh;
        faces = stepUp(faces, m->faces.count(), record->faceMap,
                       [](const FaceMapEntry& e) { return std::pair{e.firstChild, e.childCount}; });
        edges = stepUp(edges, m->edges.count(), record->edgeMap,
                       [](const EdgeMapEntry& e) { return std::pair{e.firstHalf, 2}; });
        vertices = stepUp(vertices, m->vertices.count(), record->vertexMap,
                          [](const VertexMapEntry& e) { return std::pair{e.vertexPoint, 1}; });
    }
    out.faceControl = std::move(faces);
    out.edgeControl = std::move(edges);
    // Vertices are wanted the other way round: control vertex to vertex point.
    out.vertexPoint.assign(static_cast<size_t>(object.vertices.count()), -1);
    for (int i = 0; i < static_cast<int>(vertices.size()); ++i)
        if (vertices[i] >= 0)
            out.vertexPoint[vertices[i]] = i;
}

const LevelMapping& LevelMappings::of(Shape& object)
{
    auto at = std::ranges::find_if(cache_, [&](const auto& entry) { return entry.first == &object; });
    if (at == cache_.end()) {
        cache_.emplace_back(&object, LevelMapping{});
        at = cache_.end() - 1;
    }
    LevelMapping& mapping = at->second;
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
