// The deletion record: deletes when pushed, puts the objects back where they
// were on undo, and owns them exactly while they are out of the scene.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/UndoStack.h"
#include "support/ShapeFixtures.h"

namespace {

using fixtures::CountedShape;

struct URdeleteShapesScene : ::testing::Test {
    URdeleteShapesScene()
    {
        manager = std::make_unique<SceneObjectManager>();
        for (auto& s : shapes) {
            s = std::make_unique<CountedShape>();
            manager->addObject(s.get());
        }
    }
    ~URdeleteShapesScene() override { manager.reset(); }
    CountedShape* shape(int i) { return shapes[static_cast<size_t>(i)].get(); }
    std::vector<Shape*> scene() const { return {manager->objects.begin(), manager->objects.end()}; }
    std::vector<Shape*> all() { return {shape(0), shape(1), shape(2), shape(3)}; }

    std::unique_ptr<CountedShape> shapes[4];
    std::unique_ptr<SceneObjectManager> manager;
};

} // namespace

TEST_F(URdeleteShapesScene, DeletesWhenPushedAndRestoresThePlaces)
{
    URdeleteShapes record(*manager, {shape(3), shape(1)});
    EXPECT_TRUE(record.apply());
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(2)}));
    EXPECT_TRUE(record.revert());
    EXPECT_EQ(scene(), all());
    EXPECT_TRUE(record.reapply());
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(2)}));
    record.revert();
}

TEST_F(URdeleteShapesScene, AnObjectListedTwiceIsReleasedOnce)
{
    auto record = std::make_unique<URdeleteShapes>(*manager, std::vector<Shape*>{shape(1), shape(2), shape(1)});
    EXPECT_EQ(record->deletedObjects().size(), 2u);
    record->apply();
    record.reset();
    EXPECT_EQ(shape(1)->releases, 1);
    EXPECT_EQ(shape(2)->releases, 1);
    EXPECT_EQ(shape(0)->releases + shape(3)->releases, 0);
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(3)}));
}

TEST_F(URdeleteShapesScene, OnTheStackOnlyARecordDroppedWhileDoneReleases)
{
    UndoStack stack([] { return 1; });
    stack.push(new URdeleteShapes(*manager, {shape(0)}));
    stack.undo();
    stack.push(new URdeleteShapes(*manager, {shape(1)}));
    EXPECT_EQ(shape(0)->releases, 0) << "dropped after its undo";
    stack.push(new URdeleteShapes(*manager, {shape(2)}));
    EXPECT_EQ(shape(1)->releases, 1) << "dropped by the undo limit";
    EXPECT_EQ(scene(), (std::vector<Shape*>{shape(0), shape(3)}));
}

TEST_F(URdeleteShapesScene, ObjectsOutsideTheSceneAreNeitherMovedNorOwned)
{
    CountedShape stranger;
    auto record = std::make_unique<URdeleteShapes>(*manager, std::vector<Shape*>{&stranger, shape(2)});
    record->apply();
    record->revert();
    EXPECT_EQ(scene(), all());
    record->reapply();
    record.reset();
    EXPECT_EQ(stranger.releases, 0);
    EXPECT_EQ(shape(2)->releases, 1);
}
