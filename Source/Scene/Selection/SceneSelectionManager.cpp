// The selection manager's state: settings, the refresh that rebuilds the
// cached lists, modes, styles and the selection of picked elements.
#include "Scene/Selection/SceneSelectionManager.h"

#include <algorithm>
#include <cmath>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Shape.h"
#include "Settings/CommandIds.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Tools/Tool.h"
#include "Settings/OptionKeys.h"

namespace {


template <class T>
void clearSelected(List<T*>& list)
{
    for (T* e : list)
        e->set(Geometry::Selected, false);
}

// Appends the selected, visible elements of `from` to `outTo`, and their
// positions to `outPositions` when given; `visit` sees every element.
template <class T, class Visit>
void appendSelected(const List<T*>& from, List<T*>& outTo, std::vector<int32_t>* outPositions, Visit&& visit)
{
    T* const* items = from.data();
    for (int i = 0; i < from.count(); ++i) {
        T* e = items[i];
        visit(e);
        if (e->isSelected() && !e->isHidden()) {
            outTo.append(e);
            if (outPositions)
                outPositions->push_back(i);
        }
    }
}

// Applies a click operation to one element; returns what it did to it
// (ClickAdd or ClickSubtract).
int applyOperation(Geometry& g, int operation)
{
    bool select = operation != SceneSelectionManager::ClickSubtract;
    if (operation == SceneSelectionManager::ClickComplement)
        select = !g.isSelected();
    if (select && !selectable(g))
        return SceneSelectionManager::ClickAdd;
    g.set(Geometry::Selected, select);
    return select ? SceneSelectionManager::ClickAdd : SceneSelectionManager::ClickSubtract;
}

template <class T>
bool inRange(const List<T*>& list, const std::vector<int>& positions)
{
    for (int i : positions)
        if (i < 0 || i >= list.count())
            return false;
    return true;
}

// Applies the operation to the listed positions; the first element's result.
template <class T>
int applyAt(List<T*>& list, const std::vector<int>& positions, int operation)
{
    int first = 0;
    for (int i : positions) {
        int did = applyOperation(*list[i], operation);
        if (!first)
            first = did;
    }
    return first;
}

} // namespace

void SceneSelectionManager::initialize()
{
    applySettings();
    setSoftSelection(false);
}

void SceneSelectionManager::shutdown()
{
    saveSettings();
}

void SceneSelectionManager::saveSettings()
{
    if (managers)
        managers->applicationManager->registry.set(Options::SelectionStyle, style);
}

void SceneSelectionManager::applySettings()
{
    if (!managers)
        return;
    const int saved = managers->applicationManager->registry.get(Options::SelectionStyle);
    if (saved >= AreaStyle && saved <= LassoStyle)
        style = saved;
}

SceneSelectionManager::Kinds SceneSelectionManager::kindsOf(int mode)
{
    switch (mode) {
    case VertexMode:
        return {true, false, false};
    case EdgeMode:
        return {false, true, false};
    case FaceMode:
        return {false, false, true};
    case MultiMode:
        return {true, true, true};
    default:
        return {false, false, false};
    }
}

bool SceneSelectionManager::isModelSpace() const
{
    return !managers->objectManager->uvSpace;
}

bool SceneSelectionManager::isInScene(const Shape* object) const
{
    for (const Shape* o : managers->objectManager->objects)
        if (o == object)
            return true;
    return false;
}

void SceneSelectionManager::report(const std::string& message) const
{
    managers->applicationManager->report(message, SceneApplicationManager::StatusReport);
}

bool SceneSelectionManager::anythingSelected() const
{
    const Kinds kinds = kindsOf(mode);
    if (mode == ObjectMode)
        return !activeObjects.empty();
    return (kinds.vertices && !selectedVertices.empty()) || (kinds.edges && !selectedEdges.empty()) ||
           (kinds.faces && !selectedFaces.empty());
}

void SceneSelectionManager::clearComponentSelection()
{
    for (Shape* o : managers->objectManager->objects) {
        clearSelected(o->vertices);
        clearSelected(o->edges);
        clearSelected(o->faces);
    }
}

