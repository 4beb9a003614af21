#include "Scene/Commands/CommandTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <tuple>
#include <string_view>
#include <vector>

namespace {

bool isSearchedByName(int id) { return (0 <= id && id <= 305) || (9000 <= id && id <= 9016); }

TEST(CommandNames, AreUniqueNonEmptyInIdOrderAndCoverEachRange)
{
    std::set<std::string_view> seen;
    int previous = INT_MIN;
    for (int id : allCommandIds()) {
        EXPECT_GT(id, previous);
        previous = id;
        EXPECT_FALSE(commandName(id).empty()) << id;
        EXPECT_TRUE(seen.insert(commandName(id)).second) << "duplicate name " << commandName(id);
    }
    auto ids = allCommandIds();
    auto countIn = [&](int first, int last) {
        return std::ranges::count_if(ids, [&](int id) { return first <= id && id <= last; });
    };
    EXPECT_EQ(countIn(0, 308), 308); // every ordinary id but 306
    EXPECT_EQ(countIn(9001, 9014), 14);
    EXPECT_EQ(countIn(100000, 100146), 41);
    EXPECT_EQ(ids.size(), 363u);
    EXPECT_EQ(std::ranges::find(ids, 306), ids.end());
}

TEST(CommandLookups, UnknownIdsGiveEmptyStrings)
{
    std::set<int> named(allCommandIds().begin(), allCommandIds().end());
    std::vector<int> unknown = {INT_MIN, INT_MAX};
    for (int id = -10; id <= 300010; ++id)
        if (!named.count(id))
            unknown.push_back(id);
    for (int id : unknown) {
        using Texts = std::tuple<std::string_view, std::string_view, std::string_view>;
        ASSERT_EQ(Texts(commandName(id), commandHelp(id), commandMenuLabel(id)), Texts()) << id;
    }
}

TEST(CommandIdByName, FindsExactlyTheNamesOfTheSearchedRanges)
{
    int searched = 0;
    for (int id : allCommandIds()) {
        EXPECT_EQ(commandIdByName(commandName(id)), isSearchedByName(id) ? id : -1) << commandName(id);
        searched += isSearchedByName(id);
    }
    EXPECT_EQ(searched, 306 + 14);
    for (std::string_view name : {"", "copy", "Copy ", " Copy", "Cop", "COPY", "Faces", "Nonexistent"})
        EXPECT_EQ(commandIdByName(name), -1) << '"' << name << '"';
}

} // namespace
