#include "Settings/OptionType.h"

#include <gtest/gtest.h>

#include <string>

TEST(OptionType, TypeWordsReadBackToTheirCodes)
{
    const std::pair<const char*, int> words[] = {
        {"int", 0}, {"bool", 2}, {"float", 4}, {"choice", 6}, {"string", 8}, {"point", 16}, {"color", 10},
    };
    for (const auto& [word, code] : words)
        EXPECT_EQ(optionTypeFromName(word), code) << word;
}

TEST(OptionType, UnknownWordsReadBackAsMinusOne)
{
    for (const char* word : {"", "Int", "colour", "command", "file", "string ", "double"})
        EXPECT_EQ(optionTypeFromName(word), -1) << '"' << word << '"';
}

TEST(OptionType, WordsWrittenForBaseAndBoundCodes)
{
    const std::pair<int, std::string> written[] = {
        {0, "int"}, {1, "int"}, {2, "bool"}, {3, "bool"}, {4, "float"}, {5, "float"}, {6, "choice"},
        {7, "choice"}, {8, "string"}, {9, "string"}, {10, "color"}, {11, "color"}, {12, "string"},
        {13, "string"}, {16, "point"}, {17, "point"},
    };
    for (const auto& [code, word] : written) {
        ASSERT_NE(optionTypeName(code), nullptr) << code;
        EXPECT_EQ(optionTypeName(code), word) << code;
    }
}

TEST(OptionType, CommandsAndUnknownCodesHaveNoWord)
{
    for (int code : {14, 15, 18, 19, -1, 255})
        EXPECT_EQ(optionTypeName(code), nullptr) << code;
}

TEST(OptionType, FilePathsReadBackAsStrings)
{
    EXPECT_EQ(optionTypeFromName(optionTypeName(static_cast<int>(OptionType::FilePath))),
              static_cast<int>(OptionType::String));
}
