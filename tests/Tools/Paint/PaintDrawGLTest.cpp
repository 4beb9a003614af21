// A painted level drawn from its buffers: a dab uploads only the vertices it
// changed, and the frame is the one a full rebuild draws.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/View/LevelDrawCache.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"
#include "Settings/SettingsVariables.h"
#include "Tools/Paint/DisplacementTool.h"
#include "support/Fixtures.h"
#include "support/OffscreenScene.h"

namespace {


class PaintDraw : public OffscreenSceneTest {
protected:
    static constexpr int Size = 128;
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openScene(Size));
        settingsVariables().optimizedFaceDrawLimit = 0; // every level from its buffers
        Camera& camera = scene_->displayManager->activeCamera();
        camera.eye = Point3D(0, 6, 0.01f);
        camera.target = Point3D(0, 0, 0);
        scene_->applicationManager->registry.setBool(CommandId::Display, "Show Grids", false);
        cube_ = take<Shape>(*fixtures::cube());
        cube_->setShadingMode(InnerShape::SmoothShade);
        scene_->objectManager->addObject(cube_);
        cube_->setLevel(2, true);
        scene_->executeCommand(CommandId::PaintDisplacement, "", 0, 0, 0);
        Brush& b = scene_->toolManager->displacementTool().brushes.current();
        b.setWorldRadius(0.5f);
        b.strength = 200;
    }
    void TearDown() override
    {
        OffscreenSceneTest::TearDown();
        settingsVariables().optimizedFaceDrawLimit = 20000;
    }
    Shape* cube_ = nullptr;
};

int differing(const Image& a, const Image& b)
{
    int n = 0;
    for (size_t i = 0; i < a.size(); i += 4)
        n += std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]) > 6;
    return n;
}

} // namespace

TEST_F(PaintDraw, ADabUploadsOnlyItsVerticesAndDrawsWhatARebuildDraws)
{
    const Image before = draw();
    double px, py, depth;
    ASSERT_TRUE(scene_->displayManager->activeView().project(Point3D(0.3f, 1, 0.2f), px, py, depth));
    const uint64_t partial = LevelDrawCache::partialRefreshes();
    scene_->mousePress(static_cast<int>(px), static_cast<int>(py), 0, 0);
    scene_->mouseDrag(static_cast<int>(px) + 2, static_cast<int>(py));
    scene_->mouseRelease(static_cast<int>(px) + 2, static_cast<int>(py));
    ASSERT_TRUE(cube_->currentLevelMesh()->hasDisplacement());
    const Image painted = draw();
    EXPECT_GT(LevelDrawCache::partialRefreshes(), partial);
    EXPECT_GT(differing(before, painted), 10) << "the bump shows";
    releaseObjectDrawCaches();
    const Image rebuilt = draw();
    EXPECT_EQ(differing(painted, rebuilt), 0);
}
