#include "Scene/Commands/SceneCommandManager.h"

#include <algorithm>

#include "Mesh/InnerShape.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/Commands/TopologyCommands.h"
#include "Scene/Undo/URchangeSelection.h"
#include "Settings/OptionKeys.h"

namespace {


} // namespace

SceneCommandManager::SceneCommandManager()
    : geometryUndo([this] { return undoLevel(); }), selectionUndo([this] { return undoLevel(); })
{
}

int SceneCommandManager::undoLevel() const
{
    const SceneApplicationManager* app = managers ? managers->applicationManager : nullptr;
    return app ? app->registry.get(Options::UndoLevel) : UndoStack::DefaultUndoLevel;
}

int SceneCommandManager::dispatch(int commandId, const std::string& argument, int mode, int x, int y)
{
    SceneApplicationManager& app = *managers->applicationManager;
    if (isRepeatableCommand(commandId)) {
        lastCommand = commandId;
        app.report(std::string(commandName(commandId)), SceneApplicationManager::StatusReport);
        if (app.window)
            app.window->commandStarted(commandId);
    }
    if (isUVRecreationCommand(commandId))
        managers->displayManager->showUVViews();
    if (managers->toolManager->offerCommand(commandId, mode))
        return 1;
    if (managers->objectManager->uvSpace && isRefusedInUVSpace(commandId)) {
        app.report(std::string(Refusal::InUVSpace), SceneApplicationManager::StatusReport);
        return 1;
    }

    const CommandCall call{*this, *managers, commandId, argument, x, y};
    switch (mode) {
    case ModeReleaseAfterHold:
        if (CommandHandler action = releaseAction(commandId))
            action(call);
        return 1;
    case ModeReleaseAfterTap:
        if (CommandHandler action = tapReleaseAction(commandId))
            action(call);
        return 1;
    case ModeHold:
        if (int options = holdCommand(commandId); options != CommandId::None)
            app.executeCommand(options, "", ModeDirect, 0, 0);
        return 1;
    default:
        break;
    }

    if (isCustomPrimitiveCommand(commandId)) {
        std::string file = app.window ? app.window->customPrimitiveFile(commandId) : std::string();
        if (!file.empty())
            app.loadIntoScene(file);
        return 1;
    }
    if (!commandAvailable(commandId)) {
        app.report(notAvailableMessage(commandId), SceneApplicationManager::StatusReport);
        return 1;
    }
    runHandler(commandId, argument, x, y);
    return 1;
}

void SceneCommandManager::runHandler(int commandId, const std::string& argument, int x, int y)
{
    if (CommandHandler handler = commandHandler(commandId))
        handler(CommandCall{*this, *managers, commandId, argument, x, y});
}

bool SceneCommandManager::mousePress(int x, int y, int, int, int commandId, bool handledSoFar)
{
    if (handledSoFar)
        return false;
    if (commandId != CommandId::None)
        managers->applicationManager->executeCommand(commandId, "", ModePress, x, y);
    return true;
}

bool SceneCommandManager::deleteKey()
{
    managers->applicationManager->executeCommand(CommandId::Delete, "", ModeDirect, 0, 0);
    return true;
}

void SceneCommandManager::pushUndo(UndoCommand* record)
{
    const bool hadUnsavedChanges = hasUnsavedChanges();
    if (geometryUndo.push(record))
        managers->applicationManager->sceneModified = true;
    titleAfter(hadUnsavedChanges);
}

void SceneCommandManager::titleAfter(bool hadUnsavedChanges)
{
    if (hasUnsavedChanges() != hadUnsavedChanges)
        managers->applicationManager->updateTitle();
}

void SceneCommandManager::recordSelection()
{
    SceneSelectionManager* selection = managers->selectionManager;
    URchangeSelection::ModeAccess access{
        [selection] { return URchangeSelection::ModeState{selection->mode, selection->multi}; },
        [selection](URchangeSelection::ModeState state) {
            selection->mode = state.mode;
            selection->multi = state.multi;
            selection->refreshDisplay();
        },
    };
    selectionUndo.push(
        new URchangeSelection(*managers->objectManager, selection->rebuildForRecord(), selection->mode, access));
}

void SceneCommandManager::undo()
{
    const bool hadUnsavedChanges = hasUnsavedChanges();
    if (!managers->toolManager->undoInTool()) {
        geometryUndo.undo();
        managers->selectionManager->refreshDisplay();
    }
    // Set again after the pass, so that the next pass redraws as well.
    redrawRequested = sceneChanged = true;
    managers->applicationManager->updatePass();
    redrawRequested = sceneChanged = true;
    titleAfter(hadUnsavedChanges);
}

void SceneCommandManager::redo()
{
    const bool hadUnsavedChanges = hasUnsavedChanges();
    if (!managers->toolManager->redoInTool())
        geometryUndo.redo();
    managers->selectionManager->refreshDisplay();
    redrawRequested = sceneChanged = true;
    managers->applicationManager->updatePass();
    redrawRequested = sceneChanged = true;
    titleAfter(hadUnsavedChanges);
}

void SceneCommandManager::undoSelection()
{
    selectionUndo.undo();
    redrawRequested = true;
}

void SceneCommandManager::redoSelection()
{
    selectionUndo.redo();
    redrawRequested = true;
}

void SceneCommandManager::markSaved()
{
    geometryUndo.markSaved();
    unsavedChanges = false;
    managers->applicationManager->updateTitle();
}

void SceneCommandManager::clearUndo()
{
    geometryUndo.clear();
    selectionUndo.clear();
    selectionUndo.markSaved();
    markSaved();
}

void SceneCommandManager::setShadingMode(int mode)
{
    // With nothing selected, every object takes the mode.
    const List<Shape*>& objects = managers->objectManager->objects;
    const bool any = std::any_of(objects.begin(), objects.end(), [](const Shape* o) { return o->isSelected(); });
    for (Shape* o : objects)
        if (o->isSelected() || !any)
            o->setShadingMode(mode);
    redrawRequested = true;
}

void SceneCommandManager::setDisplayFlag(uint32_t flag, bool on)
{
    for (Shape* o : managers->objectManager->objects)
        if (o->isSelected())
            o->displayFlags = on ? (o->displayFlags | flag) : (o->displayFlags & ~flag);
    redrawRequested = true;
}

void SceneCommandManager::setTextureShown(bool on)
{
    for (Shape* o : managers->objectManager->objects)
        if (o->isSelected())
            o->textureFlags = on ? (o->textureFlags | InnerShape::ShowTexture) : (o->textureFlags & ~InnerShape::ShowTexture);
    redrawRequested = true;
}

void SceneCommandManager::editTopology(int commandId)
{
    runTopologyCommand(*managers, commandId);
}

void SceneCommandManager::deleteGeometry()
{
    deleteSelected(*managers);
}

void SceneCommandManager::deleteSelection()
{
    if (managers->objectManager->uvSpace) {
        managers->applicationManager->report(std::string(Refusal::UVDelete), SceneApplicationManager::StatusReport);
        return;
    }
    deleteGeometry();
}
