#include "Tools/TransformManipulator.h"

#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Undo/URmovePoints.h"
#include "Settings/CommandIds.h"

bool TransformManipulator::mousePress(int x, int y, int button, int, int action, Camera* camera)
{
    if (!targetFor(action, x, y))
        return false;
    SceneToolManager* tools = scene ? scene->toolManager : nullptr;
    if (action == CommandId::Tweak) {
        beginTweak();
    } else {
        if (tools && !tools->showManipulators)
            return false;
        int handle = activeHandle != -1 ? activeHandle : pickHandle(x, y, camera);
        if (handle == -1) {
            // With repositioning on, a click elsewhere puts the manipulator there.
            if (!tools || !tools->repositioning || button != 0 || !handlesShown)
                return false;
            const ViewProjection view = viewAt(x, y);
            Point3D at;
            if (screenDragPlane(view, centre()).hit(view, x, y, at)) {
                frame->centre = at;
                tools->repositioned = true;
            }
            useCustomPosition = false;
            redrawNeeded = true;
            return true;
        }
        setActiveHandle(handle);
    }
    pressX = x;
    pressY = y;
    pressed = true;
    return true;
}

void TransformManipulator::selectHandle(int handle)
{
    dragged = handle;
    activeHandle = handle;
    dragging = true;
    firstDrag = true;
    pressed = false;
}

bool TransformManipulator::mouseDrag(int x, int y, Camera*)
{
    if (!dragging)
        return false;
    if (firstDrag) {
        firstDrag = false;
        dragView = viewAt(x, y);
        firstX = x;
        firstY = y;
        if (!pressed)
            pressX = x, pressY = y;
        frame->captureStart();
        startDrag(dragView, x, y);
        if (scene && scene->commandManager)
            scene->commandManager->pushUndo(frame->makeUndoRecord());
    }
    applyDrag(dragView, x, y);
    frame->finish();
    redrawNeeded = true;
    return true;
}

bool TransformManipulator::mouseRelease(int, int, Camera*)
{
    dragging = false;
    firstDrag = false;
    pressed = false;
    return false;
}

Point3D TransformManipulator::snapConstraintAxis()
{
    return dragging && dragged >= 0 && dragged <= 2 ? frame->axes[dragged] : Point3D(0, 0, 0);
}
