// Symmetry commands: partners from the object's axis or from an edge on the
// plane, the switch, and "Restore Symmetry" as one undoable move.
#include "Scene/Selection/SelectionTestScene.h"

namespace {

constexpr int calculate = 40, toggle = 259, restore = 163, undo = 68;

class SelectionSymmetryTest : public SelectionTestScene {
protected:
    // The vertex at (x, y, z), null when none is there.
    static Vertex* at(Shape& s, float x, float y, float z)
    {
        for (Vertex* v : s.vertices)
            if (v->x == x && v->y == y && v->z == z)
                return v;
        return nullptr;
    }
};

} // namespace

TEST_F(SelectionSymmetryTest, CalculatingOnAnObjectPairsAcrossItsLocalAxis)
{
    Shape* cube = add(fixtures::cube(), true);
    ASSERT_TRUE(registry().setChoice(230, "Symmetry Axis", 1)); // Local Y
    run(calculate);
    EXPECT_TRUE(cube->hasSymmetry());
    EXPECT_EQ(at(*cube, 1, -1, 1)->mirror, at(*cube, 1, 1, 1));
    EXPECT_EQ(lastStatus(), "Symmetry: 8 paired vertices, 0 on the plane, 0 unpaired");
}

TEST_F(SelectionSymmetryTest, CalculatingFromASelectedEdgeUsesThePlaneThroughIt)
{
    Shape* strip = add(fixtures::openGrid(2, 1), true);
    enter(Selection::EdgeMode);
    Edge* middle = strip->findEdge(at(*strip, 1, 0, 0), at(*strip, 1, 1, 0));
    middle->set(Geometry::Selected);
    run(calculate);
    EXPECT_EQ(at(*strip, 0, 0, 0)->mirror, at(*strip, 2, 0, 0));
    EXPECT_EQ(at(*strip, 1, 1, 0)->mirror, at(*strip, 1, 1, 0));
    EXPECT_EQ(strip->faces[0]->mirror, strip->faces[1]);
}

TEST_F(SelectionSymmetryTest, ToggleCalculatesWhenThereAreNoPartnersYet)
{
    Shape* cube = add(fixtures::cube(), true);
    run(toggle);
    EXPECT_TRUE(cube->hasSymmetry());
    EXPECT_TRUE(cube->hasMirrorVertices());
    run(toggle);
    EXPECT_FALSE(cube->hasSymmetry());
}

TEST_F(SelectionSymmetryTest, RestoreMirrorsThePositiveSideOntoTheOtherAndUndoes)
{
    Shape* cube = add(fixtures::cube(), true);
    run(calculate); // Local X through the centre
    Vertex* bent = at(*cube, -1, -1, -1);
    bent->setPosition(-1.5f, -1, -1);
    Vertex* pulled = at(*cube, 1, 1, 1);
    pulled->setPosition(1.25f, 1, 1);
    const int done = scene.commandManager->geometryUndo.doneCount();
    run(restore);
    EXPECT_EQ(bent->x, -1.0f);
    EXPECT_EQ(pulled->x, 1.25f);
    EXPECT_EQ(pulled->mirror->x, -1.25f);
    EXPECT_EQ(scene.commandManager->geometryUndo.doneCount(), done + 1);
    run(undo);
    EXPECT_EQ(bent->x, -1.5f);
    EXPECT_EQ(pulled->mirror->x, -1.0f);
}
