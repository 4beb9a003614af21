// The manipulator drawn over a frame: handles in their axis colours, the
// hovered one in the highlight colour, nothing when nothing is selected.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/SceneDisplayManager.h"
#include "support/Fixtures.h"
#include "support/OffscreenScene.h"

namespace {

class ManipulatorDraw : public OffscreenSceneTest {
protected:
    static constexpr int Size = 256;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openScene(Size));
        Camera& c = scene_->displayManager->activeCamera(); // looking down -Z at the origin
        c.eye = Point3D(0, 0, 10);
        c.target = Point3D(0, 0, 0);
        c.up = Point3D(0, 1, 0);
    }
    // A small selected square at the origin, facing the camera.
    void selectSquare()
    {
        Shape* s = take<Shape>(*fixtures::openGrid(1, 1, 0.2f));
        for (Vertex* v : s->vertices)
            v->setPosition(v->x - 0.1f, v->y - 0.1f, v->z);
        s->set(Geometry::Selected);
        s->update(true, false, -1);
        scene_->objectManager->addObject(s);
        scene_->selectionManager->refreshDisplay();
    }
    // The Y cone's wide end, 60 to 66 pixels above the centre, clear of the
    // work grid, which this view sees edge-on along the X axis.
    std::vector<int> cone() { return frame_.pixel(Size / 2, Size / 2 + 63); }

};

} // namespace

TEST_F(ManipulatorDraw, HandlesShowInTheirColourAndTheHoveredOneHighlighted)
{
    scene_->draw();
    const std::vector<int> background = cone();
    selectSquare();
    scene_->draw();
    const std::vector<int> y = cone();
    EXPECT_GT(y[1], 150);
    EXPECT_LT(y[0] + y[2], 40);
    scene_->mouseHover(Size / 2, Size / 2 + 63);
    scene_->draw();
    EXPECT_EQ(cone(), (std::vector<int>{255, 255, 255}));
    scene_->toolManager->showManipulators = false;
    scene_->draw();
    EXPECT_EQ(cone(), background);
}
