// The object edits driven through a real scene: what each one makes, where
// it puts it and what it selects, and its refusals. UndoModelTest checks that
// Undo and Redo give back each state exactly.
#include "Scene/Selection/SelectionTestScene.h"

#include "Mesh/ObjectCopies.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/Validate.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Settings/CommandIds.h"
#include "Settings/OptionKeys.h"

using namespace CommandId;

namespace {

class ObjectCommandsTest : public SelectionTestScene {
protected:
    List<Shape*>& objects() { return scene.objectManager->objects; }
    int doneCount() const { return scene.commandManager->geometryUndo.doneCount(); }
    std::vector<Shape*> selected()
    {
        std::vector<Shape*> out;
        for (Shape* s : objects())
            if (s->isSelected())
                out.push_back(s);
        return out;
    }
    void expectValid()
    {
        for (Shape* s : objects())
            if (s->shapeKind() == InnerShape::KindShape)
                EXPECT_EQ(validateTopology(*s), "");
    }
};

float lowX(const Shape& s) { return objectBounds(s).low.x; }

} // namespace

TEST_F(ObjectCommandsTest, RefusalsChangeNothing)
{
    struct Case {
        int command;
        int mode;
        std::string expected;
    };
    const Case cases[] = {
        {Copy, Selection::ObjectMode, std::string(Refusal::NothingSelected)},
        {Paste, Selection::ObjectMode, std::string(refusalMessage(Paste))},
        {Duplicate, Selection::ObjectMode, std::string(refusalMessage(Duplicate))},
        {Duplicate, Selection::EdgeMode, std::string(refusalMessage(Duplicate))},
        {InstanceMirrorToggle, Selection::ObjectMode, std::string(refusalMessage(InstanceMirrorToggle))},
        {SetObjectAxis, Selection::ObjectMode, std::string(refusalMessage(SetObjectAxis))},
        {RecenterObjectAxis, Selection::ObjectMode, std::string(refusalMessage(RecenterObjectAxis))},
    };
    Shape* cube = add(fixtures::cube());
    cube->faces[0]->set(Geometry::Selected); // seen in face mode only
    for (const Case& c : cases) {
        selection().mode = c.mode;
        run(c.command);
        EXPECT_EQ(lastStatus(), c.expected) << c.command << " in mode " << c.mode;
        EXPECT_EQ(objects().count(), 1) << c.command;
        EXPECT_EQ(doneCount(), 0) << c.command;
    }
}

TEST_F(ObjectCommandsTest, PasteBringsBackTheCopyBesideItEachTimeFurtherAlong)
{
    Shape* cube = add(fixtures::cube(), true);
    run(Copy);
    EXPECT_EQ(lastStatus(), "1 object copied to the clipboard");
    // Later edits of the original do not reach the clipboard.
    for (Vertex* v : cube->vertices)
        v->setPosition(v->x, v->y + 5.0f, v->z);
    run(Paste);
    run(Paste);
    ASSERT_EQ(objects().count(), 3);
    Shape* first = objects()[1];
    Shape* second = objects()[2];
    EXPECT_EQ(objectBounds(*first).low.y, -1.0f);
    EXPECT_GT(lowX(*first), 1.0f) << "beside the copied cube, not on it";
    EXPECT_GT(lowX(*second), objectBounds(*first).high.x);
    EXPECT_EQ(selected(), std::vector<Shape*>{second});
    EXPECT_EQ(doneCount(), 2);
    EXPECT_NE(first->vertices[0], cube->vertices[0]);
    expectValid();
}

