// The core's headers first: Qt's keyword macros would rewrite names in them.
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"

#include "QtWindows/qtToggleStates.h"

#include <algorithm>
#include <iterator>

namespace {

// A switch kept as a bool option of the registry.
struct SettingState {
    int commandId;
    int groupId;
    const char* option;
};

constexpr SettingState settingStates[] = {
    {CommandId::ShowWorkGridsToggle, CommandId::Display, "Show Grids"},
    {CommandId::ShowViewportImagesToggle, CommandId::Display, "Show Viewport Images"},
    {CommandId::ShowUVSeamsToggle, CommandId::Display, "Show UV Seams"},
    {CommandId::ShowManipulatorToggle, CommandId::Display, "Show Manipulators"},
    {CommandId::UseSceneLightsToggle, CommandId::LightOptions, "Use Custom Lights"},
    {CommandId::LockSceneLightingToCamera, CommandId::LightOptions, "Lock Lights To Camera"},
    {CommandId::ShowLightsToggle, CommandId::LightOptions, "Show Lights"},
    {CommandId::SoftSelectionToggle, CommandId::SoftSelectionOptions, "Enabled"},
};

// A switch kept in a manager's own state.
struct ManagerState {
    int commandId;
    bool (*isOn)(const Scene&);
};

// The symmetry toggle flips every target to the opposite of the first
// target's state, so that object stands for all: the first selected object,
// else the first object.
bool symmetryOn(const Scene& scene)
{
    const List<Shape*>& objects = scene.objectManager->objects;
    auto selected = std::ranges::find_if(objects, [](const Shape* o) { return o->isSelected(); });
    if (selected != objects.end())
        return (*selected)->hasSymmetry();
    return !objects.empty() && objects[0]->hasSymmetry();
}

template <int Mode>
bool snapping(const Scene& scene)
{
    return scene.applicationManager->snappingMode == Mode;
}

template <int Layout>
bool layoutShown(const Scene& scene)
{
    return scene.displayManager->layoutId == Layout;
}

constexpr ManagerState managerStates[] = {
    {CommandId::WalkthroughModeToggle, [](const Scene& s) { return s.displayManager->walkthrough; }},
    {CommandId::OstraStyleViewManipulation, [](const Scene& s) { return s.displayManager->buttonNavigation; }},
    {CommandId::ManipulatorEditModeToggle, [](const Scene& s) { return s.toolManager->frame.editMode; }},
    {CommandId::EnableManipRepositioningToggle, [](const Scene& s) { return s.toolManager->repositioning; }},
    {CommandId::LiveUVUnwrappingToggle, [](const Scene& s) { return s.applicationManager->liveUVUnwrapping; }},
    {CommandId::SymmetryModeToggle, symmetryOn},
    {CommandId::GridSnapping, snapping<SceneApplicationManager::GridSnapping>},
    {CommandId::ComponentSnapping, snapping<SceneApplicationManager::ComponentSnapping>},
    {CommandId::SurfaceSnapping, snapping<SceneApplicationManager::SurfaceSnapping>},
    {CommandId::SingleViewLayout, layoutShown<ViewLayout::Single>},
    {CommandId::FourViewLayout, layoutShown<ViewLayout::Four>},
    {CommandId::VerticalSplitLayout, layoutShown<ViewLayout::Vertical>},
    {CommandId::HorizontalSplitLayout, layoutShown<ViewLayout::Horizontal>},
    {CommandId::ThreeViewLayoutRight, layoutShown<ViewLayout::ThreeRight>},
    {CommandId::ThreeViewLayoutLeft, layoutShown<ViewLayout::ThreeLeft>},
};

} // namespace

std::optional<bool> toggleState(const Scene& scene, int commandId)
{
    auto setting = std::ranges::find(settingStates, commandId, &SettingState::commandId);
    if (setting != std::end(settingStates)) {
        const OptionItem* item = scene.applicationManager->registry.findOption(setting->groupId, setting->option);
        const bool* value = item ? item->boolValue() : nullptr;
        return value ? std::optional<bool>(*value) : std::nullopt;
    }
    auto state = std::ranges::find(managerStates, commandId, &ManagerState::commandId);
    if (state != std::end(managerStates))
        return state->isOn(scene);
    return std::nullopt;
}
