// Control elements found through the current level.
#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"

namespace {

struct ReleaseShape {
    void operator()(Shape* s) const { s->release(); }
};
using ShapePtr = std::unique_ptr<Shape, ReleaseShape>;

ShapePtr cubeAtLevel(int level)
{
    ShapePtr s(take<Shape>(*fixtures::cube()));
    s->setLevel(level, true);
    EXPECT_EQ(s->currentLevel(), level);
    EXPECT_EQ(validateTopology(*s->currentLevelMesh()), "");
    return s;
}

} // namespace

class ShapeLevelView : public ::testing::TestWithParam<int> {};

// The level segments of every control edge form one path from the vertex
// point of its start to that of its end.
TEST_P(ShapeLevelView, EdgeSegmentsChainBetweenTheVertexPointsOfTheEnds)
{
    ShapePtr s = cubeAtLevel(GetParam());
    const InnerShape& level = *s->currentLevelMesh();
    for (int i = 0; i < s->edges.count(); ++i) {
        const Edge& e = *s->edges[i];
        const Vertex* at = s->levelVertexOf(s->vertices.indexOf(e.startVertex));
        const Vertex* end = s->levelVertexOf(s->vertices.indexOf(e.endVertex));
        ASSERT_TRUE(at && end);
        EXPECT_TRUE(GetParam() == 0 || (at->flags2 & Geometry::VertexPoint));
        const int start = s->levelEdgeStart(i);
        ASSERT_GE(start, 0);
        for (int k = 0; k < s->levelStack.segmentsPerEdge(); ++k) {
            const Edge& segment = *level.edges[start + k];
            ASSERT_TRUE(segment.startVertex == at || segment.endVertex == at) << "edge " << i << " segment " << k;
            at = segment.otherVertex(at);
        }
        EXPECT_EQ(at, end) << "edge " << i;
    }
    EXPECT_EQ(s->levelEdgeStart(s->edges.count()), -1);
    EXPECT_EQ(s->levelVertexOf(-1), nullptr);
}

// Hiding a control face hides its child faces and the level elements that
// only they use; showing it again shows them.
TEST_P(ShapeLevelView, HiddenControlFacesHideTheirDescendantsOnly)
{
    ShapePtr s = cubeAtLevel(GetParam());
    const InnerShape& level = *s->currentLevelMesh();
    s->faces[2]->set(Geometry::Hidden);
    s->syncLevelVisibility();
    const int start = s->levelStack.childFaceStart(2), count = s->levelStack.childFaceCount(2);
    for (int k = 0; k < level.faces.count(); ++k)
        EXPECT_EQ(level.faces[k]->isHidden(), GetParam() == 0 ? k == 2 : k >= start && k < start + count) << k;
    int hiddenEdges = 0;
    for (const Edge* e : level.edges)
        hiddenEdges += e->isHidden();
    // A level-L quad of a cube face has (2^L - 1) * 2^L * 2 edges inside it.
    const int side = 1 << GetParam();
    EXPECT_EQ(hiddenEdges, GetParam() == 0 ? 0 : 2 * side * (side - 1));
    s->faces[2]->set(Geometry::Hidden, false);
    s->syncLevelVisibility();
    for (const Face* f : level.faces)
        EXPECT_FALSE(f->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Levels, ShapeLevelView, ::testing::Values(0, 1, 2));
