// The tavo-batch command line.
#include <gtest/gtest.h>

#include "Batch/BatchOptions.h"

TEST(BatchOptionsTest, OptionsAndTheirDefaultsOrARefusal)
{
    struct Case {
        std::vector<std::string> args;
        bool ok;
        int answer;
        const char* prefs;
        const char* script;
    };
    const Case cases[] = {
        {{}, true, 2, "", ""}, // standard input, every question cancelled
        {{"--answer", "yes", "--prefs", "p.tvp", "run.txt"}, true, 1, "p.tvp", "run.txt"},
        {{"-", "--answer", "no"}, true, 0, "", "-"},
        {{"--answer"}, false}, {{"--answer", "maybe"}, false}, {{"--prefs"}, false}, {{"--verbose"}, false},
        {{"a.txt", "b.txt"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "" : c.args[0] + "...");
        BatchOptions o;
        std::string error;
        ASSERT_EQ(parseBatchArguments(c.args, o, error), c.ok);
        if (c.ok) {
            EXPECT_EQ(o.answer, c.answer);
            EXPECT_EQ(o.preferences, c.prefs);
            EXPECT_EQ(o.script, c.script);
        }
    }
}
