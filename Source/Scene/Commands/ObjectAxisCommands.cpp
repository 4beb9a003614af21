// "Set Object Axis" (65) and "Recenter Object Axis" (232): the tool
// manager's operations on the axis frames of the selected objects.
#include <algorithm>
#include <string>
#include <vector>

#include "Mesh/ObjectCopies.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/UndoStep.h"
#include "Settings/CommandIds.h"

namespace {

// Objects with an axis the user may place: shapes and instances.
std::vector<Shape*> axisObjects(const SceneManagers& managers)
{
    std::vector<Shape*> out;
    for (Shape* s : managers.objectManager->objects) {
        const int kind = s->shapeKind();
        if (s->isSelected() && !s->isHidden() &&
            (kind == InnerShape::KindShape || kind == InnerShape::KindShapeInstance))
            out.push_back(s);
    }
    return out;
}

void say(const SceneManagers& managers, const std::string& message)
{
    managers.applicationManager->report(message, SceneApplicationManager::StatusReport);
}

std::string axisMessage(const char* done, int count)
{
    return std::string(done) + " for " + std::to_string(count) + (count == 1 ? " object" : " objects");
}

// Where the manipulator stands for the selection: the centre of the selected
// components in the component modes, of the selected objects otherwise,
// with the world axes: where a manipulator stands when the frame has
// nothing to say.
Point3D manipulatorCentre(const SceneManagers& managers, const std::vector<Shape*>& objects)
{
    ObjectBounds box;
    if (managers.selectionManager->mode != SceneSelectionManager::ObjectMode) {
        const SelectedElements selection(managers);
        auto add = [&](const Point3D& p) { box.add(p); };
        for (const ObjectSelection& s : selection.perObject()) {
            for (const Vertex* v : s.vertices)
                add(*v);
            for (const Edge* e : s.edges) {
                add(*e->startVertex);
                add(*e->endVertex);
            }
            for (const Face* f : s.faces)
                for (const Corner& c : f->corners)
                    add(*c.vertex);
        }
    }
    if (box.empty)
        box = combinedBounds(objects.data(), objects.data() + objects.size());
    return box.empty ? objects.front()->pivot() : box.centre();
}

// An axis that moved less than rounding noise of the object's own size
// did not move: it keeps its exact old values, so that the step records
// nothing for it (placing an axis where it already is changes nothing).
void keepUnlessMoved(Shape& s, const Point3D (&before)[4])
{
    const ObjectBounds bounds = objectBounds(s);
    const Point3D size = bounds.empty ? Point3D(0, 0, 0) : bounds.size();
    const float noise = 1e-5f * std::max({1.0f, size.x, size.y, size.z, before[0].length()});
    for (int i = 0; i < 4; ++i)
        if ((s.axisFrame[i] - before[i]).length() > (i == 0 ? noise : 1e-6f))
            return;
    for (int i = 0; i < 4; ++i)
        s.axisFrame[i].setPosition(before[i].x, before[i].y, before[i].z);
}

// Runs `edit` on every object as one undo step, then tells the user.
template <class Edit>
void editAxes(const SceneManagers& managers, int commandId, const char* done, Edit edit)
{
    std::vector<Shape*> objects = axisObjects(managers);
    if (objects.empty()) {
        say(managers, std::string(refusalMessage(commandId)));
        return;
    }
    {
        UndoStep step(*managers.commandManager);
        for (Shape* s : objects) {
            step.watch(*s);
            Point3D before[4];
            for (int i = 0; i < 4; ++i)
                before[i] = s->axisFrame[i];
            edit(*s);
            keepUnlessMoved(*s, before);
        }
    }
    managers.commandManager->redrawRequested = true;
    managers.commandManager->sceneChanged = true;
    say(managers, axisMessage(done, static_cast<int>(objects.size())));
}

} // namespace

void SceneToolManager::setObjectAxis()
{
    const std::vector<Shape*> objects = axisObjects(*managers);
    rebuildFrame();
    const bool placed = frame.hasTarget() || repositioned;
    const Point3D centre = placed ? frame.centre : objects.empty() ? Point3D() : manipulatorCentre(*managers, objects);
    const Point3D* axes = frame.axes;
    editAxes(*managers, CommandId::SetObjectAxis, "Axis set",
             [&](Shape& s) { ::setObjectAxis(s, centre, axes[0], axes[1], axes[2]); });
}

void SceneToolManager::recenterObjectAxis()
{
    editAxes(*managers, CommandId::RecenterObjectAxis, "Axis recentered",
             [](Shape& s) { ::recenterObjectAxis(s, objectBounds(s)); });
}
