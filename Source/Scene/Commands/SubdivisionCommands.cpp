#include "Scene/Commands/SubdivisionCommands.h"

#include <vector>

#include "Mesh/Shape.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/URChangeGeometry.h"

namespace {
bool anySelected(const auto& list)
{
    for (const auto* element : list)
        if (element->isSelected())
            return true;
    return false;
}

// Shapes only: lights, instances and UV proxies have no levels of their own.
std::vector<Shape*> targets(SceneObjectManager& objects)
{
    std::vector<Shape*> all, chosen;
    for (Shape* s : objects.objects) {
        if (s->shapeKind() != InnerShape::KindShape || s->isHidden())
            continue;
        all.push_back(s);
        if (s->isSelected() || anySelected(s->faces) || anySelected(s->edges) || anySelected(s->vertices))
            chosen.push_back(s);
    }
    return chosen.empty() ? all : chosen;
}

void refine(std::vector<Shape*>& shapes, SceneCommandManager& commands)
{
    commands.geometryUndo.beginGroup();
    for (Shape* s : shapes) {
        if (s->currentLevel() == 0)
            continue;
        auto* record = new URChangeGeometry(*s);
        s->refineControlMesh();
        commands.pushUndo(record);
    }
    commands.geometryUndo.endGroup();
}
} // namespace

void runSubdivisionCommand(SceneManagers& managers, SceneCommandManager& commands, int commandId)
{
    std::vector<Shape*> shapes = targets(*managers.objectManager);
    switch (commandId) {
    case 47:
        for (Shape* s : shapes)
            s->subdivide();
        break;
    case 48:
        refine(shapes, commands);
        break;
    case 50:
        for (Shape* s : shapes)
            s->unsubdivide();
        break;
    case 88:
        for (Shape* s : shapes)
            s->clearHigherLevels();
        break;
    case 100:
        for (Shape* s : shapes)
            s->toggleCurrentLevel();
        break;
    default:
        return;
    }
    commands.redrawRequested = true;
    commands.sceneChanged = true;
}

void SceneCommandManager::changeSubdivision(int commandId)
{
    runSubdivisionCommand(*managers, *this, commandId);
}
