// Normals of a part of a mesh: the same as a whole update gives, flat and smooth.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/RegionNormals.h"
#include "Mesh/Shape.h"
#include "support/MeshNormals.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

TEST(RegionNormals, MatchAWholeUpdateAfterAFewPointsMoved)
{
    for (const int mode : {InnerShape::FlatShade, InnerShape::SmoothShade}) {
        SCOPED_TRACE(mode);
        ShapePtr grid(take<Shape>(*openGrid(4, 3)));
        grid->setShadingMode(mode);
        grid->update(true, false, -1);
        std::vector<Vertex*> moved = {grid->vertices[6], grid->vertices[7]};
        RegionNormals region;
        region.findFaces(*grid, moved);
        EXPECT_EQ(region.faceCount(), 6u); // the two inner vertices share two of their four faces each
        const uint64_t stamp = grid->updateStamp;
        for (int step = 1; step <= 2; ++step) { // the second step reuses the faces around
            for (Vertex* v : moved)
                v->setPosition(v->x, v->y + 0.3f * step, v->z + 0.1f);
            region.update(*grid, mode == InnerShape::SmoothShade);
            const MeshNormals part(*grid);
            grid->update(true, false, -1);
            const MeshNormals whole(*grid);
            expectSameNormals(part.faces, whole.faces);
            if (mode == InnerShape::SmoothShade)
                expectSameNormals(part.vertices, whole.vertices);
        }
        EXPECT_NE(grid->updateStamp, stamp);
    }
}
