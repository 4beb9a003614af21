// The script line parser: every line form, and the lines it refuses.
#include <gtest/gtest.h>

#include "Batch/BatchScript.h"

namespace {

BatchLine parsed(std::string_view text)
{
    BatchLine line;
    std::string error;
    EXPECT_TRUE(parseBatchLine(text, line, error)) << text << ": " << error;
    return line;
}

std::string refusal(std::string_view text)
{
    BatchLine line;
    std::string error;
    EXPECT_FALSE(parseBatchLine(text, line, error)) << text;
    return error;
}

} // namespace

TEST(BatchScriptTest, BlankAndCommentLinesAreSkipped)
{
    for (std::string_view text : {"", "   ", "\t\r", "# Extrude", "   #no such command"})
        EXPECT_EQ(parsed(text).kind, BatchLine::Skip) << text;
}

TEST(BatchScriptTest, CommandNamesAreLookedUpExactly)
{
    BatchLine line = parsed("  3 View Layout (Right)  ");
    EXPECT_EQ(line.kind, BatchLine::Command);
    EXPECT_EQ(line.commandId, 255);
    EXPECT_TRUE(line.argument.empty());
    EXPECT_NE(refusal("extrude").find("unknown command \"extrude\""), std::string::npos);
}

TEST(BatchScriptTest, ArgumentFollowsTheFirstColon)
{
    BatchLine line = parsed("Open Scene:  /tmp/a b:c.tvb ");
    EXPECT_EQ(line.commandId, 96);
    EXPECT_EQ(line.argument, "/tmp/a b:c.tvb");
    EXPECT_EQ(parsed("Save Scene:").argument, "");
}

TEST(BatchScriptTest, RunTakesACommandNumber)
{
    BatchLine line = parsed("run 200003");
    EXPECT_EQ(line.kind, BatchLine::Command);
    EXPECT_EQ(line.commandId, 200003);
    line = parsed("run  97 : out.tvb");
    EXPECT_EQ(line.commandId, 97);
    EXPECT_EQ(line.argument, "out.tvb");
}

TEST(BatchScriptTest, SetTakesGroupQuotedNameAndValues)
{
    BatchLine line = parsed("set 161 \"Enabled\" 1");
    EXPECT_EQ(line.kind, BatchLine::Set);
    EXPECT_EQ(line.groupId, 161);
    EXPECT_EQ(line.optionName, "Enabled");
    EXPECT_EQ(line.values, std::vector<std::string>{"1"});
    line = parsed("set 114 \"Viewport Background\" 0.1 0.2 0.3");
    EXPECT_EQ(line.optionName, "Viewport Background");
    EXPECT_EQ(line.values, (std::vector<std::string>{"0.1", "0.2", "0.3"}));
    line = parsed("set 119 \"\" \"two words\"");
    EXPECT_EQ(line.optionName, "");
    EXPECT_EQ(line.values, std::vector<std::string>{"two words"});
}

TEST(BatchScriptTest, MalformedLinesAreRefused)
{
    EXPECT_EQ(parsed(" info ").kind, BatchLine::Info);
    EXPECT_EQ(parsed("selection").kind, BatchLine::Selection);
    for (std::string_view text : {"Remake Subdivided Line", "run Extrude", "run 12x", "run", "info 2",
                                  "set 161 Enabled 1", "set x \"Enabled\" 1", "set 161 \"Enabled\"",
                                  "set 161 \"Enabled 1", "set \"161\" \"Enabled\" 1", "set 161 \"Enabled\"1"})
        refusal(text);
}

TEST(BatchScriptTest, SelectTakesAnOperationAKindAnObjectAndPositions)
{
    BatchLine line = parsed("select face 0 1 2");
    EXPECT_EQ(line.kind, BatchLine::Select);
    EXPECT_EQ(line.selectMode, 2);
    EXPECT_EQ(line.operation, 1);
    EXPECT_EQ(line.object, 0);
    EXPECT_EQ(line.positions, (std::vector<int>{1, 2}));
    line = parsed("select toggle vertex 3 7");
    EXPECT_EQ(line.selectMode, 0);
    EXPECT_EQ(line.operation, 4);
    EXPECT_EQ(line.object, 3);
    EXPECT_EQ(line.positions, (std::vector<int>{7}));
    line = parsed("select add object 0 2");
    EXPECT_EQ(line.selectMode, 4);
    EXPECT_EQ(line.operation, 2);
    EXPECT_EQ(line.positions, (std::vector<int>{0, 2}));
    for (std::string_view text : {"select face 0", "select object", "select cube 0 1", "select face 0 x",
                                  "select edge -1 2", "select new", "select add subtract face 0 1"})
        EXPECT_NE(refusal(text).find("select needs"), std::string::npos) << text;
}
