// Steps snap only near a multiple: step 0.5 with 5 pixels worth 0.05, and
// 15 degrees with a 5-degree reach.
#include <gtest/gtest.h>

#include "Tools/SnapSteps.h"

TEST(SnapStepsTest, DistancesSnapWithinTheToleranceOfAMultiple)
{
    const struct {
        float drag, expected;
    } rows[] = {{0.2f, 0.2f}, {0.47f, 0.5f}, {0.03f, 0.0f}, {0.98f, 1.0f}, {0.7f, 0.7f}};
    for (const auto& r : rows) {
        const Point3D t = snapDistance(Point3D(0, r.drag, 0), 0.5f, 0.05f);
        EXPECT_FLOAT_EQ(t.y, r.expected) << r.drag;
        EXPECT_EQ(t.x, 0.0f);
    }
    EXPECT_FLOAT_EQ(snapDistance(Point3D(0.47f, 0, 0), 0, 0.05f).x, 0.47f) << "no step, no snapping";
}

TEST(SnapStepsTest, AnglesSnapWithinFiveDegreesOfAMultiple)
{
    const struct {
        float angle, expected;
    } rows[] = {{11, 15}, {7.5f, 7.5f}, {-11, -15}, {2, 0}, {31, 30}, {22, 22}};
    for (const auto& r : rows)
        EXPECT_FLOAT_EQ(snapAngle(r.angle, 15), r.expected) << r.angle;
    EXPECT_FLOAT_EQ(snapAngle(4, 6), 6) << "a small step reaches a third of itself";
}
