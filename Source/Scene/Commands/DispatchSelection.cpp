// Commands the selection manager carries out. Those that change which
// elements are selected are recorded on the selection undo stack first, so
// that "Undo Selection" can bring back what was selected before; hiding,
// styles, groups, symmetry, shading and soft selection change no selection.
#include <algorithm>
#include <optional>

#include "Settings/CommandIds.h"
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Undo/UndoStep.h"

namespace {

using Selection = SceneSelectionManager;

struct SelectionOperation {
    int id;
    bool recorded; // the selection is recorded before the operation runs
    void (Selection::*operation)();
};

constexpr SelectionOperation selectionOperations[] = {
    {CommandId::GroupSelection, false, &Selection::groupSelection},
    {CommandId::HideSelection, false, &Selection::hideSelection},
    {CommandId::ShowAll, false, &Selection::showAll},
    {CommandId::HideUnselected, false, &Selection::hideUnselected},
    {CommandId::SelectAll, true, &Selection::selectAll},
    {CommandId::DeselectInactive, true, &Selection::deselectInactive},
    {CommandId::InvertSelection, true, &Selection::invert},
    {CommandId::ExpandSelection, true, &Selection::expand},
    {CommandId::CalculateSymmetry, false, &Selection::calculateSymmetry},
    {CommandId::SelectSpecialGeometry, true, &Selection::selectSpecial},
    {CommandId::SelectLoop, true, &Selection::selectLoop},
    {CommandId::UnselectedToWireframe, false, &Selection::unselectedToWireframe},
    {CommandId::SelectAffectedGroups, true, &Selection::selectAffectedGroups},
    {CommandId::SelectNextGroup, true, &Selection::selectNextGroup},
    {CommandId::RestoreSymmetry, false, &Selection::restoreSymmetry},
    {CommandId::SelectRing, true, &Selection::selectRing},
    {CommandId::Deselect, true, &Selection::deselect},
    {CommandId::SoftSelectionFalloffUp, false, &Selection::softSelectionFalloffUp},
    {CommandId::SoftSelectionFalloffDown, false, &Selection::softSelectionFalloffDown},
    {CommandId::SoftSelectionRadiusUp, false, &Selection::softSelectionRadiusUp},
    {CommandId::SoftSelectionRadiusDown, false, &Selection::softSelectionRadiusDown},
    {CommandId::GrowSelection, true, &Selection::grow},
    {CommandId::ShrinkSelection, true, &Selection::shrink},
    {CommandId::SelectPath, true, &Selection::selectPath},
    {CommandId::SymmetryModeToggle, false, &Selection::toggleSymmetry},
    {CommandId::AssignSoftSelectionRadius, false, &Selection::assignSoftSelectionRadius},
    {CommandId::SelectAllWithSameMaterial, true, &Selection::selectSameMaterial},
    {CommandId::SelectAllCreasedEdges, true, &Selection::selectCreasedEdges},
    {CommandId::SelectAllUVSeams, true, &Selection::selectSeams},
    {CommandId::UnselectedToGhostShading, false, &Selection::unselectedToGhost},
    {CommandId::ApplySoftSelection, false, &Selection::applySoftSelectionSetting},
};

// These change the scene (visibility, symmetry) and are one geometry undo step.
constexpr int sceneEdits[] = {CommandId::HideSelection, CommandId::ShowAll, CommandId::HideUnselected,
                              CommandId::CalculateSymmetry, CommandId::SymmetryModeToggle};

void runSelectionOperation(const CommandCall& call)
{
    for (const SelectionOperation& o : selectionOperations) {
        if (o.id != call.id)
            continue;
        std::optional<UndoStep> step;
        if (std::ranges::find(sceneEdits, call.id) != std::end(sceneEdits)) {
            step.emplace(call.commands);
            for (Shape* object : call.managers.objectManager->objects)
                step->watch(*object);
        }
        if (o.recorded)
            call.commands.recordSelection();
        // Recording has just rebuilt the lists; the operation may use them.
        Selection* selection = call.managers.selectionManager;
        selection->listsFresh = o.recorded;
        (selection->*o.operation)();
        selection->listsFresh = false;
    }
}

constexpr CommandValue modes[] = {
    {CommandId::VertexSelectionMode, Selection::VertexMode}, {CommandId::EdgeSelectionMode, Selection::EdgeMode},
    {CommandId::FaceSelectionMode, Selection::FaceMode},     {CommandId::MultiSelectionMode, Selection::MultiMode},
    {CommandId::ObjectSelectionMode, Selection::ObjectMode},
};

void setMode(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.selectionManager->setMode(findValue(modes, call.id));
}

constexpr CommandValue conversions[] = {
    {CommandId::ConvertToFaces, Selection::FaceMode},
    {CommandId::ConvertToEdges, Selection::EdgeMode},
    {CommandId::ConvertToVertices, Selection::VertexMode},
};

void convert(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.selectionManager->convertTo(findValue(conversions, call.id));
}

constexpr CommandValue styles[] = {
    {CommandId::AreaStyleSelection, Selection::AreaStyle},
    {CommandId::PaintStyleSelection, Selection::PaintStyle},
    {CommandId::LassoStyleSelection, Selection::LassoStyle},
};

void setStyle(const CommandCall& call) { call.managers.selectionManager->setStyle(findValue(styles, call.id)); }

struct ClickRow {
    int id;
    int operation;
    int through;
};

constexpr ClickRow clicks[] = {
    {CommandId::SelectThruComplement, Selection::ClickComplement, 1},
    {CommandId::SelectThruSubtract, Selection::ClickSubtract, 1},
    {CommandId::SelectThruAdd, Selection::ClickAdd, 1},
    {CommandId::SelectThruNew, Selection::ClickNew, 1},
    {CommandId::SelectVisibleComplement, Selection::ClickComplement, 0},
    {CommandId::SelectVisibleSubtract, Selection::ClickSubtract, 0},
    {CommandId::SelectVisibleAdd, Selection::ClickAdd, 0},
    {CommandId::SelectVisibleNew, Selection::ClickNew, 0},
};

void clickSelect(const CommandCall& call)
{
    for (const ClickRow& c : clicks) {
        if (c.id != call.id)
            continue;
        call.commands.recordSelection();
        call.managers.selectionManager->clickSelect(call.x, call.y, c.operation, c.through);
    }
}

void tweak(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.selectionManager->tweak(call.x, call.y);
}

void selectViewportImage(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.displayManager->selectViewportImage();
}

constexpr RouteHandler handlers[] = {
    {Route::RunSelectionOperation, runSelectionOperation},
    {Route::SetMode, setMode},
    {Route::Convert, convert},
    {Route::SetStyle, setStyle},
    {Route::ClickSelect, clickSelect},
    {Route::Tweak, tweak},
    {Route::SelectViewportImage, selectViewportImage},
};

} // namespace

std::span<const RouteHandler> selectionHandlers() { return handlers; }
