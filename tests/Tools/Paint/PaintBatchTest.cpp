// A stroke through tavo-batch lines, with no display: the brush line, then
// press, drag and release over a subdivided object.
#include <gtest/gtest.h>

#include <sstream>

#include "Batch/BatchScript.h"
#include "Batch/BatchWindow.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Tools/Paint/DisplacementTool.h"

TEST(PaintBatch, ABrushLineAndMouseLinesPaintOneUndoableStroke)
{
    std::ostringstream out, errors;
    BatchWindow window{out, TavoApplicationWindow::No};
    Scene scene{&window, ""};
    window.scene = &scene;
    BatchRunner runner{scene, out, errors};
    auto run = [&](const std::string& script) {
        std::istringstream in(script);
        return runner.run(in);
    };
    ASSERT_EQ(run("Cube\nSubdivide\nSubdivide\nTop Orthographic View\nPaint Displacement\nbrush 0 0.4 80\ntool\n"), 0)
        << errors.str();
    ASSERT_EQ(scene.objectManager->objects.count(), 1);
    Shape& cube = *scene.objectManager->objects[0];
    ASSERT_EQ(cube.currentLevel(), 2);
    EXPECT_NE(out.str().find("tool Paint\n"), std::string::npos);
    const Brush& b = scene.toolManager->displacementTool().brushes.current();
    EXPECT_EQ(b.radiusType, RadiusType::World);
    EXPECT_EQ(b.worldRadius, 0.4f);

    // The top face's middle, wherever the cube was made.
    const InnerShape& level = *cube.currentLevelMesh();
    Point3D top = Point3D(level.vertices[0]);
    for (const Vertex* v : level.vertices)
        if (v->y > top.y)
            top = Point3D(v);
    out.str("");
    ASSERT_EQ(run("project " + std::to_string(top.x) + " " + std::to_string(top.y) + " " + std::to_string(top.z) + "\n"),
              0);
    int x = 0, y = 0;
    std::istringstream pixel(out.str().substr(6));
    pixel >> x >> y;
    ASSERT_EQ(run("press " + std::to_string(x) + " " + std::to_string(y) + "\ndrag " + std::to_string(x + 4) + " " +
                  std::to_string(y) + "\nrelease " + std::to_string(x + 4) + " " + std::to_string(y) + "\n"),
              0)
        << errors.str();
    float highest = top.y;
    for (const Vertex* v : level.vertices)
        highest = std::max(highest, v->y);
    EXPECT_GT(highest, top.y + 0.01f) << "pushed up along the top's normal";
    EXPECT_TRUE(cube.currentLevelMesh()->hasDisplacement());
    ASSERT_EQ(run("Undo\n"), 0);
    EXPECT_FALSE(cube.currentLevelMesh()->hasDisplacement());
}
