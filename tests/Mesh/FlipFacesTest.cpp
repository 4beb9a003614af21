// Reversing faces: both contours reversed, edges still leading onward.
#include <gtest/gtest.h>

#include "Mesh/Validate.h"
#include "support/Fixtures.h"

using namespace fixtures;

namespace {
std::vector<Vertex*> loopOf(const Face* f)
{
    std::vector<Vertex*> out;
    for (const Corner& c : f->corners)
        out.push_back(c.vertex);
    return out;
}
} // namespace

TEST(FlipFaces, QuadWithHoleReversesBothContoursAndTheNormal)
{
    MeshPtr m = quadWithHole();
    Face* f = m->faces[0];
    f->corners[1].u = 0.25f;
    f->corners[1].w = 0.5f;
    Vertex* second = f->corners[1].vertex;
    auto outer = loopOf(f);
    auto inner = loopOf(f->holes[0]);
    int before = m->changeCount;
    m->flipFaces(facesAt(*m, {0}));
    EXPECT_EQ(m->changeCount, before + 1);
    std::reverse(outer.begin(), outer.end());
    std::reverse(inner.begin(), inner.end());
    EXPECT_EQ(loopOf(f), outer);
    EXPECT_EQ(loopOf(f->holes[0]), inner);
    EXPECT_NEAR(f->normal.z, -1.0f, 1e-6f);
    // Texture coordinates travel with their vertex.
    for (const Corner& c : f->corners)
        if (c.vertex == second) {
            EXPECT_EQ(c.u, 0.25f);
            EXPECT_EQ(c.w, 0.5f);
        }
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(FlipFaces, FlippingTwiceRestoresTheFaceAndListingTwiceFlipsOnce)
{
    MeshPtr m = mixedPolygons();
    const List<Face*> all = allFaces(*m);
    std::vector<std::vector<Vertex*>> loops;
    for (Face* f : m->faces)
        loops.push_back(loopOf(f));
    m->flipFaces(all);
    EXPECT_EQ(validateTopology(*m), "");
    m->flipFaces(all);
    for (int i = 0; i < m->faces.count(); ++i)
        EXPECT_EQ(loopOf(m->faces[i]), loops[i]);
    m->flipFaces(facesAt(*m, {0, 0}));
    EXPECT_NEAR(m->faces[0]->normal.z, -1.0f, 1e-6f);
}
