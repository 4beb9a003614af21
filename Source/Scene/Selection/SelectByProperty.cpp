// Selections by a property of the elements: "Select Special Geometry" with
// its twelve criteria, creased edges, UV seams and faces of the same material.
#include <algorithm>
#include <string_view>
#include <vector>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Shape.h"
#include "Settings/CommandIds.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Settings/OptionKeys.h"

namespace {

// The criteria of "Select Special Options", in choice order: four
// comparisons for each of faces (corners), vertices (edges) and edges (faces).
using Comparison = bool (*)(int count, int number);
constexpr Comparison comparisons[] = {
    [](int c, int n) { return c == n; },
    [](int c, int n) { return c != n; },
    [](int c, int n) { return c < n; },
    [](int c, int n) { return c > n; },
};
constexpr int criterionModes[] = {SceneSelectionManager::FaceMode, SceneSelectionManager::VertexMode,
                                  SceneSelectionManager::EdgeMode};

// Positions of the selectable elements of `list` that `matches`.
template <class T, class Matches>
std::vector<int> positionsWhere(const List<T*>& list, Matches matches)
{
    std::vector<int> out;
    for (int i = 0; i < list.count(); ++i)
        if (selectable(*list[i]) && matches(*list[i], i))
            out.push_back(i);
    return out;
}

template <class T>
void selectAt(List<T*>& list, const std::vector<int>& positions)
{
    for (int i : positions)
        list[i]->set(Geometry::Selected);
}

// The number of edges at each vertex of `o`, by vertex position.
std::vector<int> edgesPerVertex(Shape& o)
{
    for (int i = 0; i < o.vertices.count(); ++i)
        o.vertices[i]->tag = i;
    std::vector<int> counts(static_cast<size_t>(o.vertices.count()), 0);
    for (const Edge* e : o.edges) {
        ++counts[static_cast<size_t>(e->startVertex->tag)];
        if (e->endVertex != e->startVertex)
            ++counts[static_cast<size_t>(e->endVertex->tag)];
    }
    return counts;
}

} // namespace

void SceneSelectionManager::selectFound(int newMode, const std::vector<Found>& found)
{
    if (found.empty())
        return;
    clearAllSelection();
    storeMode(newMode);
    for (const Found& f : found) {
        makeActive(f.object);
        if (newMode == VertexMode)
            selectAt(f.object->vertices, f.positions);
        else if (newMode == EdgeMode)
            selectAt(f.object->edges, f.positions);
        else
            selectAt(f.object->faces, f.positions);
    }
    managers->displayManager->sceneChanged = true;
    selectionChanged();
}

void SceneSelectionManager::selectSpecial()
{
    const SettingsRegistry& registry = managers->applicationManager->registry;
    const int criterion = registry.get(Options::SelectSpecialType);
    const int n = registry.get(Options::SelectSpecialCount);
    if (criterion < 0 || criterion >= 12)
        return;
    const Comparison compare = comparisons[criterion % 4];
    const int newMode = criterionModes[criterion / 4];

    rebuildSelection();
    std::vector<Found> found;
    for (Shape* o : searchedObjects()) {
        std::vector<int> positions;
        if (newMode == FaceMode) {
            positions = positionsWhere(o->faces, [&](const Face& f, int) { return compare(f.cornerCount(), n); });
        } else if (newMode == EdgeMode) {
            positions = positionsWhere(o->edges, [&](const Edge& e, int) { return compare(e.faces.count(), n); });
        } else {
            const std::vector<int> counts = edgesPerVertex(*o);
            positions = positionsWhere(o->vertices,
                                       [&](const Vertex&, int i) { return compare(counts[static_cast<size_t>(i)], n); });
        }
        if (!positions.empty())
            found.push_back({o, std::move(positions)});
    }
    selectFound(newMode, found);
}

void SceneSelectionManager::selectEdgesWhere(bool (*test)(const Edge& e))
{
    rebuildSelection();
    std::vector<Found> found;
    for (Shape* o : searchedObjects()) {
        std::vector<int> positions = positionsWhere(o->edges, [test](const Edge& e, int) { return test(e); });
        if (!positions.empty())
            found.push_back({o, std::move(positions)});
    }
    selectFound(EdgeMode, found);
}

void SceneSelectionManager::selectCreasedEdges()
{
    selectEdgesWhere([](const Edge& e) { return e.has(Geometry::Creased); });
}

void SceneSelectionManager::selectSeams()
{
    selectEdgesWhere([](const Edge& e) { return e.has2(Geometry::UVSeam); });
}

void SceneSelectionManager::selectSameMaterial()
{
    rebuildSelection();
    if (!kindsOf(mode).faces || selectedFaces.empty()) {
        report(std::string(Refusal::SelectAllWithSameMaterial));
        return;
    }
    std::vector<const Material*> materials;
    for (const Face* f : selectedFaces)
        if (std::find(materials.begin(), materials.end(), f->material) == materials.end())
            materials.push_back(f->material);
    for (Shape* o : activeObjects)
        for (Face* f : o->faces)
            if (selectable(*f) && std::find(materials.begin(), materials.end(), f->material) != materials.end())
                f->set(Geometry::Selected);
    selectionChanged();
}
