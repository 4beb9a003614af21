// The tavo-batch command line.
#include <gtest/gtest.h>

#include "Batch/BatchOptions.h"

namespace {

bool parses(std::vector<std::string> args, BatchOptions& outOptions)
{
    std::string error;
    return parseBatchArguments(args, outOptions, error);
}

} // namespace

TEST(BatchOptionsTest, DefaultsReadStandardInputAndCancelEveryQuestion)
{
    BatchOptions o;
    ASSERT_TRUE(parses({}, o));
    EXPECT_EQ(o.answer, 2);
    EXPECT_TRUE(o.preferences.empty());
    EXPECT_TRUE(o.script.empty());
}

TEST(BatchOptionsTest, AllOptionsTogether)
{
    BatchOptions o;
    ASSERT_TRUE(parses({"--answer", "yes", "--prefs", "p.tvp", "run.txt"}, o));
    EXPECT_EQ(o.answer, 1);
    EXPECT_EQ(o.preferences, "p.tvp");
    EXPECT_EQ(o.script, "run.txt");
    ASSERT_TRUE(parses({"-", "--answer", "no"}, o));
    EXPECT_EQ(o.script, "-");
    EXPECT_EQ(o.answer, 0);
}

TEST(BatchOptionsTest, BadCommandLinesAreRefused)
{
    BatchOptions o;
    for (auto args : std::vector<std::vector<std::string>>{
             {"--answer"}, {"--answer", "maybe"}, {"--prefs"}, {"--verbose"}, {"a.txt", "b.txt"}})
        EXPECT_FALSE(parses(args, o)) << args[0];
}
