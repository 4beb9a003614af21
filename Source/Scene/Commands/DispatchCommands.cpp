// Commands the command manager carries out itself: geometry edits, object
// creation with its undo record, shading and object display, and undo.
#include <algorithm>

#include "Mesh/InnerShape.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Undo/URaddShapes.h"

namespace {

void copySelection(const CommandCall& call) { call.commands.copySelection(); }
void paste(const CommandCall& call) { call.commands.paste(); }
void deleteSelection(const CommandCall& call) { call.commands.deleteSelection(); }
void editTopology(const CommandCall& call) { call.commands.editTopology(call.id); }
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
    {2, true, exactlyTwoObjects},      // "Array"
    {3, true, someObjectInObjectMode},  // "Instance"
    {85, true, someInstance},           // "De-Instantiate Instance"
    {102, true, nullptr}, {103, true, nullptr}, {104, true, nullptr}, {105, true, nullptr},
    {106, true, nullptr}, {107, true, nullptr}, {108, true, nullptr}, {109, true, nullptr},
    {110, true, someObject},            // "Lathe Object"
    {111, true, someObject},            // "Extrusion Object"
    {112, true, exactlyTwoObjects},     // "Path Extrusion Object"
    {192, true, nullptr},               // "Add Light"
    // Primitives made from their options windows.
    {100051, true, nullptr}, {100060, true, nullptr}, {100061, true, nullptr}, {100062, true, nullptr},
    {100063, true, nullptr}, {100064, true, nullptr}, {100065, true, nullptr}, {100066, true, nullptr},
    {100067, true, nullptr},
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
    auto* record = new URaddShapes(objects);
    // A creation that made nothing leaves nothing to undo.
    if (objects.createObjects(call.id) > 0)
        call.commands.pushUndo(record);
    else
        delete record;
}

void recreateUVs(const CommandCall& call) { call.managers.objectManager->recreateUVs(call.id); }

constexpr CommandValue shadingModes[] = {
    {80, InnerShape::Wireframe},  {81, InnerShape::FlatShade}, {183, InnerShape::GhostedShade},
    {219, InnerShape::SmoothShade}, {220, InnerShape::FastShade},
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

constexpr CommandRoute routes[] = {
    {0, 0, copySelection},        {1, 1, paste},                {10, 10, deleteSelection},
    // Topology edits.
    {46, 46, editTopology},       {59, 64, editTopology},       {67, 67, editTopology},
    {70, 70, editTopology},       {73, 73, editTopology},       {75, 76, editTopology},
    {143, 143, editTopology},     {178, 178, editTopology},     {182, 182, editTopology},
    {187, 187, editTopology},     {223, 223, editTopology},     {231, 231, editTopology},
    {243, 243, editTopology},     {245, 245, editTopology},     {307, 307, editTopology},
    {47, 48, changeSubdivision},  {50, 50, changeSubdivision},  {88, 88, changeSubdivision},
    {100, 100, changeSubdivision},
    {249, 249, editUVs},          {257, 258, editUVs},          {266, 269, editUVs},
    {280, 282, editUVs},          {285, 292, editUVs},          {294, 295, editUVs},
    {58, 58, generateMap},        {270, 270, generateMap},
    {2, 3, createObjects},        {85, 85, createObjects},      {102, 112, createObjects},
    {192, 192, createObjects},    {100051, 100051, createObjects}, {100060, 100067, createObjects},
    {248, 248, recreateUVs},      {276, 279, recreateUVs},
    {80, 81, setShading},         {183, 183, setShading},       {219, 220, setShading},
    {82, 82, showWireframe},      {83, 83, hideWireframe},      {89, 89, showNormals},
    {90, 90, hideNormals},        {136, 136, showTextures},     {137, 137, hideTextures},
    {68, 68, undo},               {69, 69, redo},               {233, 233, undoSelection},
    {234, 234, redoSelection},
};

} // namespace

std::span<const CommandRoute> commandRoutes() { return routes; }
