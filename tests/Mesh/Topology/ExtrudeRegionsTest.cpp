// Extruding regions of faces together, and extruding edges.
#include <gtest/gtest.h>

#include "Mesh/Material.h"
#include "Mesh/Topology/ExtrudeRegions.h"
#include "Tools/FrameDirections.h"
#include "Tools/ManipulatorFrame.h"
#include "ExtrusionSupport.h"

using namespace fixtures;

namespace {

TEST(ExtrudeRegions, BlockOfAGridRisesAsOnePieceWithWalls)
{
    // 3 × 3 grid, the 2 × 2 block in its corner: 8 rim vertices come off,
    // the block's middle vertex rises itself; 8 walls, 4 of them on the
    // mesh border.
    ShapePtr s(take<Shape>(*openGrid(3, 3)));
    Vertex* middle = s->vertices[5];
    RecordingDirections rec;
    EXPECT_EQ(extrudeFaceRegions(*s, facesAt(*s, {0, 1, 3, 4}), &rec), 4);
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{16 + 8, 24 + 16, 9 + 8, 12}));
    EXPECT_TRUE(windingConsistent(*s));
    ASSERT_EQ(rec.points.size(), 9u);
    EXPECT_EQ(rec.finished.size(), 1u);
    int risingOld = 0;
    for (auto& [v, d] : rec.points) {
        EXPECT_NEAR(d.z, 1.0f, 1e-6f);
        risingOld += v == middle;
    }
    EXPECT_EQ(risingOld, 1);
    rec.apply(1.0f);
    s->update(true, false, -1);
    for (int i : {0, 1, 3, 4})
        EXPECT_NEAR(s->faces[i]->centre().z, 1.0f, 1e-6f);
    for (int i : {2, 5, 6, 7, 8})
        EXPECT_NEAR(s->faces[i]->centre().z, 0.0f, 1e-6f);
    // Walls face away from the block, whose centre is (1, 1).
    for (int i = 9; i < 17; ++i) {
        const Point3D c = s->faces[i]->centre();
        EXPECT_GT(s->faces[i]->normal.dot(Point3D(c.x - 1, c.y - 1, 0)), 0.0f) << i;
    }
}

TEST(ExtrudeRegions, CornerFansAndBentRegions)
{
    {
        // Diagonal faces of a 2 × 2 grid meet at one vertex only: two regions,
        // each with its own copy of it.
        MeshPtr m = openGrid(2, 2);
        EXPECT_EQ(extrudeFaceRegions(*m, facesAt(*m, {0, 3}), nullptr), 2);
        EXPECT_EQ(validateTopology(*m), "");
        EXPECT_EQ(countsOf(*m), (EditCounts{9 + 8, 12 + 16, 4 + 8, 8}));
        for (const Corner& a : m->faces[0]->corners)
            for (const Corner& b : m->faces[3]->corners)
                EXPECT_NE(a.vertex, b.vertex);
    }
    {
        // Two faces of a cube round their shared edge: its ends rise along
        // the mean of both normals; the cube stays closed.
        ShapePtr s(take<Shape>(*cube()));
        RecordingDirections rec;
        EXPECT_EQ(extrudeFaceRegions(*s, facesAt(*s, {1, 2}), &rec), 2);
        EXPECT_EQ(validateTopology(*s), "");
        EXPECT_EQ(countsOf(*s), (EditCounts{8 + 6, 12 + 12, 6 + 6, 0}));
        EXPECT_TRUE(windingConsistent(*s));
        int bent = 0;
        for (auto& [v, d] : rec.points)
            bent += std::abs(d.y + 0.70710678f) < 1e-5f && std::abs(d.z - 0.70710678f) < 1e-5f;
        EXPECT_EQ(bent, 2);
    }
}

TEST(ExtrudeRegions, HolesFoldsAndNonManifoldEdgesStayValid)
{
    MeshPtr holed = quadWithHole();
    EXPECT_EQ(extrudeFaceRegions(*holed, allFaces(*holed), nullptr), 1);
    EXPECT_EQ(validateTopology(*holed), "");
    EXPECT_EQ(countsOf(*holed), (EditCounts{8 + 8, 8 + 16, 1 + 8, 8}));
    EXPECT_TRUE(windingConsistent(*holed));
    for (MeshPtr (*make)() : {fold, nonManifold, mixedPolygons}) {
        MeshPtr m = make();
        extrudeFaceRegions(*m, allFaces(*m), nullptr);
        EXPECT_EQ(validateTopology(*m), "");
    }
}

