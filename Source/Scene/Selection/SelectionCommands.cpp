// The everyday selection commands: all, none, invert, deselect inactive,
// convert, grow, shrink, expand, loop, ring and path. The walks over the
// meshes are the mesh layer's; these decide where they run and what the
// user is told when they cannot.
#include <string_view>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"

namespace {

// Per element kind of a path: the refusal when the selection does not suit.
struct PathKind {
    ElementKind kind;
    std::string_view refusal;
};
constexpr PathKind pathKinds[] = {
    {ElementKind::Vertices, Refusal::SelectVertexPath},
    {ElementKind::Edges, Refusal::SelectEdgePath},
    {ElementKind::Faces, Refusal::SelectFacePath},
};

template <class T>
void selectEvery(List<T*>& list)
{
    for (T* e : list)
        if (selectable(*e))
            e->set(Geometry::Selected);
}

template <class T>
void invertEvery(List<T*>& list)
{
    for (T* e : list)
        e->set(Geometry::Selected, !e->isSelected() && selectable(*e));
}

// Applies `op` to each element list of `o` that `kinds` names.
template <class Kinds, class Op>
void eachListOf(Shape& o, const Kinds& kinds, Op&& op)
{
    if (kinds.vertices)
        op(o.vertices);
    if (kinds.edges)
        op(o.edges);
    if (kinds.faces)
        op(o.faces);
}

template <class T>
bool anySelectedIn(const List<T*>& list)
{
    for (const T* e : list)
        if (e->isSelected() && !e->isHidden())
            return true;
    return false;
}

template <class T>
int selectedCountIn(const List<T*>& list)
{
    int n = 0;
    for (const T* e : list)
        n += e->isSelected() && !e->isHidden() ? 1 : 0;
    return n;
}

using Walk = void (*)(InnerShape& mesh, ElementKind kind);

// Runs a walk of the mode's kinds on every active object with a selection.
// False, running nothing, when nothing of the mode is selected.
bool walkSelection(SceneSelectionManager& selection, Walk walk)
{
    const bool kinds[] = {selection.mode == SceneSelectionManager::VertexMode ||
                              selection.mode == SceneSelectionManager::MultiMode,
                          selection.mode == SceneSelectionManager::EdgeMode ||
                              selection.mode == SceneSelectionManager::MultiMode,
                          selection.mode == SceneSelectionManager::FaceMode ||
                              selection.mode == SceneSelectionManager::MultiMode};
    const bool any = (kinds[0] && !selection.selectedVertices.empty()) ||
                     (kinds[1] && !selection.selectedEdges.empty()) || (kinds[2] && !selection.selectedFaces.empty());
    if (!any)
        return false;
    for (Shape* o : selection.activeObjects) {
        if (kinds[0] && anySelectedIn(o->vertices))
            walk(*o, ElementKind::Vertices);
        if (kinds[1] && anySelectedIn(o->edges))
            walk(*o, ElementKind::Edges);
        if (kinds[2] && anySelectedIn(o->faces))
            walk(*o, ElementKind::Faces);
    }
    return true;
}

} // namespace

void SceneSelectionManager::selectAll()
{
    rebuildSelection();
    if (mode == ObjectMode) {
        for (Shape* o : managers->objectManager->objects)
            if (selectable(*o))
                o->set(Geometry::Selected);
    } else {
        for (Shape* o : activeObjects)
            eachListOf(*o, kindsOf(mode), [](auto& list) { selectEvery(list); });
    }
    selectionChanged();
}

void SceneSelectionManager::deselect()
{
    clearComponentSelection();
    if (mode == ObjectMode)
        clearAllSelection();
    selectionChanged();
}

void SceneSelectionManager::invert()
{
    rebuildSelection();
    if (!anythingSelected()) {
        report(std::string(Refusal::NothingSelected));
        return;
    }
    if (mode == ObjectMode) {
        for (Shape* o : managers->objectManager->objects)
            if (!o->isHidden())
                o->set(Geometry::Selected, !o->isSelected() && selectable(*o));
    } else {
        for (Shape* o : activeObjects)
            eachListOf(*o, kindsOf(mode), [](auto& list) { invertEvery(list); });
    }
    selectionChanged();
}

void SceneSelectionManager::deselectInactive()
{
    // In a component mode an object is active for editing while some of its
    // components of the mode are selected; the others stop being edited.
    // In object mode every selected object is active.
    rebuildSelection();
    if (mode != ObjectMode) {
        const Kinds kinds = kindsOf(mode);
        for (Shape* o : activeObjects) {
            const bool editing = (kinds.vertices && anySelectedIn(o->vertices)) ||
                                 (kinds.edges && anySelectedIn(o->edges)) || (kinds.faces && anySelectedIn(o->faces));
            if (!editing)
                o->set(Geometry::Selected, false);
        }
    }
    selectionChanged();
}

