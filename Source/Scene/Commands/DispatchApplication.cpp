// Commands the application manager carries out: option groups and editor
// windows, files, help, the context menu, the about box and the refresh
// actions the option windows send.
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneToolManager.h"

namespace {

void showOptions(const CommandCall& call) { call.managers.applicationManager->showOptionGroup(call.id); }

constexpr int brushEditorCommand = CommandId::BrushEditor;

void showEditor(const CommandCall& call)
{
    call.managers.applicationManager->showEditor(call.id);
    // The brush editor is only of use while painting; it starts painting
    // but, unlike "Paint Displacement", never ends it.
    if (call.id == brushEditorCommand)
        call.managers.toolManager->activateTool(brushEditorCommand);
}

void showCreationProperties(const CommandCall& call)
{
    call.managers.applicationManager->showCreationProperties(call.id);
}

void showToolProperties(const CommandCall& call) { call.managers.applicationManager->showToolProperties(); }
void showCreateProperties(const CommandCall& call) { call.managers.applicationManager->showCreateProperties(); }

void fileCommand(const CommandCall& call) { call.managers.applicationManager->fileCommand(call.id, call.argument); }

void showHelp(const CommandCall& call) { call.managers.applicationManager->showHelp(call.id); }

void showContextMenu(const CommandCall& call) { call.managers.applicationManager->showContextMenu(call.x, call.y); }

void showAbout(const CommandCall& call) { call.managers.applicationManager->showAbout(); }

// The refresh actions 100070 to 100074: the manager re-reads its settings.
void refreshManager(const CommandCall& call)
{
    const SceneManagers& m = call.managers;
    SceneManager* const refreshed[] = {m.applicationManager, m.displayManager, m.commandManager, m.toolManager,
                                       m.applicationManager};
    constexpr int firstRefresh = CommandId::FirstRefresh;
    refreshed[call.id - firstRefresh]->applySettings();
}

constexpr RouteHandler handlers[] = {
    {Route::ShowOptions, showOptions},
    {Route::ShowEditor, showEditor},
    {Route::ShowCreationProperties, showCreationProperties},
    {Route::ShowToolProperties, showToolProperties},
    {Route::ShowCreateProperties, showCreateProperties},
    {Route::FileCommand, fileCommand},
    {Route::ShowHelp, showHelp},
    {Route::ShowContextMenu, showContextMenu},
    {Route::ShowAbout, showAbout},
    {Route::RefreshManager, refreshManager},
};

} // namespace

std::span<const RouteHandler> applicationHandlers() { return handlers; }
