// A value step after an extrusion updates only the faces around the moved
// points: the normals come out as a whole update makes them.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ExtrudeRegions.h"
#include "Mesh/Validate.h"
#include "Tools/FrameDirections.h"
#include "Tools/ManipulatorFrame.h"
#include "support/MeshNormals.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

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
        const MeshNormals edited(*grid);
        grid->update(true, false, -1);
        expectSameNormals(edited.faces, MeshNormals(*grid).faces);
        expectSameNormals(edited.vertices, MeshNormals(*grid).vertices);

        directions.commit();
        frame.captureStart();
        for (float value : {0.3f, -0.2f}) {
            frame.setValue(value);
            frame.finish();
            const MeshNormals stepped(*grid);
            grid->update(true, false, -1);
            expectSameNormals(stepped.faces, MeshNormals(*grid).faces);
            expectSameNormals(stepped.vertices, MeshNormals(*grid).vertices);
        }
    }
}
