// Extract faces: a copy of some faces with everything they carry.
#include <gtest/gtest.h>

#include "Mesh/Material.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ExtractFaces.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

TEST(ExtractFaces, ListedFacesAreCopiedWithTheirAttributesAndTheSourceStays)
{
    MeshPtr c = cube();
    Material red;
    c->faces[1]->material = &red;
    c->faces[1]->corners[2].u = 0.75f;
    c->findEdge(c->vertices[4], c->vertices[5])->set(Geometry::Creased);
    const EditCounts before = countsOf(*c);
    ShapePtr part(extractFaces(*c, facesAt(*c, {1, 2})));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(countsOf(*part), (EditCounts{6, 7, 2, 6}));
    EXPECT_EQ(part->faces[0]->material, &red);
    EXPECT_FLOAT_EQ(part->faces[0]->corners[2].u, 0.75f);
    EXPECT_TRUE(part->findEdge(part->faces[0]->corners[0].vertex, part->faces[0]->corners[1].vertex)->has(Geometry::Creased));
    for (const Vertex* v : part->vertices)
        EXPECT_FALSE(c->vertices.contains(const_cast<Vertex*>(v)));
    EXPECT_FLOAT_EQ(part->pivot().z, 0.0f);
    EXPECT_EQ(countsOf(*c), before);
    EXPECT_EQ(validateTopology(*part), "");
    EXPECT_EQ(extractFaces(*c, List<Face*>()), nullptr);
}

} // namespace
