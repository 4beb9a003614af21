// Refusals: UV space, the creation preconditions, and how `report` shows
// a message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DispatchRefusalTest, CreationCommandsCheckTheirSelection)
{
    DispatchScene s;
    s.addCube(true);
    s.addCube(false);
    s.run(2);
    EXPECT_THAT(s.window.statusMessages, Contains("You must select exactly two objects to create an array"));
    EXPECT_THAT(s.routed({"createObjects"}), IsEmpty());
    s.object->objects[1]->set(Geometry::Selected);
    s.run(2);
    s.run(108); // primitives need no selection
    EXPECT_THAT(s.routed({"createObjects"}), ElementsAre("object.createObjects(2)", "object.createObjects(108)"));
    s.log.clear(), s.window.statusMessages.clear();
    s.selection->mode = SceneSelectionManager::FaceMode;
    s.run(3);
    s.run(85);
    EXPECT_THAT(s.window.statusMessages,
                ElementsAre("Instance", "You must select at least one object in object selection mode to create an instance",
                            "De-Instantiate Instance", "You must select at least one instance object to de-instantiate"));
    s.selection->mode = SceneSelectionManager::ObjectMode;
    s.run(3);
    EXPECT_THAT(s.routed({"createObjects"}), ElementsAre("object.createObjects(3)"));
}

TEST(DispatchRefusalTest, StatusReportsAndRefusalsInUVSpace)
{
    DispatchScene s;
    s.application->report("Nothing is selected", SceneApplicationManager::StatusReport);
    EXPECT_THAT(s.window.statusMessages, ElementsAre("Nothing is selected"));
    EXPECT_THAT(s.window.questions, IsEmpty());
    EXPECT_FALSE(s.application->redrawRequested);
    s.window.answers = {TavoApplicationWindow::No};
    s.application->report("Done", SceneApplicationManager::NoticeReport);
    EXPECT_THAT(s.window.questions, ElementsAre("Done"));
    EXPECT_EQ(s.window.answers.size(), 1u) << "an OK box takes no scripted answer";
    EXPECT_TRUE(s.application->redrawRequested);
    EXPECT_EQ(s.window.statusMessages.size(), 1u);
    s.window.statusMessages.clear();
    s.object->uvSpace = true;
    RecordingTool started(s.log, "started");
    s.tool->activeTools.append(&started);
    s.run(37);
    s.run(108);
    s.run(280);
    EXPECT_THAT(s.window.statusMessages,
                ElementsAre("Extrude", "You cannot perform that operation in UV space", "Cube",
                            "You cannot perform that operation in UV space", "Arrange UVs In Bounds"));
    s.run(37, SceneManager::ModeReleaseAfterHold);
    EXPECT_THAT(s.routed({"activateTool", "createObjects", "deactivate"}), IsEmpty());
    EXPECT_THAT(s.routed({"editUVs"}), ElementsAre("command.editUVs(280)"));
    s.tool->activeTools.clear();
    // "Delete" has its own sentence there.
    s.window.statusMessages.clear();
    s.run(10);
    EXPECT_THAT(s.window.statusMessages, ElementsAre("Delete", "UV components cannot be deleted."));
    EXPECT_THAT(s.routed({"deleteGeometry"}), IsEmpty());
    s.object->uvSpace = false;
    s.run(10);
    EXPECT_THAT(s.routed({"deleteGeometry"}), ElementsAre("command.deleteGeometry()"));
}
