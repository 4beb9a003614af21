// Scripts run against a scene in-process: output lines, settings, exit
// status and where a failing script stops.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "Batch/BatchScript.h"
#include "Batch/BatchWindow.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "support/Fixtures.h"

namespace {

struct BatchRunnerTest : ::testing::Test {
    int run(const std::string& script)
    {
        std::istringstream in(script);
        return runner.run(in);
    }

    std::ostringstream out;
    std::ostringstream errors;
    BatchWindow window{out, TavoApplicationWindow::No};
    Scene scene{&window, ""};
    BatchRunner runner{scene, out, errors};

    BatchRunnerTest() { window.scene = &scene; }
};

} // namespace

TEST_F(BatchRunnerTest, CommandsPrintTheirStatusLinesAndSetWritesTheRegistry)
{
    EXPECT_EQ(run("# snapping\nGrid Snapping\n\nrun 68\nSoft Selection Toggle\n"), 0);
    EXPECT_EQ(out.str(), "status: Grid Snapping\nstatus: Soft Selection Toggle\n");
    EXPECT_EQ(scene.applicationManager->snappingMode, SceneApplicationManager::GridSnapping);
    EXPECT_TRUE(errors.str().empty());
    SettingsRegistry& r = scene.applicationManager->registry;
    EXPECT_EQ(run("set 113 \"Undo Level\" 4\n"
                  "set 161 \"Enabled\" 1\n"
                  "set 161 \"Radius\" 2.5\n"
                  "set 114 \"Viewport Background\" 0.1 0.2 0.3\n"),
              0)
        << errors.str();
    EXPECT_EQ(*r.findOption(113, "Undo Level")->intValue(), 4);
    EXPECT_TRUE(*r.findOption(161, "Enabled")->boolValue());
    EXPECT_FLOAT_EQ(*r.findOption(161, "Radius")->floatValue(), 2.5f);
    const float* c = r.findOption(114, "Viewport Background")->tripleValue();
    ASSERT_NE(c, nullptr);
    EXPECT_FLOAT_EQ(c[2], 0.3f);
}

TEST_F(BatchRunnerTest, SetRefusesUnknownOptionsAndUnsuitableValues)
{
    for (const char* line : {"set 161 \"Nope\" 1", "set 99999 \"Enabled\" 1", "set 161 \"Enabled\" 2",
                             "set 161 \"Enabled\" yes", "set 113 \"Undo Level\" 2.5", "set 161 \"Radius\" 1 2",
                             "set 114 \"Viewport Background\" 0.1 0.2", "set 113 \"Units\" 99"}) {
        errors.str("");
        EXPECT_EQ(run(std::string("\n") + line + "\n"), 1) << line;
        EXPECT_THAT(errors.str(), ::testing::StartsWith("line 2: ")) << line;
    }
}

TEST_F(BatchRunnerTest, InfoAndSelectionPrintTheObjectsAndTheFlags)
{
    Shape* cube = take<Shape>(*fixtures::cube());
    cube->name = "box";
    cube->set(Geometry::Selected);
    cube->faces[0]->set(Geometry::Selected);
    cube->edges[1]->set(Geometry::Selected);
    cube->edges[2]->set(Geometry::Selected);
    scene.objectManager->addObject(cube);
    scene.objectManager->addObject(take<Shape>(*fixtures::twoQuads()));
    EXPECT_EQ(run("info\nselection\n"), 0);
    EXPECT_EQ(out.str(), "object 0 \"box\" kind=1 v=8 e=12 f=6 level=0 levels=1 lv=8 le=12 lf=6 selected=1 hidden=0 "
                         "shading=0 wire=1\n"
                         "object 1 \"Generic\" kind=1 v=6 e=7 f=2 level=0 levels=1 lv=6 le=7 lf=2 selected=0 "
                         "hidden=0 shading=0 wire=1\n"
                         "selection mode=4 objects=1 vertices=0 edges=2 faces=1\n");
}

TEST_F(BatchRunnerTest, SelectPicksLikeAClickAndIsUndoneAsOne)
{
    scene.objectManager->addObject(take<Shape>(*fixtures::cube()));
    scene.objectManager->addObject(take<Shape>(*fixtures::cube()));
    EXPECT_EQ(run("select face 0 1 2\nselection\nselect add edge 1 0\nselection\n"
                  "Undo Selection\nselection\nselect object 1 0\nselection\nselect face 1 6\n"),
              1);
    EXPECT_EQ(out.str(), "selection mode=2 objects=1 vertices=0 edges=0 faces=2\n"
                         "selection mode=1 objects=2 vertices=0 edges=1 faces=0\n"
                         "status: Undo Selection\n"
                         "selection mode=2 objects=1 vertices=0 edges=0 faces=2\n"
                         "selection mode=4 objects=2 vertices=0 edges=0 faces=0\n");
    EXPECT_EQ(errors.str(), "line 9: no such object or element to select\n");
}

TEST_F(BatchRunnerTest, ViewportLinesProjectPressAndZoomThroughTheScene)
{
    // The top view of 400 × 300 pixels shows 5 units above and below its
    // centre; screen up is world -z, and the toolkit's y grows downward.
    EXPECT_EQ(run("viewport 400 300\nTop Orthographic View\nproject 1 0 2\nview\n"), 0) << errors.str();
    EXPECT_EQ(out.str(), "status: Top Orthographic View\npixel 230 210\n"
                         "view layout=0 viewports=1 active=0 camera=\"Top\" space=model ortho=1 eye=0,200,0 "
                         "target=0,0,0 up=0,0,-1 halfheight=5 fov=20\n");
    // A press in the bottom right quarter makes the "Right" view active;
    // the wheel there zooms it in through the mouse binding.
    out.str("");
    EXPECT_EQ(run("4 View Layout\nset 217 \"SU\" 228\npress 300 250\nrelease 300 250\nwheel 2\nview\n"), 0)
        << errors.str();
    EXPECT_THAT(out.str(), ::testing::HasSubstr("view layout=1 viewports=4 active=3 camera=\"Right\""));
    EXPECT_THAT(out.str(), ::testing::HasSubstr("halfheight=4.0"));
}

TEST_F(BatchRunnerTest, ToolPrintsTheActiveToolsInListOrder)
{
    EXPECT_EQ(run("tool\nUniversal Manipulator Tool\ntool\n"), 0) << errors.str();
    EXPECT_EQ(out.str(), "tool Move\nstatus: Universal Manipulator Tool\ntool Universal\n");
}
