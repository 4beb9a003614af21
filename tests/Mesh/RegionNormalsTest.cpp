// Normals of a part of a mesh: the same as a whole update gives, flat and smooth.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/RegionNormals.h"
#include "Mesh/Shape.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

struct Normals {
    std::vector<Point3D> faces, vertices;
};

Normals normalsOf(const InnerShape& m)
{
    Normals out;
    for (const Face* f : m.faces)
        out.faces.push_back(f->normal);
    for (const Vertex* v : m.vertices)
        out.vertices.emplace_back(v->normal[0], v->normal[1], v->normal[2]);
    return out;
}

void expectSame(const std::vector<Point3D>& a, const std::vector<Point3D>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_LT(a[i].distance(b[i]), 1e-6f) << i;
}

} // namespace

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
            const Normals part = normalsOf(*grid);
            grid->update(true, false, -1);
            const Normals whole = normalsOf(*grid);
            expectSame(part.faces, whole.faces);
            if (mode == InnerShape::SmoothShade)
                expectSame(part.vertices, whole.vertices);
        }
        EXPECT_NE(grid->updateStamp, stamp);
    }
}
