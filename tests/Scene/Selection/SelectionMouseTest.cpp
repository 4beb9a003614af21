// Selecting with the mouse through the scene's entry points, the way the
// viewport widget drives them: a bound selection click, the drag after it,
// and the pre-highlight.
#include "Mesh/Validate.h"
#include "Scene/Input/MouseBindings.h"
#include "Scene/Selection/SelectionTestScene.h"
#include "Scene/View/SceneDisplayManager.h"

namespace {

class SelectionMouse : public SelectionTestScene {
protected:
    SelectionMouse()
    {
        scene.resize(800, 600);
        scene.applicationManager->setMouseBinding(MouseBindings::index(MouseButtonCode::Left, 0), 9010);
    }
    // Where a world point shows in the active viewport, in whole pixels.
    std::pair<int, int> pixelOf(const Point3D& p)
    {
        double x = 0, y = 0, depth = 0;
        EXPECT_TRUE(scene.displayManager->activeView().project(p, x, y, depth));
        return {static_cast<int>(x), static_cast<int>(y)};
    }
    void press(std::pair<int, int> at) { scene.mousePress(at.first, at.second, MouseButtonCode::Left, 0); }
    void drag(std::pair<int, int> at) { scene.mouseDrag(at.first, at.second); }
    void release(std::pair<int, int> at) { scene.mouseRelease(at.first, at.second); }
    int selectionRecords() { return scene.commandManager->selectionUndo.doneCount(); }
};

} // namespace

// One record per click and drag; paint selects every face the cursor
// crosses, the area every face it holds, and a click on nothing clears.
TEST_F(SelectionMouse, ClickThenDragSelectsInTheStyle)
{
    Shape* grid = add(fixtures::openGrid(4, 1, 0.5f), true);
    enter(Selection::FaceMode);
    auto centre = [&](int f) { return pixelOf(grid->faces[f]->centre()); };

    run(185); // "Paint-Style Selection"
    int records = selectionRecords();
    press(centre(0));
    drag(centre(1));
    drag(centre(2));
    release(centre(2));
    EXPECT_EQ(selectedOf(grid->faces), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(selectionRecords(), records + 1);

    run(186); // "Area-Style Selection"
    records = selectionRecords();
    const auto outside = pixelOf({-1, -1, 0});
    press(outside);
    EXPECT_TRUE(selectedOf(grid->faces).empty());
    drag(pixelOf({1.2f, 1, 0}));
    release(pixelOf({1.2f, 1, 0}));
    EXPECT_EQ(selectedOf(grid->faces), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(selectionRecords(), records + 1);
    EXPECT_EQ(validateTopology(*grid), "");
}

// Hovering finds the element under the cursor and redraws only when it changes.
TEST_F(SelectionMouse, HoverHighlightsWhatIsUnderTheCursor)
{
    Shape* grid = add(fixtures::openGrid(4, 1, 0.5f), true);
    enter(Selection::FaceMode);
    const auto over = pixelOf(grid->faces[3]->centre());
    selection().redrawRequested = false;
    scene.mouseHover(over.first, over.second);
    EXPECT_EQ(selection().hovered.element, 3);
    selection().redrawRequested = false;
    scene.mouseHover(over.first + 1, over.second);
    EXPECT_FALSE(selection().redrawRequested);
    EXPECT_TRUE(selection().hovered.element == 3);
}
