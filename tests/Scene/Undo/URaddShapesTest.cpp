// The creation record: finds the objects a command made, takes them out on
// undo and back on redo, and owns them exactly while they are out.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/UndoStack.h"
#include "support/ShapeFixtures.h"

namespace {

using fixtures::CountedShape;

struct URaddShapesScene : ::testing::Test {
    URaddShapesScene()
    {
        for (auto& s : shapes)
            s = std::make_unique<CountedShape>();
        manager = std::make_unique<SceneObjectManager>();
        manager->addObject(shape(0));
        manager->addObject(shape(1));
    }
    ~URaddShapesScene() override
    {
        // The manager releases what is still in the scene before the storage goes.
        manager.reset();
    }
    CountedShape* shape(int i) { return shapes[static_cast<size_t>(i)].get(); }
    std::vector<Shape*> scene() const { return {manager->objects.begin(), manager->objects.end()}; }
    // A creation command as the command manager runs it.
    URaddShapes* create()
    {
        auto* record = new URaddShapes(*manager);
        manager->addObject(shape(2));
        manager->addObject(shape(3));
        record->apply();
        return record;
    }

    std::unique_ptr<CountedShape> shapes[4];
    std::unique_ptr<SceneObjectManager> manager;
};

} // namespace

TEST_F(URaddShapesScene, UndoTakesTheNewObjectsOutAndRedoPutsThemBack)
{
    std::unique_ptr<URaddShapes> record(create());
    EXPECT_EQ(record->createdObjects(), (std::vector<Shape*>{shape(2), shape(3)}));
    EXPECT_TRUE(record->revert());
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(1)}));
    EXPECT_TRUE(record->reapply());
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(1), shape(2), shape(3)}));
    // Destroyed while done, the record releases nothing.
    record.reset();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(shape(i)->releases, 0);
}

TEST_F(URaddShapesScene, RecordDestroyedWhileUndoneReleasesEachNewObjectOnce)
{
    std::unique_ptr<URaddShapes> record(create());
    record->revert();
    record.reset();
    EXPECT_EQ(shape(2)->releases, 1);
    EXPECT_EQ(shape(3)->releases, 1);
    EXPECT_EQ(shape(0)->releases, 0);
}

TEST_F(URaddShapesScene, ANewCommandAfterUndoReleasesTheUndoneObjects)
{
    UndoStack stack;
    auto* record = new URaddShapes(*manager);
    manager->addObject(shape(2));
    stack.push(record);
    stack.undo();
    stack.push(new URaddShapes(*manager));
    EXPECT_EQ(shape(2)->releases, 1);
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(1)}));
}
