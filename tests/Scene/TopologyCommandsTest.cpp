// The topology commands driven through a real scene: their refusals, their
// effect on the selected elements, and one exact Undo and Redo per command.
#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneCommandManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneSelectionManager.h"
#include "support/RecordingWindow.h"

namespace {

constexpr int cubeCommand = 108;
constexpr int undoCommand = 68;
constexpr int redoCommand = 69;

// Positions, corners (as vertex positions in the list, with their texture
// coordinates), edges and element flags: what Undo must give back exactly.
struct MeshState {
    std::vector<float> points;
    std::vector<std::vector<float>> faces;
    std::vector<int> edges;
    std::vector<int> flags;
    bool operator==(const MeshState&) const = default;
};

MeshState stateOf(const InnerShape& m)
{
    std::unordered_map<const Vertex*, int> at;
    MeshState s;
    for (int i = 0; i < m.vertices.count(); ++i) {
        const Vertex* v = m.vertices[i];
        at[v] = i;
        s.points.insert(s.points.end(), {v->x, v->y, v->z});
        s.flags.push_back(v->flags & (Geometry::Selected | Geometry::Creased));
    }
    auto position = [&](const Vertex* v) {
        auto it = at.find(v);
        return it == at.end() ? -1 : it->second;
    };
    for (const Edge* e : m.edges) {
        s.edges.insert(s.edges.end(), {position(e->startVertex), position(e->endVertex), e->faces.count()});
        s.flags.push_back(e->flags & (Geometry::Selected | Geometry::Creased));
    }
    for (const Face* f : m.faces) {
        std::vector<float> corners;
        for (const Corner& c : f->corners)
            corners.insert(corners.end(), {float(position(c.vertex)), c.u, c.v});
        s.faces.push_back(corners);
        s.flags.push_back(f->flags & Geometry::Selected);
    }
    return s;
}

// Drops one face the way a deletion leaves a hole: its edges lose it and
// become borders.
void punchHole(Shape& s, int faceIndex)
{
    Face* f = s.faces[faceIndex];
    for (const Corner& c : f->corners) {
        c.edge->faces.removeOne(f);
        c.edge->set(Geometry::Boundary, c.edge->faces.count() == 1);
        c.vertex->set(Geometry::Boundary);
    }
    s.faces.removeAt(faceIndex);
    f->release();
    s.topologyChanged();
    s.update(true, false, -1);
}

class TopologyCommandsTest : public ::testing::Test {
protected:
    TopologyCommandsTest() : scene(&window, "") { window.scene = &scene; }

    Shape* addCube(float offsetX = 0.0f)
    {
        scene.executeCommand(cubeCommand, "", 0, 0, 0);
        Shape* s = scene.objectManager->objects.last();
        for (Vertex* v : s->vertices)
            v->setPosition(v->x + offsetX, v->y, v->z);
        s->set(Geometry::Selected, false);
        return s;
    }
    void run(int commandId) { scene.executeCommand(commandId, "", 0, 0, 0); }
    void setMode(int mode) { scene.selectionManager->mode = mode; }
    int doneCount() const { return scene.commandManager->geometryUndo.doneCount(); }
    List<Shape*>& objects() { return scene.objectManager->objects; }
    std::string lastStatus() const { return window.statusMessages.empty() ? "" : window.statusMessages.back(); }

    RecordingWindow window;
    Scene scene;
};

} // namespace

// --- refusals ---

