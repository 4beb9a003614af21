// Drags through the scene's mouse entry points on a selected 2 × 2 grid
// centred on the origin, where the camera looks:
// each row chooses a manipulator, presses where one of its handles shows
// and drags; the result is checked against the formula, then Undo and Redo
// must restore each state exactly. The first drag event is one pixel from
// the press, as the mouse delivers it.
#include <functional>

#include "Scene/View/CameraSet.h"
#include "Tools/ManipulatorScene.h"

namespace {

constexpr double degrees = 3.14159265358979323846 / 180;

Point3D turned(const Point3D& p, const Point3D& c, const Point3D& axis, double angle)
{
    const Point3D d = p - c;
    const float co = float(std::cos(angle)), si = float(std::sin(angle));
    return c + d * co + axis.cross(d) * si + axis * (axis.dot(d) * (1 - co));
}

struct Row {
    const char* what;
    int command;
    int axis;    // where the press is: along this frame axis (3: at the centre) …
    float units; // … this many manipulator units out
    int dx, dy;
    // Where a point p ends, with c the centre and px the world length of a pixel.
    std::function<Point3D(const Point3D& p, const Point3D& c, float px)> expected;
};

const Row rows[] = {
    {"move along X", CommandId::MoveManipulatorTool, 0, 0.8f, 41, 0,
     [](const Point3D& p, const Point3D&, float px) { return p + Point3D(40 * px, 0, 0); }},
    {"move in the screen plane", CommandId::MoveManipulatorTool, 3, 0, 21, 31,
     [](const Point3D& p, const Point3D&, float px) { return p + Point3D(20 * px, 30 * px, 0); }},
    {"uniform scale: 9 pixels right is 1.1", CommandId::ScaleManipulatorTool, 3, 0, 10, 0,
     [](const Point3D& p, const Point3D& c, float) { return c + (p - c) * 1.1f; }},
    {"uniform scale: 9 pixels left is 1/1.1", CommandId::ScaleManipulatorTool, 3, 0, -10, 0,
     [](const Point3D& p, const Point3D& c, float) { return c + (p - c) * (1 / 1.1f); }},
    {"scale along X about the centre", CommandId::ScaleManipulatorTool, 0, 0.8f, 33, 0,
     [](const Point3D& p, const Point3D& c, float px) {
         const float r = 0.8f * 80 * px + px, f = 1 + 32 * px / r;
         return Point3D(c.x + (p.x - c.x) * f, p.y, p.z);
     }},
    {"rotate bar X turns about Z", CommandId::RotateManipulatorTool, 0, 0.8f, 0, 64,
     [](const Point3D& p, const Point3D& c, float) {
         return turned(p, c, {0, 0, 1}, std::atan2(64.0, 64.0) - std::atan2(1.0, 64.0));
     }},
    {"screen ring: a quarter turn counter-clockwise", CommandId::RotateManipulatorTool, 1, 0.2f, -16, -16,
     [](const Point3D& p, const Point3D& c, float) { return turned(p, c, {0, 0, 1}, 90 * degrees); }},
    {"trackball: the front follows the mouse", CommandId::RotateManipulatorTool, 3, 0, 31, 0,
     [](const Point3D& p, const Point3D& c, float) { return turned(p, c, {0, 1, 0}, 30 * degrees); }},
    {"universal: the centre cube scales uniformly", CommandId::UniversalManipulatorTool, 3, 0, 10, 0,
     [](const Point3D& p, const Point3D& c, float) { return c + (p - c) * 1.1f; }},
    {"universal: a cone moves", CommandId::UniversalManipulatorTool, 1, 0.8f, 0, 41,
     [](const Point3D& p, const Point3D&, float px) { return p + Point3D(0, 40 * px, 0); }},
    {"snapping: a drag near 0.5 moves exactly 0.5", CommandId::SnapManipulatorTool, 0, 0.62f, 0, 0,
     [](const Point3D& p, const Point3D&, float) { return p + Point3D(0.5f, 0, 0); }},
};

} // namespace

class ManipulatorDragTest : public ManipulatorScene {};

