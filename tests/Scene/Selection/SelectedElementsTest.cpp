// Reading the selection from the element flags: which kind each mode reads,
// and that hidden objects and elements never count.
#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "support/Fixtures.h"

namespace {

using ShapePtr = std::unique_ptr<Shape, ReleaseGeometry>;

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
    EXPECT_TRUE(read.perObject()[0].whole);
    EXPECT_TRUE(read.perObject()[0].faces.empty());
    EXPECT_EQ(read.objectCount(), 1);
    EXPECT_EQ(read.faceCount(), 0);
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
    ASSERT_EQ(last.edges.count(), 2);
    EXPECT_EQ(last.edges[0], shapes[2]->edges[1]);
    EXPECT_EQ(last.edges[1], shapes[2]->edges[7]);
    EXPECT_TRUE(last.faces.empty());
    EXPECT_EQ(edges.edgeCount(), 3);
    EXPECT_EQ(edges.objectCount(), 0);
    SelectedElements faces(scene, SceneSelectionManager::FaceMode);
    ASSERT_EQ(faces.perObject().size(), 1u);
    EXPECT_EQ(faces.faceCount(), 1);
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
    ASSERT_EQ(read.perObject().size(), 1u);
    EXPECT_EQ(read.vertexCount(), 1);
    EXPECT_EQ(read.edgeCount(), 1);
    EXPECT_EQ(read.faceCount(), 1);
    EXPECT_EQ(read.objectCount(), 0);
}

TEST_F(SelectedElementsTest, HiddenElementsAndElementsOfHiddenObjectsDoNotCount)
{
    shapes[0]->faces[0]->set(Geometry::Selected);
    shapes[0]->faces[0]->set(Geometry::Hidden);
    shapes[1]->faces[1]->set(Geometry::Selected);
    shapes[1]->set(Geometry::Hidden);
    SelectedElements read(scene, SceneSelectionManager::FaceMode);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(read.faceCount(), 0);
}
