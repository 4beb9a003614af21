#include "Settings/OptionType.h"

#include <gtest/gtest.h>

#include <string>

TEST(OptionType, TypeWordsReadBackToTheirCodesBoundOrNot)
{
    const std::pair<const char*, int> words[] = {
        {"int", 0}, {"bool", 2}, {"float", 4}, {"choice", 6}, {"string", 8}, {"point", 16}, {"color", 10},
    };
    for (const auto& [word, code] : words) {
        EXPECT_EQ(optionTypeFromName(word), code) << word;
        ASSERT_NE(optionTypeName(code + 1), nullptr) << code;
        EXPECT_EQ(optionTypeName(code + 1), std::string(word)) << code;
    }
    for (const char* word : {"", "Int", "colour", "command", "file", "string "})
        EXPECT_EQ(optionTypeFromName(word), -1) << '"' << word << '"';
    // Commands and unknown codes have no word; file paths are written as strings.
    for (int code : {14, 15, 18, -1, 255})
        EXPECT_EQ(optionTypeName(code), nullptr) << code;
    EXPECT_EQ(optionTypeName(13), std::string("string"));
}