void SceneSelectionManager::clearAllSelection()
{
    clearComponentSelection();
    for (Shape* o : managers->objectManager->objects)
        o->set(Geometry::Selected, false);
    activeObjects.clear();
}

void SceneSelectionManager::makeActive(Shape* object)
{
    if (!selectable(*object))
        return;
    object->set(Geometry::Selected);
    if (!activeObjects.contains(object))
        activeObjects.append(object);
}

void SceneSelectionManager::storeMode(int newMode)
{
    mode = newMode;
    multi = newMode == MultiMode;
}

List<Shape*> SceneSelectionManager::searchedObjects() const
{
    if (!activeObjects.empty())
        return activeObjects;
    List<Shape*> all;
    for (Shape* o : managers->objectManager->objects)
        if (!o->isHidden())
            all.append(o);
    return all;
}

void SceneSelectionManager::selectionChanged()
{
    refreshDisplay();
    redrawRequested = true;
}

void SceneSelectionManager::refreshDisplay()
{
    rebuildSelection();
    listsChanged();
}

void SceneSelectionManager::listsChanged()
{
    recomputeSoftWeights();
    for (Tool* t : managers->toolManager->activeTools)
        t->targetChanged();
    redrawRequested = true;
}

void SceneSelectionManager::rebuildSelection()
{
    rebuildLists(nullptr);
}

std::vector<URchangeSelection::ObjectSelection> SceneSelectionManager::rebuildForRecord()
{
    std::vector<URchangeSelection::ObjectSelection> stored;
    rebuildLists(&stored);
    return stored;
}

void SceneSelectionManager::takeLists()
{
    if (!listsFresh)
        rebuildSelection();
    listsFresh = false;
}

void SceneSelectionManager::rebuildLists(std::vector<URchangeSelection::ObjectSelection>* outStored)
{
    // One pass per list: an object with selected components is being edited,
    // so it counts as selected (after "Undo Selection" the flags are all
    // there is to go by); a mode switch clears the kinds it does not list.
    // Hidden elements are no part of the selection, so the record has no
    // need of them either.
    const Kinds kinds = kindsOf(mode);
    activeObjects.clear();
    activeRuns.clear();
    selectedVertices.clear();
    selectedEdges.clear();
    selectedFaces.clear();
    for (Shape* o : managers->objectManager->objects) {
        if (!selectable(*o)) {
            if (outStored)
                if (URchangeSelection::ObjectSelection sel = URchangeSelection::captureObject(*o, mode); sel.any())
                    outStored->push_back(std::move(sel));
            continue;
        }
        URchangeSelection::ObjectSelection sel;
        sel.object = o;
        auto positions = [&](std::vector<int32_t>& list) { return outStored ? &list : nullptr; };
        ActiveRun run{selectedVertices.count(), selectedEdges.count(), selectedFaces.count(), false};
        if (kinds.vertices)
            appendSelected(o->vertices, selectedVertices, positions(sel.vertices), [](const Vertex*) {});
        if (kinds.edges)
            appendSelected(o->edges, selectedEdges, positions(sel.edges),
                           [&run](const Edge* e) { run.wireEdges = run.wireEdges || e->faces.empty(); });
        if (kinds.faces)
            appendSelected(o->faces, selectedFaces, positions(sel.faces), [](const Face*) {});
        if (selectedVertices.count() > run.vertices || selectedEdges.count() > run.edges ||
            selectedFaces.count() > run.faces)
            o->set(Geometry::Selected);
        if (o->isSelected()) {
            activeObjects.append(o);
            activeRuns.push_back(run);
        }
        sel.selected = o->isSelected();
        if (outStored && sel.any())
            outStored->push_back(std::move(sel));
    }
}

