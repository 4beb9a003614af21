// Directions of the value tools that move existing points: local move along
// normals, the connected groups, and local scale away from each group's centre.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ComponentDirections.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

struct Recorded : PointDirections {
    void addPoint(Vertex* v, const Point3D& direction, const Point3D&, float) override { points[v] = direction; }
    void finishObject(InnerShape&) override {}
    std::map<Vertex*, Point3D> points;
};

void expectNear(const Point3D& a, const Point3D& b)
{
    EXPECT_NEAR(a.x, b.x, 1e-5f);
    EXPECT_NEAR(a.y, b.y, 1e-5f);
    EXPECT_NEAR(a.z, b.z, 1e-5f);
}

} // namespace

TEST(ComponentDirections, LocalMoveFollowsTheSelectedFacesAroundEachVertex)
{
    ShapePtr s(take<Shape>(*cube()));
    s->setShadingMode(InnerShape::FlatShade);
    s->update(true, true, -1);
    ComponentLists faces;
    faces.faces.append(s->faces[0]);
    Recorded out;
    EXPECT_EQ(localMoveDirections(*s, faces, out), 4);
    for (const auto& [v, d] : out.points)
        expectNear(d, s->faces[0]->normal);

    // Two faces meeting at an edge: the shared corners go along their mean normal.
    faces.faces.append(s->faces[2]);
    Recorded both;
    EXPECT_EQ(localMoveDirections(*s, faces, both), 8 - 2);
    const float r = 1 / std::sqrt(2.0f);
    expectNear(both.points[s->vertices[0]], Point3D(0, -r, -r));
    expectNear(both.points[s->vertices[4]], Point3D(0, -1, 0));

    // A lone vertex of a flat-shaded cube (whose vertex normals are not kept)
    // goes along the mean of the three faces around it.
    ComponentLists corner;
    corner.vertices.append(s->vertices[0]);
    Recorded alone;
    EXPECT_EQ(localMoveDirections(*s, corner, alone), 1);
    Point3D mean(0, 0, 0);
    for (const Face* f : s->faces)
        for (const Corner& c : f->corners)
            if (c.vertex == s->vertices[0])
                mean = mean + f->normal;
    EXPECT_NEAR(mean.length(), std::sqrt(3.0f), 1e-4f);
    expectNear(alone.points[s->vertices[0]], mean.normalized());
}

TEST(ComponentDirections, GroupsJoinBySharedVerticesAndScaleAboutTheirOwnCentres)
{
    ShapePtr grid(take<Shape>(*openGrid(3, 1)));
    grid->update(true, true, -1);
    ComponentLists ends;
    ends.faces.append(grid->faces[0]);
    ends.faces.append(grid->faces[2]);
    const std::vector<ComponentGroup> groups = componentGroups(*grid, ends);
    ASSERT_EQ(groups.size(), 2u);
    for (const ComponentGroup& g : groups) {
        EXPECT_EQ(g.vertices.count(), 4);
        expectNear(g.normal, grid->faces[0]->normal);
    }
    expectNear(groups[0].centre, Point3D(0.5f, 0.5f, 0));

    Recorded out;
    EXPECT_EQ(localScaleDirections(*grid, ends, out), 8);
    for (const ComponentGroup& g : groups)
        for (Vertex* v : g.vertices)
            expectNear(out.points[v], *v - g.centre);

    // Vertices join only through an edge between them.
    ComponentLists vertices;
    vertices.vertices.append(grid->vertices[0]);
    vertices.vertices.append(grid->vertices[1]);
    EXPECT_EQ(componentGroups(*grid, vertices).size(), 1u);
    vertices.vertices.append(grid->vertices[3]);
    EXPECT_EQ(componentGroups(*grid, vertices).size(), 2u);
}
