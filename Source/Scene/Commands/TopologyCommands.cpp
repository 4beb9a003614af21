#include "Scene/Commands/TopologyCommands.h"

#include <string>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/AbsorbShapes.h"
#include "Mesh/Topology/Crease.h"
#include "Mesh/Topology/FillHole.h"
#include "Mesh/Topology/Triangulate.h"
#include "Settings/CommandIds.h"
#include "Scene/Commands/MeshEditSupport.h"
#include "Scene/Commands/ProxyFollower.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/URmergeShapes.h"
#include "Scene/Undo/UndoStep.h"

namespace {

constexpr int creaseId = CommandId::CreaseEdges;
constexpr int uncreaseId = CommandId::UncreaseEdges;
constexpr int triangulateId = CommandId::Triangulate;
constexpr int combineId = CommandId::CombineObjects;
constexpr int reverseNormalsId = CommandId::ReverseNormals;
constexpr int fillHoleId = CommandId::FillHole;
constexpr int unlimitedLoop = -1;

void setCreases(const SceneManagers& managers, int commandId, bool on)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.edgeCount() == 0) {
        refuse(managers, commandId);
        return;
    }
    recordEachObject(managers, selection, [on](ObjectSelection& s) {
        if (s.edges.empty())
            return;
        if (on)
            crease(*s.object, s.edges);
        else
            uncrease(*s.object, s.edges);
    });
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
        if (!faces.empty())
            s.object->flipFaces(faces);
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
            triangulateAll(*s.object);
        else if (!s.faces.empty())
            triangulateFaces(*s.object, s.faces);
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
        // Once one edge closed a hole, the other selected edges of that hole
        // are no longer on a border and fill nothing.
        for (Edge* e : s.edges)
            fillHole(*s.object, e, unlimitedLoop);
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
        UndoStep step(*managers.commandManager);
        std::vector<Shape*> owners{target};
        for (Shape* o : absorbed)
            owners.push_back(o);
        ProxyFollower follower(managers, owners);
        auto* whole = new URmergeShapes(changed);
        absorbShapes(*target, others);
        follower.beforeOwnerRecord(step);
        step.push(whole);
        follower.afterOwnerRecord(step);
        // The absorbed objects' proxies go with them: the target's new proxy
        // holds their coordinates. Undone first: the objects are back in the
        // scene before their meshes return.
        step.push(new URdeleteShapes(*managers.objectManager, withProxies(managers, absorbed)));
    }
    finishEdit(managers);
}

std::span<const TopologyCommand> topologyCommands()
{
    return topologyCommandTable;
}

bool runTopologyCommand(const SceneManagers& managers, int commandId)
{
    for (std::span<const TopologyCommand> table : {topologyCommands(), meshEditCommands(), moveSelectionCommands()})
        for (const TopologyCommand& c : table)
            if (c.id == commandId) {
                c.handler(managers);
                return true;
            }
    return false;
}
