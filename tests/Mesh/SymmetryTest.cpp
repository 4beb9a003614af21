// Pairing vertices and faces across a symmetry plane, and deriving the plane
// from an edge that lies on it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Symmetry.h"
#include "support/Fixtures.h"

namespace {

MirrorPlane planeAt(float x)
{
    MirrorPlane plane;
    plane.set(Point3D(x, 0, 0), Point3D(1, 0, 0));
    return plane;
}

// The counts as paired, on-plane and unpaired vertices, then paired, self and unpaired faces.
std::vector<int> counted(const SymmetryCounts& c)
{
    return {c.pairedVertices, c.onPlaneVertices, c.unpairedVertices, c.pairedFaces, c.selfFaces, c.unpairedFaces};
}

// Every partner is mutual and sits at the reflection of its vertex.
void expectMutualPartners(const InnerShape& mesh, const MirrorPlane& plane)
{
    for (const Vertex* v : mesh.vertices) {
        if (!v->mirror)
            continue;
        EXPECT_EQ(v->mirror->mirror, v);
        EXPECT_NEAR(plane.reflect(*v).distance(*v->mirror), 0.0f, 1e-4f);
        EXPECT_EQ(v->has2(Geometry::OnPlane), v->mirror == v);
    }
    for (const Face* f : mesh.faces)
        EXPECT_TRUE(!f->mirror || f->mirror->mirror == f);
}

TEST(SymmetryPairs, SymmetricGridPairsEveryVertexAndFace)
{
    MeshPtr grid = fixtures::openGrid(4, 2);
    const MirrorPlane plane = planeAt(2);
    EXPECT_EQ(counted(calculateSymmetry(*grid, plane, MinSymmetryTolerance)), (std::vector<int>{12, 3, 0, 8, 0, 0}));
    // Every vertex paired, each at its reflection: the pairing is exact.
    expectMutualPartners(*grid, plane);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(grid->faces[j * 4 + i]->mirror, grid->faces[j * 4 + 3 - i]);
}

TEST(SymmetryPairs, VerticesWithoutACounterpartKeepNoPartner)
{
    MeshPtr grid = fixtures::openGrid(2, 1);
    grid->vertices[5]->setPosition(2.3f, 1, 0);
    EXPECT_EQ(counted(calculateSymmetry(*grid, planeAt(1), MinSymmetryTolerance)), (std::vector<int>{2, 2, 2, 0, 0, 2}));
    EXPECT_TRUE(!grid->vertices[5]->mirror && !grid->vertices[3]->mirror && !grid->faces[0]->mirror);
    EXPECT_EQ(grid->vertices[0]->mirror, grid->vertices[2]);
}

TEST(SymmetryPairs, ARerunClearsEarlierPartnersAndMarks)
{
    MeshPtr grid = fixtures::openGrid(4, 1);
    calculateSymmetry(*grid, planeAt(0), MinSymmetryTolerance);
    EXPECT_TRUE(grid->vertices[0]->has2(Geometry::OnPlane));
    calculateSymmetry(*grid, planeAt(2), MinSymmetryTolerance);
    EXPECT_FALSE(grid->vertices[0]->has2(Geometry::OnPlane));
    EXPECT_EQ(grid->vertices[0]->mirror, grid->vertices[4]);
    MirrorPlane far;
    far.set(Point3D(0, 100, 0), Point3D(0, 1, 0));
    EXPECT_EQ(counted(calculateSymmetry(*grid, far, MinSymmetryTolerance)), (std::vector<int>{0, 0, 10, 0, 0, 4}));
    EXPECT_TRUE(!grid->vertices[0]->mirror && !grid->faces[0]->mirror);
}

TEST(SymmetryPairs, CoincidentVerticesPairOneToOneAndNonFiniteOnesStayUnpaired)
{
    MeshPtr mesh = fixtures::meshFrom(
        {{1, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {NAN, 0, 0}, {1, INFINITY, 0}}, {});
    EXPECT_EQ(counted(calculateSymmetry(*mesh, planeAt(0), MinSymmetryTolerance)), (std::vector<int>{4, 0, 3, 0, 0, 0}));
    EXPECT_EQ(mesh->vertices[5]->mirror, nullptr);
    expectMutualPartners(*mesh, planeAt(0));
}

TEST(SymmetryTolerance, PartnersCountOnlyStrictlyWithinTheTolerance)
{
    // The last pair is 0.00015 off on two axes: within the tolerance on each,
    // though farther in distance.
    MeshPtr mesh = fixtures::meshFrom({{0.5f, 0, 0}, {-0.50015f, 0, 0}, {0.5f, 1, 0}, {-0.50025f, 1, 0},
                                       {0.00009f, 2, 0}, {0.00011f, 3, 0}, {0.5f, 4, 0}, {-0.50015f, 4.00015f, 0}},
                                      {});
    calculateSymmetry(*mesh, planeAt(0), MinSymmetryTolerance);
    EXPECT_EQ(mesh->vertices[0]->mirror, mesh->vertices[1]);
    EXPECT_EQ(mesh->vertices[6]->mirror, mesh->vertices[7]);
    EXPECT_TRUE(!mesh->vertices[2]->mirror && !mesh->vertices[3]->mirror);
    EXPECT_TRUE(mesh->vertices[4]->has2(Geometry::OnPlane));
    EXPECT_EQ(mesh->vertices[4]->mirror, mesh->vertices[4]);
    EXPECT_TRUE(!mesh->vertices[5]->has2(Geometry::OnPlane) && !mesh->vertices[5]->mirror);
    // A larger tolerance reaches further; a smaller one is raised to the least.
    calculateSymmetry(*mesh, planeAt(0), 0.0003f);
    EXPECT_EQ(mesh->vertices[2]->mirror, mesh->vertices[3]);
    calculateSymmetry(*mesh, planeAt(0), 0.00001f);
    EXPECT_EQ(mesh->vertices[0]->mirror, mesh->vertices[1]);
    EXPECT_EQ(mesh->vertices[2]->mirror, nullptr);
}

TEST(SymmetryScale, LargeMeshIsPairedWithoutComparingEveryPair)
{
    // 200 000 vertices: a search over all pairs would take minutes.
    MeshPtr mesh(take<InnerShape>());
    for (int j = 0; j < 400; ++j)
        for (int i = 0; i < 500; ++i)
            mesh->addVertex(take<Vertex>(i * 0.01f - 2.495f, j * 0.01f, 0.0f));
    auto start = std::chrono::steady_clock::now();
    SymmetryCounts counts = calculateSymmetry(*mesh, planeAt(0), MinSymmetryTolerance);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(counts.pairedVertices, 200000);
    EXPECT_LT(seconds, 10.0);
    EXPECT_EQ(mesh->vertices[0]->mirror, mesh->vertices[499]);
}

TEST(SymmetryFromEdge, RidgeOrBoundaryGivesThePlaneBetweenOrBeyondItsFaces)
{
    // The edge x = y = 1 of the cube lies on the diagonal plane x = y.
    MeshPtr cube = fixtures::cube();
    Edge* ridge = cube->findEdge(cube->vertices[2], cube->vertices[6]);
    ASSERT_NE(ridge, nullptr);
    MirrorPlane plane;
    ASSERT_TRUE(symmetryPlaneFromEdge(*ridge, plane));
    EXPECT_NEAR(plane.reflect(Point3D(1, -1, 0.5f)).distance(Point3D(-1, 1, 0.5f)), 0.0f, 1e-5f);
    MeshPtr half = fixtures::openGrid(1, 1);
    Edge* border = half->findEdge(half->vertices[1], half->vertices[3]);
    ASSERT_NE(border, nullptr);
    ASSERT_TRUE(symmetryPlaneFromEdge(*border, plane));
    EXPECT_NEAR(plane.reflect(Point3D(0, 0.5f, 0)).distance(Point3D(2, 0.5f, 0)), 0.0f, 1e-5f);
}

TEST(SymmetryFromEdge, EdgesThatGiveNoPlaneChangeNothing)
{
    MeshPtr grid = fixtures::openGrid(1, 1);
    grid->mirrorPlane.set(Point3D(0, 7, 0), Point3D(0, 1, 0));
    Edge* wire = take<Edge>(grid->vertices[0], grid->vertices[3]);
    grid->addEdge(wire);
    SymmetryCounts counts;
    EXPECT_FALSE(calculateSymmetryFromEdge(*grid, *wire, MinSymmetryTolerance, counts));
    EXPECT_FLOAT_EQ(grid->mirrorPlane.point.y, 7.0f);
    EXPECT_FALSE(grid->vertices[0]->mirror);
    Edge* collapsed = grid->edges[0];
    collapsed->endVertex = collapsed->startVertex;
    MirrorPlane plane;
    EXPECT_FALSE(symmetryPlaneFromEdge(*collapsed, plane));
}

} // namespace