TEST(ExtrudeRegions, WallsTakeMaterialCoordinatesAndCreases)
{
    MeshPtr m = openGrid(1, 1);
    Material red;
    Face* f = m->faces[0];
    f->material = &red;
    for (int k = 0; k < 4; ++k)
        f->corners[k].u = static_cast<float>(k);
    Edge* creased = f->corners[0].edge;
    creased->set(Geometry::Creased);
    EXPECT_EQ(extrudeFaceRegions(*m, facesAt(*m, {0}), nullptr), 1);
    EXPECT_EQ(validateTopology(*m), "");
    const Face* wall = creased->faces[0];
    ASSERT_NE(wall, f);
    EXPECT_EQ(wall->material, &red);
    const float expected[4] = {0, 1, 1, 0};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(wall->corners[k].u, expected[k]);
    EXPECT_TRUE(creased->has(Geometry::Creased));
    EXPECT_TRUE(f->corners[0].edge->has(Geometry::Creased));
    EXPECT_FALSE(f->corners[1].edge->has(Geometry::Creased));
}

TEST(ExtrudeRegions, WholeClosedSurfaceRisesInPlaceAndOneTorusFaceGetsWalls)
{
    ShapePtr all = subdividedTorus();
    RecordingDirections rec;
    EXPECT_EQ(extrudeFaceRegions(*all, allFaces(*all), &rec), 48);
    EXPECT_EQ(validateTopology(*all), "");
    EXPECT_EQ(countsOf(*all), (EditCounts{48, 96, 48, 0}));
    EXPECT_EQ(rec.points.size(), 48u);

    // At level 1 the levels follow the new control mesh; the value comes
    // through the manipulation target as the extrude tool sets it.
    ShapePtr one = subdividedTorus();
    one->subdivide();
    ManipulatorFrame frame;
    FrameDirections directions(frame, *one);
    Face* f = one->faces[7];
    const Point3D before = f->centre();
    EXPECT_EQ(extrudeFaceRegions(*one, facesAt(*one, {7}), &directions), 1);
    EXPECT_EQ(directions.commit(), 4);
    EXPECT_EQ(validateTopology(*one), "");
    EXPECT_EQ(countsOf(*one), (EditCounts{52, 104, 52, 0}));
    EXPECT_TRUE(windingConsistent(*one));
    EXPECT_EQ(one->levelStack.levelMesh(1)->faces.count(), 4 * 52);
    frame.captureStart();
    frame.setValue(0.5f);
    frame.finish();
    EXPECT_NEAR((f->centre() - before).length(), 0.5f, 1e-5f);
}

TEST(ExtrudeRegions, SymmetryTakesThePartnerAndPairsTheNewElements)
{
    ShapePtr s = symmetricPair();
    RecordingDirections rec;
    EXPECT_EQ(extrudeFaceRegions(*s, facesAt(*s, {1}), &rec), 2);
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{12, 7 + 12, 2 + 6, 6}));
    rec.apply(0.5f);
    expectMirrored(*s);
}

TEST(ExtrudeEdges, BorderChainPullsOutAJoinedStrip)
{
    ShapePtr s(take<Shape>(*openGrid(2, 1)));
    Material red;
    s->faces[0]->material = &red;
    RecordingDirections rec;
    EXPECT_EQ(extrudeEdges(*s, edgesBetween(*s, {{0, 1}, {1, 2}}), &rec), 2);
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{6 + 3, 7 + 5, 2 + 2, 8}));
    EXPECT_TRUE(windingConsistent(*s));
    ASSERT_EQ(rec.points.size(), 3u);
    for (auto& [v, d] : rec.points)
        EXPECT_NEAR(d.z, 1.0f, 1e-6f);
    EXPECT_EQ(s->faces[2]->material, &red);
    // Interior edges are left alone.
    EXPECT_EQ(extrudeEdges(*s, edgesBetween(*s, {{1, 4}}), nullptr), 0);
    EXPECT_EQ(countsOf(*s), (EditCounts{9, 12, 4, 8}));
}

TEST(ExtrudeEdges, SymmetryExtrudesThePartnerEdge)
{
    ShapePtr s = symmetricPair();
    EXPECT_EQ(extrudeEdges(*s, edgesBetween(*s, {{2, 5}}), nullptr), 2);
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{10, 7 + 6, 4, 10}));
    for (Vertex* v : s->vertices)
        if (v->z == 0 && v->index >= 6)
            v->z = 1; // lift the copies to tell them from the originals
    expectMirrored(*s);
}

} // namespace
