// Cameras, layouts and navigation through a real scene, without a display.
#include <gtest/gtest.h>

#include <filesystem>

#include "Mesh/Light.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/CameraSet.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/View/ShadingCycle.h"
#include "support/Fixtures.h"
#include "support/RecordingWindow.h"

namespace {

constexpr int altLeftButton = 1; // mouse binding entry "AltLMB"
constexpr int alt = 2;

struct ViewScene {
    ViewScene()
    {
        window.scene = &scene;
        scene.resize(800, 600);
    }
    void run(int id, int mode = 0) { scene.executeCommand(id, "", mode, 0, 0); }
    SceneDisplayManager& display() { return *scene.displayManager; }
    std::string cameraName() { return display().activeCamera().name; }
    void drag(int x0, int y0, int x1, int y1, int button = 0, int modifiers = 0)
    {
        scene.mousePress(x0, y0, button, modifiers);
        scene.mouseDrag(x1, y1);
        scene.mouseRelease(x1, y1);
    }

    RecordingWindow window;
    Scene scene{&window, ""};
};

} // namespace

TEST(ViewRulesTest, SingleViewShowsTheActiveCameraAloneAndTogglesBackAlsoWhenHeld)
{
    ViewScene s;
    s.run(CommandId::FourViewLayout);
    s.scene.mousePress(600, 100, 0, 0); // bottom right: "Right"
    s.scene.mouseRelease(600, 100);
    ASSERT_EQ(s.cameraName(), "Right");
    s.run(CommandId::SingleViewLayout);
    EXPECT_EQ(s.display().layoutId, 0);
    EXPECT_EQ(s.cameraName(), "Right");
    EXPECT_EQ(s.display().layout().viewports[0].rect.width, 800);
    s.run(CommandId::SingleViewLayout);
    EXPECT_EQ(s.display().layoutId, 1);
    EXPECT_EQ(s.display().layout().active, 3);
    // A held key maximizes only while it is down: the release after the hold runs it again.
    s.run(CommandId::SingleViewLayout, 1);
    EXPECT_EQ(s.display().layoutId, 0);
    s.run(CommandId::SingleViewLayout, 3);
    EXPECT_EQ(s.display().layoutId, 1);
}

TEST(ViewRulesTest, UVCamerasSwitchTheSceneToUVSpaceAndOthersBack)
{
    ViewScene s;
    const struct {
        int id;
        const char* camera;
        bool uv;
    } steps[] = {{CommandId::UV2DView, "UV 2D", true}, {CommandId::UV3DView, "UV 3D", true},
                 {CommandId::TopOrthographicView, "Top", false}, {CommandId::FreePerspectiveView, "Perspective", false}};
    for (const auto& step : steps) {
        s.run(step.id);
        EXPECT_EQ(s.cameraName(), step.camera);
        EXPECT_EQ(s.scene.objectManager->uvSpace, step.uv) << step.camera;
        EXPECT_EQ(s.display().inUVSpace(), step.uv) << step.camera;
    }
}

TEST(ViewRulesTest, UVViewsJoinTheFirstViewOnceAndLeaveALayoutThatHasThem)
{
    ViewScene s;
    s.run(CommandId::TopOrthographicView);
    s.display().showUVViews();
    const ViewLayout& l = s.display().layout();
    ASSERT_EQ(l.id, ViewLayout::ThreeRight);
    EXPECT_EQ(l.viewports[1].camera, UV3DCamera);
    EXPECT_EQ(l.viewports[2].camera, UV2DCamera);
    // The large view takes 60 percent on the right.
    EXPECT_EQ(l.viewports[0].rect.x, 320);
    EXPECT_FALSE(s.scene.objectManager->uvSpace);
    s.run(CommandId::FourViewLayout);
    s.display().setView(8);
    s.display().showUVViews();
    EXPECT_EQ(s.display().layoutId, ViewLayout::Four);
}

TEST(ViewRulesTest, ReverseShadingCycleIsTheForwardCycleBackwards)
{
    int mode = 0;
    bool wire = false;
    for (int step = 0; step < 9; ++step) {
        int m = mode;
        bool w = wire;
        stepShading(m, w, 1);
        EXPECT_FALSE(m == mode && w == wire);
        int back = m;
        bool backWire = w;
        stepShading(back, backWire, -1);
        // Wireframe ignores the wire flag, which the reverse step sets.
        EXPECT_TRUE(back == mode && (backWire == wire || mode == InnerShape::Wireframe)) << "step " << step;
        mode = m;
        wire = w;
    }
    EXPECT_TRUE(mode == 0 && !wire) << "nine steps go round";

    // Through the commands: every object follows the first one.
    ViewScene s;
    Shape* a = take<Shape>(*fixtures::cube());
    Shape* b = take<Shape>(*fixtures::cube());
    s.scene.objectManager->addObject(a);
    s.scene.objectManager->addObject(b);
    b->setShadingMode(InnerShape::SmoothShade);
    a->displayFlags &= ~InnerShape::WireOnShaded;
    s.run(CommandId::CycleShadingReverse);
    for (Shape* o : {a, b}) {
        EXPECT_EQ(o->shadingMode(), InnerShape::Wireframe);
        EXPECT_TRUE(o->displayFlags & InnerShape::WireOnShaded);
    }
}

