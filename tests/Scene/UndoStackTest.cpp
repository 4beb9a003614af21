// The undo stack's algorithms: push and store, the "Undo Level" limit, the
// unsaved-change counter, groups and the destruction of records.
#include <gtest/gtest.h>

#include <vector>

#include "Scene/URcombinedCommands.h"
#include "Scene/UndoStack.h"

namespace {

// What happened to the records of one test.
struct Journal {
    std::vector<int> applied, reverted, reapplied, destroyed;
};

// A record that logs its calls and answers as it was told.
class LoggedRecord : public UndoCommand {
public:
    LoggedRecord(Journal& journal, int id, bool applyResult = true, bool revertResult = true, bool reapplyResult = true)
        : journal_(journal), id_(id), results_{applyResult, revertResult, reapplyResult}
    {
    }
    ~LoggedRecord() override { journal_.destroyed.push_back(id_); }
    bool apply() override { return log(journal_.applied, 0); }
    bool revert() override { return log(journal_.reverted, 1); }
    bool reapply() override { return log(journal_.reapplied, 2); }

private:
    bool log(std::vector<int>& calls, int which)
    {
        calls.push_back(id_);
        return results_[which];
    }

    Journal& journal_;
    int id_;
    bool results_[3];
};

struct StackFixture : ::testing::Test {
    void push(int id) { stack.push(new LoggedRecord(journal, id)); }
    Journal journal;
    UndoStack stack;
};

} // namespace

using UndoStackLimit = StackFixture;

TEST_F(UndoStackLimit, ElevenCommandsAtLevelTenLeaveTenSteps)
{
    for (int i = 1; i <= 11; ++i)
        push(i);
    EXPECT_EQ(stack.doneCount(), 10);
    EXPECT_EQ(journal.destroyed, std::vector<int>{1});
    for (int i = 0; i < 11; ++i)
        stack.undo();
    EXPECT_EQ(journal.reverted, (std::vector<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    EXPECT_EQ(stack.undoneCount(), 10);
}

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
    EXPECT_TRUE(stack.hasUnsavedChanges());
    // Saved, undone twice, redone once: every record counts, plus one.
    push(3);
    stack.markSaved();
    stack.undo();
    stack.undo();
    stack.redo();
    EXPECT_EQ(stack.changeCount(), stack.doneCount() + stack.undoneCount() + 1);
    // Empty lists change nothing.
    stack.clear();
    stack.markSaved();
    stack.undo();
    stack.redo();
    EXPECT_EQ(stack.changeCount(), 0);
}

using UndoStackRecords = StackFixture;

TEST_F(UndoStackRecords, RefusedApplyDestroysTheRecordWithoutCounting)
{
    push(1);
    stack.undo();
    stack.push(new LoggedRecord(journal, 2, false));
    EXPECT_EQ(journal.destroyed, (std::vector<int>{1, 2}));
    EXPECT_EQ(stack.doneCount(), 0);
    EXPECT_EQ(stack.undoneCount(), 0);
    EXPECT_EQ(stack.changeCount(), 0);
}

TEST_F(UndoStackRecords, FailedRevertOrReapplyLosesTheStep)
{
    stack.push(new LoggedRecord(journal, 1));
    stack.push(new LoggedRecord(journal, 2, true, false));
    stack.undo();
    EXPECT_EQ(journal.destroyed, std::vector<int>{2});
    EXPECT_EQ(stack.doneCount(), 1);
    EXPECT_EQ(stack.undoneCount(), 0);
    EXPECT_EQ(stack.changeCount(), 1);

    stack.push(new LoggedRecord(journal, 3, true, true, false));
    stack.undo();
    stack.redo();
    EXPECT_EQ(journal.destroyed, (std::vector<int>{2, 3}));
    EXPECT_EQ(stack.doneCount(), 1);
    EXPECT_EQ(stack.changeCount(), 2);
}

using UndoStackGroup = StackFixture;

TEST_F(UndoStackGroup, IsUndoneAndRedoneInOneStep)
{
    stack.beginGroup();
    push(1);
    push(2);
    push(3);
    EXPECT_EQ(stack.doneCount(), 0);
    stack.endGroup();
    EXPECT_EQ(stack.doneCount(), 1);
    EXPECT_EQ(stack.changeCount(), 1);
    stack.undo();
    EXPECT_EQ(journal.reverted, (std::vector<int>{3, 2, 1}));
    stack.redo();
    EXPECT_EQ(journal.reapplied, (std::vector<int>{1, 2, 3}));
}

TEST_F(UndoStackGroup, KeepsRecordsWhoseApplyRefuses)
{
    stack.beginGroup();
    stack.push(new LoggedRecord(journal, 1, false));
    stack.endGroup();
    EXPECT_TRUE(journal.destroyed.empty());
    ASSERT_NE(dynamic_cast<const URcombinedCommands*>(stack.doneRecords()[0]), nullptr);
    EXPECT_EQ(static_cast<const URcombinedCommands*>(stack.doneRecords()[0])->count(), 1);
}

TEST_F(UndoStackGroup, NestedGroupsCloseAtTheOutermostEndAndEmptyOnesCount)
{
    stack.beginGroup();
    push(1);
    stack.beginGroup();
    push(2);
    stack.endGroup();
    EXPECT_EQ(stack.groupDepth(), 1);
    EXPECT_EQ(stack.doneCount(), 0);
    push(3);
    stack.endGroup();
    ASSERT_EQ(stack.doneCount(), 1);
    EXPECT_EQ(static_cast<const URcombinedCommands*>(stack.doneRecords()[0])->count(), 3);
    stack.beginGroup();
    stack.endGroup();
    EXPECT_EQ(stack.doneCount(), 2);
    EXPECT_EQ(stack.openGroup(), nullptr);
    stack.endGroup(); // unmatched: nothing happens
    EXPECT_EQ(stack.groupDepth(), 0);
    EXPECT_EQ(stack.doneCount(), 2);
}
