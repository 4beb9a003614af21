// The texture-coordinate record: keeps the faces whose coordinates changed
// and swaps them back and forth.
#include <gtest/gtest.h>

#include <cmath>

#include "Scene/Undo/URchangeTextures.h"
#include "Scene/Undo/UndoStack.h"
#include "support/Fixtures.h"

TEST(URchangeTextures, KeepsChangedFacesAndSwapsTheirCoordinates)
{
    MeshPtr mesh = fixtures::cube();
    mesh->faces[1]->corners[0].u = std::nanf("");
    UndoStack stack;
    auto* record = new URchangeTextures(*mesh);
    mesh->faces[2]->corners[1].u = 0.5f;
    mesh->faces[5]->corners[3].w = 0.25f;
    stack.push(record);
    EXPECT_EQ(record->faceCount(), 2) << "an untouched NaN is no change";
    stack.undo();
    EXPECT_EQ(mesh->faces[2]->corners[1].u, 0.0f);
    EXPECT_EQ(mesh->faces[5]->corners[3].w, 0.0f);
    stack.redo();
    EXPECT_EQ(mesh->faces[2]->corners[1].u, 0.5f);
    EXPECT_EQ(mesh->faces[5]->corners[3].w, 0.25f);
}

TEST(URchangeTextures, CoversHoleCorners)
{
    MeshPtr mesh = fixtures::quadWithHole();
    URchangeTextures record(*mesh);
    mesh->faces[0]->holes[0]->corners[2].v = 0.75f;
    record.apply();
    EXPECT_EQ(record.faceCount(), 1);
    record.revert();
    EXPECT_EQ(mesh->faces[0]->holes[0]->corners[2].v, 0.0f);
}

TEST(URchangeTextures, RefusesWhenACornerCountChanged)
{
    MeshPtr mesh = fixtures::ngon(5);
    URchangeTextures record(*mesh);
    mesh->faces[0]->corners[4].u = 1.0f;
    record.apply();
    mesh->faces[0]->corners.truncate(4);
    mesh->faces[0]->corners[0].u = 2.0f;
    EXPECT_FALSE(record.revert());
    EXPECT_EQ(mesh->faces[0]->corners[0].u, 2.0f);
}
