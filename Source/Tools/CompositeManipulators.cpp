#include "Tools/CompositeManipulators.h"

#include <array>

#include "Scene/SceneManagers.h"
#include "Scene/SceneToolManager.h"
#include "Settings/CommandIds.h"

CompositeManipulator::CompositeManipulator(ManipulatorFrame& target)
    : Manipulator(target), move(target), rotate(target), scaleInner(target)
{
}

bool CompositeManipulator::mousePress(int x, int y, int, int, int action, Camera* camera)
{
    if (!targetFor(action, x, y))
        return false;
    if (action == CommandId::Tweak) {
        beginTweak();
        return true;
    }
    if (scene && scene->toolManager && !scene->toolManager->showManipulators)
        return false;
    const int handle = activeHandle != -1 ? activeHandle : pickHandle(x, y, camera);
    if (handle == -1)
        return false;
    setActiveHandle(handle);
    return current != nullptr;
}

void CompositeManipulator::selectHandle(int handle)
{
    TransformManipulator* inner = nullptr;
    int innerHandle = -1;
    if (!route(handle, inner, innerHandle)) {
        current = nullptr;
        return;
    }
    current = inner;
    routed = handle;
    activeHandle = handle;
    current->setActiveHandle(innerHandle);
}

void CompositeManipulator::beginTweak()
{
    current = &move;
    routed = 3;
    activeHandle = 3;
    move.setActiveHandle(3);
}

bool CompositeManipulator::mouseDrag(int x, int y, Camera* camera)
{
    if (!isDragging())
        return false;
    const bool taken = current->mouseDrag(x, y, camera);
    redrawNeeded = redrawNeeded || current->redrawNeeded;
    current->clearRedrawNeeded();
    return taken;
}

bool CompositeManipulator::mouseRelease(int x, int y, Camera* camera)
{
    if (current)
        current->mouseRelease(x, y, camera);
    return false;
}

Point3D CompositeManipulator::snapConstraintAxis()
{
    return current && isDragging() ? current->snapConstraintAxis() : Point3D(0, 0, 0);
}

namespace {

constexpr std::array<Handle, 11> universalTable = {{
    {10, HandleShape::Cube, 3, false, 0, 0.06f},
    {0, HandleShape::Cone, 0, true, -0.05f, 0.06f},
    {1, HandleShape::Cone, 1, true, -0.05f, 0.06f},
    {2, HandleShape::Cone, 2, true, -0.05f, 0.06f},
    {4, HandleShape::Bar, 0, true, 0.3f, 0.175f},
    {5, HandleShape::Bar, 1, true, 0.3f, 0.175f},
    {6, HandleShape::Bar, 2, true, 0.3f, 0.175f},
    {7, HandleShape::Cube, 0, true, -0.35f, 0.04f},
    {8, HandleShape::Cube, 1, true, -0.35f, 0.04f},
    {9, HandleShape::Cube, 2, true, -0.35f, 0.04f},
    {11, HandleShape::Ring, 3, false, 0, 0.35f, true},
}};

// The snapping manipulator's extra handles sit one plane-handle inset
// beyond or inside the handle offset.
constexpr float inset = 0.2f;

constexpr std::array<Handle, 13> snappingTable = {{
    {3, HandleShape::Sphere, 3, false, 0, 0.08f},
    {0, HandleShape::Cone, 0, true, -inset - 0.08f, 0.06f},
    {1, HandleShape::Cone, 1, true, -inset - 0.08f, 0.06f},
    {2, HandleShape::Cone, 2, true, -inset - 0.08f, 0.06f},
    {4, HandleShape::Bar, 0, true, inset + 0.04f, 0.175f},
    {5, HandleShape::Bar, 1, true, inset + 0.04f, 0.175f},
    {6, HandleShape::Bar, 2, true, inset + 0.04f, 0.175f},
    {100, HandleShape::Sphere, 0, true, 0, 0.06f},
    {101, HandleShape::Sphere, 1, true, 0, 0.06f},
    {102, HandleShape::Sphere, 2, true, 0, 0.06f},
    {104, HandleShape::Sphere, 0, true, inset + 0.16f, 0.06f},
    {105, HandleShape::Sphere, 1, true, inset + 0.16f, 0.06f},
    {106, HandleShape::Sphere, 2, true, inset + 0.16f, 0.06f},
}};

} // namespace

std::span<const Handle> UniversalManipulator::handles() const
{
    return universalTable;
}

bool UniversalManipulator::route(int handle, TransformManipulator*& outInner, int& outHandle)
{
    struct Route {
        TransformManipulator* inner;
        int handle;
    };
    const Route routes[12] = {{&move, 0},       {&move, 1},       {&move, 2},       {&move, 3},
                              {&rotate, 0},     {&rotate, 1},     {&rotate, 2},     {&scaleInner, 0},
                              {&scaleInner, 1}, {&scaleInner, 2}, {&scaleInner, 3}, {&rotate, 7}};
    if (handle < 0 || handle > 11)
        return false;
    outInner = routes[handle].inner;
    outHandle = routes[handle].handle;
    move.step = rotate.step = 0;
    return true;
}

std::span<const Handle> SnappingManipulator::handles() const
{
    return snappingTable;
}
