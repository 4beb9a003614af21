// The subdivision commands on the objects of a scene.
#include "Scene/Selection/SelectionTestScene.h"

namespace {
enum { Subdivide = 47, Refine = 48, Unsubdivide = 50, ClearHigher = 88, Toggle = 100, Undo = 68, Redo = 69, Cube = 108 };

class SubdivisionCommands : public SelectionTestScene {
protected:
    Shape& object(int i) { return *scene.objectManager->objects[i]; }
};
} // namespace

TEST_F(SubdivisionCommands, WithNothingSelectedEveryObjectSteps)
{
    run(Cube);
    run(Cube);
    run(Subdivide);
    EXPECT_EQ(object(0).currentLevel(), 1);
    EXPECT_EQ(object(1).currentLevel(), 1);
    EXPECT_EQ(object(0).currentLevelMesh()->vertices.count(), 26);
    run(Unsubdivide);
    EXPECT_EQ(object(1).currentLevel(), 0);
}

TEST_F(SubdivisionCommands, OnlySelectedObjectsStepWhenSomeAre)
{
    run(Cube);
    run(Cube);
    object(1).set(Geometry::Selected);
    run(Subdivide);
    run(Subdivide);
    EXPECT_EQ(object(0).currentLevel(), 0);
    EXPECT_EQ(object(1).currentLevel(), 2);
    run(Toggle);
    EXPECT_EQ(object(1).currentLevel(), 0);
    run(Toggle);
    EXPECT_EQ(object(1).currentLevel(), 2);
    run(Unsubdivide);
    run(ClearHigher);
    EXPECT_EQ(object(1).levelStack.levels.count(), 2);
}

TEST_F(SubdivisionCommands, RefineControlMeshIsUndoable)
{
    run(Cube);
    run(Subdivide);
    run(Refine);
    EXPECT_EQ(object(0).currentLevel(), 0);
    EXPECT_EQ(object(0).faces.count(), 24);
    run(Undo);
    EXPECT_EQ(object(0).faces.count(), 6);
    EXPECT_EQ(object(0).vertices.count(), 8);
    run(Redo);
    EXPECT_EQ(object(0).faces.count(), 24);
}
