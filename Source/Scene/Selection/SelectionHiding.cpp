// Hiding and showing objects and faces, and the shading of unselected objects.
#include <string_view>

#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"

namespace {

// Marks on a vertex's tag while its faces are looked at.
enum : int { UnderHiddenFace = 1, UnderVisibleFace = 2 };

void markCorners(const Face& f, int mark)
{
    for (const Corner& c : f.corners)
        c.vertex->tag |= mark;
    for (const Face* hole : f.holes)
        markCorners(*hole, mark);
}

// After faces were hidden: edges and vertices whose faces are all hidden
// are hidden with them, so that the vertex and edge modes cannot pick what
// is not shown. Elements without faces keep their state.
void hideUncoveredElements(Shape& o)
{
    for (Vertex* v : o.vertices)
        v->tag = 0;
    for (const Face* f : o.faces)
        markCorners(*f, f->isHidden() ? UnderHiddenFace : UnderVisibleFace);
    for (Vertex* v : o.vertices)
        if (v->tag == UnderHiddenFace) {
            v->set(Geometry::Hidden);
            v->set(Geometry::Selected, false);
        }
    for (Edge* e : o.edges) {
        if (e->faces.empty())
            continue;
        bool allHidden = true;
        for (const Face* f : e->faces)
            allHidden = allHidden && f->isHidden();
        if (allHidden) {
            e->set(Geometry::Hidden);
            e->set(Geometry::Selected, false);
        }
    }
}

void hide(Geometry& g)
{
    g.set(Geometry::Hidden);
    g.set(Geometry::Selected, false);
}

template <class T>
void showEvery(List<T*>& list)
{
    for (T* e : list)
        e->set(Geometry::Hidden, false);
}

} // namespace

void SceneSelectionManager::visibilityChanged()
{
    sceneChanged = true;
    managers->displayManager->sceneChanged = true;
    selectionChanged();
}

void SceneSelectionManager::hideSelection()
{
    rebuildSelection();
    if (mode == FaceMode && !selectedFaces.empty()) {
        List<Shape*> touched = activeObjects;
        for (Face* f : selectedFaces)
            hide(*f);
        for (Shape* o : touched)
            hideUncoveredElements(*o);
    } else if (mode == ObjectMode && !activeObjects.empty()) {
        for (Shape* o : activeObjects)
            hide(*o);
    } else {
        report(std::string(Refusal::HideSelection));
        return;
    }
    visibilityChanged();
}

void SceneSelectionManager::hideUnselected()
{
    rebuildSelection();
    if (mode == FaceMode || (mode == MultiMode && !selectedFaces.empty())) {
        if (selectedFaces.empty()) {
            report(std::string(Refusal::HideUnselectedFaces));
            return;
        }
        for (Shape* o : activeObjects) {
            for (Face* f : o->faces)
                if (!f->isSelected())
                    hide(*f);
            hideUncoveredElements(*o);
        }
    } else if (mode == ObjectMode && !activeObjects.empty()) {
        for (Shape* o : managers->objectManager->objects)
            if (!o->isSelected())
                hide(*o);
    } else {
        report(std::string(Refusal::HideUnselected));
        return;
    }
    visibilityChanged();
}

void SceneSelectionManager::showAll()
{
    rebuildSelection();
    const bool everything = mode == ObjectMode;
    List<Shape*> affected = everything ? managers->objectManager->objects : activeObjects;
    for (Shape* o : affected) {
        if (everything)
            o->set(Geometry::Hidden, false);
        showEvery(o->faces);
        showEvery(o->edges);
        showEvery(o->vertices);
        o->update(true, false, -1);
    }
    visibilityChanged();
}

void SceneSelectionManager::unselectedToWireframe()
{
    for (Shape* o : managers->objectManager->objects)
        if (!o->isSelected())
            o->setShadingMode(InnerShape::Wireframe);
    managers->displayManager->sceneChanged = true;
    redrawRequested = true;
}

void SceneSelectionManager::unselectedToGhost()
{
    for (Shape* o : managers->objectManager->objects)
        if (!o->isSelected())
            o->setShadingMode(InnerShape::GhostedShade);
    managers->displayManager->sceneChanged = true;
    redrawRequested = true;
}
