// The undo records that swap two states of an object: made before an edit and
// pushed after it, each must give back the exact state before on undo and the
// state after on redo, over and over, and leave no step when the edit
// changed nothing it records. Then the rules particular to single records.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Scene/Undo/URChangeGeometry.h"
#include "Scene/Undo/URchangeFaceNormals.h"
#include "Scene/Undo/URchangeShape.h"
#include "Scene/Undo/URchangeTextures.h"
#include "Scene/Undo/URmergeShapes.h"
#include "Scene/Undo/URmovePoints.h"
#include "Scene/Undo/UndoStack.h"
#include "support/Fixtures.h"
#include "support/MeshDescription.h"
#include "support/ShapeFixtures.h"

using fixtures::describe;

namespace {

using fixtures::deleteFace;


// Everything the records restore: control mesh, object state, and the shape
// and sculpt of every level (their flags are derived by the level builder).
std::string stateOf(Shape& s)
{
    std::string text = describe(s) + "level " + std::to_string(s.currentLevel()) + " toggle "
        + std::to_string(s.toggleLevel) + " hidden " + std::to_string(s.isHidden()) + " symmetry "
        + std::to_string(s.hasSymmetry()) + " pivot " + std::to_string(s.pivot().x) + "\n";
    for (int i = 1; i <= s.levelStack.maxBuiltLevel(); ++i)
        for (const Vertex* v : s.levelStack.levelMesh(i)->vertices) {
            text += std::to_string(v->x) + " " + std::to_string(v->y) + " " + std::to_string(v->z);
            if (v->hasNonZeroDisplacement())
                text += " d" + std::to_string(v->displacement[2]);
            text += "\n";
        }
    return text;
}

using Record = std::function<UndoCommand*(Shape&)>;
using Edit = std::function<void(Shape&)>;

UndoCommand* geometry(Shape& s) { return new URChangeGeometry(s); }
UndoCommand* wholeShape(Shape& s) { return new URchangeShape(s); }

struct Case {
    const char* name;
    std::function<MeshPtr()> make;
    Record record;
    Edit edit;
    bool dropsNoChange = true; // pushed without an edit, the record leaves no step
    Edit prepare = [](Shape&) {};
};

std::vector<Case> cases()
{
    auto cube = [] { return fixtures::cube(); };
    auto grid = [] { return fixtures::openGrid(2, 2); };
    return {
        {"move one vertex", cube, geometry, [](Shape& m) { m.vertices[3]->setPosition(7, 8, 9); }},
        {"delete a face inside a grid", [] { return fixtures::openGrid(3, 3); }, geometry,
            [](Shape& m) { deleteFace(m, 4); }},
        {"change texture coordinates and both flag words", cube, geometry,
            [](Shape& m) {
                m.faces[2]->corners[1].u = 0.25f;
                m.faces[4]->set(Geometry::Selected);
                m.edges[5]->set(Geometry::Creased);
                m.edges[6]->set2(Geometry::UVSeam);
                m.vertices[0]->set(Geometry::Hidden);
                m.vertices[1]->set2(Geometry::OnPlane);
                m.faces[3]->flags2 |= 1 << 2; // kept out of selection
            }},
        {"remove a hole", [] { return fixtures::quadWithHole(); }, geometry,
            [](Shape& m) {
                Face* hole = m.faces[0]->holes[0];
                m.faces[0]->holes.clear();
                for (Corner& c : hole->corners)
                    while (c.edge && c.edge->faces.removeOne(m.faces[0])) { }
                hole->release();
            }},
        {"mirror partners and displacement", [] { return fixtures::openGrid(2, 1); }, geometry,
            [](Shape& m) {
                m.vertices[0]->mirror = m.vertices[2];
                m.vertices[2]->mirror = m.vertices[0];
                m.faces[0]->mirror = m.faces[1];
                m.vertices[4]->ensureDisplacement()[1] = 0.5f;
                m.vertices[5]->paintWeight = 0.25f;
            }},
        {"hide, mirror and move the axis", grid, wholeShape,
            [](Shape& s) {
                s.set(Geometry::Hidden);
                s.setSymmetry(true);
                s.mirrorPlane.setPoint(Point3D(1, 0, 0));
                s.setPivot(Point3D(1, 2, 3));
            }},

        {"flip two of three faces", grid,
            [](Shape& s) { return new URchangeFaceNormals(s, fixtures::facesAt(s, {0, 1, 3})); },
            [](Shape& s) { s.flipFaces(fixtures::facesAt(s, {0, 3})); }, false},
        {"texture coordinates, hole corners too", [] { return fixtures::quadWithHole(); },
            [](Shape& s) { return new URchangeTextures(s); },
            [](Shape& s) {
                s.faces[0]->corners[1].u = 0.5f;
                s.faces[0]->holes[0]->corners[2].v = 0.75f;
            },
            false},
        {"move control and level points", grid,
            [](Shape& s) {
                auto* r = new URmovePoints;
                r->addPoint(s, 2);
                r->addLevelPoint(s, 1, 3);
                r->addObject(s);
                return r;
            },
            [](Shape& s) {
                s.vertices[2]->z = 1.0f;
                s.levelStack.levelMesh(1)->vertices[3]->ensureDisplacement()[2] = 0.5f;
                s.update(true, true, -1);
            },
            false, [](Shape& s) { s.subdivide(); }},
    };
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class RecordRoundTrip : public ::testing::TestWithParam<Case> { };

} // namespace

TEST_P(RecordRoundTrip, UndoAndRedoReproduceBothStatesAndNoChangeLeavesNoStep)
{
    const Case& c = GetParam();
    MeshPtr mesh = c.make();
    ShapePtr shape(take<Shape>(*mesh));
    c.prepare(*shape);
    UndoStack stack;
    stack.push(c.record(*shape));
    EXPECT_EQ(stack.doneCount(), c.dropsNoChange ? 0 : 1);

    UndoStack edits;
    const std::string before = stateOf(*shape);
    UndoCommand* record = c.record(*shape);
    c.edit(*shape);
    const std::string after = stateOf(*shape);
    ASSERT_NE(before, after);
    edits.push(record);
    ASSERT_EQ(edits.doneCount(), 1);
    for (int round = 0; round < 2; ++round) {
        edits.undo();
        ASSERT_EQ(edits.undoneCount(), 1);
        EXPECT_EQ(stateOf(*shape), before) << "round " << round;
        EXPECT_EQ(validateTopology(*shape), "");
        edits.redo();
        ASSERT_EQ(edits.doneCount(), 1);
        EXPECT_EQ(stateOf(*shape), after) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, RecordRoundTrip, ::testing::ValuesIn(cases()));

TEST(UndoRecords, RefuseAnObjectChangedBehindTheirBackAndChangeNothing)
{
    const std::function<UndoCommand*(InnerShape&)> makers[] = {
        [](InnerShape& m) { return new URChangeGeometry(m); },
        [](InnerShape& m) { return new URchangeFaceNormals(m, fixtures::facesAt(m, {0})); },
        [](InnerShape& m) { return new URchangeTextures(m); },
    };
    for (const auto& make : makers) {
        MeshPtr mesh = fixtures::ngon(5);
        std::unique_ptr<UndoCommand> record(make(*mesh));
        mesh->faces[0]->corners[4].u = 1.0f;
        mesh->flipFaces(fixtures::facesAt(*mesh, {0}));
        record->apply();
        mesh->faces[0]->corners.truncate(4);
        mesh->addVertex(take<Vertex>());
        const std::string now = describe(*mesh);
        EXPECT_FALSE(record->revert());
        EXPECT_EQ(describe(*mesh), now);
    }
    MeshPtr cube = fixtures::cube();
    EXPECT_FALSE(URmergeShapes({cube.get(), nullptr}).revert()) << "a copy short";
}

// A million quads: the memory held after apply must not grow with the object.
TEST(UndoRecords, ChangeGeometryHoldsBytesProportionalToTheEditOfAMillionFaceGrid)
{
    MeshPtr mesh = fixtures::openGrid(1000, 1000);
    URChangeGeometry moved(*mesh);
    for (const Corner& c : mesh->faces[500500]->corners)
        c.vertex->z += 1.0f;
    moved.apply();
    EXPECT_EQ(moved.differenceCount(), 4);
    EXPECT_LT(moved.heldBytes(), 2048u);
    URChangeGeometry deleted(*mesh);
    deleteFace(*mesh, 500500);
    deleted.apply();
    EXPECT_EQ(deleted.differenceCount(), 5);
    EXPECT_LT(deleted.heldBytes(), 2048u);
}

TEST(UndoRecords, MovePointsSwapsFreePointsAndSkipsPointsThatAreGone)
{
    Point3D pivot(1, 2, 3);
    MeshPtr mesh = fixtures::openGrid(1, 1);
    URmovePoints record;
    record.addPoint(pivot);
    record.addPoint(*mesh, 3);
    pivot.setPosition(4, 5, 6);
    Vertex* gone = mesh->vertices[3];
    gone->x = 9.0f;
    mesh->vertices.truncate(3);
    EXPECT_TRUE(record.revert());
    EXPECT_EQ(pivot.x, 1.0f);
    EXPECT_EQ(gone->x, 9.0f);
    mesh->vertices.append(gone);
}
