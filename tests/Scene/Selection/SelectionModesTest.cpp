// Selection modes, styles and picked elements: which objects become active,
// what a mode switch clears, the previous-style rule and the click operations.
#include "Scene/Selection/SelectionTestScene.h"

#include "Scene/SceneToolManager.h"
#include "Tools/Tool.h"

namespace {

using SelectionModesTest = SelectionTestScene;

// A tool that needs the current selection left alone.
class HoldingTool : public Tool {
public:
    bool allowsSelectionChange() override { return false; }
    bool allowsSelectionClick() override { return false; }
};

} // namespace

TEST_F(SelectionModesTest, EnteringAComponentModeActivatesEverySelectedVisibleObject)
{
    Shape* a = add(fixtures::cube(), true);
    add(fixtures::cube(), false);
    Shape* c = add(fixtures::cube(), true);
    Shape* hidden = add(fixtures::cube(), true);
    hidden->set(Geometry::Hidden);
    Shape* excluded = add(fixtures::cube(), true);
    excluded->flags2 |= 1 << 2;
    enter(Selection::FaceMode);
    EXPECT_EQ(selection().mode, Selection::FaceMode);
    EXPECT_EQ(active(), (std::vector<Shape*>{a, c}));
}

TEST_F(SelectionModesTest, WithoutSelectedObjectsTheModeStaysObject)
{
    add(fixtures::cube(), false);
    for (int mode : {Selection::VertexMode, Selection::EdgeMode, Selection::FaceMode, Selection::MultiMode}) {
        enter(mode);
        EXPECT_EQ(selection().mode, Selection::ObjectMode) << mode;
        EXPECT_TRUE(selection().activeObjects.empty());
    }
}

TEST_F(SelectionModesTest, SwitchingModesClearsTheComponentSelectionButKeepsTheObjects)
{
    Shape* a = add(fixtures::cube(), true);
    enter(Selection::FaceMode);
    select(a->faces, {1, 2});
    enter(Selection::EdgeMode);
    EXPECT_TRUE(selectedOf(a->faces).empty());
    EXPECT_EQ(active(), std::vector<Shape*>{a});
    enter(Selection::ObjectMode);
    EXPECT_TRUE(a->isSelected());
    EXPECT_TRUE(selection().multi == false);
    enter(Selection::MultiMode);
    EXPECT_TRUE(selection().multi);
    EXPECT_EQ(selection().mode, Selection::MultiMode);
}

TEST_F(SelectionModesTest, AToolThatHoldsTheSelectionRefusesModeChangesAndClicks)
{
    Shape* a = add(fixtures::cube(), true);
    HoldingTool tool;
    scene.toolManager->activeTools.append(&tool);
    enter(Selection::FaceMode);
    EXPECT_EQ(selection().mode, Selection::ObjectMode);
    EXPECT_FALSE(selection().selectElements(Selection::FaceMode, 0, {1}, Selection::ClickNew));
    EXPECT_TRUE(selectedOf(a->faces).empty());
    scene.toolManager->activeTools.clear();
}

TEST_F(SelectionModesTest, ChoosingTheCurrentStyleReturnsToThePreviousOne)
{
    constexpr int area = 186, paint = 185, lasso = 42;
    run(lasso);
    run(paint);
    run(paint);
    EXPECT_EQ(selection().style, Selection::LassoStyle) << "paint twice goes back to what was used before";
    EXPECT_EQ(selection().previousStyle, Selection::PaintStyle);
    // When the previous style is the current one: area unless area is current, then paint.
    selection().style = selection().previousStyle = Selection::AreaStyle;
    run(area);
    EXPECT_EQ(selection().style, Selection::PaintStyle);
    EXPECT_EQ(selection().previousStyle, Selection::AreaStyle);
    selection().style = selection().previousStyle = Selection::PaintStyle;
    run(paint);
    EXPECT_EQ(selection().style, Selection::AreaStyle);
    EXPECT_EQ(selection().previousStyle, Selection::PaintStyle);
}

TEST_F(SelectionModesTest, PickedElementsFollowTheClickOperations)
{
    Shape* a = add(fixtures::cube());
    Selection& s = selection();
    ASSERT_TRUE(s.selectElements(Selection::FaceMode, 0, {0, 2}, Selection::ClickNew));
    EXPECT_EQ(s.mode, Selection::FaceMode);
    EXPECT_TRUE(a->isSelected());
    EXPECT_EQ(active(), std::vector<Shape*>{a}) << "the picked element's object becomes active";
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{0, 2}));
    EXPECT_EQ(s.lastClickOperation, Selection::ClickAdd);
    s.selectElements(Selection::FaceMode, 0, {3}, Selection::ClickAdd);
    s.selectElements(Selection::FaceMode, 0, {0}, Selection::ClickSubtract);
    EXPECT_EQ(s.lastClickOperation, Selection::ClickSubtract);
    s.selectElements(Selection::FaceMode, 0, {2, 5}, Selection::ClickComplement);
    EXPECT_EQ(s.lastClickOperation, Selection::ClickComplement);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{3, 5}));
    EXPECT_EQ(s.selectedFaces.count(), 2);
    s.selectElements(Selection::FaceMode, 0, {4}, Selection::ClickNew);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{4}));
}

TEST_F(SelectionModesTest, ComplementInPaintStyleRemembersWhatTheClickDid)
{
    Shape* a = add(fixtures::cube());
    selection().style = Selection::PaintStyle;
    selection().selectElements(Selection::EdgeMode, 0, {1}, Selection::ClickComplement);
    EXPECT_EQ(selection().lastClickOperation, Selection::ClickAdd);
    selection().selectElements(Selection::EdgeMode, 0, {1}, Selection::ClickComplement);
    EXPECT_EQ(selection().lastClickOperation, Selection::ClickSubtract);
    EXPECT_TRUE(selectedOf(a->edges).empty());
}

TEST_F(SelectionModesTest, PickingSkipsHiddenAndExcludedElementsAndRefusesBadPositions)
{
    Shape* a = add(fixtures::cube());
    a->vertices[1]->set(Geometry::Hidden);
    a->vertices[2]->flags2 |= 1 << 2;
    Selection& s = selection();
    EXPECT_TRUE(s.selectElements(Selection::VertexMode, 0, {0, 1, 2}, Selection::ClickNew));
    EXPECT_EQ(selectedOf(a->vertices), (std::vector<int>{0}));
    EXPECT_FALSE(s.selectElements(Selection::VertexMode, 0, {8}, Selection::ClickNew));
    EXPECT_FALSE(s.selectElements(Selection::VertexMode, 1, {0}, Selection::ClickNew));
    EXPECT_EQ(selectedOf(a->vertices), (std::vector<int>{0})) << "a refused pick changes nothing";
}
