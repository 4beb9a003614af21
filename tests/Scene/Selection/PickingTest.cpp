// Picking at known pixels of hand-built views, without a display: the
// front-most element against everything under the cursor, outlines that
// enclose or only touch, and objects picked at their current level.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Mesh/Vertex.h"
#include "Scene/Selection/Picking.h"
#include "support/Fixtures.h"

namespace {

constexpr int viewSize = 200;

// Looking from `eye` at `target`, y up; orthographic ones 4 units high.
Camera lookingFrom(Point3D eye, bool orthographic, Point3D target = {0, 0, 0})
{
    Camera c("test", Camera::Model, orthographic, true, eye, target, Point3D(0, 1, 0));
    c.halfHeight = 2;
    c.angle = 20;
    return c;
}

// One object, picked through a view of 200 × 200 pixels.
struct Picking {
    explicit Picking(const MeshPtr& mesh) : shape(take<Shape>(*mesh)) {}

    const Picker& through(const Camera& camera)
    {
        view = ViewProjection(camera, ViewRect{0, 0, viewSize, viewSize});
        const LevelMapping& map = maps.of(*shape);
        objects = {PickObject{shape.get(), 0, map.mesh, &map}};
        pickView.prepare(view, objects);
        picker = std::make_unique<Picker>(pickView, objects);
        return *picker;
    }
    PixelPoint at(const Point3D& world) const
    {
        double x = 0, y = 0, depth = 0;
        EXPECT_TRUE(view.project(world, x, y, depth));
        return {x, y};
    }
    std::vector<int> elements(const std::vector<PickHit>& hits) const
    {
        std::vector<int> list;
        for (const PickHit& h : hits)
            list.push_back(h.element);
        std::ranges::sort(list);
        return list;
    }
    // Positions in the control lists, found by geometry.
    int vertexAt(Point3D p) const
    {
        for (int i = 0; i < shape->vertices.count(); ++i)
            if ((*shape->vertices[i] - p).length() < 1e-4f)
                return i;
        return -1;
    }
    int faceCentredAt(Point3D p) const
    {
        for (int i = 0; i < shape->faces.count(); ++i)
            if ((shape->faces[i]->centre() - p).length() < 1e-4f)
                return i;
        return -1;
    }
    int edgeJoining(Point3D a, Point3D b) const
    {
        for (int i = 0; i < shape->edges.count(); ++i)
            if (shape->edges[i]->joins(shape->vertices[vertexAt(a)], shape->vertices[vertexAt(b)]))
                return i;
        return -1;
    }

    std::unique_ptr<Shape, ReleaseGeometry> shape;
    LevelMappings maps;
    PickView pickView;
    ViewProjection view;
    std::vector<PickObject> objects;
    std::unique_ptr<Picker> picker;
};

std::vector<int> sorted(std::vector<int> list)
{
    std::ranges::sort(list);
    return list;
}

} // namespace

// A cube seen face-on: visible-only finds the front element, through also
// the one stacked behind it.
TEST(Picking, FrontMostAgainstThrough)
{
    Picking p(fixtures::cube());
    const Picker& picker = p.through(lookingFrom({0, 0, 10}, true));
    const Point3D front(0, 0, 1), back(0, 0, -1);
    struct Row {
        int kind;
        Point3D cursor;
        std::vector<int> visible, all;
    } rows[] = {
        {PickFaces, front, {p.faceCentredAt(front)}, {p.faceCentredAt(front), p.faceCentredAt(back)}},
        {PickVertices, {1, 1, 1}, {p.vertexAt({1, 1, 1})}, {p.vertexAt({1, 1, 1}), p.vertexAt({1, 1, -1})}},
        {PickEdges, {0, 1, 1}, {p.edgeJoining({-1, 1, 1}, {1, 1, 1})},
         {p.edgeJoining({-1, 1, 1}, {1, 1, 1}), p.edgeJoining({-1, 1, -1}, {1, 1, -1})}},
    };
    for (const Row& r : rows) {
        const PixelPoint cursor = p.at(r.cursor);
        EXPECT_EQ(p.elements(picker.at(r.kind, cursor.x, cursor.y, false)), sorted(r.visible)) << r.kind;
        EXPECT_EQ(p.elements(picker.at(r.kind, cursor.x, cursor.y, true)), sorted(r.all)) << r.kind;
    }
    // The multi mode takes a vertex near the cursor before the face under it.
    const PixelPoint corner = p.at({1, 1, 1});
    EXPECT_EQ(picker.kindAt(corner.x - 2, corner.y - 2, false), PickVertices);
    EXPECT_EQ(picker.kindAt(p.at(front).x, p.at(front).y, false), PickFaces);
    EXPECT_EQ(picker.kindAt(5, 5, false), -1);

    // Hiding the front face shows the back one, without a new camera.
    p.shape->faces[p.faceCentredAt(front)]->set(Geometry::Hidden);
    const Picker& again = p.through(lookingFrom({0, 0, 10}, true));
    const PixelPoint centre = p.at(front);
    EXPECT_EQ(p.elements(again.at(PickFaces, centre.x, centre.y, false)), std::vector<int>{p.faceCentredAt(back)});
}

