// Creation commands make primitives from their option groups, undoably.
#include <gtest/gtest.h>

#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneCommandManager.h"
#include "Scene/SceneObjectManager.h"
#include "support/RecordingWindow.h"

namespace {
struct Creation {
    int command;
    const char* name;
};

class CreatePrimitives : public ::testing::Test {
protected:
    CreatePrimitives() : scene(&window, "") { window.scene = &scene; }
    int objectCount() { return scene.objectManager->objects.count(); }

    RecordingWindow window;
    Scene scene;
};
} // namespace

TEST_F(CreatePrimitives, EveryPrimitiveCommandAddsOneNamedObjectThatUndoRemoves)
{
    const Creation creations[] = {{108, "Cube"},   {109, "Cylinder"}, {103, "Cone"},   {105, "Sphere"},
                                  {104, "Torus"},  {107, "Grid"},     {102, "Line Segment"}, {106, "Line Segment"},
                                  {100051, "Cube"}, {100066, "Cylinder"}};
    for (const Creation& c : creations) {
        int before = objectCount();
        scene.executeCommand(c.command, "", 0, 0, 0);
        ASSERT_EQ(objectCount(), before + 1) << c.command;
        EXPECT_EQ(scene.objectManager->objects.last()->name, c.name) << c.command;
        scene.executeCommand(68, "", 0, 0, 0); // "Undo"
        EXPECT_EQ(objectCount(), before) << c.command;
        scene.executeCommand(69, "", 0, 0, 0); // "Redo"
        EXPECT_EQ(objectCount(), before + 1) << c.command;
    }
}

TEST_F(CreatePrimitives, OptionsShapeTheObject)
{
    ASSERT_TRUE(scene.applicationManager->registry.setInt(164, "Width Sections", 3));
    scene.executeCommand(108, "", 0, 0, 0);
    ASSERT_EQ(objectCount(), 1);
    EXPECT_EQ(scene.objectManager->objects[0]->faces.count(), 14);
    EXPECT_TRUE(scene.commandManager->hasUnsavedChanges());
}

TEST_F(CreatePrimitives, SweepsAreMadeFromTheSelectedObjects)
{
    scene.executeCommand(110, "", 0, 0, 0);
    EXPECT_EQ(window.statusMessages.back(), "You must select at least one object to lathe");
    EXPECT_EQ(objectCount(), 0);

    scene.executeCommand(102, "", 0, 0, 0); // an unfilled circle: a closed wire profile
    scene.objectManager->objects[0]->set(Geometry::Selected);
    scene.executeCommand(110, "", 0, 0, 0);
    ASSERT_EQ(objectCount(), 2);
    EXPECT_EQ(scene.objectManager->objects[1]->name, "Lathe");
    scene.executeCommand(111, "", 0, 0, 0);
    ASSERT_EQ(objectCount(), 3);
    EXPECT_EQ(scene.objectManager->objects[2]->name, "Extrusion");
    scene.executeCommand(68, "", 0, 0, 0);
    EXPECT_EQ(objectCount(), 2);
}

TEST_F(CreatePrimitives, PathExtrusionNeedsAnOpenProfileAndAPathWithoutFaces)
{
    scene.executeCommand(108, "", 0, 0, 0);
    scene.executeCommand(108, "", 0, 0, 0);
    for (Shape* s : scene.objectManager->objects)
        s->set(Geometry::Selected);
    scene.executeCommand(112, "", 0, 0, 0);
    EXPECT_EQ(window.statusMessages.back(),
              "Invalid geometry for path extrusion. Make sure the source object is not a closed surface and that the "
              "path object contains no faces.");
    EXPECT_EQ(objectCount(), 2);

    scene.executeCommand(68, "", 0, 0, 0); // the second cube goes
    scene.executeCommand(102, "", 0, 0, 0); // a circle as profile
    scene.executeCommand(106, "", 0, 0, 0); // an arc as path
    scene.objectManager->objects[0]->set(Geometry::Selected, false);
    scene.objectManager->objects[1]->set(Geometry::Selected);
    scene.objectManager->objects[2]->set(Geometry::Selected);
    scene.executeCommand(112, "", 0, 0, 0);
    ASSERT_EQ(objectCount(), 4);
    EXPECT_EQ(scene.objectManager->objects[3]->name, "Path Extrusion");
}
