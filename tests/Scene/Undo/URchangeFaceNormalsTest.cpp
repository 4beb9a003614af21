// The face-flip record: keeps only faces that really flipped and swaps their
// winding back and forth.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Validate.h"
#include "Scene/Undo/URchangeFaceNormals.h"
#include "Scene/Undo/UndoStack.h"
#include "support/Fixtures.h"

namespace {

std::vector<Corner> contour(const Face& f)
{
    return {f.corners.begin(), f.corners.end()};
}

} // namespace

TEST(URchangeFaceNormals, KeepsTheFlippedFacesAndSwapsTheirWinding)
{
    MeshPtr mesh = fixtures::openGrid(2, 2);
    const std::vector<Corner> face0 = contour(*mesh->faces[0]);
    const std::vector<Corner> face3 = contour(*mesh->faces[3]);
    UndoStack stack;
    auto* record = new URchangeFaceNormals(*mesh, fixtures::facesAt(*mesh, {0, 1, 3}));
    mesh->flipFaces(fixtures::facesAt(*mesh, {0, 3}));
    const std::vector<Corner> flipped0 = contour(*mesh->faces[0]);
    stack.push(record);
    EXPECT_EQ(record->faceCount(), 2);
    stack.undo();
    EXPECT_EQ(contour(*mesh->faces[0]), face0);
    EXPECT_EQ(contour(*mesh->faces[3]), face3);
    EXPECT_FLOAT_EQ(mesh->faces[0]->normal.z, 1.0f);
    EXPECT_EQ(validateTopology(*mesh), "");
    stack.redo();
    EXPECT_EQ(contour(*mesh->faces[0]), flipped0);
    EXPECT_FLOAT_EQ(mesh->faces[0]->normal.z, -1.0f);
}

TEST(URchangeFaceNormals, RestoresHolesToo)
{
    MeshPtr mesh = fixtures::quadWithHole();
    const std::vector<Corner> hole = contour(*mesh->faces[0]->holes[0]);
    URchangeFaceNormals record(*mesh, fixtures::facesAt(*mesh, {0}));
    mesh->flipFaces(fixtures::facesAt(*mesh, {0}));
    record.apply();
    record.revert();
    EXPECT_EQ(contour(*mesh->faces[0]->holes[0]), hole);
}

TEST(URchangeFaceNormals, NothingFlippedStillCounts)
{
    MeshPtr mesh = fixtures::cube();
    UndoStack stack;
    auto* record = new URchangeFaceNormals(*mesh, fixtures::facesAt(*mesh, {0, 1}));
    stack.push(record);
    EXPECT_EQ(record->faceCount(), 0);
    EXPECT_EQ(stack.doneCount(), 1);
}

TEST(URchangeFaceNormals, RefusesWhenAFaceNoLongerMatches)
{
    MeshPtr mesh = fixtures::ngon(5);
    URchangeFaceNormals record(*mesh, fixtures::facesAt(*mesh, {0}));
    mesh->flipFaces(fixtures::facesAt(*mesh, {0}));
    record.apply();
    mesh->faces[0]->corners.truncate(4);
    const std::vector<Corner> now = contour(*mesh->faces[0]);
    EXPECT_FALSE(record.revert());
    EXPECT_EQ(contour(*mesh->faces[0]), now);
}
