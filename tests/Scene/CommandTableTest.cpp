#include "Scene/CommandTable.h"

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

bool hasNoHelp(int id)
{
    return id == 51 || id == 254 || id == 274 || id == 281 || id == 282 || (100000 <= id && id <= 100006) ||
           (100017 <= id && id <= 100030) || (100121 <= id && id <= 100146);
}

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
    for (const IdText& c : {IdText{0, "Copy"}, IdText{308, "Test Tool"}, IdText{100146, "Nudge UVs"}})
        EXPECT_EQ(commandName(c.id), c.text) << c.id;
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

TEST(CommandLookups, StringsAreNullTerminated)
{
    for (int id : {0, 9001, 100146, 306}) {
        EXPECT_EQ(std::string(commandName(id).data()), commandName(id));
        EXPECT_EQ(std::string(commandHelp(id).data()), commandHelp(id));
    }
}

TEST(CommandHelp, MissingExactlyForTheListedIdsAndOtherwiseASentence)
{
    for (int id : allCommandIds()) {
        std::string_view text = commandHelp(id);
        EXPECT_EQ(text.empty(), hasNoHelp(id)) << id;
        if (text.empty())
            continue;
        EXPECT_TRUE(text.front() >= 'A' && text.front() <= 'Z') << id;
        EXPECT_EQ(text.back(), '.') << id;
        EXPECT_EQ(text.find('\n'), std::string_view::npos) << id;
    }
    EXPECT_EQ(commandHelp(100118), "Change the orientation of the selection.  Use Tweak Select to rotate in the "
                                   "plane of the screen.");
}

TEST(CommandMenuLabel, DifferingLabels)
{
    const IdText cases[] = {
        {17, "Faces"}, {96, "Open Scene..."}, {100008, "About..."},
    };
    for (const IdText& c : cases)
        EXPECT_EQ(commandMenuLabel(c.id), c.text) << c.id;

    int differing = 0;
    for (int id : allCommandIds()) {
        if (commandMenuLabel(id) != commandName(id))
            ++differing;
    }
    EXPECT_EQ(differing, 56);
}

TEST(CommandIdByName, FindsExactlyTheNamesOfTheSearchedRanges)
{
    int searched = 0;
    for (int id : allCommandIds()) {
        EXPECT_EQ(commandIdByName(commandName(id)), isSearchedByName(id) ? id : -1) << commandName(id);
        searched += isSearchedByName(id);
    }
    EXPECT_EQ(searched, 306 + 14);
}

TEST(CommandIdByName, MatchesWholeNamesCaseSensitively)
{
    for (std::string_view name : {"", "copy", "Copy ", " Copy", "Cop", "COPY", "Faces", "Nonexistent"})
        EXPECT_EQ(commandIdByName(name), -1) << '"' << name << '"';
    EXPECT_EQ(commandIdByName("Copy"), 0);
    EXPECT_EQ(commandIdByName("Tweak"), 9001);
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

TEST(CommandProperties, SetSizes)
{
    auto countOf = [](bool (*property)(int)) {
        int n = 0;
        for (int id = -10; id <= 300010; ++id)
            n += property(id);
        return n;
    };
    EXPECT_EQ(countOf(isViewCommand), 4);
    EXPECT_EQ(countOf(isRepeatableCommand), 307 - 4);
    EXPECT_EQ(countOf(isCreationCommand), 13);
    EXPECT_EQ(countOf(isRefusedInUVSpace), 13 + 26);
    EXPECT_EQ(countOf(isUVRecreationCommand), 4);
    EXPECT_EQ(countOf(isCustomPrimitiveCommand), 100000);
    EXPECT_TRUE(isCustomPrimitiveCommand(200000));
    EXPECT_TRUE(isCustomPrimitiveCommand(299999));
}

TEST(CommandProperties, HoldAndValueToolMappings)
{
    EXPECT_EQ(holdCommand(108), 164);
    EXPECT_EQ(holdCommand(105), 166);
    for (int id : {-1, 0, 102, 109, 164, 166})
        EXPECT_EQ(holdCommand(id), -1) << id;

    const std::pair<int, int> tools[] = {{37, 218}, {39, 140}, {66, 142}, {205, 263},
                                         {215, 141}, {216, 264}, {242, 139}};
    for (auto [tool, group] : tools)
        EXPECT_EQ(valueToolOptionGroup(tool), group) << tool;
    for (int id : {-1, 45, 130, 218, 100118})
        EXPECT_EQ(valueToolOptionGroup(id), -1) << id;
}

} // namespace
