// Commands the selection manager carries out. Those that change which
// elements are selected are recorded on the selection undo stack first, so
// that "Undo Selection" can bring back what was selected before; hiding,
// styles, groups, symmetry, shading and soft selection change no selection.
#include <algorithm>
#include <optional>

#include "Scene/Commands/CommandIds.h"
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
    {4, false, &Selection::groupSelection},
    {11, false, &Selection::hideSelection},
    {12, false, &Selection::showAll},
    {13, false, &Selection::hideUnselected},
    {14, true, &Selection::selectAll},
    {15, true, &Selection::deselectInactive},
    {16, true, &Selection::invert},
    {20, true, &Selection::expand},
    {40, false, &Selection::calculateSymmetry},
    {43, true, &Selection::selectSpecial},
    {56, true, &Selection::selectLoop},
    {84, false, &Selection::unselectedToWireframe},
    {135, true, &Selection::selectAffectedGroups},
    {162, true, &Selection::selectNextGroup},
    {163, false, &Selection::restoreSymmetry},
    {179, true, &Selection::selectRing},
    {188, true, &Selection::deselect},
    {224, false, &Selection::softSelectionFalloffUp},
    {225, false, &Selection::softSelectionFalloffDown},
    {226, false, &Selection::softSelectionRadiusUp},
    {227, false, &Selection::softSelectionRadiusDown},
    {235, true, &Selection::grow},
    {236, true, &Selection::shrink},
    {241, true, &Selection::selectPath},
    {259, false, &Selection::toggleSymmetry},
    {274, false, &Selection::assignSoftSelectionRadius},
    {297, true, &Selection::selectSameMaterial},
    {298, true, &Selection::selectCreasedEdges},
    {299, true, &Selection::selectSeams},
    {301, false, &Selection::unselectedToGhost},
    {100052, false, &Selection::applySoftSelectionSetting},
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
    {32, Selection::VertexMode}, {33, Selection::EdgeMode},    {34, Selection::FaceMode},
    {246, Selection::MultiMode}, {35, Selection::ObjectMode},
};

void setMode(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.selectionManager->setMode(findValue(modes, call.id));
}

constexpr CommandValue conversions[] = {
    {17, Selection::FaceMode}, {18, Selection::EdgeMode}, {19, Selection::VertexMode},
};

void convert(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.selectionManager->convertTo(findValue(conversions, call.id));
}

constexpr CommandValue styles[] = {
    {186, Selection::AreaStyle}, {185, Selection::PaintStyle}, {42, Selection::LassoStyle},
};

void setStyle(const CommandCall& call) { call.managers.selectionManager->setStyle(findValue(styles, call.id)); }

struct ClickRow {
    int id;
    int operation;
    int through;
};

constexpr ClickRow clicks[] = {
    {9003, Selection::ClickComplement, 1}, {9004, Selection::ClickSubtract, 1},
    {9005, Selection::ClickAdd, 1},        {9006, Selection::ClickNew, 1},
    {9007, Selection::ClickComplement, 0}, {9008, Selection::ClickSubtract, 0},
    {9009, Selection::ClickAdd, 0},        {9010, Selection::ClickNew, 0},
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

void tweak(const CommandCall& call) { call.managers.selectionManager->tweak(call.x, call.y); }

void selectViewportImage(const CommandCall& call)
{
    call.commands.recordSelection();
    call.managers.displayManager->selectViewportImage();
}

constexpr CommandRoute routes[] = {
    {4, 4, runSelectionOperation},     {11, 16, runSelectionOperation},   {20, 20, runSelectionOperation},
    {40, 40, runSelectionOperation},   {43, 43, runSelectionOperation},   {56, 56, runSelectionOperation},
    {84, 84, runSelectionOperation},   {135, 135, runSelectionOperation}, {162, 163, runSelectionOperation},
    {179, 179, runSelectionOperation}, {188, 188, runSelectionOperation}, {224, 227, runSelectionOperation},
    {235, 236, runSelectionOperation}, {241, 241, runSelectionOperation}, {259, 259, runSelectionOperation},
    {274, 274, runSelectionOperation}, {297, 299, runSelectionOperation}, {301, 301, runSelectionOperation},
    {100052, 100052, runSelectionOperation},
    {32, 35, setMode},                 {246, 246, setMode},
    {17, 19, convert},
    {42, 42, setStyle},                {185, 186, setStyle},
    {9003, 9010, clickSelect},
    {9001, 9001, tweak},
    {145, 145, selectViewportImage},
};

} // namespace

std::span<const CommandRoute> selectionRoutes() { return routes; }