void SceneSelectionManager::convertTo(int target)
{
    rebuildSelection();
    const ElementKind to = static_cast<ElementKind>(target);
    if (!anythingSelected() || target < VertexMode || target > FaceMode)
        return;
    if (mode == ObjectMode) {
        // Whole objects convert to all of their elements of the kind.
        for (Shape* o : activeObjects) {
            if (to == ElementKind::Vertices)
                selectEvery(o->vertices);
            else if (to == ElementKind::Edges)
                selectEvery(o->edges);
            else
                selectEvery(o->faces);
        }
    } else {
        const Kinds kinds = kindsOf(mode);
        const bool from[] = {kinds.vertices, kinds.edges, kinds.faces};
        for (Shape* o : activeObjects)
            for (int k = 0; k < 3; ++k)
                if (from[k] && k != target)
                    convertSelection(*o, static_cast<ElementKind>(k), to);
    }
    storeMode(target);
    managers->displayManager->sceneChanged = true;
    selectionChanged();
}


void SceneSelectionManager::grow()
{
    rebuildSelection();
    if (walkSelection(*this, growSelection))
        selectionChanged();
}

void SceneSelectionManager::shrink()
{
    rebuildSelection();
    if (!walkSelection(*this, shrinkSelection)) {
        report(std::string(Refusal::NothingSelected));
        return;
    }
    selectionChanged();
}

void SceneSelectionManager::expand()
{
    rebuildSelection();
    const bool anyObject = mode == ObjectMode && !activeObjects.empty();
    if (!anyObject && !walkSelection(*this, expandSelection)) {
        report(std::string(Refusal::NothingSelected));
        return;
    }
    selectionChanged();
}

void SceneSelectionManager::edgesAdded(std::vector<std::vector<Edge*>>& added)
{
    if (!addToSelectedEdges(added))
        rebuildSelection();
    listsChanged();
}

void SceneSelectionManager::selectLoop()
{
    if (!isModelSpace())
        return;
    takeLists();
    if (selectedFaces.count() >= 2) {
        for (Shape* o : activeObjects)
            if (anySelectedIn(o->faces))
                selectFaceLoops(*o);
    } else if (selectedFaces.count() == 1) {
        expand();
        return;
    } else if (!selectedEdges.empty()) {
        // A loop touches few edges of a big mesh: the lists take them in
        // without a pass over the meshes.
        std::vector<std::vector<Edge*>> added(activeObjects.count());
        for (int i = 0; i < activeObjects.count(); ++i)
            selectEdgeLoops(*activeObjects[i], selectedEdgesOf(i), activeRuns[i].wireEdges, &added[i]);
        edgesAdded(added);
        return;
    } else {
        report(std::string(Refusal::SelectLoop));
        return;
    }
    selectionChanged();
}

void SceneSelectionManager::selectRing()
{
    if (!isModelSpace())
        return;
    takeLists();
    if (!selectedFaces.empty()) {
        selectLoop();
        return;
    }
    if (selectedEdges.empty()) {
        report(std::string(Refusal::SelectRing));
        return;
    }
    std::vector<std::vector<Edge*>> added(activeObjects.count());
    for (int i = 0; i < activeObjects.count(); ++i)
        selectEdgeRings(*activeObjects[i], selectedEdgesOf(i), &added[i]);
    edgesAdded(added);
}

void SceneSelectionManager::selectPath()
{
    rebuildSelection();
    // The kind of the mode; in multi mode the richest kind that is selected.
    int kind = mode;
    if (mode == MultiMode)
        kind = !selectedFaces.empty() ? FaceMode : !selectedEdges.empty() ? EdgeMode : VertexMode;
    const bool any = kind == VertexMode ? !selectedVertices.empty()
                     : kind == EdgeMode ? !selectedEdges.empty()
                     : kind == FaceMode ? !selectedFaces.empty()
                                        : false;
    if (!any) {
        report(std::string(Refusal::SelectPath));
        return;
    }
    const PathKind& path = pathKinds[kind];
    Shape* only = nullptr;
    int objectsWithSelection = 0;
    int count = 0;
    for (Shape* o : activeObjects) {
        const int n = kind == VertexMode ? selectedCountIn(o->vertices)
                      : kind == EdgeMode ? selectedCountIn(o->edges)
                                         : selectedCountIn(o->faces);
        if (n > 0) {
            only = o;
            ++objectsWithSelection;
            count = n;
        }
    }
    if (objectsWithSelection != 1 || count < 2 || !::selectPath(*only, path.kind)) {
        report(std::string(path.refusal));
        return;
    }
    selectionChanged();
}
