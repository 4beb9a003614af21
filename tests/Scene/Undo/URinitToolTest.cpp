// The record pushed when a tool starts: undo ends the tool, redo does not
// bring it back.
#include <gtest/gtest.h>

#include "Scene/SceneToolManager.h"
#include "Scene/Undo/URinitTool.h"
#include "Scene/Undo/UndoStack.h"
#include "Tools/Tool.h"

namespace {

class StartedTool : public Tool {
public:
    void deactivate() override { ++deactivations; }
    int deactivations = 0;
};

} // namespace

TEST(URinitTool, UndoEndsTheActiveToolAndRedoLeavesItEnded)
{
    SceneToolManager tools;
    StartedTool tool;
    tools.activeTools.append(&tool);
    UndoStack stack;
    stack.push(new URinitTool(tools));
    stack.undo();
    EXPECT_EQ(tool.deactivations, 1);
    EXPECT_FALSE(tools.activeTools.contains(&tool));
    stack.redo();
    EXPECT_EQ(tool.deactivations, 1);
}
