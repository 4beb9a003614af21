#include "Settings/OptionType.h"

#include <gtest/gtest.h>

#include <string>

TEST(OptionType, TypeWordsReadBackToTheirCodes)
{
    const std::pair<const char*, int> words[] = {
        {"int", 0}, {"bool", 2}, {"float", 4}, {"choice", 6}, {"string", 8}, {"point", 16}, {"color", 10},
    };
    for (const auto& [word, code] : words) {
        EXPECT_EQ(optionTypeFromName(word), code) << word;
        // A bound code writes the same word as its base code.
        ASSERT_NE(optionTypeName(code + 1), nullptr) << code;
        EXPECT_EQ(optionTypeName(code + 1), std::string(word)) << code;
        EXPECT_EQ(optionTypeName(code), std::string(word)) << code;
    }
    for (const char* word : {"", "Int", "colour", "command", "file", "string ", "double"})
        EXPECT_EQ(optionTypeFromName(word), -1) << '"' << word << '"';
}

TEST(OptionType, CommandsAndUnknownCodesHaveNoWord)
{
    for (int code : {14, 15, 18, 19, -1, 255})
        EXPECT_EQ(optionTypeName(code), nullptr) << code;
}

TEST(OptionType, FilePathsWriteAndReadBackAsStrings)
{
    EXPECT_EQ(optionTypeName(12), std::string("string"));
    EXPECT_EQ(optionTypeName(13), std::string("string"));
    EXPECT_EQ(optionTypeFromName(optionTypeName(static_cast<int>(OptionType::FilePath))),
              static_cast<int>(OptionType::String));
}
