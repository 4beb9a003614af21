// The subdivision commands on the objects of a scene: which objects step.
// Undo and Redo of every level command are checked by UndoModelTest.
#include "Scene/Selection/SelectionTestScene.h"

#include "Mesh/ShapeInstance.h"
#include "Settings/CommandIds.h"

namespace {
using namespace CommandId;

class SubdivisionCommands : public SelectionTestScene {
protected:
    Shape& object(int i) { return *scene.objectManager->objects[i]; }
    int done() { return scene.commandManager->geometryUndo.doneCount(); }
};
} // namespace

TEST_F(SubdivisionCommands, EveryObjectStepsWhenNoneIsSelectedElseOnlyTheSelected)
{
    run(Cube);
    run(Cube);
    object(0).set(Geometry::Selected, false);
    object(1).set(Geometry::Selected, false);
    run(Subdivide);
    EXPECT_EQ(object(0).currentLevel(), 1);
    EXPECT_EQ(object(1).currentLevel(), 1);
    EXPECT_EQ(object(0).currentLevelMesh()->vertices.count(), 26);
    object(1).set(Geometry::Selected);
    run(Subdivide);
    EXPECT_EQ(object(0).currentLevel(), 1);
    EXPECT_EQ(object(1).currentLevel(), 2);
    run(ToggleCurrentSubdivision);
    EXPECT_EQ(object(1).currentLevel(), 0);
    run(ToggleCurrentSubdivision);
    EXPECT_EQ(object(1).currentLevel(), 2);
    run(Unsubdivide);
    run(ClearHigherSubdivision);
    EXPECT_EQ(object(1).levelStack.levels.count(), 2);
}

TEST_F(SubdivisionCommands, RefineAtTheControlMeshClearsTheHigherLevelsAsOneStep)
{
    run(Cube);
    run(Subdivide);
    run(Unsubdivide);
    const int steps = done();
    run(RefineControlMesh);
    EXPECT_EQ(object(0).levelStack.levels.count(), 1);
    EXPECT_EQ(object(0).faces.count(), 6);
    EXPECT_EQ(done(), steps + 1);
    // Nothing left to clear: no step, and no unsaved change after a save.
    scene.commandManager->markSaved();
    run(RefineControlMesh);
    EXPECT_EQ(done(), steps + 1);
    EXPECT_FALSE(scene.commandManager->hasUnsavedChanges());
}

TEST_F(SubdivisionCommands, AnInstanceStepsItsSourceOnce)
{
    run(Cube);
    scene.objectManager->addObject(take<ShapeInstance>(&object(0)));
    // The source and its instance both selected: one step up, not two.
    object(0).set(Geometry::Selected);
    object(1).set(Geometry::Selected);
    run(Subdivide);
    EXPECT_EQ(object(0).currentLevel(), 1);
    object(0).set(Geometry::Selected, false);
    run(Unsubdivide);
    EXPECT_EQ(object(0).currentLevel(), 0);
}
