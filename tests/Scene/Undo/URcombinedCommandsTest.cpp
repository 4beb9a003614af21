// A group of records: applied and reapplied in order, reverted in reverse
// order, and the owner of its records.
#include <gtest/gtest.h>

#include <string>

#include "Scene/Undo/URcombinedCommands.h"

namespace {

class NoteRecord : public UndoCommand {
public:
    NoteRecord(std::string& notes, char name) : notes_(notes), name_(name) { }
    ~NoteRecord() override { notes_ += std::string("~") + name_; }
    bool apply() override { return note('a'); }
    bool revert() override { return note('r'); }
    bool reapply() override { return note('p'); }

private:
    bool note(char what)
    {
        notes_ += what;
        notes_ += name_;
        // Refusals do not stop the group.
        return false;
    }
    std::string& notes_;
    char name_;
};

} // namespace

TEST(URcombinedCommands, RunsItsRecordsInCommandOrderAndUndoesThemBackwards)
{
    std::string notes;
    {
        URcombinedCommands group;
        group.append(new NoteRecord(notes, '1'));
        group.append(new NoteRecord(notes, '2'));
        group.append(new NoteRecord(notes, '3'));
        EXPECT_TRUE(group.apply());
        EXPECT_TRUE(group.revert());
        EXPECT_TRUE(group.reapply());
        EXPECT_EQ(notes, "a1a2a3r3r2r1p1p2p3");
        notes.clear();
    }
    EXPECT_EQ(notes, "~1~2~3");
}
