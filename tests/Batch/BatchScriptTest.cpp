// The script line parser: every line form, and the lines it refuses.
#include <gtest/gtest.h>

#include "Batch/BatchScript.h"

namespace {

// A parsed line in one string, or "!" and the error for a refused one.
std::string parsed(std::string_view text)
{
    BatchLine l;
    std::string error;
    if (!parseBatchLine(text, l, error))
        return "!" + error;
    std::string values;
    for (const std::string& v : l.values)
        values += (values.empty() ? "" : ",") + v;
    std::string positions;
    for (int p : l.positions)
        positions += " " + std::to_string(p);
    switch (l.kind) {
    case BatchLine::Command:
        return "command " + std::to_string(l.commandId) + (l.argument.empty() ? "" : " [" + l.argument + "]");
    case BatchLine::Set:
        return "set " + std::to_string(l.groupId) + " [" + l.optionName + "] " + values;
    case BatchLine::Mouse:
    case BatchLine::Viewport:
    case BatchLine::Wheel:
    case BatchLine::Key: {
        std::string numbers;
        for (int n : l.numbers)
            numbers += " " + std::to_string(n);
        return "event " + std::to_string(l.kind) + "/" + std::to_string(l.mouseEvent) + numbers;
    }
    case BatchLine::Select:
        return "select " + std::to_string(l.selectMode) + " " + std::to_string(l.operation) + " " +
               std::to_string(l.object) + ":" + positions;
    default:
        return l.kind == BatchLine::Info ? "info" : l.kind == BatchLine::Selection ? "selection" : "skip";
    }
}

} // namespace

TEST(BatchScriptTest, EveryLineFormParses)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "skip"}, {"   ", "skip"}, {"\t\r", "skip"}, {"# Extrude", "skip"}, {"   #no such command", "skip"},
        {" info ", "info"}, {"selection", "selection"},
        // Names are looked up exactly; an argument follows the first colon.
        {"  3 View Layout (Right)  ", "command 255"},
        {"Open Scene:  /tmp/a b:c.tvb ", "command 96 [/tmp/a b:c.tvb]"},
        {"Save Scene:", "command 97"},
        {"run 200003", "command 200003"},
        {"run  97 : out.tvb", "command 97 [out.tvb]"},
        {"set 161 \"Enabled\" 1", "set 161 [Enabled] 1"},
        {"set 114 \"Viewport Background\" 0.1 0.2 0.3", "set 114 [Viewport Background] 0.1,0.2,0.3"},
        {"set 119 \"\" \"two words\"", "set 119 [] two words"},
        // select: mode (0 vertex, 2 face, 4 object), operation (1 new, 2 add, 4 toggle), object: positions.
        {"select face 0 1 2", "select 2 1 0: 1 2"},
        {"select toggle vertex 3 7", "select 0 4 3: 7"},
        {"select add object 0 2", "select 4 2 0: 0 2"},
        {"extrude", "!unknown command \"extrude\""},
        // Viewport lines: kind / mouse event, then their numbers.
        {"viewport 400 300", "event 6/0 400 300"},
        {"press 10 20", "event 8/0 10 20"},
        {"press 10 20 2 4", "event 8/0 10 20 2 4"},
        {"release 5 6", "event 8/2 5 6"},
        {"wheel -3", "event 9/0 -3"},
        {"key F5", "event 10/0 16777268 0"},
        {"key Delete 1", "event 10/0 16777223 1"},
        {"key Q", "event 10/0 81 0"},
        {"key F13", "!unknown key"},
    };
    for (const auto& [text, expected] : cases) {
        const std::string got = parsed(text);
        if (expected[0] == '!')
            EXPECT_TRUE(got.starts_with("!") && got.find(expected + 1) != std::string::npos) << got;
        else
            EXPECT_EQ(got, expected) << '"' << text << '"';
    }
}

TEST(BatchScriptTest, MalformedLinesAreRefused)
{
    for (std::string_view text : {"Remake Subdivided Line", "run Extrude", "run 12x", "run", "info 2",
                                  "set 161 Enabled 1", "set x \"Enabled\" 1", "set 161 \"Enabled\"",
                                  "set 161 \"Enabled 1", "set \"161\" \"Enabled\" 1", "set 161 \"Enabled\"1",
                                  "viewport 0 300", "press 1", "drag 1 2 3", "wheel", "project 1 2", "key"})
        EXPECT_TRUE(parsed(text).starts_with("!")) << text;
    for (std::string_view text : {"select face 0", "select object", "select cube 0 1", "select face 0 x",
                                  "select edge -1 2", "select new", "select add subtract face 0 1"})
        EXPECT_NE(parsed(text).find("select needs"), std::string::npos) << text;
}
