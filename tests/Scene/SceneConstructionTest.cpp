// How the scene builds and wires its six managers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"
#include "support/Fixtures.h"

using ::testing::ElementsAre;

TEST(SceneConstructionTest, ManagersAttachInListOrderAndListDirectoryAndPeersHoldThemInTheirOrders)
{
    RecordedScene s;
    EXPECT_THAT(s.log.entries, ElementsAre("display.attach()", "command.attach()", "object.attach()",
                                           "selection.attach()", "tool.attach()", "application.attach()",
                                           "application.buildSettingsRegistry()"));
    EXPECT_THAT(fixtures::listed(s.scene->managerList),
                ElementsAre(s.display, s.command, s.object, s.selection, s.tool, s.application));
    SceneManagers* d = s.scene->managers;
    EXPECT_EQ(d->objectManager, s.object);
    for (SceneManager* m : s.scene->managerList) {
        EXPECT_EQ(m->managers, d);
        EXPECT_THAT(fixtures::listed(m->peers),
                    ElementsAre(s.application, s.command, s.display, s.object, s.selection, s.tool));
    }
}

TEST(SceneConstructionTest, ToolsReachTheSceneUntilItGoes)
{
    auto s = std::make_unique<RecordedScene>();
    EXPECT_EQ(Tool::scene, s->scene->managers);
    s.reset();
    EXPECT_EQ(Tool::scene, nullptr);
    // A tool built after the attach leaves the others attached.
    RecordedScene again;
    CallLog log;
    RecordingTool late(log, "late");
    EXPECT_EQ(Tool::scene, again.scene->managers);
}
