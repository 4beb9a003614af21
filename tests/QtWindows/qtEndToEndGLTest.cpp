// The real main window with a real scene, driven by synthetic toolkit events
// as a user would: a cube from the Create menu, subdivided by its key (Page
// Up in the shipped bindings), looked at in a screenshot, a face clicked,
// undone by Ctrl+Z and the menu. The shipped preferences are read; the user's
// files go to a temporary folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QColor>
#include <QComboBox>
#include <QListWidget>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "QtWindows/qtCommandMenus.h"
#include "QtWindows/qtCreationProperties.h"
#include "QtWindows/qxBrushEditor.h"
#include "QtWindows/qxNumberField.h"
#include "QtWindows/qxOptionsPanel.h"
#include "QtWindows/qtTavoApplicationWindow.h"
#include "QtWindows/qtTavoGLWidget.h"
#include "QtWindows/qtToggleStates.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"
#include "Tools/Paint/DisplacementTool.h"
#include "support/GLTestSupport.h"

namespace {

class EndToEndGLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
        ensureApplication();
        window_ = std::make_unique<qtTavoApplicationWindow>("");
        window_->resize(800, 600);
        window_->show();
        view_ = window_->glWidget();
        scene_ = window_->scene();
        ASSERT_NE(scene_, nullptr);
        QElapsedTimer timer;
        timer.start();
        while (!(view_->isValid() && view_->isVisible()) && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(view_->isValid());
    }

    void TearDown() override
    {
        window_.reset();
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }

    void tapKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        sendKey(view_, QEvent::KeyPress, key, false, modifiers);
        sendKey(view_, QEvent::KeyRelease, key, false, modifiers);
        QApplication::processEvents();
    }

    void clickAt(QPoint at)
    {
        sendMouse(view_, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        sendMouse(view_, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
    }

    int objectCount() const { return scene_->objectManager->objects.count(); }
    Shape* cube() const { return scene_->objectManager->objects[0]; }

    // Where the middle of the cube shows, in widget coordinates (y down).
    QPoint cubeCentreOnScreen() const
    {
        float sum[3] = {0, 0, 0};
        for (Vertex* v : cube()->vertices) {
            sum[0] += v->x;
            sum[1] += v->y;
            sum[2] += v->z;
        }
        const float n = static_cast<float>(cube()->vertices.count());
        double px = 0, py = 0, depth = 0;
        EXPECT_TRUE(scene_->displayManager->activeView().project(Point3D(sum[0] / n, sum[1] / n, sum[2] / n), px, py,
                                                                  depth));
        // The scene's pixels count from the bottom row, which is 1.
        return QPoint(static_cast<int>(px), view_->framebufferHeight() - static_cast<int>(py));
    }

    QTemporaryDir home_;
    std::unique_ptr<qtTavoApplicationWindow> window_;
    qtTavoGLWidget* view_ = nullptr;
    Scene* scene_ = nullptr;
};

} // namespace