TEST(ViewRulesTest, ZoomInThenOutNearlyRestoresAnOrthographicViewAndPerspectiveMovesTheEye)
{
    ViewScene s;
    s.run(CommandId::FrontOrthographicView);
    const double start = s.display().activeCamera().halfHeight;
    s.run(CommandId::ZoomViewIn);
    EXPECT_LT(s.display().activeCamera().halfHeight, start);
    s.run(CommandId::ZoomViewOut);
    EXPECT_NEAR(s.display().activeCamera().halfHeight, start, start * 0.02);
    EXPECT_NE(s.display().activeCamera().halfHeight, start);

    s.run(CommandId::FreePerspectiveView);
    const Camera before = s.display().activeCamera();
    s.run(CommandId::ZoomViewIn);
    const Camera& after = s.display().activeCamera();
    EXPECT_NEAR(after.targetDistance(), before.targetDistance() * (1 - 0.105f), 1e-3f);
    EXPECT_EQ(after.target.x, before.target.x);
}

TEST(ViewRulesTest, RotateDragsOrbitFreeCamerasOnlyAndDividersFollowTheMouse)
{
    ViewScene s;
    s.scene.applicationManager->setMouseBinding(altLeftButton, CommandId::RotateView);
    const Camera before = s.display().activeCamera();
    s.drag(400, 300, 460, 330, 0, alt);
    const Camera& after = s.display().activeCamera();
    EXPECT_GT(after.eye.distance(before.eye), 1.0f);
    EXPECT_NEAR(after.targetDistance(), before.targetDistance(), 1e-3f) << "orbits about the target";
    EXPECT_EQ(s.display().dragMode, SceneDisplayManager::NoDrag);

    s.run(CommandId::TopOrthographicView);
    const Point3D topEye = s.display().activeCamera().eye;
    s.drag(400, 300, 460, 330, 0, alt);
    EXPECT_EQ(s.display().activeCamera().eye.distance(topEye), 0.0f);

    // In Ostra-style mode a plain middle drag upward zooms in.
    s.run(CommandId::FreePerspectiveView);
    s.run(CommandId::OstraStyleViewManipulation);
    const float distance = s.display().activeCamera().targetDistance();
    s.drag(400, 300, 400, 320, 1);
    EXPECT_LT(s.display().activeCamera().targetDistance(), distance);
    s.run(CommandId::OstraStyleViewManipulation);

    s.run(CommandId::FourViewLayout);
    s.drag(400, 100, 500, 100);
    EXPECT_FLOAT_EQ(s.display().layout().splitX, 62.5f);
    EXPECT_EQ(s.display().layout().viewports[1].rect.x, 500);
}

TEST(ViewRulesTest, CamerasLayoutsAndDefaultLightsSurviveASettingsFile)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "tavo_view_settings.tvp";
    Point3D eye;
    {
        ViewScene s;
        s.run(CommandId::ThreeViewLayoutLeft);
        s.run(CommandId::BackOrthographicView);
        s.drag(480, 100, 400, 100); // the divider at 60 percent to 50
        s.display().cameras[PerspectiveCamera].eye = Point3D(3, 4, 5);
        Light* light = take<Light>(Point3D(1, 2, 3));
        s.scene.objectManager->addObject(light);
        s.scene.applicationManager->registry.setBool(CommandId::LightOptions, "Lock Lights To Camera", false);
        s.run(CommandId::MakeSceneLightsDefault);
        ASSERT_TRUE(s.scene.applicationManager->saveAllSettings(file));
    }
    ViewScene s;
    s.scene.applicationManager->loadAllSettings(file);
    std::filesystem::remove(file);
    const ViewLayout& l = s.display().layout();
    EXPECT_EQ(l.id, ViewLayout::ThreeLeft);
    EXPECT_EQ(s.display().cameras[l.viewports[0].camera].name, "Back");
    EXPECT_NEAR(l.splitX, 50.0f, 0.01f);
    EXPECT_EQ(s.display().cameras[PerspectiveCamera].eye.distance(Point3D(3, 4, 5)), 0.0f);
    ASSERT_EQ(s.display().defaultLights.size(), 1u);
    EXPECT_FALSE(s.display().lockDefaultLights);
    EXPECT_NEAR(s.display().defaultLights[0].position.distance(Point3D(1, 2, 3)), 0.0f, 1e-5f);
}

TEST(ViewRulesTest, ViewportImagesBelongToFixedOrthographicViewsOnly)
{
    ViewScene s;
    s.run(CommandId::SetViewportImage);
    EXPECT_EQ(s.window.statusMessages.back(), "You can only set viewport images for non-UV, fixed ortho cameras");
    EXPECT_TRUE(s.window.dialogs.empty());
    s.run(CommandId::FrontOrthographicView);
    s.window.chosenFiles = {"/images/front.png"};
    s.run(CommandId::SetViewportImage);
    EXPECT_EQ(s.window.dialogs.back(), "open:Choose Reference Image");
    ASSERT_EQ(s.display().referenceImageList().size(), 1u);
    const ReferenceImage& image = s.display().referenceImageList()[0];
    EXPECT_EQ(image.view, 2);
    EXPECT_EQ(image.imagePath, "/images/front.png");
    // The square faces the front camera: its corners share one depth.
    for (const float* c : image.corners)
        EXPECT_FLOAT_EQ(c[2], image.corners[0][2]);
    s.run(CommandId::SelectViewportImage);
    EXPECT_EQ(s.display().selectedImageView, 2);
    s.run(CommandId::DeleteViewportImage);
    EXPECT_TRUE(s.display().referenceImageList().empty());
    EXPECT_EQ(s.display().selectedImageView, -1);
}
