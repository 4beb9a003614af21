// The toggles the dispatch owns, the snapping mode and the soft-selection
// switch, and the ids that do nothing at all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

bool setting(DispatchScene& s, int group, const char* name) { return *s.application->registry.findOption(group, name)->boolValue(); }

} // namespace

TEST(DispatchTogglesTest, SnappingSettingAndToolTogglesFlip)
{
    DispatchScene s;
    const std::pair<int, int> steps[] = {
        {247, SceneApplicationManager::GridSnapping},    {247, SceneApplicationManager::NoSnapping},
        {247, SceneApplicationManager::GridSnapping},    {148, SceneApplicationManager::SurfaceSnapping},
        {184, SceneApplicationManager::ComponentSnapping}, {38, SceneApplicationManager::NoSnapping},
    };
    for (const auto& [command, mode] : steps) {
        s.run(command);
        EXPECT_EQ(s.application->snappingMode, mode) << command;
    }
    // Snapping toggles change the scene, but "No Snapping" only redraws.
    s.log.clear();
    s.run(184);
    EXPECT_THAT(s.routed({"sceneChangedNotify"}), Contains("display.sceneChangedNotify()"));
    s.log.clear();
    int redraws = s.window.redrawCount;
    s.run(38);
    EXPECT_THAT(s.routed({"sceneChangedNotify"}), ::testing::IsEmpty());
    EXPECT_EQ(s.window.redrawCount, redraws + 1);
    struct Row {
        int id;
        int group;
        const char* option;
    };
    for (Row r : {Row{195, 194, "Use Custom Lights"}, Row{36, 194, "Lock Lights To Camera"},
                  Row{131, 100131, "Show Grids"}, Row{302, 100131, "Show UV Seams"}}) {
        bool before = setting(s, r.group, r.option);
        int redraws = s.window.redrawCount;
        s.run(r.id);
        EXPECT_NE(setting(s, r.group, r.option), before) << r.id;
        EXPECT_EQ(s.window.redrawCount, redraws + 1) << r.id;
        s.run(r.id);
        EXPECT_EQ(setting(s, r.group, r.option), before) << r.id;
    }
    ASSERT_TRUE(s.tool->showManipulators);
    s.log.clear();
    s.run(123);
    EXPECT_FALSE(s.tool->showManipulators);
    EXPECT_FALSE(setting(s, 100131, "Show Manipulators"));
    EXPECT_THAT(s.routed({"sceneChangedNotify"}), Contains("tool.sceneChangedNotify()"));
    s.run(123);
    EXPECT_TRUE(s.tool->showManipulators);
    // Live unwrapping flips without a redraw.
    redraws = s.window.redrawCount;
    s.run(262);
    EXPECT_TRUE(s.application->liveUVUnwrapping);
    EXPECT_EQ(s.window.redrawCount, redraws);
    // The soft-selection toggle flips the setting, then applies it.
    bool before = setting(s, 161, "Enabled");
    s.run(160);
    EXPECT_NE(setting(s, 161, "Enabled"), before);
    EXPECT_THAT(s.window.calls, Contains("execute:100052/0"));
    EXPECT_THAT(s.routed({"applySoftSelectionSetting"}), ElementsAre("selection.applySoftSelectionSetting()"));
}

TEST(DispatchTogglesTest, DoNothingIdsStillBroadcastAndRunTheUpdatePass)
{
    for (int id : {150, 221, 222, 306}) {
        DispatchScene s;
        s.log.clear();
        EXPECT_EQ(s.run(id), 1) << id;
        // The order of the broadcast is the event routing's to check.
        EXPECT_EQ(s.routed({"commandExecuted"}).size(), 6u) << id;
        EXPECT_THAT(s.routed({"toolsHook"}), ElementsAre("tool.toolsHook()")) << id;
        EXPECT_THAT(s.routed({"setShadingMode", "editTopology", "activateTool", "createObjects"}),
                    ::testing::IsEmpty());
    }
}
