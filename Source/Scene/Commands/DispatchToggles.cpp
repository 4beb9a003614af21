// The toggles the dispatch handles itself, the snapping mode, the soft
// selection switch and "Repeat".
#include <algorithm>

#include "Scene/Commands/CommandRoutes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"

namespace {

constexpr int lightOptions = 194;
constexpr int displayOptions = 100131;

struct SettingToggle {
    int id;
    int groupId;          // the bool option the toggle flips
    const char* option;
    bool changesScene;    // other managers must react, not only redraw
};

constexpr SettingToggle settingToggles[] = {
    {195, lightOptions, "Use Custom Lights", false},
    {36, lightOptions, "Lock Lights To Camera", false},
    {196, lightOptions, "Show Lights", false},
    {131, displayOptions, "Show Grids", false},
    {149, displayOptions, "Show Viewport Images", false},
    {302, displayOptions, "Show UV Seams", false},
    {123, displayOptions, "Show Manipulators", true},
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
    {148, SceneApplicationManager::SurfaceSnapping},
    {184, SceneApplicationManager::ComponentSnapping},
    {247, SceneApplicationManager::GridSnapping},
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

constexpr int softSelectionOptions = 161;
// Makes the selection manager re-read the switch and recompute at once.
constexpr int applySoftSelection = 100052;

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

constexpr CommandRoute routes[] = {
    {36, 36, flipSetting},   {123, 123, flipSetting}, {131, 131, flipSetting}, {149, 149, flipSetting},
    {195, 196, flipSetting}, {302, 302, flipSetting},
    {262, 262, flipLiveUnwrapping},
    {148, 148, toggleSnapping}, {184, 184, toggleSnapping}, {247, 247, toggleSnapping},
    {38, 38, noSnapping},
    {160, 160, toggleSoftSelection},
    {181, 181, repeat},
};

} // namespace

std::span<const CommandRoute> toggleRoutes() { return routes; }