TEST_F(TopologyCommandsTest, EachCommandRefusesWithItsSentenceWhenNothingFits)
{
    struct Refusal {
        int command;
        int mode;
        const char* sentence;
    };
    const Refusal refusals[] = {
        {63, SceneSelectionManager::FaceMode, "You must select at least one edge to crease"},
        {64, SceneSelectionManager::ObjectMode, "You must select at least one edge to uncrease"},
        {76, SceneSelectionManager::EdgeMode, "You must select faces or objects to reverse normals"},
        {46, SceneSelectionManager::VertexMode, "You must select at least one object or face in order to triangulate"},
        {245, SceneSelectionManager::FaceMode, "You must select at least one edge to use the fill hole command"},
        {70, SceneSelectionManager::ObjectMode, "You must select faces, edges, or multiple shapes or vertices to merge"},
    };
    Shape* cube = addCube();
    // Something is selected, but never what the command needs in its mode;
    // "Combine Objects" needs a second object.
    cube->set(Geometry::Selected);
    cube->faces[0]->set(Geometry::Selected);
    cube->vertices[0]->set(Geometry::Selected);
    const MeshState before = stateOf(*cube);
    const int done = doneCount();
    for (const Refusal& r : refusals) {
        setMode(r.mode);
        run(r.command);
        EXPECT_EQ(lastStatus(), r.sentence) << r.command;
        EXPECT_EQ(doneCount(), done) << r.command;
        EXPECT_EQ(stateOf(*cube), before) << r.command;
        EXPECT_EQ(objects().count(), 1) << r.command;
    }
}

// --- creases ---

TEST_F(TopologyCommandsTest, CreaseAndUncreaseChangeOnlyTheSelectedEdgesAndRecordNothing)
{
    Shape* a = addCube();
    Shape* b = addCube(3.0f);
    setMode(SceneSelectionManager::EdgeMode);
    a->edges[0]->set(Geometry::Selected);
    b->edges[4]->set(Geometry::Selected);
    b->edges[5]->set(Geometry::Selected);
    const int done = doneCount();

    run(63);
    auto creased = [](const Shape* s) {
        std::vector<int> at;
        for (int i = 0; i < s->edges.count(); ++i)
            if (s->edges[i]->has(Geometry::Creased))
                at.push_back(i);
        return at;
    };
    EXPECT_EQ(creased(a), (std::vector<int>{0}));
    EXPECT_EQ(creased(b), (std::vector<int>{4, 5}));
    EXPECT_EQ(doneCount(), done);
    EXPECT_TRUE(scene.applicationManager->sceneModified);

    b->edges[4]->set(Geometry::Selected, false);
    run(64);
    EXPECT_EQ(creased(a), std::vector<int>{});
    EXPECT_EQ(creased(b), (std::vector<int>{4}));
    EXPECT_EQ(doneCount(), done);
}

// --- reverse normals ---

TEST_F(TopologyCommandsTest, ReverseNormalsOfSelectedObjectsIsOneExactUndoStep)
{
    Shape* a = addCube();
    Shape* b = addCube(3.0f);
    Shape* untouched = addCube(-3.0f);
    a->set(Geometry::Selected);
    b->set(Geometry::Selected);
    const MeshState beforeA = stateOf(*a), beforeB = stateOf(*b), beforeC = stateOf(*untouched);
    const int done = doneCount();

    run(76);
    const MeshState afterA = stateOf(*a), afterB = stateOf(*b);
    EXPECT_NE(afterA, beforeA);
    EXPECT_NE(afterB, beforeB);
    EXPECT_EQ(stateOf(*untouched), beforeC);
    EXPECT_EQ(doneCount(), done + 1);

    run(undoCommand);
    EXPECT_EQ(stateOf(*a), beforeA);
    EXPECT_EQ(stateOf(*b), beforeB);
    run(redoCommand);
    EXPECT_EQ(stateOf(*a), afterA);
    EXPECT_EQ(stateOf(*b), afterB);
    EXPECT_EQ(validateTopology(*a), "");
}

// --- triangulate ---

TEST_F(TopologyCommandsTest, TriangulateSplitsTheSelectedFacesAndUndoRestoresThem)
{
    Shape* cube = addCube();
    setMode(SceneSelectionManager::FaceMode);
    cube->faces[0]->set(Geometry::Selected);
    cube->faces[3]->set(Geometry::Selected);
    const MeshState before = stateOf(*cube);

    run(46);
    ASSERT_EQ(cube->faces.count(), 8);
    EXPECT_EQ(cube->edges.count(), 14);
    EXPECT_EQ(validateTopology(*cube), "");
    const MeshState after = stateOf(*cube);

    run(undoCommand);
    EXPECT_EQ(stateOf(*cube), before);
    EXPECT_EQ(validateTopology(*cube), "");
    run(redoCommand);
    EXPECT_EQ(stateOf(*cube), after);
}

