// The object manager's creation of primitives from their option groups.
#include <algorithm>
#include <iterator>

#include "Mesh/Primitives/PrimitiveOptions.h"
#include "Mesh/Shape.h"
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
    {108, 100051, makeCubeFromOptions},     {102, 100060, makeCircleFromOptions},
    {103, 100061, makeConeFromOptions},     {104, 100062, makeTorusFromOptions},
    {105, 100063, makeSphereFromOptions},   {106, 100064, makeArcFromOptions},
    {107, 100065, makeGridFromOptions},     {109, 100066, makeCylinderFromOptions},
};
} // namespace

int SceneObjectManager::createObjects(int commandId)
{
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
