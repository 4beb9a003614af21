// The object-level protocol: edits reach every subdivision level. Levels
// come from a stand-in builder that copies the level below (flags included)
// with one-to-one stencils, so what the levels show is the control mesh.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/AddPolygon.h"
#include "Mesh/Topology/Crease.h"
#include "Mesh/Topology/ExtrudeFacesSeparately.h"
#include "Mesh/Topology/FillHole.h"
#include "Mesh/Topology/ObjectProtocol.h"
#include "Mesh/Topology/Triangulate.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

class ObjectProtocol : public ::testing::Test {
protected:
    static ShapePtr withLevels(const InnerShape& mesh, int count)
    {
        ShapePtr s(take<Shape>(mesh));
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(s->levelStack.stepUp());
        return s;
    }

    CopyLevelBuilder builder;
};

TEST_F(ObjectProtocol, CreasingRebuildsEveryLevelWithTheCreases)
{
    ShapePtr s = withLevels(*cube(), 2);
    List<Edge*> edges;
    edges.append(s->edges[2]);
    crease(*s, edges);
    for (int level = 1; level <= 2; ++level) {
        const InnerShape* m = s->levelStack.levelMesh(level);
        for (int i = 0; i < m->edges.count(); ++i)
            EXPECT_EQ(m->edges[i]->has(Geometry::Creased), i == 2) << "level " << level;
    }
    EXPECT_EQ(s->currentLevel(), 2);
    uncrease(*s, edges);
    EXPECT_FALSE(s->levelStack.levelMesh(2)->edges[2]->has(Geometry::Creased));
}

TEST_F(ObjectProtocol, EditTouchesRunsTheOperationAndRebuildsTheLevels)
{
    ShapePtr s = withLevels(*ngon(6), 1);
    const int before = s->changeCount;
    int seen = 0;
    int result = editTopology(*s, [&](InnerShape& mesh) {
        seen = mesh.changeCount;
        return triangulateAll(mesh);
    });
    EXPECT_EQ(result, 4);
    EXPECT_EQ(seen, before + 1);
    EXPECT_EQ(s->levelStack.maxBuiltLevel(), 1);
    EXPECT_EQ(s->levelStack.levelMesh(1)->faces.count(), 4);
    EXPECT_EQ(validateTopology(*s->levelStack.levelMesh(1)), "");
}

TEST_F(ObjectProtocol, ObjectOperationsReachTheLevels)
{
    ShapePtr s = withLevels(*openGrid(2, 2), 1);
    extrudeFacesSeparately(*s, facesAt(*s, {0}), nullptr);
    EXPECT_EQ(s->levelStack.levelMesh(1)->faces.count(), 8);
    ASSERT_TRUE(fillHole(*s, s->findEdge(s->vertices[0], s->vertices[1]), -1));
    EXPECT_EQ(s->levelStack.levelMesh(1)->faces.count(), 9);
    EXPECT_EQ(validateTopology(*s), "");
    Face* f = addPolygon(*s, verticesAt(*s, {0, 1, 4}));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(s->levelStack.levelMesh(1)->faces.count(), 10);
    EXPECT_EQ(f->index, 9);
}

} // namespace
