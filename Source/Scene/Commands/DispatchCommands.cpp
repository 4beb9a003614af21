// Commands the command manager carries out itself: geometry edits, object
// creation with its undo record, shading and object display, and undo.
#include <algorithm>

#include "Mesh/InnerShape.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/ObjectCommands.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/UndoStep.h"

namespace {

void copySelection(const CommandCall& call) { copyObjects(call.managers, call.commands.clipboard); }
void paste(const CommandCall& call) { pasteObjects(call.managers, call.commands.clipboard); }
void deleteSelection(const CommandCall& call) { call.commands.deleteSelection(); }
// The object-level edits share the topology route.
void editTopology(const CommandCall& call)
{
    if (!runObjectCommand(call.managers, call.id))
        call.commands.editTopology(call.id);
}
void changeSubdivision(const CommandCall& call) { call.commands.changeSubdivision(call.id); }
void editUVs(const CommandCall& call) { call.commands.editUVs(call.id); }
void generateMap(const CommandCall& call) { call.commands.generateMap(call.id); }

// What the creation preconditions look at.
struct ObjectSelection {
    int objects = 0;   // selected objects
    int instances = 0; // of them, instances
};

ObjectSelection selectedObjects(const SceneObjectManager& objects)
{
    ObjectSelection s;
    for (const Shape* o : objects.objects) {
        if (!o->isSelected())
            continue;
        ++s.objects;
        if (o->shapeKind() == InnerShape::KindShapeInstance)
            ++s.instances;
    }
    return s;
}

struct CreationRow {
    int id;
    bool recorded; // one URaddShapes record holds the new objects
    // The selection the command needs; null when it needs none.
    bool (*allowed)(const ObjectSelection& s, int selectionMode);
};

bool exactlyTwoObjects(const ObjectSelection& s, int) { return s.objects == 2; }
bool someObject(const ObjectSelection& s, int) { return s.objects >= 1; }
bool someObjectInObjectMode(const ObjectSelection& s, int mode)
{
    return s.objects >= 1 && mode == SceneSelectionManager::ObjectMode;
}
bool someInstance(const ObjectSelection& s, int) { return s.instances >= 1; }

constexpr CreationRow creations[] = {
    {CommandId::Array, true, exactlyTwoObjects},
    {CommandId::Instance, true, someObjectInObjectMode},
    {CommandId::DeInstantiateInstance, true, someInstance},
    {CommandId::Circle, true, nullptr},
    {CommandId::Cone, true, nullptr},
    {CommandId::Torus, true, nullptr},
    {CommandId::Sphere, true, nullptr},
    {CommandId::Arc, true, nullptr},
    {CommandId::Grid, true, nullptr},
    {CommandId::Cube, true, nullptr},
    {CommandId::Cylinder, true, nullptr},
    {CommandId::LatheObject, true, someObject},
    {CommandId::ExtrusionObject, true, someObject},
    {CommandId::PathExtrusionObject, true, exactlyTwoObjects},
    {CommandId::AddLight, true, nullptr},
    // Primitives made from their options windows.
    {CommandId::CubeFromOptions, true, nullptr},
    {CommandId::CircleFromOptions, true, nullptr},
    {CommandId::ConeFromOptions, true, nullptr},
    {CommandId::TorusFromOptions, true, nullptr},
    {CommandId::SphereFromOptions, true, nullptr},
    {CommandId::ArcFromOptions, true, nullptr},
    {CommandId::GridFromOptions, true, nullptr},
    {CommandId::CylinderFromOptions, true, nullptr},
    {CommandId::LastFromOptions, true, nullptr},
};

void createObjects(const CommandCall& call)
{
    auto row = std::ranges::find(creations, call.id, &CreationRow::id);
    if (row == std::end(creations))
        return;
    SceneObjectManager& objects = *call.managers.objectManager;
    if (row->allowed && !row->allowed(selectedObjects(objects), call.managers.selectionManager->mode)) {
        call.managers.applicationManager->report(std::string(refusalMessage(call.id)),
                                                 SceneApplicationManager::StatusReport);
        return;
    }
    if (!row->recorded) {
        objects.createObjects(call.id);
        return;
    }
    // One step: the creation may push records of its own (the instances
    // "De-Instantiate Instance" replaces leave the scene).
    UndoStep step(call.commands);
    auto* record = new URaddShapes(objects);
    // A creation that made nothing leaves nothing to undo.
    if (objects.createObjects(call.id) > 0)
        step.push(record);
    else
        delete record;
}

void recreateUVs(const CommandCall& call) { call.managers.objectManager->recreateUVs(call.id); }

constexpr CommandValue shadingModes[] = {
    {CommandId::WireframeMode, InnerShape::Wireframe},       {CommandId::FlatShadeMode, InnerShape::FlatShade},
    {CommandId::GhostedShadeMode, InnerShape::GhostedShade}, {CommandId::SmoothShadeMode, InnerShape::SmoothShade},
    {CommandId::FastShadeMode, InnerShape::FastShade},
};

void setShading(const CommandCall& call) { call.commands.setShadingMode(findValue(shadingModes, call.id)); }

void showWireframe(const CommandCall& call) { call.commands.setDisplayFlag(InnerShape::WireOnShaded, true); }
void hideWireframe(const CommandCall& call) { call.commands.setDisplayFlag(InnerShape::WireOnShaded, false); }
void showNormals(const CommandCall& call) { call.commands.setDisplayFlag(InnerShape::ShowNormals, true); }
void hideNormals(const CommandCall& call) { call.commands.setDisplayFlag(InnerShape::ShowNormals, false); }
void showTextures(const CommandCall& call) { call.commands.setTextureShown(true); }
void hideTextures(const CommandCall& call) { call.commands.setTextureShown(false); }

void undo(const CommandCall& call) { call.commands.undo(); }
void redo(const CommandCall& call) { call.commands.redo(); }
void undoSelection(const CommandCall& call) { call.commands.undoSelection(); }
void redoSelection(const CommandCall& call) { call.commands.redoSelection(); }

constexpr RouteHandler handlers[] = {
    {Route::CopySelection, copySelection},
    {Route::Paste, paste},
    {Route::DeleteSelection, deleteSelection},
    {Route::EditTopology, editTopology},
    {Route::ChangeSubdivision, changeSubdivision},
    {Route::EditUVs, editUVs},
    {Route::GenerateMap, generateMap},
    {Route::CreateObjects, createObjects},
    {Route::RecreateUVs, recreateUVs},
    {Route::SetShading, setShading},
    {Route::ShowWireframe, showWireframe},
    {Route::HideWireframe, hideWireframe},
    {Route::ShowNormals, showNormals},
    {Route::HideNormals, hideNormals},
    {Route::ShowTextures, showTextures},
    {Route::HideTextures, hideTextures},
    {Route::Undo, undo},
    {Route::Redo, redo},
    {Route::UndoSelection, undoSelection},
    {Route::RedoSelection, redoSelection},
};

} // namespace

std::span<const RouteHandler> commandHandlers() { return handlers; }
