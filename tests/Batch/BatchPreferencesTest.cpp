// The preferences a scene reads at start (tavo-batch's --prefs) and writes
// at close: settings, key bindings and mouse bindings survive the trip, and
// a scene without a file to write writes none.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "Batch/BatchWindow.h"
#include "Scene/Input/MouseBindings.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"

namespace fs = std::filesystem;

namespace {

struct BatchPreferencesTest : ::testing::Test {
    BatchPreferencesTest()
        : file(fs::temp_directory_path() / ("tavo-prefs-test-" + std::to_string(::getpid()) + ".tvp"))
    {
        window.scene = &scene;
    }
    ~BatchPreferencesTest() override { fs::remove(file); }

    fs::path file;
    std::ostringstream out;
    BatchWindow window{out, TavoApplicationWindow::Cancel};
    Scene scene{&window, ""};
};

constexpr int keyZ = 90;
constexpr int ctrl = 1;

} // namespace

TEST_F(BatchPreferencesTest, WrittenPreferencesAreReadBackAtStart)
{
    SceneApplicationManager& app = *scene.applicationManager;
    app.registry.setInt(113, "Undo Level", 7);
    app.addKeyBinding(keyZ, ctrl, 68);
    app.setMouseBinding(MouseBindings::index(MouseButtonCode::Right, 0), 9013);
    app.preferencesWritePath = file;
    app.writePreferences();
    ASSERT_TRUE(fs::exists(file));
    app.registry.setInt(113, "Undo Level", 10);
    std::ostringstream otherOut;
    BatchWindow otherWindow(otherOut, TavoApplicationWindow::Cancel);
    Scene other(&otherWindow, "");
    other.applicationManager->preferencesReadPath = file;
    other.start();
    EXPECT_EQ(*other.applicationManager->registry.findOption(113, "Undo Level")->intValue(), 7);
    EXPECT_EQ(other.applicationManager->keyBinding(keyZ, ctrl), 68);
    EXPECT_EQ(other.applicationManager->mouseBinding(MouseButtonCode::Right, 0), 9013);
}

TEST_F(BatchPreferencesTest, WithoutAPathNothingIsReadOrWritten)
{
    scene.applicationManager->addKeyBinding(keyZ, ctrl, 68);
    scene.applicationManager->preferencesReadPath = file; // missing: changes nothing
    scene.start();
    EXPECT_EQ(scene.applicationManager->keyBinding(keyZ, ctrl), 68);
    scene.applicationManager->writePreferences();
    EXPECT_FALSE(fs::exists(file));
}
