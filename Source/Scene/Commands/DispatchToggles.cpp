// The toggles the dispatch handles itself, the snapping mode, the soft
// selection switch and "Repeat".
#include <algorithm>

#include "Scene/Commands/CommandRoutes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"

namespace {

constexpr int lightOptions = CommandId::LightOptions;
constexpr int displayOptions = CommandId::Display;

struct SettingToggle {
    int id;
    int groupId;          // the bool option the toggle flips
    const char* option;
    bool changesScene;    // other managers must react, not only redraw
};

constexpr SettingToggle settingToggles[] = {
    {CommandId::UseSceneLightsToggle, lightOptions, "Use Custom Lights", false},
    {CommandId::LockSceneLightingToCamera, lightOptions, "Lock Lights To Camera", false},
    {CommandId::ShowLightsToggle, lightOptions, "Show Lights", false},
    {CommandId::ShowWorkGridsToggle, displayOptions, "Show Grids", false},
    {CommandId::ShowViewportImagesToggle, displayOptions, "Show Viewport Images", false},
    {CommandId::ShowUVSeamsToggle, displayOptions, "Show UV Seams", false},
    {CommandId::ShowManipulatorToggle, displayOptions, "Show Manipulators", true},
};

void flipSetting(const CommandCall& call)
{
    auto t = std::ranges::find(settingToggles, call.id, &SettingToggle::id);
    if (t == std::end(settingToggles))
        return;
    SceneApplicationManager& app = *call.managers.applicationManager;
    app.toggleSetting(t->groupId, t->option);
    app.redrawRequested = true;
    if (t->changesScene)
        app.sceneChanged = true;
}

// Nothing is drawn differently until the next unwrap, so no redraw.
void flipLiveUnwrapping(const CommandCall& call)
{
    SceneApplicationManager& app = *call.managers.applicationManager;
    app.liveUVUnwrapping = !app.liveUVUnwrapping;
}

constexpr CommandValue snappingToggles[] = {
    {CommandId::SurfaceSnapping, SceneApplicationManager::SurfaceSnapping},
    {CommandId::ComponentSnapping, SceneApplicationManager::ComponentSnapping},
    {CommandId::GridSnapping, SceneApplicationManager::GridSnapping},
};

void toggleSnapping(const CommandCall& call)
{
    SceneApplicationManager& app = *call.managers.applicationManager;
    int mode = findValue(snappingToggles, call.id);
    app.snappingMode = app.snappingMode == mode ? SceneApplicationManager::NoSnapping : mode;
    app.redrawRequested = true;
    app.sceneChanged = true;
}

void noSnapping(const CommandCall& call)
{
    SceneApplicationManager& app = *call.managers.applicationManager;
    app.snappingMode = SceneApplicationManager::NoSnapping;
    app.redrawRequested = true;
}

constexpr int softSelectionOptions = CommandId::SoftSelectionOptions;
// Makes the selection manager re-read the switch and recompute at once.
constexpr int applySoftSelection = CommandId::ApplySoftSelection;

void toggleSoftSelection(const CommandCall& call)
{
    SceneApplicationManager& app = *call.managers.applicationManager;
    app.toggleSetting(softSelectionOptions, "Enabled");
    app.executeCommand(applySoftSelection, "", SceneManager::ModeDirect, 0, 0);
}

// Through the window, so that the repeated command is shown and remembered
// again; "Repeat" itself is never remembered.
void repeat(const CommandCall& call)
{
    call.managers.applicationManager->executeCommand(call.commands.lastCommand, "", SceneManager::ModeDirect, 0, 0);
}

constexpr RouteHandler handlers[] = {
    {Route::FlipSetting, flipSetting},
    {Route::FlipLiveUnwrapping, flipLiveUnwrapping},
    {Route::ToggleSnapping, toggleSnapping},
    {Route::NoSnapping, noSnapping},
    {Route::ToggleSoftSelection, toggleSoftSelection},
    {Route::Repeat, repeat},
};

} // namespace

std::span<const RouteHandler> toggleHandlers() { return handlers; }
