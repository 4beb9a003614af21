// Position updates through the flattened stencil tables: the same sums as
// the stencil lists describe, for tables that can be flattened and for
// those that cannot.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/SubdivisionStencils.h"
#include "support/Fixtures.h"

namespace {

// A mesh of `count` stencil vertices over the control points of `below`.
MeshPtr stencilMesh(int count)
{
    MeshPtr mesh(take<InnerShape>());
    for (int i = 0; i < count; ++i)
        mesh->addVertex(take<Vertex>());
    return mesh;
}

TEST(SubdivisionStencils, AnExpansionOfALaterVertexIsEvaluatedEntryByEntry)
{
    MeshPtr below = fixtures::meshFrom({{2, 0, 0}, {0, 6, 0}}, {}, false);
    MeshPtr level = stencilMesh(2);
    level->vertices[0]->stencil.append({level->vertices[1], 0.5f, StencilEntry::Expand});
    level->vertices[1]->stencil.append({below->vertices[0], 1.0f, 0});
    level->vertices[1]->stencil.append({below->vertices[1], 1.0f, 0});
    level->update(false, true, -1);
    EXPECT_EQ(StencilTable::ensure(*level), nullptr);
    EXPECT_FLOAT_EQ(level->vertices[0]->x, 1.0f);
    EXPECT_FLOAT_EQ(level->vertices[0]->y, 3.0f);
    EXPECT_FLOAT_EQ(level->vertices[1]->y, 6.0f);
}

TEST(SubdivisionStencils, TheTableFollowsAChangedStencil)
{
    MeshPtr below = fixtures::meshFrom({{2, 0, 0}, {0, 6, 0}}, {}, false);
    MeshPtr level = stencilMesh(1);
    level->vertices[0]->stencil.append({below->vertices[0], 1.0f, 0});
    level->update(false, true, -1);
    EXPECT_FLOAT_EQ(level->vertices[0]->x, 2.0f);
    level->vertices[0]->stencil.clear();
    level->vertices[0]->stencil.append({below->vertices[1], 1.0f, 0});
    level->touch();
    level->update(false, true, -1);
    EXPECT_FLOAT_EQ(level->vertices[0]->x, 0.0f);
    EXPECT_FLOAT_EQ(level->vertices[0]->y, 6.0f);
    // Without a stencil a vertex goes to the origin.
    level->vertices[0]->stencil.clear();
    level->touch();
    level->update(false, true, -1);
    EXPECT_FLOAT_EQ(level->vertices[0]->y, 0.0f);
}

} // namespace