TEST_F(ObjectCommandsTest, DuplicateCopiesObjectsAndKeepsInstancesInstances)
{
    Shape* cube = add(fixtures::cube(), true);
    cube->subdivide();
    auto* instance = take<ShapeInstance>(cube);
    instance->set(Geometry::Selected);
    scene.objectManager->addObject(instance);
    run(Duplicate);
    ASSERT_EQ(objects().count(), 4);
    Shape* copy = objects()[2];
    EXPECT_EQ(copy->shapeKind(), InnerShape::KindShape);
    EXPECT_EQ(copy->faces.count(), cube->faces.count());
    EXPECT_EQ(copy->currentLevel(), 1);
    ASSERT_EQ(objects()[3]->shapeKind(), InnerShape::KindShapeInstance);
    EXPECT_EQ(static_cast<ShapeInstance*>(objects()[3])->instancedShape, cube);
    EXPECT_EQ(selected(), (std::vector<Shape*>{copy, objects()[3]}));
    EXPECT_EQ(doneCount(), 1);
    expectValid();
}

TEST_F(ObjectCommandsTest, InstanceSharesTheGeometryAndDeInstantiateGivesItBack)
{
    Shape* cube = add(fixtures::cube(), true);
    run(Instance);
    ASSERT_EQ(objects().count(), 2);
    ASSERT_EQ(objects()[1]->shapeKind(), InnerShape::KindShapeInstance);
    auto* instance = static_cast<ShapeInstance*>(objects()[1]);
    EXPECT_EQ(instance->instancedShape, cube);
    EXPECT_TRUE(instance->vertices.empty());
    EXPECT_GT(lowX(*instance), 1.0f);
    // An edit of the source shows in the instance.
    cube->vertices[0]->setPosition(cube->vertices[0]->x, 9.0f, cube->vertices[0]->z);
    EXPECT_EQ(objectBounds(*instance).high.y, 9.0f);

    const ObjectBounds shown = objectBounds(*instance);
    run(DeInstantiateInstance);
    ASSERT_EQ(objects().count(), 2);
    Shape* real = objects()[1];
    EXPECT_EQ(real->shapeKind(), InnerShape::KindShape);
    EXPECT_EQ(real->faces.count(), 6);
    EXPECT_EQ(objectBounds(*real).low.x, shown.low.x);
    EXPECT_EQ(objectBounds(*real).high.y, 9.0f);
    EXPECT_EQ(selected(), std::vector<Shape*>{real});
    EXPECT_EQ(doneCount(), 2);
    expectValid();
}

TEST_F(ObjectCommandsTest, ArrayRepeatsTheOffsetAndRunsOnFromTheLastTwo)
{
    for (bool instances : {false, true}) {
        SCOPED_TRACE(instances);
        scene.objectManager->clearObjects();
        Shape* cube = add(fixtures::cube(), true);
        Shape* second = instances ? take<ShapeInstance>(cube) : copyObject(*cube);
        scene.objectManager->addObject(second);
        second->set(Geometry::Selected);
        moveObject(*second, {3, 1, 0});
        run(Array);
        run(Array);
        ASSERT_EQ(objects().count(), 4);
        for (int i = 2; i < 4; ++i) {
            EXPECT_EQ(objects()[i]->shapeKind(), second->shapeKind());
            EXPECT_EQ(objects()[i]->pivot().x, 3.0f * static_cast<float>(i));
            EXPECT_EQ(objects()[i]->pivot().y, static_cast<float>(i));
            EXPECT_EQ(lowX(*objects()[i]), lowX(*cube) + 3.0f * static_cast<float>(i));
        }
        EXPECT_EQ(selected(), (std::vector<Shape*>{objects()[2], objects()[3]}));
        expectValid();

        // A second object turned a quarter about z, 3 along x: the row
        // turns on round a square.
        scene.objectManager->clearObjects();
        cube = add(fixtures::cube(), true);
        second = instances ? take<ShapeInstance>(cube) : copyObject(*cube);
        scene.objectManager->addObject(second);
        second->set(Geometry::Selected);
        const double quarter[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 3, 0, 0, 1};
        transformObject(*second, quarter);
        run(Array);
        run(Array);
        ASSERT_EQ(objects().count(), 4);
        const Point3D pivots[] = {{3, 3, 0}, {0, 3, 0}};
        const Point3D xAxes[] = {{-1, 0, 0}, {0, -1, 0}};
        for (int i = 2; i < 4; ++i) {
            EXPECT_NEAR((objects()[i]->pivot() - pivots[i - 2]).length(), 0, 1e-5);
            EXPECT_NEAR((objects()[i]->xAxis() - xAxes[i - 2]).length(), 0, 1e-5);
            EXPECT_NEAR(objectBounds(*objects()[i]).centre().distance(pivots[i - 2]), 0, 1e-5);
        }
        expectValid();
    }
}

