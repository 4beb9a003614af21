// The brush editor writes every field into the displacement tool's brush
// list, keeps at least one brush, and shows changes made elsewhere.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include <string>

#include "QtWindows/qxBrushEditor.h"
#include "QtWindows/qxCurveEditor.h"
#include "QtWindows/qxKeyField.h"
#include "QtWindows/qxNumberField.h"
#include "Tools/Paint/DisplacementTool.h"
#include "support/GLTestSupport.h"

namespace {
class BrushEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication(WithoutDisplay::UseOffscreen);
        editor = std::make_unique<qxBrushEditor>(
            qxBrushEditor::Links{[this] { return withTool ? &tool : nullptr; }, [this] { return chosenImage; }, {}});
        editor->show();
    }

    const Brush& active() const { return tool.brushes.current(); }

    DisplacementTool tool;
    bool withTool = true;
    std::string chosenImage = "/images/falloff.png";
    std::unique_ptr<qxBrushEditor> editor;
};
} // namespace

TEST_F(BrushEditorTest, EveryFieldWritesTheActiveBrush)
{
    int edited = 0;
    QObject::connect(editor.get(), &qxBrushEditor::brushesEdited, [&edited] { ++edited; });
    emit editor->operation()->activated(3);
    EXPECT_EQ(active().operation, BrushOperation::Flatten);

    // Setting a radius sizes the brush by it; the other radius is kept.
    editor->screenRadius()->enter("80");
    editor->worldRadius()->enter("2");
    EXPECT_EQ(active().screenRadius, 80.0f);
    EXPECT_EQ(active().worldRadius, 2.0f);
    EXPECT_EQ(active().radiusType, RadiusType::World);
    EXPECT_EQ(editor->sizeTo()->currentIndex(), 0);
    emit editor->sizeTo()->activated(1);
    EXPECT_EQ(active().radiusType, RadiusType::Screen);
    EXPECT_EQ(active().screenRadius, 80.0f);

    editor->strength()->enter("0.25");
    editor->focus()->enter("1.5"); // focus stays below 1
    EXPECT_EQ(active().strength, 0.25f);
    EXPECT_LT(active().focus, 1.0f);
    EXPECT_GT(active().focus, 0.9f);

    editor->flag(1)->setChecked(true);
    EXPECT_TRUE(active().radiusFlag);
    EXPECT_FALSE(active().strengthFlag || active().focusFlag);

    sendKey(editor->shortcutKey(), QEvent::KeyPress, Qt::Key_F);
    EXPECT_EQ(active().shortcutKey, Qt::Key_F);
    EXPECT_TRUE(editor->brushList()->currentItem()->text().contains("Flatten"));
    EXPECT_TRUE(editor->brushList()->currentItem()->text().contains("[F]"));

    editor->imageButton()->click();
    EXPECT_EQ(active().imageFile, chosenImage);
    EXPECT_FALSE(editor->curve()->isEnabled()); // the image replaces the curve
    editor->clearImageButton()->click();
    EXPECT_EQ(active().imageFile, "");

    qxCurveEditor* curve = editor->curve();
    sendMouse(curve, QEvent::MouseButtonPress, curve->toWidget({0.5f, 0.9f}), Qt::LeftButton, Qt::LeftButton);
    sendMouse(curve, QEvent::MouseButtonRelease, curve->toWidget({0.5f, 0.9f}), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(active().curve.size(), 3u);
    EXPECT_NEAR(active().curve[1].value, 0.9f, 0.02f);

    EXPECT_EQ(edited, 11);
    // The other brushes are untouched.
    EXPECT_EQ(tool.brushes.brushes[1].shortcutKey, 0);
    EXPECT_EQ(tool.brushes.brushes[1].curve.size(), 2u);
}

TEST_F(BrushEditorTest, TheListChoosesAddsDuplicatesAndKeepsOneBrush)
{
    editor->brushList()->setCurrentRow(2);
    EXPECT_EQ(tool.brushes.active, 2);
    EXPECT_EQ(editor->operation()->currentIndex(), 2);

    tool.brushes.brushes[2].shortcutKey = Qt::Key_P;
    editor->duplicateButton()->click();
    ASSERT_EQ(tool.brushes.brushes.size(), 7u);
    EXPECT_EQ(tool.brushes.active, 3);
    EXPECT_EQ(active().operation, BrushOperation::PinchInflate);
    EXPECT_EQ(active().shortcutKey, 0); // one key selects one brush

    for (int i = 0; i < 10; ++i)
        editor->deleteButton()->click();
    EXPECT_EQ(tool.brushes.brushes.size(), 1u);
    EXPECT_EQ(tool.brushes.active, 0);
    EXPECT_FALSE(editor->deleteButton()->isEnabled());

    editor->addButton()->click();
    EXPECT_EQ(tool.brushes.brushes.size(), 2u);
    EXPECT_EQ(tool.brushes.active, 1);
    EXPECT_EQ(editor->brushList()->count(), 2);
}

TEST_F(BrushEditorTest, PollShowsChangesMadeElsewhereAndNothingWorksWithoutATool)
{
    tool.brushes.active = 4;
    tool.brushes.brushes[4].screenRadius = 33;
    editor->poll();
    EXPECT_EQ(editor->brushList()->currentRow(), 4);
    EXPECT_EQ(editor->operation()->currentIndex(), 4);
    EXPECT_EQ(editor->screenRadius()->edit()->text(), "33");

    withTool = false;
    editor->refresh();
    EXPECT_FALSE(editor->widget()->isEnabled());
    editor->addButton()->click();
    EXPECT_EQ(tool.brushes.brushes.size(), 6u);
}
