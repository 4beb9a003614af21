#include "Scene/Commands/TopologyCommands.h"

#include <string>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/AbsorbShapes.h"
#include "Mesh/Topology/Crease.h"
#include "Mesh/Topology/FillHole.h"
#include "Mesh/Topology/Triangulate.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/URChangeGeometry.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/URmergeShapes.h"

namespace {

constexpr int creaseId = 63;
constexpr int uncreaseId = 64;
constexpr int triangulateId = 46;
constexpr int combineId = 70;
constexpr int reverseNormalsId = 76;
constexpr int fillHoleId = 245;
constexpr int unlimitedLoop = -1;

bool hasOwnMesh(const Shape& object)
{
    return object.shapeKind() == InnerShape::KindShape;
}

// The selection of the current mode, limited to objects with a mesh of their own.
SelectedElements editableSelection(const SceneManagers& managers)
{
    SelectedElements selection(managers);
    std::erase_if(selection.perObject(), [](const ObjectSelection& s) { return !hasOwnMesh(*s.object); });
    return selection;
}

void refuse(const SceneManagers& managers, int commandId)
{
    managers.applicationManager->report(std::string(refusalMessage(commandId)),
                                        SceneApplicationManager::StatusReport);
}

// After any edit: the cached selection lists are stale, the views too.
void finishEdit(const SceneManagers& managers)
{
    managers.selectionManager->refreshDisplay();
    managers.commandManager->redrawRequested = true;
    managers.commandManager->sceneChanged = true;
}

// The per-object records of one command, kept as one undo step. The group
// opens with the first object that really changed, so that a command which
// changes nothing (a fill on edges that border no hole) leaves no empty step.
class GeometryStep {
public:
    explicit GeometryStep(const SceneManagers& managers)
        : managers_(managers), commands_(*managers.commandManager),
          hadUnsavedChanges_(commands_.hasUnsavedChanges())
    {
    }
    GeometryStep(const GeometryStep&) = delete;
    GeometryStep& operator=(const GeometryStep&) = delete;
    ~GeometryStep()
    {
        if (!open_)
            return;
        commands_.geometryUndo.endGroup();
        // pushUndo cannot see the change while the group is open.
        if (commands_.hasUnsavedChanges() != hadUnsavedChanges_)
            managers_.applicationManager->updateTitle();
    }

    // `record` was made before the edit it describes: pushed when
    // `changed`, destroyed otherwise.
    void add(UndoCommand* record, bool changed)
    {
        if (!changed) {
            delete record;
            return;
        }
        if (!open_) {
            commands_.geometryUndo.beginGroup();
            open_ = true;
        }
        commands_.pushUndo(record);
    }

private:
    const SceneManagers& managers_;
    SceneCommandManager& commands_;
    bool hadUnsavedChanges_;
    bool open_ = false;
};

// Runs `edit(selection)` on each object of the selection between a
// URChangeGeometry made before it and pushed after it; `edit` answers
// whether the object changed.
template <class Edit>
void recordEachObject(const SceneManagers& managers, SelectedElements& selection, Edit edit)
{
    {
        GeometryStep step(managers);
        for (ObjectSelection& s : selection.perObject()) {
            auto* record = new URChangeGeometry(*s.object);
            step.add(record, edit(s));
        }
    }
    finishEdit(managers);
}

void setCreases(const SceneManagers& managers, int commandId, bool on)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.edgeCount() == 0) {
        refuse(managers, commandId);
        return;
    }
    for (const ObjectSelection& s : selection.perObject()) {
        if (s.edges.empty())
            continue;
        if (on)
            crease(*s.object, s.edges);
        else
            uncrease(*s.object, s.edges);
    }
    managers.applicationManager->sceneModified = true;
    finishEdit(managers);
}

constexpr TopologyCommand topologyCommandTable[] = {
    {creaseId, creaseEdges},         {uncreaseId, uncreaseEdges}, {reverseNormalsId, reverseNormals},
    {triangulateId, triangulate},    {fillHoleId, fillHoles},     {combineId, combineObjects},
};

} // namespace

void creaseEdges(const SceneManagers& managers)
{
    setCreases(managers, creaseId, true);
}

void uncreaseEdges(const SceneManagers& managers)
{
    setCreases(managers, uncreaseId, false);
}

void reverseNormals(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.faceCount() == 0 && selection.objectCount() == 0) {
        refuse(managers, reverseNormalsId);
        return;
    }
    recordEachObject(managers, selection, [](ObjectSelection& s) {
        const List<Face*>& faces = s.whole ? s.object->faces : s.faces;
        if (faces.empty())
            return false;
        s.object->flipFaces(faces);
        return true;
    });
}

void triangulate(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.faceCount() == 0 && selection.objectCount() == 0) {
        refuse(managers, triangulateId);
        return;
    }
    recordEachObject(managers, selection, [](ObjectSelection& s) {
        if (s.whole)
            return triangulateAll(*s.object) > 0;
        return !s.faces.empty() && triangulateFaces(*s.object, s.faces) > 0;
    });
}

void fillHoles(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.edgeCount() == 0) {
        refuse(managers, fillHoleId);
        return;
    }
    recordEachObject(managers, selection, [](ObjectSelection& s) {
        bool filled = false;
        // Once one edge closed a hole, the other selected edges of that hole
        // are no longer on a border and fill nothing.
        for (Edge* e : s.edges)
            filled = fillHole(*s.object, e, unlimitedLoop) || filled;
        return filled;
    });
}

void combineObjects(const SceneManagers& managers)
{
    Shape* target = nullptr;
    List<Shape*> others;
    const int mode = managers.selectionManager->mode;
    if (mode == SceneSelectionManager::ObjectMode) {
        const SelectedElements selection(managers);
        for (const ObjectSelection& s : selection.perObject()) {
            const int kind = s.object->shapeKind();
            if (!target && kind == InnerShape::KindShape)
                target = s.object;
            else if (kind == InnerShape::KindShape || kind == InnerShape::KindShapeInstance)
                others.append(s.object);
        }
    }
    if (!target || others.empty()) {
        refuse(managers, combineId);
        return;
    }

    // The target and every absorbed shape change as whole objects; instances
    // only leave the scene, their own (empty) meshes are not touched.
    std::vector<InnerShape*> changed{target};
    std::vector<Shape*> absorbed;
    for (Shape* o : others) {
        absorbed.push_back(o);
        if (hasOwnMesh(*o))
            changed.push_back(o);
    }
    {
        GeometryStep step(managers);
        auto* whole = new URmergeShapes(changed);
        absorbShapes(*target, others);
        step.add(whole, true);
        // Undone first: the objects are back in the scene before their meshes return.
        step.add(new URdeleteShapes(*managers.objectManager, absorbed), true);
    }
    finishEdit(managers);
}

std::span<const TopologyCommand> topologyCommands()
{
    return topologyCommandTable;
}

bool runTopologyCommand(const SceneManagers& managers, int commandId)
{
    for (const TopologyCommand& c : topologyCommandTable)
        if (c.id == commandId) {
            c.handler(managers);
            return true;
        }
    return false;
}
