#include "Scene/Commands/CommandTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <string_view>

namespace {

struct IdText {
    int id;
    std::string_view text;
};

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
    EXPECT_EQ(commandName(100146), "Nudge UVs");
    // Menu labels differ from names only where given.
    const IdText labels[] = {{17, "Faces"}, {96, "Open Scene..."}, {100008, "About..."}, {0, "Copy"}};
    for (const IdText& c : labels)
        EXPECT_EQ(commandMenuLabel(c.id), c.text) << c.id;
}

TEST(CommandLookups, UnknownIdsGiveEmptyStrings)
{
    std::set<int> named(allCommandIds().begin(), allCommandIds().end());
    auto expectUnknown = [](int id) {
        EXPECT_EQ(commandName(id), "") << id;
        EXPECT_EQ(commandHelp(id), "") << id;
        EXPECT_EQ(commandMenuLabel(id), "") << id;
    };
    for (int id = -10; id <= 300010; ++id) {
        if (!named.count(id))
            expectUnknown(id);
        if (HasFailure())
            return;
    }
    expectUnknown(INT_MIN);
    expectUnknown(INT_MAX);
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

// One row per id at the edge of some property.
struct PropertyCase {
    int id;
    bool view;
    bool repeatable;
    bool creation;
    bool refusedInUV;
    bool uvRecreation;
};

TEST(CommandProperties, BoundaryIds)
{
    const PropertyCase cases[] = {
        // id     view   repeat creation refusedUV uvRecreate
        {-1, false, false, false, false, false},    {2, false, true, true, true, false},
        {3, false, true, false, true, false},       {37, false, true, false, true, false},
        {68, false, false, false, false, false},    {112, false, true, true, true, false},
        {150, false, false, false, false, false},   {181, false, false, false, false, false},
        {248, false, true, false, false, true},     {275, false, true, false, true, false},
        {306, false, true, false, false, false},    {307, false, false, false, false, false},
        {9011, true, false, false, false, false},   {9015, false, false, false, false, false},
        {100117, false, false, false, true, false}, {200000, false, false, false, false, false},
    };
    for (const PropertyCase& c : cases) {
        EXPECT_EQ(isViewCommand(c.id), c.view) << c.id;
        EXPECT_EQ(isRepeatableCommand(c.id), c.repeatable) << c.id;
        EXPECT_EQ(isCreationCommand(c.id), c.creation) << c.id;
        EXPECT_EQ(isRefusedInUVSpace(c.id), c.refusedInUV) << c.id;
        EXPECT_EQ(isUVRecreationCommand(c.id), c.uvRecreation) << c.id;
    }
}

} // namespace
