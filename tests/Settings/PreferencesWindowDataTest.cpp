#include "Settings/WindowData.h"
#include "Settings/PreferencesTempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(PreferencesWindowDataTest, TheBlockComesBackByteForByte)
{
    PreferencesTempFolder temp;
    std::vector<char> block;
    for (int i = 0; i < 10000; ++i)
        block.push_back(static_cast<char>(i * 7));
    block.insert(block.end(), {'\r', '\n', '\0', '\x1a', '\n'});
    ASSERT_TRUE(saveWindowData(temp.file("windowdata.dat"), block));
    std::vector<char> read = {'o', 'l', 'd'};
    ASSERT_TRUE(loadWindowData(temp.file("windowdata.dat"), read));
    EXPECT_EQ(read, block);
}


} // namespace
