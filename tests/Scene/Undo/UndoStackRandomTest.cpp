// Random sequences of stack operations checked step by step against a small
// reference model of the stack: list contents, counters, groups and the
// number of records alive (so that leaks and double destruction show).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Scene/Undo/URcombinedCommands.h"
#include "Scene/Undo/UndoStack.h"

namespace {

int aliveRecords = 0;

// Answers fixed in advance, so that the model knows them too.
struct Answers {
    bool apply = true, revert = true, reapply = true;
};

class ScriptedRecord : public UndoCommand {
public:
    ScriptedRecord(int id, Answers answers) : id(id), answers(answers) { ++aliveRecords; }
    ~ScriptedRecord() override { --aliveRecords; }
    bool apply() override { return answers.apply; }
    bool revert() override { return answers.revert; }
    bool reapply() override { return answers.reapply; }

    int id;
    Answers answers;
};

// The reference: the algorithms written out plainly over value entries.
struct ModelStack {
    struct Entry {
        int id = -1;     // -1 for a group
        int members = 1; // records alive because of this entry
        Answers answers;
    };

    void push(const Entry& e)
    {
        if (depth > 0 && groupOpen) {
            groupMembers.push_back(e.id);
            return;
        }
        undone.clear();
        if (e.answers.apply)
            store(e);
    }
    void store(const Entry& e)
    {
        if (static_cast<int>(done.size()) >= limit)
            done.erase(done.begin());
        done.push_back(e);
        if (changeCount < 0 && !undone.empty())
            changeCount = static_cast<int>(undone.size() + done.size()) + 1;
        else
            ++changeCount;
    }
    void beginGroup()
    {
        ++depth;
        if (!groupOpen) {
            groupOpen = true;
            groupMembers.clear();
        }
    }
    void endGroup()
    {
        if (depth == 0 || --depth > 0)
            return;
        groupOpen = false;
        undone.clear();
        store({-1, static_cast<int>(groupMembers.size()), {}});
    }
    void undo()
    {
        if (done.empty())
            return;
        --changeCount;
        Entry e = done.back();
        done.pop_back();
        if (e.answers.revert)
            undone.push_back(e);
    }
    void redo()
    {
        if (undone.empty())
            return;
        ++changeCount;
        Entry e = undone.back();
        undone.pop_back();
        if (e.answers.reapply)
            store(e);
    }
    int alive() const
    {
        int n = groupOpen ? static_cast<int>(groupMembers.size()) : 0;
        for (const Entry& e : done)
            n += e.members;
        for (const Entry& e : undone)
            n += e.members;
        return n;
    }

    std::vector<Entry> done, undone;
    std::vector<int> groupMembers;
    bool groupOpen = false;
    int depth = 0;
    int changeCount = 0;
    int limit = 10;
};

// The stack's list holds the same records as the model's, in the same order.
::testing::AssertionResult sameRecords(const List<UndoCommand*>& actual, const std::vector<ModelStack::Entry>& expected)
{
    if (actual.count() != static_cast<int>(expected.size()))
        return ::testing::AssertionFailure() << actual.count() << " records, expected " << expected.size();
    for (size_t i = 0; i < expected.size(); ++i) {
        const UndoCommand* r = actual[static_cast<int>(i)];
        if (expected[i].id >= 0) {
            const auto* s = dynamic_cast<const ScriptedRecord*>(r);
            if (!s || s->id != expected[i].id)
                return ::testing::AssertionFailure() << "record " << i << " is not " << expected[i].id;
        } else {
            const auto* g = dynamic_cast<const URcombinedCommands*>(r);
            if (!g || g->count() != expected[i].members)
                return ::testing::AssertionFailure() << "record " << i << " is not a group of " << expected[i].members;
        }
    }
    return ::testing::AssertionSuccess();
}

void runSequence(unsigned seed, int steps)
{
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    int level = 1 + static_cast<int>(random() % 6);
    ModelStack model;
    model.limit = level;
    {
        UndoStack stack([&] { return level; });
        int nextId = 0;
        for (int step = 0; step < steps; ++step) {
            const int op = static_cast<int>(random() % 100);
            std::string what;
            if (op < 35) {
                Answers a{!chance(10), !chance(10), !chance(10)};
                const int id = nextId++;
                what = "push " + std::to_string(id);
                stack.push(new ScriptedRecord(id, a));
                model.push({id, 1, a});
            } else if (op < 55) {
                what = "undo";
                stack.undo();
                model.undo();
            } else if (op < 70) {
                what = "redo";
                stack.redo();
                model.redo();
            } else if (op < 80) {
                what = "beginGroup";
                stack.beginGroup();
                model.beginGroup();
            } else if (op < 91) {
                what = "endGroup";
                stack.endGroup();
                model.endGroup();
            } else if (op < 96) {
                what = "markSaved";
                stack.markSaved();
                model.changeCount = 0;
            } else if (op < 98) {
                what = "clear";
                stack.clear();
                model.done.clear();
                model.undone.clear();
            } else {
                level = 1 + static_cast<int>(random() % 6);
                model.limit = level;
                what = "level " + std::to_string(level);
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + what);
            ASSERT_TRUE(sameRecords(stack.doneRecords(), model.done));
            ASSERT_TRUE(sameRecords(stack.undoneRecords(), model.undone));
            ASSERT_EQ(stack.changeCount(), model.changeCount);
            ASSERT_EQ(stack.hasUnsavedChanges(), model.changeCount != 0);
            ASSERT_EQ(stack.groupDepth(), model.depth);
            ASSERT_EQ(stack.openGroup() != nullptr, model.groupOpen);
            if (model.groupOpen) {
                ASSERT_EQ(stack.openGroup()->count(), static_cast<int>(model.groupMembers.size()));
            }
            ASSERT_EQ(aliveRecords, model.alive());
        }
    }
    EXPECT_EQ(aliveRecords, 0);
}

} // namespace

TEST(UndoStackRandom, MatchesTheReferenceModelStepByStep)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        runSequence(seed, 1500);
        if (HasFatalFailure())
            return;
    }
}
