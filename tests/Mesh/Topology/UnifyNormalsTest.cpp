// Unify normals: per connected part, the larger agreeing set of faces
// decides which way the part faces.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/UnifyNormals.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

TEST(UnifyNormals, TheLargerAgreeingSetWinsPerPart)
{
    struct Case {
        std::initializer_list<int> flippedFirst; // faces reversed before the run
        int expectedTurned;
        float topNormalZ;                        // where face 1 (the top) ends up facing
    } cases[] = {
        {{}, 0, 1},
        {{1}, 1, 1},
        {{0, 1}, 2, 1},
        {{0, 1, 2, 3}, 2, -1}, // four of six turned in: the cube ends up facing in
    };
    for (const Case& c : cases) {
        ShapePtr s(take<Shape>(*cube()));
        s->InnerShape::flipFaces(facesAt(*s, c.flippedFirst));
        EXPECT_EQ(unifyNormals(*s, allFaces(*s)), c.expectedTurned);
        EXPECT_TRUE(windingConsistent(*s));
        EXPECT_FLOAT_EQ(s->faces[1]->normal.z, c.topNormalZ);
        EXPECT_EQ(validateTopology(*s), "");
    }
    // Only listed faces count: a flipped face outside the list stays.
    MeshPtr m = openGrid(3, 1);
    m->flipFaces(facesAt(*m, {1}));
    EXPECT_EQ(unifyNormals(*m, facesAt(*m, {0, 2})), 0);
    EXPECT_EQ(unifyNormals(*m, facesAt(*m, {0, 1})), 1);
    EXPECT_TRUE(windingConsistent(*m));
}

} // namespace
