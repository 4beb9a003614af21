#include "Scene/Commands/ObjectCommands.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Mesh/Face.h"
#include "Mesh/ObjectCopies.h"
#include "Mesh/Topology/ExtractFaces.h"
#include "Mesh/ShapeInstance.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/ObjectClipboard.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/URinstanceMirror.h"
#include "Scene/Undo/UndoStep.h"
#include "Settings/CommandIds.h"
#include "Settings/OptionKeys.h"

namespace {

// Objects the commands here can copy: shapes of their own and instances.
bool copyable(const Shape& s)
{
    return s.shapeKind() == InnerShape::KindShape || s.shapeKind() == InnerShape::KindShapeInstance;
}

// The selected, visible objects of the kinds `accepts` takes, in scene order.
template <class Accepts>
std::vector<Shape*> selectedObjects(const SceneObjectManager& objects, Accepts accepts)
{
    std::vector<Shape*> out;
    for (Shape* s : objects.objects)
        if (s->isSelected() && !s->isHidden() && accepts(*s))
            out.push_back(s);
    return out;
}

void say(const SceneManagers& managers, std::string_view message)
{
    managers.applicationManager->report(std::string(message), SceneApplicationManager::StatusReport);
}

void refuse(const SceneManagers& managers, int commandId)
{
    say(managers, refusalMessage(commandId));
}

std::string copiedMessage(int count)
{
    return std::to_string(count) + (count == 1 ? " object" : " objects") + " copied to the clipboard";
}

void finishEdit(const SceneManagers& managers)
{
    managers.selectionManager->refreshDisplay();
    managers.commandManager->redrawRequested = true;
    managers.commandManager->sceneChanged = true;
}

// Makes `chosen` the selected objects, recording the old selection first.
void selectOnly(const SceneManagers& managers, const std::vector<Shape*>& chosen)
{
    managers.commandManager->recordSelection();
    for (Shape* s : managers.objectManager->objects)
        s->set(Geometry::Selected, false);
    for (Shape* s : chosen)
        s->set(Geometry::Selected);
    managers.selectionManager->refreshDisplay();
}

// Adds `made` to the scene as one undo step and selects it.
void addAsOneStep(const SceneManagers& managers, const std::vector<Shape*>& made)
{
    SceneObjectManager& objects = *managers.objectManager;
    {
        UndoStep step(*managers.commandManager);
        auto* record = new URaddShapes(objects);
        for (Shape* s : made)
            objects.addObject(s);
        step.push(record);
    }
    selectOnly(managers, made);
    finishEdit(managers);
}

// Copies of `sources` (instances stay instances), moved beside them.
std::vector<Shape*> copiesBeside(const std::vector<Shape*>& sources, bool asInstances)
{
    const Point3D offset = besideOffset(combinedBounds(sources.data(), sources.data() + sources.size()), 1);
    std::vector<Shape*> made;
    for (Shape* s : sources) {
        Shape* c = asInstances ? instanceOf(*s) : copyObject(*s);
        if (!c)
            continue;
        moveObject(*c, offset);
        made.push_back(c);
    }
    return made;
}

// With vertices or edges selected and no faces: the faces whose every
// corner (every side) is selected.
List<Face*> facesWithin(const ObjectSelection& s)
{
    List<Face*> out;
    for (Face* f : s.object->faces) {
        const bool inside = std::all_of(f->corners.begin(), f->corners.end(), [&](const Corner& c) {
            return s.vertices.contains(c.vertex) || s.edges.contains(c.edge);
        });
        if (inside)
            out.append(f);
    }
    return out;
}

// --- the mirrored instance ---

// The transform that reflects through `plane`, as an instance stores it.
void reflection(const MirrorPlane& plane, float out[16])
{
    for (int i = 0; i < 16; ++i)
        out[i] = static_cast<float>(plane.matrix[i]);
}

bool isMirrorInstanceOf(const Shape& candidate, const Shape& object)
{
    if (candidate.shapeKind() != InnerShape::KindShapeInstance)
        return false;
    const auto& instance = static_cast<const ShapeInstance&>(candidate);
    if (instance.instancedShape != &object)
        return false;
    if (instance.instanceFlag)
        return true;
    // An instance read from a file has lost the flag; its transform still tells.
    float expected[16];
    reflection(object.instanceMirrorPlane, expected);
    return std::equal(expected, expected + 16, instance.transform,
                      [](float a, float b) { return std::fabs(a - b) < 1e-5f; });
}

// The plane through the pivot normal to local axis `axis` (0 X, 1 Y, 2 Z).
MirrorPlane mirrorPlaneOf(Shape& object, int axis)
{
    Vertex& direction = object.axisFrame[InnerShape::AxisX + std::clamp(axis, 0, 2)];
    MirrorPlane plane;
    plane.set(object.pivot(), direction);
    return plane;
}

// Vertices nearer the plane than `tolerance` move onto it.
void snapOntoPlane(Shape& object, const MirrorPlane& plane, float tolerance)
{
    bool moved = false;
    for (Vertex* v : object.vertices) {
        const float distance = (*v - plane.point).dot(plane.normal);
        if (distance == 0.0f || std::fabs(distance) >= tolerance)
            continue;
        const Point3D onPlane = *v - Point3D(plane.normal) * distance;
        v->setPosition(onPlane.x, onPlane.y, onPlane.z);
        moved = true;
    }
    if (moved)
        object.update(true, true, -1);
}

ShapeInstance* mirroredInstance(Shape& object)
{
    ShapeInstance* instance = instanceOf(object);
    if (!instance)
        return nullptr;
    reflection(object.instanceMirrorPlane, instance->transform);
    instance->instanceFlag = true;
    return instance;
}

} // namespace

