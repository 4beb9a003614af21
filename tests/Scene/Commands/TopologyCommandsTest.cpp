// The topology commands driven through a real scene: their refusals and their
// effect on the selected elements, one undo step each; UndoModelTest checks
// that Undo and Redo give back each state exactly.
#include "Scene/Selection/SelectionTestScene.h"

#include <string>

#include "Mesh/Validate.h"
#include "Scene/Commands/DispatchMessages.h"
#include "support/MeshDescription.h"

using fixtures::describe;

namespace {

constexpr int cubeCommand = 108;

class TopologyCommandsTest : public SelectionTestScene {
protected:
    Shape* addCube(float offsetX = 0.0f)
    {
        run(cubeCommand);
        Shape* s = objects().last();
        for (Vertex* v : s->vertices)
            v->setPosition(v->x + offsetX, v->y, v->z);
        s->set(Geometry::Selected, false);
        return s;
    }
    void setMode(int mode) { selection().mode = mode; }
    int doneCount() const { return scene.commandManager->geometryUndo.doneCount(); }
    List<Shape*>& objects() { return scene.objectManager->objects; }
};

} // namespace

// --- refusals ---

TEST_F(TopologyCommandsTest, EachCommandRefusesWithItsSentenceWhenNothingFits)
{
    using S = SceneSelectionManager;
    // Something is selected, but never what the command needs in its mode;
    // "Combine Objects" needs a second object.
    const std::pair<int, int> refusals[] = {{63, S::FaceMode},   {64, S::ObjectMode}, {76, S::EdgeMode},
                                            {46, S::VertexMode}, {245, S::FaceMode},  {70, S::ObjectMode}};
    Shape* cube = addCube();
    cube->set(Geometry::Selected);
    cube->faces[0]->set(Geometry::Selected);
    cube->vertices[0]->set(Geometry::Selected);
    const std::string before = describe(*cube);
    const int done = doneCount();
    for (const auto& [command, mode] : refusals) {
        setMode(mode);
        run(command);
        EXPECT_EQ(lastStatus(), refusalMessage(command)) << command;
        EXPECT_EQ(doneCount(), done) << command;
        EXPECT_EQ(describe(*cube), before) << command;
        EXPECT_EQ(objects().count(), 1) << command;
    }
}

// --- what each command changes; Undo and Redo are checked by UndoModelTest ---

TEST_F(TopologyCommandsTest, CreaseAndUncreaseChangeOnlyTheSelectedEdges)
{
    Shape* a = addCube();
    Shape* b = addCube(3.0f);
    setMode(SceneSelectionManager::EdgeMode);
    a->edges[0]->set(Geometry::Selected);
    b->edges[4]->set(Geometry::Selected);
    b->edges[5]->set(Geometry::Selected);
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
    b->edges[4]->set(Geometry::Selected, false);
    run(64);
    EXPECT_EQ(creased(a), std::vector<int>{});
    EXPECT_EQ(creased(b), (std::vector<int>{4}));
}

TEST_F(TopologyCommandsTest, TriangulateSplitsTheSelectedFacesOrWholeObjectsOnce)
{
    Shape* cube = addCube();
    setMode(SceneSelectionManager::FaceMode);
    cube->faces[0]->set(Geometry::Selected);
    cube->faces[3]->set(Geometry::Selected);
    run(46);
    ASSERT_EQ(cube->faces.count(), 8);
    EXPECT_EQ(cube->edges.count(), 14);
    EXPECT_EQ(validateTopology(*cube), "");
    // The whole object; then, with only triangles left, nothing.
    setMode(SceneSelectionManager::ObjectMode);
    cube->set(Geometry::Selected);
    run(46);
    run(46);
    EXPECT_EQ(cube->faces.count(), 12);
    EXPECT_EQ(validateTopology(*cube), "");
}

TEST_F(TopologyCommandsTest, FillHoleClosesACubeWithOneFaceRemoved)
{
    Shape* cube = addCube();
    fixtures::deleteFace(*cube, 2);
    cube->topologyChanged();
    setMode(SceneSelectionManager::EdgeMode);
    // Two rim edges of the same hole: the second finds no hole left.
    int rim = 0;
    for (Edge* e : cube->edges)
        if (e->faces.count() == 1 && rim++ < 2)
            e->set(Geometry::Selected);
    run(245);
    ASSERT_EQ(cube->faces.count(), 6);
    EXPECT_EQ(cube->faces.last()->corners.count(), 4);
    EXPECT_EQ(validateTopology(*cube), "");
}

TEST_F(TopologyCommandsTest, CombineMovesTheSelectedObjectsIntoTheFirst)
{
    Shape* left = addCube();
    Shape* bystander = addCube(10.0f);
    Shape* right = addCube(4.0f);
    left->set(Geometry::Selected);
    right->set(Geometry::Selected);
    run(70);
    ASSERT_EQ(objects().count(), 2);
    EXPECT_EQ(objects()[1], bystander);
    EXPECT_EQ(left->faces.count(), 12);
    // The pivot moves to the centre of both cubes together.
    EXPECT_NEAR(left->axisFrame[InnerShape::AxisPivot].x, 2.0f, 1e-5);
    EXPECT_EQ(validateTopology(*left), "");
    run(68); // "Undo"
    ASSERT_EQ(objects().count(), 3);
    EXPECT_EQ(objects()[2], right);
}
