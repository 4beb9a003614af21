// The object manager's creation of primitives from their option groups.
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Mesh/Primitives/PrimitiveOptions.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandIds.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"

namespace {
struct PrimitiveRow {
    int command;       // the creation command
    int optionsAction; // the create button of its options window
    Shape* (*make)(const SettingsRegistry&);
};

constexpr PrimitiveRow primitives[] = {
    {CommandId::Cube, CommandId::CubeFromOptions, makeCubeFromOptions},
    {CommandId::Circle, CommandId::CircleFromOptions, makeCircleFromOptions},
    {CommandId::Cone, CommandId::ConeFromOptions, makeConeFromOptions},
    {CommandId::Torus, CommandId::TorusFromOptions, makeTorusFromOptions},
    {CommandId::Sphere, CommandId::SphereFromOptions, makeSphereFromOptions},
    {CommandId::Arc, CommandId::ArcFromOptions, makeArcFromOptions},
    {CommandId::Grid, CommandId::GridFromOptions, makeGridFromOptions},
    {CommandId::Cylinder, CommandId::CylinderFromOptions, makeCylinderFromOptions},
};
} // namespace

namespace {

std::vector<Shape*> selectedShapes(const List<Shape*>& objects)
{
    std::vector<Shape*> out;
    for (Shape* s : objects)
        if (s->isSelected() && !s->isHidden() && s->shapeKind() == InnerShape::KindShape)
            out.push_back(s);
    return out;
}

bool isClosedSurface(const InnerShape& mesh)
{
    if (mesh.faces.empty())
        return false;
    for (const Edge* e : mesh.edges)
        if (e->faces.count() < 2)
            return false;
    return true;
}
} // namespace

// "Lathe Object" and "Extrusion Object" sweep every selected object;
// "Path Extrusion Object" sweeps one selected object along the other, the
// path being the one without faces.
int SceneObjectManager::createSweeps(int commandId)
{
    const SettingsRegistry& registry = managers->applicationManager->registry;
    std::vector<Shape*> sources = selectedShapes(objects);
    std::vector<Shape*> made;
    if (commandId == CommandId::PathExtrusionObject) {
        if (sources.size() != 2)
            return 0;
        Shape* profile = sources[0];
        Shape* path = sources[1];
        if (!path->faces.empty())
            std::swap(profile, path);
        if (!path->faces.empty() || isClosedSurface(*profile)) {
            managers->applicationManager->report(std::string(refusalMessage(CommandId::PathExtrusionObject, 1)),
                                                 SceneApplicationManager::StatusReport);
            return 0;
        }
        made.push_back(makePathExtrusionFromOptions(registry, *profile, *path));
    } else {
        for (Shape* s : sources)
            made.push_back(commandId == CommandId::LatheObject ? makeLatheFromOptions(registry, *s)
                                                    : makeExtrusionFromOptions(registry, *s));
    }
    int added = 0;
    for (Shape* s : made)
        if (s) {
            addObject(s);
            ++added;
        }
    if (added) {
        sceneChanged = true;
        redrawRequested = true;
    }
    return added;
}

int SceneObjectManager::createObjects(int commandId)
{
    if (commandId >= CommandId::LatheObject && commandId <= CommandId::PathExtrusionObject)
        return createSweeps(commandId);
    auto row = std::find_if(std::begin(primitives), std::end(primitives), [&](const PrimitiveRow& r) {
        return r.command == commandId || r.optionsAction == commandId;
    });
    if (row == std::end(primitives))
        return 0;
    Shape* shape = row->make(managers->applicationManager->registry);
    if (!shape)
        return 0;
    addObject(shape);
    sceneChanged = true;
    redrawRequested = true;
    return 1;
}
