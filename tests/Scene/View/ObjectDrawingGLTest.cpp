// Objects drawn at their current level, read back from an offscreen frame.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Settings/CommandIds.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/ObjectDrawing.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/SettingsVariables.h"
#include "support/Fixtures.h"
#include "support/OffscreenScene.h"

namespace {


class LevelFrame : public OffscreenSceneTest {
protected:
    static constexpr int Size = 128;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openScene(Size));
        // The cube as large as the tests' pixel spacing needs.
        Camera& camera = scene_->displayManager->activeCamera();
        camera.eye = camera.target - camera.viewDirection() * 9;
        // Only the objects: no manipulator over the selection, no grid through it.
        scene_->executeCommand(CommandId::NoManipulatorTool, "", 0, 0, 0);
        scene_->applicationManager->registry.setBool(CommandId::Display, "Show Grids", false);
        background_ = draw();
        cube_ = take<Shape>(*fixtures::cube());
        cube_->setShadingMode(InnerShape::SmoothShade);
        cube_->displayFlags &= ~InnerShape::WireOnShaded;
        scene_->objectManager->addObject(cube_);
    }

    void TearDown() override
    {
        OffscreenSceneTest::TearDown();
        settingsVariables().optimizedFaceDrawLimit = 20000;
    }

    void toLevel(int level)
    {
        cube_->setLevel(level, true);
        ASSERT_EQ(cube_->currentLevel(), level);
        EXPECT_EQ(validateTopology(*cube_->currentLevelMesh()), "");
    }


    const unsigned char* at(const Image& image, int x, int y) const { return &image[(y * Size + x) * 4]; }

    bool covered(const Image& image, int x, int y) const
    {
        const unsigned char *p = at(image, x, y), *b = at(background_, x, y);
        return p[0] != b[0] || p[1] != b[1] || p[2] != b[2];
    }

    int coverage(const Image& image) const
    {
        int n = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                n += covered(image, x, y);
        return n;
    }

    // Pixel of a world point in the frame.
    void project(const Point3D& p, int& x, int& y) const
    {
        double px, py, depth;
        ASSERT_TRUE(scene_->displayManager->activeView().project(p, px, py, depth));
        x = static_cast<int>(std::floor(px));
        y = static_cast<int>(std::floor(py));
    }

    Shape* cube_ = nullptr;
    Image background_;
};

Point3D centreOf(const Face& f)
{
    Point3D sum(0, 0, 0);
    for (const Corner& c : f.corners)
        sum = sum + Point3D(c.vertex->x, c.vertex->y, c.vertex->z);
    return sum * (1.0f / f.cornerCount());
}

} // namespace

TEST_F(LevelFrame, TheCurrentLevelIsDrawnInsideItsOwnOutlineAndSmallerThanTheCage)
{
    const int cage = coverage(draw());
    ASSERT_NO_FATAL_FAILURE(toLevel(2));
    const Image image = draw();
    // The rounded level covers less than its control cube, all of it within
    // the projected bounds of the level's own vertices.
    int minX = Size, minY = Size, maxX = -1, maxY = -1;
    for (const Vertex* v : cube_->currentLevelMesh()->vertices) {
        int x, y;
        ASSERT_NO_FATAL_FAILURE(project(*v, x, y));
        minX = std::min(minX, x), minY = std::min(minY, y), maxX = std::max(maxX, x), maxY = std::max(maxY, y);
    }
    int outside = 0;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            outside += covered(image, x, y) && (x < minX - 1 || x > maxX + 1 || y < minY - 1 || y > maxY + 1);
    EXPECT_EQ(outside, 0);
    EXPECT_TRUE(covered(image, (minX + maxX) / 2, (minY + maxY) / 2));
    EXPECT_LT(coverage(image), cage);
    // A Catmull-Clark cube is close to a ball of radius 0.8 at its faces.
    EXPECT_GT(coverage(image), cage / 4);
}

TEST_F(LevelFrame, ASelectedControlFaceLightsUpItsChildFacesOnly)
{
    ASSERT_NO_FATAL_FAILURE(toLevel(2));
    // The control face that faces the eye most, and one facing away less.
    const Point3D eye = scene_->displayManager->activeView().eye;
    cube_->update(true, false, -1);
    int front = 0;
    for (int i = 1; i < cube_->faces.count(); ++i)
        if (cube_->faces[i]->normal.dot(eye) > cube_->faces[front]->normal.dot(eye))
            front = i;
    int other = front == 0 ? 1 : 0;
    for (int i = 0; i < cube_->faces.count(); ++i)
        if (i != front && cube_->faces[i]->normal.dot(eye) > cube_->faces[other]->normal.dot(eye))
            other = i;
    SceneSelectionManager& selection = *scene_->selectionManager;
    ASSERT_TRUE(selection.selectElements(SceneSelectionManager::FaceMode, 0, {front},
                                         SceneSelectionManager::ClickNew));
    const Image image = draw();
    const InnerShape& level = *cube_->currentLevelMesh();
    auto isSelectedColour = [&](const Face& f) {
        int x, y;
        project(centreOf(f), x, y);
        const unsigned char* p = at(image, x, y);
        // "Selected Faces" is (0.67, 0.75, 0.1), drawn unlit.
        return std::abs(p[0] - 171) <= 2 && std::abs(p[1] - 191) <= 2 && std::abs(p[2] - 26) <= 2;
    };
    const int start = cube_->levelStack.childFaceStart(front);
    ASSERT_EQ(cube_->levelStack.childFaceCount(front), 16);
    // Children seen at a grazing angle may show little but their edges.
    int lit = 0;
    for (int k = start; k < start + 16; ++k)
        lit += isSelectedColour(*level.faces[k]);
    EXPECT_GE(lit, 14);
    const int otherStart = cube_->levelStack.childFaceStart(other);
    EXPECT_FALSE(isSelectedColour(*level.faces[otherStart + 5]));
}

TEST_F(LevelFrame, BuffersDrawTheSameImageAsTheImmediatePath)
{
    ASSERT_NO_FATAL_FAILURE(toLevel(2));
    for (bool wire : {false, true}) {
        cube_->displayFlags = wire ? cube_->displayFlags | InnerShape::WireOnShaded
                                   : cube_->displayFlags & ~InnerShape::WireOnShaded;
        settingsVariables().optimizedFaceDrawLimit = 20000;
        const Image immediate = draw();
        settingsVariables().optimizedFaceDrawLimit = 0;
        const Image buffered = draw();
        int differing = 0;
        for (size_t i = 0; i < immediate.size(); i += 4)
            for (size_t c = 0; c < 3; ++c)
                if (std::abs(immediate[i + c] - buffered[i + c]) > 6) {
                    ++differing;
                    break;
                }
        // Rasterising the same triangles may differ along a few edges.
        EXPECT_LE(differing, coverage(immediate) / 50) << (wire ? "with wire" : "shaded");
        EXPECT_GT(coverage(buffered), 0);
    }
}
