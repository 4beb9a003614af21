// The object manager's creation of primitives from their option groups.
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Mesh/Light.h"
#include "Mesh/Pool.h"
#include "Mesh/Primitives/ArcSpiral.h"
#include "Mesh/Primitives/Box.h"
#include "Mesh/Primitives/Circle.h"
#include "Mesh/Primitives/Cone.h"
#include "Mesh/Primitives/Cylinder.h"
#include "Mesh/Primitives/Grid.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Primitives/SweepOptions.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Shape.h"
#include "Settings/CommandIds.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/ObjectCommands.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Settings/OptionKeys.h"

namespace {
using namespace Options;

Shape* makeCube(const SettingsRegistry& r, float spacing)
{
    return take<Box>(r.get(CubeWidth), r.get(CubeHeight), r.get(CubeDepth), r.get(CubeWidthSections),
                     r.get(CubeHeightSections), r.get(CubeDepthSections), spacing);
}

Shape* makeCylinder(const SettingsRegistry& r, float spacing)
{
    return take<Cylinder>(r.get(CylinderRadius), r.get(CylinderHeight), r.get(CylinderSections),
                          r.get(CylinderHeightSections), r.get(CylinderSpokes), spacing);
}

Shape* makeCone(const SettingsRegistry& r, float spacing)
{
    return take<Cone>(r.get(ConeTopRadius), r.get(ConeBottomRadius), r.get(ConeHeight), r.get(ConeSections),
                      r.get(ConeHeightSections), r.get(ConeSpokes), spacing);
}

Shape* makeSphere(const SettingsRegistry& r, float spacing)
{
    return take<Sphere>(r.get(SphereRadius), r.get(SphereSections), r.get(SphereHeightSections), spacing);
}

Shape* makeTorus(const SettingsRegistry& r, float spacing)
{
    return take<Torus>(r.get(TorusInnerRadius), r.get(TorusOuterRadius), r.get(TorusRadialSections),
                       r.get(TorusCircumferenceSections), spacing);
}

Shape* makeGrid(const SettingsRegistry& r, float spacing)
{
    return take<Grid>(r.get(GridWidth), r.get(GridDepth), r.get(GridHeight), r.get(GridWidthSections),
                      r.get(GridDepthSections), r.get(GridHeightSections), spacing);
}

Shape* makeCircle(const SettingsRegistry& r, float spacing)
{
    return take<Circle>(r.get(CircleRadius), r.get(CircleSections), r.get(CircleFill), r.get(CircleSpokes), spacing);
}

// A wire object: it has no faces to project.
Shape* makeArc(const SettingsRegistry& r, float)
{
    return take<ArcSpiral>(r.get(ArcRadius), r.get(ArcInnerRadius), r.get(ArcHeight), r.get(ArcDegrees),
                           r.get(ArcSections));
}

struct PrimitiveRow {
    int command;       // the creation command
    int optionsAction; // the create button of its options window
    Shape* (*make)(const SettingsRegistry&, float layoutSpacing);
};

constexpr PrimitiveRow primitives[] = {
    {CommandId::Cube, CommandId::CubeFromOptions, makeCube},
    {CommandId::Circle, CommandId::CircleFromOptions, makeCircle},
    {CommandId::Cone, CommandId::ConeFromOptions, makeCone},
    {CommandId::Torus, CommandId::TorusFromOptions, makeTorus},
    {CommandId::Sphere, CommandId::SphereFromOptions, makeSphere},
    {CommandId::Arc, CommandId::ArcFromOptions, makeArc},
    {CommandId::Grid, CommandId::GridFromOptions, makeGrid},
    {CommandId::Cylinder, CommandId::CylinderFromOptions, makeCylinder},
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
    const float spacing = registry.get(Options::LayoutSpacing);
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
        const PathExtrusionOptions options{registry.get(Options::PathExtrusionCapEnds),
                                           registry.get(Options::PathExtrusionScale),
                                           registry.get(Options::PathExtrusionRotation)};
        made.push_back(makePathExtrusion(*profile, *path, options, spacing));
    } else {
        using namespace Options;
        const LatheOptions lathe{registry.get(LatheCapEnds), registry.get(LatheSections), registry.get(LatheDegrees),
                                 registry.get(LatheMergeTolerance), registry.get(LatheAxis)};
        const ExtrusionOptions extrusion{registry.get(ExtrusionHeight), registry.get(ExtrusionSections),
                                         registry.get(ExtrusionAxis)};
        for (Shape* s : sources)
            made.push_back(commandId == CommandId::LatheObject ? makeLathe(*s, lathe, spacing) : makeExtrusion(*s, extrusion, spacing));
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
    if (int made = createFromObjects(*this, commandId); made >= 0)
        return made;
    if (commandId >= CommandId::LatheObject && commandId <= CommandId::PathExtrusionObject)
        return createSweeps(commandId);
    if (commandId == CommandId::AddLight) {
        // Every work grid is centred on the origin.
        addObject(take<Light>(Point3D(0, 0, 0), lightDefaults().type));
        sceneChanged = true;
        redrawRequested = true;
        return 1;
    }
    auto row = std::find_if(std::begin(primitives), std::end(primitives), [&](const PrimitiveRow& r) {
        return r.command == commandId || r.optionsAction == commandId;
    });
    if (row == std::end(primitives))
        return 0;
    const SettingsRegistry& registry = managers->applicationManager->registry;
    Shape* shape = row->make(registry, registry.get(Options::LayoutSpacing));
    if (!shape)
        return 0;
    addObject(shape);
    sceneChanged = true;
    redrawRequested = true;
    return 1;
}