bool SceneSelectionManager::addToSelectedEdges(std::vector<std::vector<Edge*>>& added)
{
    // Kept in object and list order: each object's run merged with what was
    // added to it, by list position. Positions are only as fresh as the last
    // renumber, so each one is checked; a stale one asks for a rebuild.
    std::vector<Edge*> merged;
    merged.reserve(static_cast<size_t>(selectedEdges.count()));
    auto at = [](const Shape* o, const Edge* e) {
        return e->index >= 0 && e->index < o->edges.count() && o->edges[e->index] == e;
    };
    auto byPosition = [](const Edge* a, const Edge* b) { return a->index < b->index; };
    for (int i = 0; i < activeObjects.count(); ++i) {
        const Shape* o = activeObjects[i];
        const std::span<Edge* const> run = selectedEdgesOf(i);
        std::vector<Edge*>& more = added[i];
        for (const Edge* e : run)
            if (!at(o, e))
                return false;
        for (const Edge* e : more)
            if (!at(o, e))
                return false;
        std::sort(more.begin(), more.end(), byPosition);
        const size_t start = merged.size();
        merged.resize(start + run.size() + more.size());
        std::merge(run.begin(), run.end(), more.begin(), more.end(), merged.begin() + start, byPosition);
    }
    // Runs start where they started, moved on by what the runs before gained.
    int gained = 0;
    for (int i = 0; i < activeObjects.count(); ++i) {
        activeRuns[i].edges += gained;
        gained += static_cast<int>(added[i].size());
    }
    selectedEdges.clear();
    for (Edge* e : merged)
        selectedEdges.append(e);
    return true;
}

std::span<Edge* const> SceneSelectionManager::selectedEdgesOf(int active) const
{
    const int end = active + 1 < activeObjects.count() ? activeRuns[active + 1].edges : selectedEdges.count();
    return {selectedEdges.data() + activeRuns[active].edges, static_cast<size_t>(end - activeRuns[active].edges)};
}

void SceneSelectionManager::setMode(int newMode)
{
    multi = newMode == MultiMode;
    for (Tool* t : managers->toolManager->activeTools)
        if (!t->allowsSelectionChange())
            return;
    if (newMode == mode)
        return;
    rebuildSelection();
    mode = newMode;
    if (isModelSpace()) {
        clearComponentSelection();
        if (activeObjects.empty())
            for (Shape* o : managers->objectManager->objects)
                if (o->isSelected())
                    makeActive(o);
        if (activeObjects.empty())
            mode = ObjectMode;
    }
    managers->displayManager->sceneChanged = true;
    selectionChanged();
}

void SceneSelectionManager::setStyle(int newStyle)
{
    const int current = style;
    if (newStyle == current) {
        if (previousStyle == current)
            style = current != AreaStyle ? AreaStyle : PaintStyle;
        else
            style = previousStyle;
    } else {
        style = newStyle;
    }
    previousStyle = current;
    redrawRequested = true;
}

bool SceneSelectionManager::selectElements(int kind, int object, const std::vector<int>& positions, int operation)
{
    const List<Shape*>& objects = managers->objectManager->objects;
    if (object < 0 || object >= objects.count())
        return false;
    Shape* o = objects[object];
    const bool rangeOk = kind == VertexMode ? inRange(o->vertices, positions)
                         : kind == EdgeMode ? inRange(o->edges, positions)
                         : kind == FaceMode ? inRange(o->faces, positions)
                                            : kind == ObjectMode;
    if (!rangeOk)
        return false;
    for (Tool* t : managers->toolManager->activeTools)
        if (!t->allowsSelectionClick())
            return false;

    if (kind != mode) {
        if (!multi || kind == ObjectMode)
            clearComponentSelection();
        mode = kind;
        if (kind == ObjectMode)
            multi = false;
    }
    if (operation == ClickNew) {
        if (kind == ObjectMode)
            clearAllSelection();
        else
            clearComponentSelection();
    }
    int did = 0;
    switch (kind) {
    case VertexMode:
        did = applyAt(o->vertices, positions, operation);
        break;
    case EdgeMode:
        did = applyAt(o->edges, positions, operation);
        break;
    case FaceMode:
        did = applyAt(o->faces, positions, operation);
        break;
    default:
        did = applyOperation(*o, operation);
        break;
    }
    if (kind != ObjectMode && did == ClickAdd)
        makeActive(o);

    lastClickOperation = operation == ClickSubtract ? ClickSubtract : ClickAdd;
    if (operation == ClickComplement)
        lastClickOperation = style == PaintStyle && did ? did : ClickComplement;
    managers->displayManager->sceneChanged = true;
    selectionChanged();
    return true;
}

float SceneSelectionManager::twentyPixelLength() const
{
    return managers->displayManager->worldLength(20);
}