TEST_F(ObjectCommandsTest, InstanceMirrorToggleAddsAMirroredInstanceAndTakesItAway)
{
    Shape* cube = add(fixtures::cube(), true);
    moveObject(*cube, {1.0005f, 0, 0}); // the left side lies near the YZ plane through the pivot...
    cube->setPivot({0, 0, 0});
    registry().set(Options::InstanceMirrorAxis, 0);
    registry().set(Options::InstanceMirrorTolerance, 0.01f);
    run(InstanceMirrorToggle);
    ASSERT_EQ(objects().count(), 2);
    auto* mirror = static_cast<ShapeInstance*>(objects()[1]);
    ASSERT_EQ(mirror->shapeKind(), InnerShape::KindShapeInstance);
    EXPECT_EQ(mirror->instancedShape, cube);
    EXPECT_TRUE(mirror->isMirrored());
    EXPECT_EQ(cube->instanceMirror, 1);
    EXPECT_EQ(lowX(*cube), 0.0f) << "...and is moved onto it, within the tolerance";
    EXPECT_FLOAT_EQ(objectBounds(*mirror).low.x, -2.0005f);
    EXPECT_EQ(doneCount(), 1);

    run(InstanceMirrorToggle);
    EXPECT_EQ(objects().count(), 1);
    EXPECT_EQ(cube->instanceMirror, 0);
    EXPECT_EQ(doneCount(), 2);
    expectValid();
}

TEST_F(ObjectCommandsTest, SetAxisGoesToTheSelectionAndRecenterToTheBoxCentre)
{
    Shape* cube = add(fixtures::cube(), true);
    cube->yAxis().setPosition(0, 0, 1); // a turned frame
    run(RecenterObjectAxis);
    EXPECT_EQ(doneCount(), 0) << "already centred";
    cube->setPivot({5, 5, 5});
    run(RecenterObjectAxis);
    EXPECT_EQ(cube->pivot().x, 0.0f);
    EXPECT_EQ(cube->pivot().z, 0.0f);
    EXPECT_EQ(cube->yAxis().z, 1.0f) << "recentring keeps the directions";

    enter(Selection::FaceMode);
    Face* f = cube->faces[0];
    f->set(Geometry::Selected);
    selection().refreshDisplay();
    ObjectBounds faceBox;
    for (const Corner& c : f->corners)
        faceBox.add(*c.vertex);
    run(SetObjectAxis);
    EXPECT_EQ(cube->pivot().x, faceBox.centre().x);
    EXPECT_EQ(cube->pivot().y, faceBox.centre().y);
    EXPECT_EQ(cube->pivot().z, faceBox.centre().z);
    EXPECT_EQ(cube->yAxis().y, 1.0f) << "the world axes";
    EXPECT_EQ(lowX(*cube), -1.0f) << "the geometry stays";
    EXPECT_EQ(doneCount(), 2);

    // An instance moved off the origin is centred where rounding alone
    // could move its pivot: neither command stores a step.
    enter(Selection::ObjectMode);
    cube->set(Geometry::Selected, false);
    ShapeInstance* instance = instanceOf(*cube);
    scene.objectManager->addObject(instance);
    cube->setPivot({0, 0, 0});
    instance->setPivot({0, 0, 0});
    moveObject(*instance, {2.3f, 0.1f, 0.7f});
    instance->set(Geometry::Selected);
    selection().refreshDisplay();
    for (int command : {RecenterObjectAxis, SetObjectAxis})
        run(command);
    EXPECT_EQ(doneCount(), 2);
}