TEST_F(ManipulatorDragTest, EachHandleDragsByItsFormulaAndUndoRedoRestoreExactly)
{
    Shape* grid = add(fixtures::openGrid(2, 2));
    for (Vertex* v : grid->vertices)
        v->setPosition(v->x - 1, v->y - 1, v->z);
    selectVertices(grid, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        run(row.command);
        const std::vector<Point3D> before = positions(*grid);
        const Point3D c = tools().frame.centre;
        const float px = pixel();
        int x, y;
        if (row.axis == 3)
            screenOf(c, x, y);
        else
            handleAt(row.axis, row.units, x, y);
        int dx = row.dx;
        if (row.command == CommandId::SnapManipulatorTool)
            dx = static_cast<int>(std::lround(0.47f / px)) + 1; // 0.47 after the first pixel
        drag(x, y, dx, row.dy);
        const std::vector<Point3D> after = positions(*grid);
        for (size_t i = 0; i < after.size(); ++i)
            expectNear(after[i], row.expected(before[i], c, px), 2e-3f);

        run(CommandId::Undo);
        for (size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(Point3D(grid->vertices[int(i)]).distance(before[i]), 0.0f) << i;
        run(CommandId::Redo);
        for (size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(Point3D(grid->vertices[int(i)]).distance(after[i]), 0.0f) << i;
        EXPECT_EQ(validateTopology(*grid), "");
        run(CommandId::Undo); // the next row starts where this one did
        expectNear(tools().frame.centre, c, 1e-6f);
    }
}

TEST_F(ManipulatorDragTest, AtLevelTwoTheLevelsFollowTheControlMeshAndUndoBringsThemBack)
{
    Shape* cube = add(fixtures::cube());
    cube->subdivide();
    cube->subdivide();
    ASSERT_EQ(cube->currentLevel(), 2);
    selectVertices(cube, {0, 1, 2, 3, 4, 5, 6, 7});
    const InnerShape& level = *cube->levelStack.levelMesh(2);
    std::vector<Point3D> before;
    for (const Vertex* v : level.vertices)
        before.emplace_back(*v);
    int x, y;
    handleAt(0, 0.8f, x, y);
    const float px = pixel();
    drag(x, y, 41, 0);
    for (int i = 0; i < level.vertices.count(); ++i)
        expectNear(*level.vertices[i], before[i] + Point3D(40 * px, 0, 0), 2e-3f);
    run(CommandId::Undo);
    for (int i = 0; i < level.vertices.count(); ++i)
        expectNear(*level.vertices[i], before[i], 1e-5f);
    EXPECT_EQ(validateTopology(level), "");
}

TEST_F(ManipulatorDragTest, ObjectModeMovesWholeObjects)
{
    Shape* cube = add(fixtures::cube());
    Shape* other = add(fixtures::cube());
    other->set(Geometry::Selected, false);
    scene.selectionManager->refreshDisplay();
    const std::vector<Point3D> before = positions(*cube), still = positions(*other);
    const Point3D pivot(&cube->pivot());
    int x, y;
    handleAt(1, 0.8f, x, y);
    const float px = pixel();
    drag(x, y, 0, 21);
    for (int i = 0; i < cube->vertices.count(); ++i)
        expectNear(*cube->vertices[i], before[i] + Point3D(0, 20 * px, 0), 2e-3f);
    expectNear(cube->pivot(), pivot + Point3D(0, 20 * px, 0), 2e-3f);
    for (int i = 0; i < other->vertices.count(); ++i)
        EXPECT_EQ(Point3D(other->vertices[i]).distance(still[i]), 0.0f);
}

// "Select Viewport Image" hands the image's corners to the manipulator: a
// drag moves the image, and one undo puts it back.
TEST_F(ManipulatorDragTest, TheSelectedViewportImageMovesLikeGeometry)
{
    const float corners[12] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
    const float uvs[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    SceneDisplayManager& display = *scene.displayManager;
    const int view = viewOfCamera(display.activeCameraIndex());
    display.setReferenceImage(view, "image.png", corners, uvs);
    run(CommandId::SelectViewportImage);
    ASSERT_TRUE(tools().frame.hasTarget());
    const float px = pixel();
    drag(464, 300, 41, 0); // the X handle
    const ReferenceImage& image = display.referenceImageList().front();
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(image.corners[i][0], corners[3 * i] + 40 * px, 2e-3f);
    run(CommandId::Undo);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.corners[i][0], corners[3 * i]);
}
