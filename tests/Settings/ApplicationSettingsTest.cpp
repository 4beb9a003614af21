// The settings the application manager ties to state outside the settings:
// the mesh model's variables, the default material and the window geometry,
// saved at close and applied at the next start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Mesh/DisplaySettings.h"
#include "Mesh/Material.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Settings/OptionKeys.h"
#include "Settings/PreferencesTempFolder.h"
#include "support/RecordingWindow.h"

namespace {

// Records the geometry the scene applies.
struct GeometryWindow : RecordingWindow {
    void resizeWindow(int w, int h) override { applied += "size " + std::to_string(w) + "x" + std::to_string(h) + ";"; }
    void moveWindow(int x, int y) override { applied += "at " + std::to_string(x) + "," + std::to_string(y) + ";"; }
    void showMaximized() override { applied += "maximized;"; }
    void screenSize(int& w, int& h) override { w = screenWidth, h = screenHeight; }
    std::string applied;
    int screenWidth = 1920;
    int screenHeight = 1080;
};

} // namespace

TEST(ApplicationSettings, MeshVariablesAndMaterialAreBoundAtStart)
{
    MeshDisplaySettings& mesh = meshDisplaySettings();
    const MeshDisplaySettings saved = mesh;
    mesh.smoothShadeAtSubdLevel = 3; // a program value: it stands
    mesh.normalLength = 9;            // a tabled default (0.3) overwrites it
    RecordingWindow window;
    Scene scene(&window, "");
    SettingsRegistry& registry = scene.applicationManager->registry;
    EXPECT_EQ(registry.get(Options::SmoothShadeAtLevel), 3);
    EXPECT_EQ(mesh.normalLength, 0.3f);
    ASSERT_TRUE(registry.set(Options::TriangulateQuads, true));
    EXPECT_TRUE(mesh.tessellateAllQuads);
    EXPECT_EQ(registry.get(Options::DefaultAmbient)[0], Material().ambient[0]);
    mesh = saved;
}

// The creation commands read their groups and "Layout Spacing".
TEST(ApplicationSettings, PrimitiveOptionsReachTheObject)
{
    RecordingWindow window;
    Scene scene(&window, "");
    SettingsRegistry& registry = scene.applicationManager->registry;
    ASSERT_TRUE(registry.set(Options::CubeHeight, 4.0f) && registry.set(Options::CubeWidthSections, 3));
    ASSERT_TRUE(registry.set(Options::LayoutSpacing, 0.25f));
    ASSERT_EQ(scene.objectManager->createObjects(CommandId::Cube), 1);
    Shape& cube = *scene.objectManager->objects[0];
    EXPECT_EQ(cube.faces.count(), 2 * (3 + 1 + 3));
    EXPECT_FLOAT_EQ(cube.pivot().y, 2.0f);
    float widest = 0;
    for (const Face* f : cube.faces)
        for (const Corner& c : f->corners)
            widest = std::max(widest, std::fabs(c.u - 0.5f));
    EXPECT_NEAR(widest, 0.5f / 1.25f, 1e-5f);
}

TEST(ApplicationSettings, WindowGeometrySurvivesARestartAndStaysOnScreen)
{
    PreferencesTempFolder folder;
    const std::filesystem::path file = folder.file("tavodata.tvp");
    {
        GeometryWindow window;
        window.windowWidth = 1200, window.windowHeight = 800, window.windowX = 50, window.windowY = 60;
        Scene scene(&window, "");
        scene.applicationManager->preferencesWritePath = file;
        ASSERT_TRUE(scene.close());
    }
    GeometryWindow window;
    Scene scene(&window, "");
    scene.applicationManager->preferencesReadPath = file;
    scene.start();
    EXPECT_EQ(window.applied, "size 1200x800;at 50,60;");

    // A smaller screen pulls the window back onto it; maximized is restored.
    SceneApplicationManager& app = *scene.applicationManager;
    app.windowX = 900;
    app.windowMaximized = true;
    window.screenWidth = 1024, window.screenHeight = 768, window.applied.clear();
    app.initialize();
    EXPECT_EQ(window.applied, "size 1024x768;at 0,0;maximized;");
}

