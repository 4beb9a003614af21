// Reading the selection from the element flags: which kind each mode reads,
// and that hidden objects and elements never count.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "support/ShapeFixtures.h"

namespace {

class SelectedElementsTest : public ::testing::Test {
protected:
    SelectedElementsTest()
    {
        for (ShapePtr& s : shapes) {
            s.reset(take<Shape>(*fixtures::cube()));
            scene.append(s.get());
        }
    }

    ShapePtr shapes[3];
    List<Shape*> scene;
};

} // namespace

TEST_F(SelectedElementsTest, ObjectModeReadsSelectedVisibleObjectsOnly)
{
    shapes[0]->set(Geometry::Selected);
    shapes[1]->faces[0]->set(Geometry::Selected); // component flags do not make an object selected
    shapes[2]->set(Geometry::Selected);
    shapes[2]->set(Geometry::Hidden);
    SelectedElements read(scene, SceneSelectionManager::ObjectMode);
    ASSERT_EQ(read.perObject().size(), 1u);
    EXPECT_EQ(read.perObject()[0].object, shapes[0].get());
    EXPECT_TRUE(read.perObject()[0].whole && read.perObject()[0].faces.empty());
    EXPECT_TRUE(read.objectCount() == 1 && read.faceCount() == 0);
}

TEST_F(SelectedElementsTest, ComponentModesReadTheirOwnKindInListOrder)
{
    shapes[0]->set(Geometry::Selected); // a selected object is no component
    shapes[0]->edges[5]->set(Geometry::Selected);
    shapes[2]->edges[7]->set(Geometry::Selected);
    shapes[2]->edges[1]->set(Geometry::Selected);
    shapes[2]->faces[3]->set(Geometry::Selected);
    shapes[1]->vertices[2]->set(Geometry::Selected);
    SelectedElements edges(scene, SceneSelectionManager::EdgeMode);
    ASSERT_EQ(edges.perObject().size(), 2u);
    EXPECT_EQ(edges.perObject()[0].object, shapes[0].get());
    EXPECT_FALSE(edges.perObject()[0].whole);
    const ObjectSelection& last = edges.perObject()[1];
    EXPECT_EQ(last.object, shapes[2].get());
    EXPECT_EQ(fixtures::listed(last.edges), (std::vector<Edge*>{shapes[2]->edges[1], shapes[2]->edges[7]}));
    EXPECT_TRUE(last.faces.empty());
    EXPECT_TRUE(edges.edgeCount() == 3 && edges.objectCount() == 0);
    SelectedElements faces(scene, SceneSelectionManager::FaceMode);
    EXPECT_TRUE(faces.perObject().size() == 1 && faces.faceCount() == 1);
    SelectedElements vertices(scene, SceneSelectionManager::VertexMode);
    ASSERT_EQ(vertices.perObject().size(), 1u);
    EXPECT_EQ(vertices.perObject()[0].object, shapes[1].get());
    EXPECT_EQ(vertices.vertexCount(), 1);
}

TEST_F(SelectedElementsTest, MultiModeReadsEveryComponentKind)
{
    shapes[1]->vertices[0]->set(Geometry::Selected);
    shapes[1]->edges[0]->set(Geometry::Selected);
    shapes[1]->faces[0]->set(Geometry::Selected);
    shapes[2]->set(Geometry::Selected);
    SelectedElements read(scene, SceneSelectionManager::MultiMode);
    EXPECT_EQ(read.perObject().size(), 1u);
    EXPECT_EQ((std::vector<int>{read.vertexCount(), read.edgeCount(), read.faceCount(), read.objectCount()}),
              (std::vector<int>{1, 1, 1, 0}));
}

TEST_F(SelectedElementsTest, HiddenElementsAndElementsOfHiddenObjectsDoNotCount)
{
    shapes[0]->faces[0]->set(Geometry::Selected);
    shapes[0]->faces[0]->set(Geometry::Hidden);
    shapes[1]->faces[1]->set(Geometry::Selected);
    shapes[1]->set(Geometry::Hidden);
    SelectedElements read(scene, SceneSelectionManager::FaceMode);
    EXPECT_TRUE(read.empty() && read.faceCount() == 0);
}
