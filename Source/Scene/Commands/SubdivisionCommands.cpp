#include "Scene/Commands/SubdivisionCommands.h"

#include <algorithm>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/ShapeInstance.h"
#include "Settings/CommandIds.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/UndoStep.h"

namespace {
bool anySelected(const auto& list)
{
    for (const auto* element : list)
        if (element->isSelected())
            return true;
    return false;
}

// The object whose levels a command changes: a shape itself, or for the
// commands that step levels, the source an instance shows while that source
// is in the scene (a source that left it, by a deletion or a combine, may be
// gone for good). Lights and UV proxies have no levels of their own.
Shape* levelOwner(Shape& s, bool throughInstances, const List<Shape*>& scene)
{
    if (s.shapeKind() == InnerShape::KindShape)
        return &s;
    if (!throughInstances || s.shapeKind() != InnerShape::KindShapeInstance)
        return nullptr;
    Shape* source = static_cast<ShapeInstance&>(s).instancedShape;
    return scene.contains(source) ? source : nullptr;
}

std::vector<Shape*> targets(SceneObjectManager& objects, bool throughInstances)
{
    std::vector<Shape*> all, chosen;
    for (Shape* s : objects.objects) {
        Shape* owner = levelOwner(*s, throughInstances, objects.objects);
        if (!owner || s->isHidden())
            continue;
        all.push_back(owner);
        if (s->isSelected() || anySelected(s->faces) || anySelected(s->edges) || anySelected(s->vertices))
            chosen.push_back(owner);
    }
    std::vector<Shape*>& result = chosen.empty() ? all : chosen;
    // An instance and its source, or two instances of one source, step it once.
    std::vector<Shape*> unique;
    for (Shape* s : result)
        if (std::find(unique.begin(), unique.end(), s) == unique.end())
            unique.push_back(s);
    return unique;
}

void (*levelOperation(int commandId))(Shape&)
{
    switch (commandId) {
    case CommandId::Subdivide:
        return [](Shape& s) { s.subdivide(); };
    case CommandId::RefineControlMesh:
        return [](Shape& s) { s.refineControlMesh(); };
    case CommandId::Unsubdivide:
        return [](Shape& s) { s.unsubdivide(); };
    case CommandId::ClearHigherSubdivision:
        return [](Shape& s) { s.clearHigherLevels(); };
    case CommandId::ToggleCurrentSubdivision:
        return [](Shape& s) { s.toggleCurrentLevel(); };
    default:
        return nullptr;
    }
}
} // namespace

void runSubdivisionCommand(SceneManagers& managers, SceneCommandManager& commands, int commandId)
{
    void (*operation)(Shape&) = levelOperation(commandId);
    if (!operation)
        return;
    const bool throughInstances = commandId == CommandId::Subdivide || commandId == CommandId::Unsubdivide;
    {
        UndoStep step(commands);
        for (Shape* s : targets(*managers.objectManager, throughInstances)) {
            step.watch(*s);
            operation(*s);
        }
    }
    commands.redrawRequested = true;
    commands.sceneChanged = true;
}

void SceneCommandManager::changeSubdivision(int commandId)
{
    runSubdivisionCommand(*managers, *this, commandId);
}
