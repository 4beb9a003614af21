// The records that take whole objects out of the scene and put them back
// (creation and deletion): the places objects come back to, and that a record
// owns exactly the objects it holds out of the scene, releasing each once.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/UndoStack.h"
#include "support/ShapeFixtures.h"

namespace {
using fixtures::CountedShape;

struct ShapeListRecords : ::testing::Test {
    ShapeListRecords()
    {
        for (auto& s : shapes)
            s = std::make_unique<CountedShape>();
        manager->addObject(shape(0));
        manager->addObject(shape(1));
    }
    // The manager releases what is still in the scene before the storage goes.
    ~ShapeListRecords() override { manager.reset(); }
    CountedShape* shape(int i) { return shapes[static_cast<size_t>(i)].get(); }
    std::vector<Shape*> scene() const { return {manager->objects.begin(), manager->objects.end()}; }
    std::vector<Shape*> shapesAt(std::initializer_list<int> at)
    {
        std::vector<Shape*> out;
        for (int i : at)
            out.push_back(shape(i));
        return out;
    }
    // A creation command as the command manager runs it.
    URaddShapes* create()
    {
        auto* record = new URaddShapes(*manager);
        manager->addObject(shape(2));
        manager->addObject(shape(3));
        record->apply();
        return record;
    }
    int releases() { return shape(0)->releases + shape(1)->releases + shape(2)->releases + shape(3)->releases; }

    std::unique_ptr<CountedShape> shapes[4];
    std::unique_ptr<SceneObjectManager> manager = std::make_unique<SceneObjectManager>();
};
} // namespace

TEST_F(ShapeListRecords, CreationIsTakenOutAndPutBackAndOwnedWhileOut)
{
    std::unique_ptr<URaddShapes> record(create());
    EXPECT_EQ(record->createdObjects(), shapesAt({2, 3}));
    EXPECT_TRUE(record->revert());
    EXPECT_EQ(scene(), shapesAt({0, 1}));
    EXPECT_TRUE(record->reapply());
    EXPECT_EQ(scene(), shapesAt({0, 1, 2, 3}));
    record->revert();
    record.reset();
    EXPECT_EQ(std::pair(shape(2)->releases, shape(3)->releases), std::pair(1, 1));
    EXPECT_EQ(releases(), 2);
}

TEST_F(ShapeListRecords, DeletionRestoresThePlacesAndReleasesEachObjectOnce)
{
    manager->addObject(shape(2));
    manager->addObject(shape(3));
    CountedShape stranger;
    URdeleteShapes record(*manager, {shape(3), shape(1)});
    EXPECT_TRUE(record.apply());
    EXPECT_EQ(scene(), shapesAt({0, 2}));
    EXPECT_TRUE(record.revert());
    EXPECT_EQ(scene(), shapesAt({0, 1, 2, 3}));
    // Listed twice, or not in the scene at all: released once, or never.
    auto twice = std::make_unique<URdeleteShapes>(*manager, std::vector<Shape*>{shape(1), &stranger, shape(1)});
    twice->apply();
    twice.reset();
    EXPECT_EQ(shape(1)->releases, 1);
    EXPECT_EQ(stranger.releases, 0);
    EXPECT_EQ(scene(), shapesAt({0, 2, 3}));
}

TEST_F(ShapeListRecords, OnTheStackOnlyRecordsDroppedWhileTheirObjectsAreOutRelease)
{
    UndoStack stack([] { return 1; });
    stack.push(create());
    stack.push(new URdeleteShapes(*manager, {shape(0)}));
    stack.undo();
    stack.push(new URdeleteShapes(*manager, {shape(1)}));
    EXPECT_EQ(releases(), 0) << "a done creation and an undone deletion hold nothing";
    stack.push(new URdeleteShapes(*manager, {shape(2)}));
    EXPECT_EQ(shape(1)->releases, 1) << "deletion dropped by the undo limit";
    EXPECT_EQ(scene(), shapesAt({0, 3}));
}
