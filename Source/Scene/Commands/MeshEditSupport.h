#pragma once
// What every mesh-editing handler shares: the editable selection, the
// refusal, and one undo step around the edit of each object.
#include <string>
#include <string_view>

#include "Mesh/Shape.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/Commands/ProxyFollower.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/URchangeShape.h"
#include "Scene/Undo/UndoStep.h"

inline bool hasOwnMesh(const Shape& object)
{
    return object.shapeKind() == InnerShape::KindShape;
}

// The selection of `mode`, limited to objects with a mesh of their own.
inline SelectedElements editableSelection(const SceneManagers& managers, int mode)
{
    SelectedElements selection(managers.objectManager->objects, mode);
    std::erase_if(selection.perObject(), [](const ObjectSelection& s) { return !hasOwnMesh(*s.object); });
    return selection;
}

inline SelectedElements editableSelection(const SceneManagers& managers)
{
    return editableSelection(managers, managers.selectionManager->mode);
}

// Every vertex the selection touches: a whole object's, the ends of
// selected edges and the corners of selected faces (repeats are harmless
// to the operations that take them).
inline List<Vertex*> touchedVertices(const ObjectSelection& s)
{
    if (s.whole)
        return s.object->vertices;
    List<Vertex*> out = s.vertices;
    for (Edge* e : s.edges) {
        out.append(e->startVertex);
        out.append(e->endVertex);
    }
    for (Face* f : s.faces)
        for (const Corner& c : f->corners)
            out.append(c.vertex);
    return out;
}

inline void say(const SceneManagers& managers, std::string_view sentence)
{
    managers.applicationManager->report(std::string(sentence), SceneApplicationManager::StatusReport);
}

// The row's sentence number `variant`.
inline void refuse(const SceneManagers& managers, int commandId, int variant = 0)
{
    say(managers, refusalMessage(commandId, variant));
}

// After any edit: the cached selection lists are stale, the views too.
inline void finishEdit(const SceneManagers& managers)
{
    managers.selectionManager->refreshDisplay();
    managers.commandManager->redrawRequested = true;
    managers.commandManager->sceneChanged = true;
}

// Runs `edit(selection)` on each object of the selection as one undo step;
// a UV proxy the edit left standing for faces its object no longer has is
// built again in the same step (ProxyFollower).
template <class Edit>
void recordEachObject(const SceneManagers& managers, SelectedElements& selection, Edit edit)
{
    {
        UndoStep step(*managers.commandManager);
        for (ObjectSelection& s : selection.perObject()) {
            ProxyFollower follower(managers, {s.object});
            auto* record = new URchangeShape(*s.object);
            edit(s);
            follower.beforeOwnerRecord(step);
            step.push(record);
            follower.afterOwnerRecord(step);
        }
    }
    finishEdit(managers);
}