TEST_F(EndToEndGLTest, CubeFromTheMenuSubdividedByKeySeenOnScreenAndUndone)
{
    window_->menus()->action(CommandId::Cube)->trigger();
    ASSERT_EQ(objectCount(), 1);
    EXPECT_EQ(cube()->faces.count(), 6);

    tapKey(Qt::Key_PageUp);
    EXPECT_EQ(cube()->currentLevel(), 1);
    EXPECT_EQ(validateTopology(*cube()), "");
    ASSERT_NE(cube()->currentLevelMesh(), nullptr);
    EXPECT_EQ(cube()->currentLevelMesh()->faces.count(), 24);
    EXPECT_EQ(validateTopology(*cube()->currentLevelMesh()), "");

    window_->redraw();
    QImage shot = view_->grabFramebuffer();
    ASSERT_FALSE(shot.isNull());
    const QPoint centre = cubeCentreOnScreen();
    ASSERT_TRUE(shot.rect().contains(centre));
    const QRgb background = shot.pixel(2, 2);
    EXPECT_NE(shot.pixel(centre), background) << "the cube shows where it stands";
    EXPECT_EQ(shot.pixel(shot.width() - 3, shot.height() / 2), background) << "and not everywhere";

    tapKey(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(objectCount(), 1);
    EXPECT_EQ(cube()->currentLevel(), 0) << "Ctrl+Z undid the subdivision";
    window_->menus()->action(CommandId::Undo)->trigger();
    EXPECT_EQ(objectCount(), 0) << "the menu's Undo took the cube away";
}

// A held creation key opens the primitive's options; each change there
// replaces the cube just made by one built from the new values.
TEST_F(EndToEndGLTest, CreationPropertiesRebuildTheCubeJustMade)
{
    window_->menus()->action(CommandId::Cube)->trigger();
    window_->executeCommand(CommandId::CubeOptions, "", 0, 0, 0); // what holding the key runs next
    ASSERT_NE(window_->creationProperties()->liveObject(), nullptr);
    qxToolOptions* dock = window_->creationProperties()->dock();
    ASSERT_TRUE(dock->isVisible());
    QList<qxNumberField*> fields = dock->panel()->findChildren<qxNumberField*>();
    ASSERT_FALSE(fields.isEmpty());
    ASSERT_TRUE(fields[0]->enter("3")); // "Height"
    ASSERT_EQ(objectCount(), 1) << "replaced, not added";
    float low = 1e9f, high = -1e9f;
    for (Vertex* v : cube()->vertices) {
        low = std::min(low, v->y);
        high = std::max(high, v->y);
    }
    EXPECT_FLOAT_EQ(high - low, 3.0f);
    EXPECT_EQ(validateTopology(*cube()), "");
    EXPECT_EQ(window_->creationProperties()->liveObject(), cube());
}

// "Brush Editor" opens the window on the painting tool's own brushes; a
// brush chosen elsewhere shows after the next viewport event.
TEST_F(EndToEndGLTest, BrushEditorEditsThePaintingToolsBrushes)
{
    window_->executeCommand(CommandId::BrushEditor, "", 0, 0, 0);
    qxBrushEditor* editor = window_->brushEditor();
    ASSERT_TRUE(editor->isVisible());
    BrushList& brushes = scene_->toolManager->displacementTool().brushes;
    editor->brushList()->setCurrentRow(1);
    emit editor->operation()->activated(5);
    EXPECT_EQ(brushes.active, 1);
    EXPECT_EQ(brushes.current().operation, BrushOperation::Move);
    brushes.active = 3;
    sendMouse(view_, QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(editor->brushList()->currentRow(), 3);
}

// A new object is not selected: the first click picks it, so that face mode
// has an object to work on, and the second picks a control face through
// its level-1 descendants.
TEST_F(EndToEndGLTest, AFaceClickedOnTheSubdividedCubeIsSelectedAndUndone)
{
    window_->menus()->action(CommandId::Cube)->trigger();
    tapKey(Qt::Key_PageUp);
    window_->redraw();
    clickAt(cubeCentreOnScreen());
    ASSERT_TRUE(cube()->isSelected());
    tapKey(Qt::Key_3); // "Face Selection Mode"
    clickAt(cubeCentreOnScreen());
    ASSERT_EQ(scene_->selectionManager->selectedFaces.count(), 1);
    window_->menus()->action(CommandId::UndoSelection)->trigger();
    EXPECT_EQ(scene_->selectionManager->selectedFaces.count(), 0);
    EXPECT_EQ(cube()->currentLevel(), 1) << "undoing the selection leaves the geometry";
}

// The picture on the Front view's image plane, upright: red above, blue
// below. A file that cannot be read leaves the plane without them.
TEST_F(EndToEndGLTest, AReferenceImageShowsItsPictureInTheFrontView)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0)); // the file's top rows
    const QString path = home_.filePath("picture.png");
    ASSERT_TRUE(picture.save(path));

    scene_->applicationManager->registry.setBool(CommandId::Display, "Show Grids", false);
    SceneDisplayManager& display = *scene_->displayManager;
    display.setView(2); // Front
    const float corners[12] = {-5, -5, -100, 5, -5, -100, 5, 5, -100, -5, 5, -100};
    const float uvs[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    auto colourAt = [&](float worldY) {
        window_->redraw();
        const QImage shot = view_->grabFramebuffer();
        double px = 0, py = 0, depth = 0;
        EXPECT_TRUE(display.activeView().project(Point3D(0, worldY, -100), px, py, depth));
        const QPoint at(static_cast<int>(px), view_->framebufferHeight() - static_cast<int>(py));
        EXPECT_TRUE(shot.rect().contains(at));
        return QColor(shot.pixel(at));
    };

    display.setReferenceImage(2, path.toStdString(), corners, uvs);
    EXPECT_EQ(colourAt(2.5f), QColor(Qt::red));
    EXPECT_EQ(colourAt(-2.5f), QColor(Qt::blue));

    display.setReferenceImage(2, home_.filePath("missing.png").toStdString(), corners, uvs);
    EXPECT_NE(colourAt(2.5f), QColor(Qt::red));
    EXPECT_EQ(display.imageTextures.count(), 1) << "the picture gone is freed, the missing file remembered";
}

// A switch's check mark shows its state as the menus open, however it was flipped.
TEST_F(EndToEndGLTest, ToggleCheckMarksFollowTheStateWhenTheMenusOpen)
{
    auto openMenus = [&] {
        for (QAction* top : window_->menuBar()->actions())
            emit top->menu()->aboutToShow();
    };
    for (int id : {CommandId::ShowWorkGridsToggle, CommandId::WalkthroughModeToggle,
                   CommandId::LiveUVUnwrappingToggle}) {
        QAction* entry = window_->menus()->action(id);
        ASSERT_NE(entry, nullptr) << id;
        const std::optional<bool> before = toggleState(*scene_, id);
        ASSERT_TRUE(before.has_value()) << id;
        openMenus();
        EXPECT_TRUE(entry->isCheckable()) << id;
        EXPECT_EQ(entry->isChecked(), *before) << id;
        window_->executeCommand(id, "", 0, 0, 0); // as a key would
        openMenus();
        EXPECT_EQ(entry->isChecked(), !*before) << id;
    }
    EXPECT_FALSE(window_->menus()->action(CommandId::Extrude)->isCheckable());
}
