// The undo stack's rules with expectations worked out by hand: the "Undo
// Level" limit, the unsaved-change counter, groups, and what a record that
// changed nothing leaves behind (nothing).
#include <gtest/gtest.h>

#include <vector>

#include "Scene/Undo/UndoCommand.h"
#include "Scene/Undo/UndoStack.h"

namespace {

// What happened to the records of one test.
struct Journal {
    std::vector<int> applied, reverted, reapplied, destroyed;
};

// A record that logs its calls and accepts every one.
class LoggedRecord : public UndoCommand {
public:
    LoggedRecord(Journal& journal, int id, bool changed) : journal_(journal), id_(id), changed_(changed) {}
    ~LoggedRecord() override { journal_.destroyed.push_back(id_); }
    bool apply() override { return log(journal_.applied) && changed_; }
    bool revert() override { return log(journal_.reverted); }
    bool reapply() override { return log(journal_.reapplied); }

private:
    bool log(std::vector<int>& calls) { return calls.push_back(id_), true; }

    Journal& journal_;
    int id_;
    bool changed_; // what apply answers
};

struct StackFixture : ::testing::Test {
    void push(int id, bool changed = true) { stack.push(new LoggedRecord(journal, id, changed)); }
    Journal journal;
    UndoStack stack;
};

} // namespace

using UndoStackLimit = StackFixture;

TEST_F(UndoStackLimit, IsReadAtEveryStoreAndDropsOnlyOneRecord)
{
    int level = 5;
    stack.setUndoLevel([&] { return level; });
    for (int i = 1; i <= 5; ++i)
        push(i);
    level = 3;
    push(6);
    // A lowered limit trims one record per store, not down to the limit.
    EXPECT_EQ(stack.doneCount(), 5);
    EXPECT_EQ(journal.destroyed, std::vector<int>{1});
    level = 0; // counts as 1
    push(7);
    EXPECT_EQ(stack.undoLevel(), 1);
    EXPECT_EQ(stack.doneCount(), 5);
}

using UndoStackCounter = StackFixture;

TEST_F(UndoStackCounter, SaveUndoRedoLeavesUnsavedChanges)
{
    push(1);
    push(2);
    stack.markSaved();
    stack.undo();
    EXPECT_EQ(stack.changeCount(), -1);
    stack.redo();
    // Redo stores the record again and counts it once more.
    EXPECT_EQ(stack.changeCount(), 1);
    // Empty lists change nothing.
    stack.clear();
    stack.markSaved();
    stack.undo();
    EXPECT_EQ(stack.changeCount(), 0);
}

using UndoStackGroup = StackFixture;

TEST_F(UndoStackGroup, NestsAndLeavesNoStepWhenNothingInItChanged)
{
    push(1);
    stack.undo();
    const int32_t changes = stack.changeCount();
    push(2, false);
    stack.beginGroup();
    stack.beginGroup();
    push(3, false);
    EXPECT_FALSE(stack.endGroup());
    EXPECT_FALSE(stack.endGroup());
    // Nothing stored, nothing counted, the redo list kept; refused records are destroyed.
    EXPECT_EQ(stack.doneCount(), 0);
    EXPECT_EQ(stack.undoneCount(), 1);
    EXPECT_EQ(stack.changeCount(), changes);
    EXPECT_EQ(journal.destroyed, (std::vector<int>{2, 3}));
    stack.beginGroup();
    push(4, false);
    stack.beginGroup();
    push(5);
    stack.endGroup();
    EXPECT_EQ(stack.doneCount(), 0) << "still inside the outer group";
    push(6);
    EXPECT_TRUE(stack.endGroup());
    EXPECT_EQ(stack.doneCount(), 1);
    EXPECT_EQ(stack.undoneCount(), 0) << "a stored step empties the redo list";
    // One step, undone backwards and redone forwards.
    stack.undo();
    EXPECT_EQ(journal.reverted, (std::vector<int>{1, 6, 5}));
    stack.redo();
    EXPECT_EQ(journal.reapplied, (std::vector<int>{5, 6}));
}