void copyObjects(const SceneManagers& managers, ObjectClipboard& clipboard)
{
    const int copied = clipboard.copy(selectedObjects(*managers.objectManager, copyable));
    if (copied == 0) {
        say(managers, Refusal::NothingSelected);
        return;
    }
    say(managers, copiedMessage(copied));
}

void pasteObjects(const SceneManagers& managers, ObjectClipboard& clipboard)
{
    if (clipboard.empty()) {
        refuse(managers, CommandId::Paste);
        return;
    }
    addAsOneStep(managers, clipboard.paste());
}

Shape* duplicateFaces(Shape& object, const List<Face*>& faces)
{
    return extractFaces(object, faces);
}

void duplicateSelection(const SceneManagers& managers)
{
    if (managers.selectionManager->mode == SceneSelectionManager::ObjectMode) {
        std::vector<Shape*> sources = selectedObjects(*managers.objectManager, copyable);
        if (sources.empty()) {
            refuse(managers, CommandId::Duplicate);
            return;
        }
        addAsOneStep(managers, copiesBeside(sources, false));
        return;
    }
    SelectedElements selection(managers);
    if (selection.vertexCount() + selection.edgeCount() + selection.faceCount() == 0) {
        refuse(managers, CommandId::Duplicate);
        return;
    }
    std::vector<Shape*> made;
    for (ObjectSelection& s : selection.perObject()) {
        if (s.object->shapeKind() != InnerShape::KindShape)
            continue;
        const List<Face*> faces = s.faces.empty() ? facesWithin(s) : s.faces;
        if (!faces.empty())
            if (Shape* part = duplicateFaces(*s.object, faces))
                made.push_back(part);
    }
    if (made.empty()) {
        refuse(managers, CommandId::Duplicate);
        return;
    }
    addAsOneStep(managers, made);
}

void toggleInstanceMirror(const SceneManagers& managers)
{
    SceneObjectManager& objects = *managers.objectManager;
    std::vector<Shape*> chosen =
        selectedObjects(objects, [](const Shape& s) { return s.shapeKind() == InnerShape::KindShape; });
    if (chosen.empty()) {
        refuse(managers, CommandId::InstanceMirrorToggle);
        return;
    }
    const SettingsRegistry& registry = managers.applicationManager->registry;
    const int axis = registry.get(Options::InstanceMirrorAxis);
    const float tolerance = registry.get(Options::InstanceMirrorTolerance);
    {
        UndoStep step(*managers.commandManager);
        auto* settings = new URinstanceMirror(chosen);
        auto* added = new URaddShapes(objects);
        std::vector<Shape*> removed;
        bool addedAny = false;
        for (Shape* s : chosen) {
            if (s->instanceMirror != 0) {
                for (Shape* o : objects.objects)
                    if (isMirrorInstanceOf(*o, *s))
                        removed.push_back(o);
                s->instanceMirror = 0;
                continue;
            }
            step.watch(*s);
            s->instanceMirrorPlane = mirrorPlaneOf(*s, axis);
            snapOntoPlane(*s, s->instanceMirrorPlane, tolerance);
            if (ShapeInstance* mirror = mirroredInstance(*s)) {
                objects.addObject(mirror);
                addedAny = true;
                // The setting names the local axis, counted from 1 so that 0 stays "off".
                s->instanceMirror = std::clamp(axis, 0, 2) + 1;
            }
        }
        if (addedAny)
            step.push(added);
        else
            delete added;
        if (!removed.empty())
            step.push(new URdeleteShapes(objects, removed));
        step.push(settings);
    }
    finishEdit(managers);
}

bool runObjectCommand(const SceneManagers& managers, int commandId)
{
    switch (commandId) {
    case CommandId::Duplicate: duplicateSelection(managers); return true;
    case CommandId::InstanceMirrorToggle: toggleInstanceMirror(managers); return true;
    default: return false;
    }
}

int createFromObjects(SceneObjectManager& objects, int commandId)
{
    const SceneManagers& managers = *objects.managers;
    std::vector<Shape*> made;
    Shape* stillSelected = nullptr; // kept with the new objects
    switch (commandId) {
    case CommandId::Instance:
        made = copiesBeside(selectedObjects(objects, copyable), true);
        break;
    case CommandId::Array: {
        std::vector<Shape*> pair = selectedObjects(objects, copyable);
        if (pair.size() == 2) {
            const bool asInstance = pair[1]->shapeKind() == InnerShape::KindShapeInstance;
            Shape* next = asInstance ? instanceOf(*pair[1]) : copyObject(*pair[1]);
            if (next) {
                double step[16];
                relativePlacement(*pair[0], *pair[1], step);
                transformObject(*next, step);
                made.push_back(next);
                stillSelected = pair[1];
            }
        }
        break;
    }
    case CommandId::DeInstantiateInstance: {
        std::vector<Shape*> replaced;
        for (Shape* s : selectedObjects(objects, [](const Shape& o) {
                 return o.shapeKind() == InnerShape::KindShapeInstance;
             }))
            if (Shape* real = deinstantiate(static_cast<ShapeInstance&>(*s))) {
                made.push_back(real);
                replaced.push_back(s);
            }
        if (!replaced.empty())
            managers.commandManager->pushUndo(new URdeleteShapes(objects, replaced));
        break;
    }
    default:
        return -1;
    }
    if (made.empty()) {
        refuse(managers, commandId);
        return 0;
    }
    for (Shape* s : made)
        objects.addObject(s);
    std::vector<Shape*> selected = made;
    if (stillSelected)
        selected.insert(selected.begin(), stillSelected);
    selectOnly(managers, selected);
    finishEdit(managers);
    return static_cast<int>(made.size());
}