TEST_F(TopologyCommandsTest, TriangulatingOnlyTrianglesLeavesNoUndoStep)
{
    Shape* cube = addCube();
    cube->set(Geometry::Selected);
    run(46);
    const int done = doneCount();
    const MeshState triangulated = stateOf(*cube);
    run(46);
    EXPECT_EQ(doneCount(), done);
    EXPECT_EQ(stateOf(*cube), triangulated);
}

// --- fill hole ---

TEST_F(TopologyCommandsTest, FillHoleClosesACubeWithOneFaceRemoved)
{
    Shape* cube = addCube();
    punchHole(*cube, 2);
    ASSERT_EQ(validateTopology(*cube), "");
    setMode(SceneSelectionManager::EdgeMode);
    // Two rim edges of the same hole: the second finds no hole left.
    int rim = 0;
    for (Edge* e : cube->edges)
        if (e->faces.count() == 1 && rim < 2) {
            e->set(Geometry::Selected);
            ++rim;
        }
    ASSERT_EQ(rim, 2);
    const MeshState before = stateOf(*cube);
    const int done = doneCount();

    run(245);
    ASSERT_EQ(cube->faces.count(), 6);
    EXPECT_EQ(cube->faces.last()->corners.count(), 4);
    for (const Edge* e : cube->edges)
        EXPECT_EQ(e->faces.count(), 2);
    EXPECT_EQ(validateTopology(*cube), "");
    EXPECT_EQ(doneCount(), done + 1);
    const MeshState after = stateOf(*cube);

    run(undoCommand);
    EXPECT_EQ(stateOf(*cube), before);
    run(redoCommand);
    EXPECT_EQ(stateOf(*cube), after);
    // Rim edges of no hole any more: nothing changes, nothing is recorded.
    run(245);
    EXPECT_EQ(stateOf(*cube), after);
    EXPECT_EQ(doneCount(), done + 1);
}

// --- combine objects ---

TEST_F(TopologyCommandsTest, CombineMovesTheSelectedObjectsIntoTheFirstAndOneUndoSplitsThem)
{
    Shape* left = addCube();
    Shape* bystander = addCube(10.0f);
    Shape* right = addCube(4.0f);
    left->set(Geometry::Selected);
    right->set(Geometry::Selected);
    const MeshState beforeLeft = stateOf(*left), beforeRight = stateOf(*right);
    const float pivotBefore = left->axisFrame[InnerShape::AxisPivot].x;
    const int done = doneCount();

    run(70);
    ASSERT_EQ(objects().count(), 2);
    EXPECT_EQ(objects()[0], left);
    EXPECT_EQ(objects()[1], bystander);
    EXPECT_EQ(left->faces.count(), 12);
    // The pivot moves to the centre of both cubes together.
    EXPECT_NEAR(left->axisFrame[InnerShape::AxisPivot].x, 2.0f, 1e-5);
    EXPECT_EQ(validateTopology(*left), "");
    EXPECT_EQ(doneCount(), done + 1);
    const MeshState after = stateOf(*left);

    run(undoCommand);
    ASSERT_EQ(objects().count(), 3);
    EXPECT_EQ(objects()[0], left);
    EXPECT_EQ(objects()[1], bystander);
    EXPECT_EQ(objects()[2], right);
    EXPECT_EQ(stateOf(*left), beforeLeft);
    EXPECT_EQ(stateOf(*right), beforeRight);
    EXPECT_EQ(left->axisFrame[InnerShape::AxisPivot].x, pivotBefore);

    run(redoCommand);
    ASSERT_EQ(objects().count(), 2);
    EXPECT_EQ(stateOf(*left), after);
}
