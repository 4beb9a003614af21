// Soft selection: the switch through its command, the steps of radius and
// falloff (only while it is on; the radius never below 0), the radius taken
// from the selection, and the weights kept per active object.
#include "Scene/Selection/SelectionTestScene.h"

#include "Scene/View/SceneDisplayManager.h"

namespace {

constexpr int group = 161;
constexpr int toggle = 160, falloffUp = 224, falloffDown = 225, radiusUp = 226, radiusDown = 227, assign = 274;

class SelectionSoftTest : public SelectionTestScene {
protected:
    float value(const char* name) { return *registry().findOption(group, name)->floatValue(); }
    void setValue(const char* name, float v) { ASSERT_TRUE(registry().setFloat(group, name, v)); }
};

} // namespace

TEST_F(SelectionSoftTest, AdjustmentsDoNothingWhileSoftSelectionIsOff)
{
    Shape* a = add(fixtures::openGrid(2, 2), true);
    enter(Selection::VertexMode);
    select(a->vertices, {0, 1});
    for (int command : {falloffUp, falloffDown, radiusUp, radiusDown, assign}) {
        run(command);
        EXPECT_FLOAT_EQ(value("Radius"), 2.0f) << command;
        EXPECT_FLOAT_EQ(value("Falloff"), 1.0f) << command;
    }
    EXPECT_EQ(selection().softWeightsOf(a), nullptr);
}

TEST_F(SelectionSoftTest, ToggleSwitchesTheSettingAndTheWeightsAtOnce)
{
    Shape* a = add(fixtures::openGrid(4, 1), true);
    enter(Selection::VertexMode);
    select(a->vertices, {0});
    run(toggle);
    EXPECT_TRUE(*registry().findOption(group, "Enabled")->boolValue());
    EXPECT_TRUE(selection().softSelectionOn);
    const std::vector<float>* weights = selection().softWeightsOf(a);
    ASSERT_NE(weights, nullptr);
    ASSERT_EQ(weights->size(), static_cast<size_t>(a->vertices.count()));
    EXPECT_FLOAT_EQ((*weights)[0], 1.0f);
    EXPECT_FLOAT_EQ((*weights)[4], 0.0f) << "four units away, beyond the radius of 2";
    run(toggle);
    EXPECT_FALSE(selection().softSelectionOn);
    EXPECT_EQ(selection().softWeightsOf(a), nullptr);
    run(toggle);
    selection().initialize();
    EXPECT_FALSE(selection().softSelectionOn) << "every session starts with soft selection off";
    EXPECT_FALSE(*registry().findOption(group, "Enabled")->boolValue());
}

TEST_F(SelectionSoftTest, RadiusStepsByTwentyPixelsNeverBelowZeroAndFalloffByAFixedStep)
{
    run(toggle);
    SceneDisplayManager& display = *scene.displayManager;
    display.resize(400, 400);
    display.setView(2);                // the front view, orthographic
    display.activeCamera().halfHeight = 10; // the screen shows 20 units: 20 pixels are one
    run(radiusUp);
    EXPECT_NEAR(value("Radius"), 2.05f, 1e-5f);
    setValue("Radius", 0.02f);
    run(radiusDown);
    EXPECT_EQ(value("Radius"), 0.0f);
    run(radiusDown);
    EXPECT_EQ(value("Radius"), 0.0f);
    // The falloff steps by 0.05 and has no bounds.
    setValue("Falloff", 1.98f);
    run(falloffUp);
    EXPECT_NEAR(value("Falloff"), 2.03f, 1e-5f);
    setValue("Falloff", 0.02f);
    run(falloffDown);
    EXPECT_NEAR(value("Falloff"), -0.03f, 1e-5f);
}

TEST_F(SelectionSoftTest, AssignedRadiusIsMeasuredOnTheSelection)
{
    Shape* a = add(fixtures::openGrid(3, 1), true);
    run(toggle);
    enter(Selection::VertexMode);
    select(a->vertices, {0, 3});
    run(assign);
    EXPECT_FLOAT_EQ(value("Radius"), 3.0f);
    enter(Selection::EdgeMode);
    select(a->edges, {0});
    run(assign);
    EXPECT_FLOAT_EQ(value("Radius"), 1.0f);
    a->vertices[1]->setPosition(a->vertices[0]->x, a->vertices[0]->y, a->vertices[0]->z);
    enter(Selection::VertexMode);
    select(a->vertices, {0, 1});
    run(assign);
    EXPECT_FLOAT_EQ(value("Radius"), 1.0f) << "a zero distance leaves the radius";
}
