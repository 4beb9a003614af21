// Creation commands make primitives from their option groups, undoably.
#include "Scene/Selection/SelectionTestScene.h"

namespace {
struct Creation {
    int command;
    const char* name;
};

class CreatePrimitives : public SelectionTestScene {
protected:
    int objectCount() { return scene.objectManager->objects.count(); }
};
} // namespace

TEST_F(CreatePrimitives, EveryPrimitiveCommandAddsOneNamedObjectThatUndoRemoves)
{
    const Creation creations[] = {{108, "Cube"},   {109, "Cylinder"}, {103, "Cone"},   {105, "Sphere"},
                                  {104, "Torus"},  {107, "Grid"},     {102, "Line Segment"}, {106, "Line Segment"},
                                  {100051, "Cube"}, {100066, "Cylinder"}};
    for (const Creation& c : creations) {
        int before = objectCount();
        run(c.command);
        ASSERT_EQ(objectCount(), before + 1) << c.command;
        EXPECT_EQ(scene.objectManager->objects.last()->name, c.name) << c.command;
        run(68); // "Undo"
        EXPECT_EQ(objectCount(), before) << c.command;
        run(69); // "Redo"
        EXPECT_EQ(objectCount(), before + 1) << c.command;
    }
}

TEST_F(CreatePrimitives, SweepsAreMadeFromTheSelectedObjects)
{
    run(110);
    EXPECT_EQ(lastStatus(), "You must select at least one object to lathe");
    EXPECT_EQ(objectCount(), 0);
    run(102); // an unfilled circle: a closed wire profile
    scene.objectManager->objects[0]->set(Geometry::Selected);
    run(110);
    ASSERT_EQ(objectCount(), 2);
    EXPECT_EQ(scene.objectManager->objects[1]->name, "Lathe");
    run(111);
    ASSERT_EQ(objectCount(), 3);
    EXPECT_EQ(scene.objectManager->objects[2]->name, "Extrusion");
    run(68);
    EXPECT_EQ(objectCount(), 2);
}

TEST_F(CreatePrimitives, PathExtrusionNeedsAnOpenProfileAndAPathWithoutFaces)
{
    run(108);
    run(108);
    for (Shape* s : scene.objectManager->objects)
        s->set(Geometry::Selected);
    run(112);
    EXPECT_EQ(lastStatus(),
              "Invalid geometry for path extrusion. Make sure the source object is not a closed surface and that the "
              "path object contains no faces.");
    EXPECT_EQ(objectCount(), 2);
    run(68); // the second cube goes
    run(102); // a circle as profile
    run(106); // an arc as path
    scene.objectManager->objects[0]->set(Geometry::Selected, false);
    scene.objectManager->objects[1]->set(Geometry::Selected);
    scene.objectManager->objects[2]->set(Geometry::Selected);
    run(112);
    ASSERT_EQ(objectCount(), 4);
    EXPECT_EQ(scene.objectManager->objects[3]->name, "Path Extrusion");
}
