// Bridging: a tube of quads between two faces or two border loops, facing
// the way its neighbours do.
#include <gtest/gtest.h>

#include "Mesh/Topology/Bridge.h"
#include "EditSupport.h"
#include "support/Fixtures.h"

using namespace fixtures;

namespace {

// Two cubes of half size 1, the second 4 above the first, in one mesh.
MeshPtr stackedCubes(bool turnSecond)
{
    std::vector<Point> points;
    for (float dz : {0.0f, 4.0f})
        for (Point p : std::vector<Point>{{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}})
            points.push_back({turnSecond && dz > 0 ? -p.y : p.x, turnSecond && dz > 0 ? p.x : p.y, p.z + dz});
    std::vector<std::vector<int>> faces;
    for (int o : {0, 8})
        for (std::vector<int> f : std::vector<std::vector<int>>{{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}}) {
            for (int& i : f)
                i += o;
            faces.push_back(f);
        }
    return meshFrom(points, faces);
}

TEST(Bridge, FacingFacesOfTwoCubesBecomeOneClosedOutwardSurface)
{
    for (bool turned : {false, true}) {
        MeshPtr m = stackedCubes(turned);
        ASSERT_TRUE(bridgeFaces(*m, m->faces[1], m->faces[6]));
        EXPECT_EQ(countsOf(*m), (EditCounts{16, 28, 14, 0}));
        EXPECT_TRUE(windingConsistent(*m));
        // The tube's quads stand upright, each pairing points straight above
        // one another, and face away from the axis.
        for (int i = 10; i < 14; ++i) {
            Face* q = m->faces[i];
            EXPECT_NEAR(q->computeNormal().z, 0.0f, 1e-6f);
            EXPECT_GT(q->normal.dot(q->centre() - Point3D(0, 0, q->centre().z)), 0.5f);
            EXPECT_FLOAT_EQ(q->corners[1].vertex->x, q->corners[2].vertex->x);
            EXPECT_FLOAT_EQ(q->corners[1].vertex->y, q->corners[2].vertex->y);
        }
        EXPECT_EQ(validateTopology(*m), "");
    }
}

TEST(Bridge, RefusesFacesThatDoNotQualify)
{
    MeshPtr c = cube();
    const EditCounts before = countsOf(*c);
    EXPECT_FALSE(bridgeFaces(*c, c->faces[0], c->faces[2])); // share a side
    EXPECT_FALSE(bridgeFaces(*c, c->faces[0], c->faces[0]));
    MeshPtr mixed = mixedPolygons();
    EXPECT_FALSE(bridgeFaces(*mixed, mixed->faces[0], mixed->faces[2])); // 6 and 3 corners
    EXPECT_EQ(countsOf(*c), before);
}

TEST(Bridge, TheTwoRimsOfATubeCloseIntoATorus)
{
    MeshPtr m = openTube(8, 2);
    List<Edge*> rims;
    for (Edge* e : m->edges)
        if (e->faces.count() == 1)
            rims.append(e);
    ASSERT_TRUE(bridgeBorders(*m, rims));
    EXPECT_EQ(countsOf(*m), (EditCounts{24, 48, 24, 0}));
    EXPECT_TRUE(windingConsistent(*m));
    for (int i = 16; i < 24; ++i)
        for (const Corner& c : m->faces[i]->corners)
            EXPECT_NE(c.vertex->z, 1.0f);
    EXPECT_EQ(validateTopology(*m), "");
    // One loop, or inner edges, are no pair of borders.
    MeshPtr open = openTube(8, 1);
    List<Edge*> one;
    for (Edge* e : open->edges)
        if (e->faces.count() == 1 && e->startVertex->z == 0.0f)
            one.append(e);
    EXPECT_FALSE(bridgeBorders(*open, one));
    EXPECT_FALSE(bridgeBorders(*m, rims));
}

} // namespace