// A 3 × 3 grid seen from above; the rectangle runs from half a cell before
// the first corner to half a cell into the second row and column.
TEST(Picking, OutlinesEncloseOrTouch)
{
    Picking p(fixtures::openGrid(3, 3, 1.0f));
    const Picker& picker = p.through(lookingFrom({1.5f, 1.5f, 10}, true, {1.5f, 1.5f, 0}));
    const PixelPoint a = p.at({-0.5f, -0.5f, 0}), b = p.at({1.5f, 1.5f, 0});
    const PickOutline rectangle = PickOutline::rectangle(a, b);
    struct Row {
        int kind;
        bool enclosed;
        size_t count;
    } rows[] = {
        {PickVertices, false, 4}, {PickVertices, true, 4}, {PickEdges, false, 8},
        {PickEdges, true, 4},     {PickFaces, false, 4},   {PickFaces, true, 1},
    };
    for (const Row& r : rows)
        for (bool through : {false, true})
            EXPECT_EQ(picker.inside(r.kind, rectangle, through, r.enclosed).size(), r.count)
                << r.kind << " enclosed " << r.enclosed << " through " << through;
    // An outline wholly inside one face touches it and encloses nothing.
    const PickOutline small = PickOutline::rectangle(p.at({1.4f, 1.4f, 0}), p.at({1.6f, 1.6f, 0}));
    for (bool through : {false, true}) {
        EXPECT_EQ(p.elements(picker.inside(PickFaces, small, through, false)), std::vector<int>{4});
        EXPECT_TRUE(picker.inside(PickFaces, small, through, true).empty());
    }
}

// A lasso takes what its polygon holds, not what its bounding box does.
TEST(Picking, LassoFollowsItsPolygon)
{
    Picking p(fixtures::openGrid(3, 3, 1.0f));
    p.through(lookingFrom({1.5f, 1.5f, 10}, false, {1.5f, 1.5f, 0}));
    const PickOutline lasso = PickOutline::polygon({p.at({-0.5f, -0.5f, 0}), p.at({3, -0.5f, 0}), p.at({-0.5f, 3, 0})});
    // Below the diagonal x + y = 2.5: (0,0) (1,0) (2,0) (0,1) (1,1) (0,2).
    EXPECT_EQ(p.elements(p.picker->inside(PickVertices, lasso, false, false)), (std::vector<int>{0, 1, 2, 4, 5, 8}));
}

// The front of a cube two levels up: every hit is the control element the
// level element descends from.
TEST(Picking, CurrentLevelMapsBackToControlElements)
{
    Picking p(fixtures::cube());
    ASSERT_TRUE(p.shape->subdivide());
    ASSERT_TRUE(p.shape->subdivide());
    InnerShape* level = p.shape->currentLevelMesh();
    ASSERT_NE(level, p.shape.get());
    EXPECT_EQ(validateTopology(*level), "");
    const Picker& picker = p.through(lookingFrom({5, 6, 7}, false));

    // The level vertices furthest along a direction are the smoothed corner
    // and the middle of the smoothed edge.
    auto furthest = [&](Point3D direction) {
        const Vertex* best = level->vertices[0];
        for (const Vertex* v : level->vertices)
            if (v->dot(direction) > best->dot(direction))
                best = v;
        return Point3D(best->x, best->y, best->z);
    };
    const PixelPoint corner = p.at(furthest({1, 1, 1}));
    const PixelPoint edge = p.at(furthest({0, 1, 1}));
    const PixelPoint face = p.at(furthest({0, 0, 1}));
    for (bool through : {false, true}) {
        EXPECT_EQ(p.elements(picker.at(PickVertices, corner.x, corner.y, through)),
                  std::vector<int>{p.vertexAt({1, 1, 1})});
        EXPECT_EQ(p.elements(picker.at(PickEdges, edge.x, edge.y, through)),
                  std::vector<int>{p.edgeJoining({-1, 1, 1}, {1, 1, 1})});
    }
    const int front = p.faceCentredAt({0, 0, 1});
    EXPECT_EQ(p.elements(picker.at(PickFaces, face.x + 0.5, face.y + 0.5, false)), std::vector<int>{front});
    // Fully enclosed at the level: every child face of the control face inside.
    const PickOutline all = PickOutline::rectangle({0, 0}, {viewSize, viewSize});
    EXPECT_EQ(picker.inside(PickFaces, all, true, true).size(), 6u);
    const std::vector<int> seen = p.elements(picker.inside(PickFaces, all, false, true));
    for (Point3D facing : {Point3D(1, 0, 0), Point3D(0, 1, 0), Point3D(0, 0, 1)})
        EXPECT_TRUE(std::ranges::count(seen, p.faceCentredAt(facing))) << facing.x << facing.y << facing.z;
    EXPECT_FALSE(std::ranges::count(seen, p.faceCentredAt({0, 0, -1})));
}
