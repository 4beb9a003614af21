// A value step after an extrusion updates only the faces around the moved
// points: the normals come out as a whole update makes them.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ExtrudeRegions.h"
#include "Mesh/Validate.h"
#include "Tools/FrameDirections.h"
#include "Tools/ManipulatorFrame.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

void expectSame(const std::vector<Point3D>& a, const std::vector<Point3D>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_LT(a[i].distance(b[i]), 1e-6f) << i;
}

std::vector<Point3D> normalsOf(const InnerShape& m)
{
    std::vector<Point3D> out;
    for (const Face* f : m.faces)
        out.push_back(f->normal);
    for (const Vertex* v : m.vertices)
        out.emplace_back(v->normal[0], v->normal[1], v->normal[2]);
    return out;
}

} // namespace

TEST(FrameRegion, AnExtrusionAndItsValueStepsLeaveTheNormalsOfAWholeUpdate)
{
    for (const int mode : {InnerShape::FlatShade, InnerShape::SmoothShade}) {
        SCOPED_TRACE(mode);
        ShapePtr grid(take<Shape>(*openGrid(8, 8)));
        grid->setShadingMode(mode);
        grid->update(true, false, -1);
        List<Face*> block;
        for (int f : {9, 10, 17, 18, 45})
            block.append(grid->faces[f]);
        ManipulatorFrame frame;
        FrameDirections directions(frame, *grid);
        extrudeFaceRegions(*grid, block, &directions);
        ASSERT_EQ(validateTopology(*grid), "");
        const std::vector<Point3D> edited = normalsOf(*grid);
        grid->update(true, false, -1);
        expectSame(edited, normalsOf(*grid));

        directions.commit();
        frame.captureStart();
        for (float value : {0.3f, -0.2f}) {
            frame.setValue(value);
            frame.finish();
            const std::vector<Point3D> stepped = normalsOf(*grid);
            grid->update(true, false, -1);
            expectSame(stepped, normalsOf(*grid));
        }
    }
}
