// The selection record: swaps the recorded selection (mode, objects and the
// mode's components) with the current one through the `Selected` flags.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/URchangeSelection.h"
#include "support/Fixtures.h"

namespace {

using fixtures::selectedOf;
using Positions = std::vector<int>;

struct SelectionScene : ::testing::Test {
    SelectionScene()
    {
        MeshPtr grid = fixtures::openGrid(2, 2);
        a = take<Shape>(*grid);
        b = take<Shape>(*grid);
        objects.addObject(a);
        objects.addObject(b);
        access.current = [this] { return URchangeSelection::ModeState{mode, multi}; };
        access.restore = [this](URchangeSelection::ModeState m) { mode = m.mode, multi = m.multi; };
    }

    SceneObjectManager objects;
    Shape* a = nullptr;
    Shape* b = nullptr;
    int mode = URchangeSelection::FaceMode;
    bool multi = false;
    URchangeSelection::ModeAccess access;
};

} // namespace

TEST_F(SelectionScene, SwapsTheModeWithTheComponentsItRecords)
{
    // Multi mode, following a picked vertex.
    a->vertices[4]->set(Geometry::Selected);
    mode = URchangeSelection::VertexMode;
    multi = true;
    URchangeSelection record(objects, mode, access);
    // Switching to edge mode clears the components and selects an edge.
    a->vertices[4]->set(Geometry::Selected, false);
    mode = URchangeSelection::EdgeMode;
    multi = false;
    a->edges[1]->set(Geometry::Selected);
    record.revert();
    EXPECT_EQ(mode, URchangeSelection::VertexMode);
    EXPECT_TRUE(multi);
    EXPECT_EQ(selectedOf(a->vertices), (Positions{4}));
    EXPECT_TRUE(selectedOf(a->edges).empty());
    record.reapply();
    EXPECT_EQ(mode, URchangeSelection::EdgeMode);
    EXPECT_FALSE(multi);
    EXPECT_EQ(selectedOf(a->edges), (Positions{1}));
    EXPECT_TRUE(selectedOf(a->vertices).empty());
}

TEST_F(SelectionScene, ObjectModeRecordsObjectsOnlyAndMultiModeEveryComponentKind)
{
    b->set(Geometry::Selected);
    a->vertices[0]->set(Geometry::Selected);
    a->edges[0]->set(Geometry::Selected);
    a->faces[1]->set(Geometry::Selected);
    URchangeSelection objectsOnly(objects, URchangeSelection::ObjectMode, {});
    EXPECT_EQ(objectsOnly.stored().size(), 1u);
    URchangeSelection everything(objects, URchangeSelection::MultiMode, {});
    objectsOnly.revert();
    EXPECT_TRUE(b->isSelected());
    EXPECT_TRUE(selectedOf(a->faces).empty());
    everything.revert();
    EXPECT_EQ(selectedOf(a->vertices), (Positions{0}));
    EXPECT_EQ(selectedOf(a->edges), (Positions{0}));
    EXPECT_EQ(selectedOf(a->faces), (Positions{1}));
}

// Hidden and excluded elements are not selected again; objects that left the
// scene and positions past the end are skipped.
TEST_F(SelectionScene, RestoresOnlyWhatIsStillThereVisibleAndSelectable)
{
    a->set(Geometry::Selected);
    for (int i : {0, 1, 2, 3})
        a->faces[i]->set(Geometry::Selected);
    b->faces[3]->set(Geometry::Selected);
    URchangeSelection record(objects, mode, access);
    a->set(Geometry::Hidden);
    a->faces[0]->set(Geometry::Hidden);
    a->faces[1]->set2(URchangeSelection::ExcludedFromSelection);
    objects.objects.removeOne(b);
    Face* last = a->faces[3];
    a->faces.truncate(3);
    last->release();
    record.revert();
    EXPECT_FALSE(a->isSelected());
    EXPECT_EQ(selectedOf(a->faces), (Positions{2}));
    EXPECT_TRUE(b->faces[3]->isSelected()) << "left alone";
    objects.addObject(b);
}
