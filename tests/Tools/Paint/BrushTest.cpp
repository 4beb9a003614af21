// Brush falloff, the screen-sized radius, and the brushes through the
// preferences file.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "Scene/View/Camera.h"
#include "Settings/BuildRegistry.h"
#include "Settings/PreferencesFile.h"
#include "Settings/SettingsRegistry.h"
#include "Tools/Paint/BrushSettings.h"
#include "Tools/Paint/DisplacementDab.h"
#include "Tools/Paint/DisplacementTool.h"

TEST(Brush, FocusGivesTheInnerShareTheCurveAtZeroAndTheRimTheCurveAtOne)
{
    Brush b;
    b.curve = {{0, 0.8f}, {0.5f, 0.6f}, {1, 0.2f}};
    b.focus = 0.5f;
    const float R = 2;
    for (float d : {0.0f, 0.3f, 0.99f, 1.0f})
        EXPECT_FLOAT_EQ(b.falloff(d, R), 0.8f) << d;
    EXPECT_FLOAT_EQ(b.falloff(R, R), 0.2f);
    EXPECT_FLOAT_EQ(b.falloff(1.5f, R), 0.6f) << "halfway through the rim: curve(0.5)";
    EXPECT_FLOAT_EQ(b.falloff(1.25f, R), 0.7f) << "linear between curve points";
    b.focus = 0;
    EXPECT_FLOAT_EQ(b.falloff(0, R), 0.8f);
    EXPECT_FLOAT_EQ(b.falloff(R, R), 0.2f);
}

TEST(Brush, AScreenSizedBrushCoversMoreWorldWhenTheViewZoomsOut)
{
    Brush b;
    b.setScreenRadius(40);
    Camera camera("Perspective", Camera::Model, false, true, Point3D(0, 0, 10), Point3D(0, 0, 0), Point3D(0, 1, 0));
    const ViewRect rect{0, 0, 800, 600};
    const float near = DisplacementTool::worldRadius(b, ViewProjection(camera, rect), Point3D(0, 0, 0));
    camera.eye = Point3D(0, 0, 20);
    const float far = DisplacementTool::worldRadius(b, ViewProjection(camera, rect), Point3D(0, 0, 0));
    EXPECT_GT(near, 0);
    EXPECT_NEAR(far / near, 2, 0.01f);
    b.setWorldRadius(0.7f);
    EXPECT_EQ(DisplacementTool::worldRadius(b, ViewProjection(camera, rect), Point3D(0, 0, 0)), 0.7f);
}

TEST(BrushSettings, BrushesSurviveTheirGroupAndThePreferencesFile)
{
    BrushList list = BrushList::defaults();
    Brush& b = list.brushes[2];
    b.setWorldRadius(0.375f);
    b.screenRadius = 77;
    b.strength = 2.5f;
    b.focus = 0.25f;
    b.curve = {{0, 1}, {0.5f, 0.75f}, {1, 0}};
    b.imageFile = "brushes/soft dots.png";
    b.strengthFlag = b.focusFlag = true;
    b.shortcutKey = 'F';
    list.brushes.pop_back();
    list.active = 2;

    SettingsRegistry saved;
    buildRegistry(saved);
    OptionGroup* group = saved.findGroup(BrushEditorGroupId);
    ASSERT_NE(group, nullptr);
    storeBrushes(BrushList::defaults(), *group);
    storeBrushes(list, *group); // fewer brushes: the sixth leaves no trace
    for (int i = 0; i < group->optionCount(); ++i)
        EXPECT_FALSE(group->option(i).shown()) << group->option(i).name();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tavo-brushes-" + std::to_string(::getpid()) + ".tvp");
    ASSERT_TRUE(savePreferences(saved, path));

    SettingsRegistry read;
    buildRegistry(read);
    loadPreferences(path, read);
    std::filesystem::remove(path);
    BrushList back;
    ASSERT_TRUE(loadBrushes(*read.findGroup(BrushEditorGroupId), back));
    ASSERT_EQ(back.brushes.size(), 5u);
    EXPECT_EQ(back.active, 2);
    const Brush& r = back.brushes[2];
    EXPECT_EQ(r.operation, BrushOperation::PinchInflate);
    EXPECT_EQ(r.radiusType, RadiusType::World);
    EXPECT_EQ(r.worldRadius, 0.375f);
    EXPECT_EQ(r.screenRadius, 77);
    EXPECT_EQ(r.strength, 2.5f);
    EXPECT_EQ(r.focus, 0.25f);
    EXPECT_EQ(encodeCurve(r.curve), "0,1;0.5,0.75;1,0");
    EXPECT_EQ(r.imageFile, "brushes/soft dots.png");
    EXPECT_TRUE(r.strengthFlag && r.focusFlag && !r.radiusFlag);
    EXPECT_EQ(r.shortcutKey, 'F');
    EXPECT_EQ(back.brushes[4].operation, BrushOperation::Smudge);
}

TEST(BrushSettings, AnUnreadableCurveFallsBackToTheRampAndNoBrushLeavesTheListAlone)
{
    EXPECT_EQ(encodeCurve(decodeCurve("junk;0.5")), encodeCurve(Brush{}.curve));
    EXPECT_EQ(encodeCurve(decodeCurve("1,0;0,1;x,3")), "0,1;1,0") << "sorted, bad pairs skipped";
    OptionGroup empty("Brush Editor", BrushEditorGroupId);
    BrushList list = BrushList::defaults();
    list.active = 4;
    EXPECT_FALSE(loadBrushes(empty, list));
    EXPECT_EQ(list.active, 4);
}

TEST(Brush, AnImageReplacesTheCurveInTheBrushPlaneScaledBy1Point5OverR)
{
    BrushImage image{2, 2, {0.1f, 0.2f, 0.3f, 0.4f}};
    Brush curve;
    DabReach reach{Point3D(0, 0, 0), Point3D(0, 0, 1), 1.5f, &curve, &image, 1};
    // The plane's axes here are +Y (along an image row) and −X (down the rows).
    EXPECT_FLOAT_EQ(dabFalloff(reach, Point3D(0.5f, -0.5f, 0.3f), 0), 0.1f) << "height above the plane does not count";
    EXPECT_FLOAT_EQ(dabFalloff(reach, Point3D(0.5f, 0.5f, 0), 0), 0.2f);
    EXPECT_FLOAT_EQ(dabFalloff(reach, Point3D(-0.5f, 0.5f, 0), 0), 0.4f);
    EXPECT_EQ(dabFalloff(reach, Point3D(0, 1.01f, 0), 0), 0) << "outside the image";
    image = {};
    EXPECT_FLOAT_EQ(dabFalloff(reach, Point3D(0, 0, 0), 0.75f), curve.falloff(0.75f, 1.5f)) << "no image: the curve";
}
