// The falloff curve editor: the point rules, and the mouse gestures that use them.
#include <gtest/gtest.h>

#include <QApplication>

#include "QtWindows/qxCurveEditor.h"
#include "support/GLTestSupport.h"

namespace {
using Curve = std::vector<CurvePoint>;

std::vector<float> ts(const Curve& c)
{
    std::vector<float> out;
    for (const CurvePoint& p : c)
        out.push_back(p.t);
    return out;
}
} // namespace

TEST(CurveEditingTest, AddedPointsKeepTheCurveSortedWithinTheUnitSquare)
{
    Curve c{{0, 1}, {1, 0}};
    EXPECT_EQ(CurveEditing::addPoint(c, 0.6f, 0.3f), 1);
    EXPECT_EQ(CurveEditing::addPoint(c, 0.2f, 2.0f), 1);
    EXPECT_EQ(ts(c), (std::vector<float>{0, 0.2f, 0.6f, 1}));
    EXPECT_EQ(c[1].value, 1.0f); // clamped
    // Outside 0 … 1, or on an existing point: that point takes the value, no point is added.
    EXPECT_EQ(CurveEditing::addPoint(c, -0.5f, 0.4f), 0);
    EXPECT_EQ(CurveEditing::addPoint(c, 0.6f, 0.9f), 2);
    EXPECT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].value, 0.4f);
    EXPECT_EQ(c[2].value, 0.9f);
}

TEST(CurveEditingTest, EndpointsMoveOnlyUpAndDownAndInnerPointsStayBetweenNeighbours)
{
    Curve c{{0, 1}, {0.5f, 0.5f}, {1, 0}};
    ASSERT_TRUE(CurveEditing::movePoint(c, 0, 0.3f, 0.2f));
    ASSERT_TRUE(CurveEditing::movePoint(c, 2, 0.7f, 0.8f));
    EXPECT_EQ(c[0].t, 0.0f);
    EXPECT_EQ(c[2].t, 1.0f);
    EXPECT_EQ(c[0].value, 0.2f);
    EXPECT_EQ(c[2].value, 0.8f);
    ASSERT_TRUE(CurveEditing::movePoint(c, 1, 1.5f, -1));
    EXPECT_GT(c[1].t, 0.99f);
    EXPECT_LT(c[1].t, 1.0f);
    EXPECT_EQ(c[1].value, 0.0f);
    EXPECT_FALSE(CurveEditing::movePoint(c, 3, 0.5f, 0.5f));
}

TEST(CurveEditingTest, OnlyInnerPointsCanBeRemoved)
{
    Curve c{{0, 1}, {0.5f, 0.5f}, {1, 0}};
    EXPECT_FALSE(CurveEditing::removePoint(c, 0));
    EXPECT_FALSE(CurveEditing::removePoint(c, 2));
    EXPECT_FALSE(CurveEditing::removePoint(c, 7));
    EXPECT_TRUE(CurveEditing::removePoint(c, 1));
    EXPECT_EQ(ts(c), (std::vector<float>{0, 1}));
    EXPECT_FALSE(CurveEditing::removePoint(c, 1));
}

// Click on empty space adds a point and drags it; a right click removes it.
TEST(CurveEditorGestureTest, ClickAddsDragMovesRightClickRemoves)
{
    ensureApplication(WithoutDisplay::UseOffscreen);
    qxCurveEditor editor;
    editor.resize(216, 116); // a 200 × 100 plot inside the margins
    int changed = 0;
    QObject::connect(&editor, &qxCurveEditor::curveChanged, [&changed] { ++changed; });
    const QPointF at = editor.toWidget({0.25f, 0.25f});
    sendMouse(&editor, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(editor.curve().size(), 3u);
    EXPECT_EQ(editor.selectedPoint(), 1);
    const QPointF to = editor.toWidget({0.5f, 0.75f});
    sendMouse(&editor, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(&editor, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_NEAR(editor.curve()[1].t, 0.5f, 0.01f);
    EXPECT_NEAR(editor.curve()[1].value, 0.75f, 0.01f);
    // A right click on an endpoint does nothing; on the inner point it removes it.
    sendMouse(&editor, QEvent::MouseButtonPress, editor.toWidget(editor.curve()[0]), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(editor.curve().size(), 3u);
    sendMouse(&editor, QEvent::MouseButtonPress, to, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(editor.curve().size(), 2u);
    EXPECT_EQ(changed, 3);
}
