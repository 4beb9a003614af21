// The frame's steps on two points, (1,0,0) with weight 1 and (2,1,0) with
// weight 0.5, each step taken from the start positions.
#include <gtest/gtest.h>

#include <functional>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Scene/Undo/URmovePoints.h"
#include "Tools/ManipulatorFrame.h"
#include "support/Fixtures.h"
#include "support/ShapeFixtures.h"

namespace {

struct Row {
    const char* what;
    std::function<void(ManipulatorFrame&)> step;
    Point3D full, half; // where the two points end
};

const Point3D pivot(1, 0, 0);

const Row rows[] = {
    {"translate: a weight of 0.5 moves half as far", [](ManipulatorFrame& f) { f.translate({2, 0, 4}); },
     {3, 0, 4}, {3, 1, 2}},
    {"scale along X keeps the point on the pivot", [](ManipulatorFrame& f) { f.scale(pivot, {1, 0, 0}, 3, false); },
     {1, 0, 0}, {3, 1, 0}},
    {"scale across Z scales X and Y", [](ManipulatorFrame& f) { f.scale(pivot, {0, 0, 1}, 3, true); },
     {1, 0, 0}, {3, 2, 0}},
    {"uniform scale", [](ManipulatorFrame& f) { f.scaleUniform({0, 0, 0}, 2); }, {2, 0, 0}, {3, 1.5f, 0}},
    {"rotate 90 degrees about Z; the half-weight point turns 45", [](ManipulatorFrame& f) {
         f.rotate({0, 0, 1}, {0, 0, 0}, 90);
     }, {0, 1, 0}, {0.70710677f, 2.1213203f, 0}},
    {"edit mode moves only the centre", [](ManipulatorFrame& f) { f.editMode = true, f.translate({5, 5, 5}); },
     {1, 0, 0}, {2, 1, 0}},
    {"value along the directions, the negative list below 0",
     [](ManipulatorFrame& f) {
         f.directions = {{0, 0, 1}, {0, 0, 1}};
         f.negativeDirections = {{1, 0, 0}};
         f.negativeEnabled = true;
         f.setValue(-2);
     },
     {-1, 0, 0}, {2, 1, 0}},
};

} // namespace

TEST(ManipulatorFrameTest, StepsMoveEachPointByItsWeightFromTheStart)
{
    MeshPtr grid = fixtures::openGrid(2, 1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ShapePtr s(take<Shape>(*grid));
        s->vertices[0]->setPosition(1, 0, 0);
        s->vertices[1]->setPosition(2, 1, 0);
        ManipulatorFrame frame;
        frame.addPoint(*s, 0, 1.0f);
        frame.addPoint(*s, 1, 0.5f);
        frame.captureStart();
        // Two steps: the second replaces the first.
        frame.translate({7, 7, 7});
        row.step(frame);
        const Point3D got[] = {*s->vertices[0], *s->vertices[1]};
        for (int i = 0; i < 2; ++i) {
            const Point3D want = i == 0 ? row.full : row.half;
            EXPECT_NEAR(got[i].x, want.x, 1e-5f) << i;
            EXPECT_NEAR(got[i].y, want.y, 1e-5f) << i;
            EXPECT_NEAR(got[i].z, want.z, 1e-5f) << i;
        }
    }
}

TEST(ManipulatorFrameTest, WholeObjectsMoveWithTheirAxisAndUndoPutsEverythingBack)
{
    ShapePtr s(take<Shape>(*fixtures::cube()));
    const Point3D corner(s->vertices[0]);
    ManipulatorFrame frame;
    frame.addObject(*s);
    frame.captureStart();
    std::unique_ptr<URmovePoints> record(frame.makeUndoRecord());
    frame.rotate({0, 0, 1}, {0, 0, 0}, 90);
    frame.finish();
    EXPECT_NEAR(s->xAxis().y, 1.0f, 1e-6f) << "the object's axis turns with it";
    EXPECT_NEAR(s->vertices[0]->x, -corner.y, 1e-5f);
    record->revert();
    EXPECT_EQ(Point3D(s->vertices[0]).distance(corner), 0.0f);
    EXPECT_EQ(s->xAxis().x, 1.0f);
    EXPECT_EQ(validateTopology(*s), "");
}
