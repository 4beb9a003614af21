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

TEST(CommandNames, AreUniqueNonEmptyAndInIdOrder)
{
    std::set<std::string_view> seen;
    int previous = INT_MIN;
    for (int id : allCommandIds()) {
        EXPECT_GT(id, previous);
        previous = id;
        std::string_view name = commandName(id);
        EXPECT_FALSE(name.empty()) << id;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate name " << name;
    }
}

TEST(CommandNames, CoverEachRangeOfTheIdSpace)
{
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

TEST(CommandNames, BoundaryNames)
{
    const IdText cases[] = {
        {0, "Copy"},
        {150, "No Function"},
        {305, "Snap Manipulator Tool Options"},
        {307, "Remake Subdivided Line"},
        {308, "Test Tool"},
        {9001, "Tweak"},
        {9014, "Ostra-Style View Manipulation"},
        {100000, "Obj Options"},
        {100146, "Nudge UVs"},
        {144, "Set Viewport Image..."},
        {255, "3 View Layout (Right)"},
    };
    for (const IdText& c : cases)
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

TEST(CommandHelp, MissingExactlyForTheListedIds)
{
    for (int id : allCommandIds()) {
        EXPECT_EQ(commandHelp(id).empty(), hasNoHelp(id)) << id;
    }
}

TEST(CommandHelp, SpotChecksVerbatim)
{
    const IdText cases[] = {
        {9, "Exit Tavo. You will be prompted to save any unsaved changes."},
        {233, "Undo the selection just made. Changing the geometry of your object may affect the "
              "ability to undo a selection."},
        {248, "Generate UVs for the selected object or faces using the object's XYZ "
              "coordinates.  This is essentially a planar UV mapping using the XZ plane."},
        {9013, "Rotate the camera around the selection."},
        {100118, "Change the orientation of the selection.  Use Tweak Select to rotate in the plane "
                 "of the screen."},
    };
    for (const IdText& c : cases)
        EXPECT_EQ(commandHelp(c.id), c.text) << c.id;
}

TEST(CommandHelp, TextsReadAsSentences)
{
    for (int id : allCommandIds()) {
        std::string_view text = commandHelp(id);
        if (text.empty())
            continue;
        EXPECT_TRUE(text.front() >= 'A' && text.front() <= 'Z') << id;
        EXPECT_EQ(text.back(), '.') << id;
        EXPECT_EQ(text.find('\n'), std::string_view::npos) << id;
    }
}

TEST(CommandMenuLabel, DifferingLabels)
{
    const IdText cases[] = {
        {17, "Faces"},   {32, "Vertex"},          {96, "Open Scene..."},
        {201, "Auto Orienting Off"}, {278, "Using LSCM Unwrapping"}, {304, "Snap"},
        {100008, "About..."},
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

TEST(CommandMenuLabel, FallsBackToTheName)
{
    for (int id : {0, 37, 38, 100, 180, 281, 308, 9001, 100000, 100146})
        EXPECT_EQ(commandMenuLabel(id), commandName(id)) << id;
}

TEST(CommandIdByName, RoundTripsEverySearchedId)
{
    int searched = 0;
    for (int id : allCommandIds()) {
        if (!isSearchedByName(id))
            continue;
        EXPECT_EQ(commandIdByName(commandName(id)), id) << commandName(id);
        ++searched;
    }
    EXPECT_EQ(searched, 306 + 14);
}

TEST(CommandIdByName, NamesOutsideTheSearchedRangesAreNotFound)
{
    for (int id : allCommandIds()) {
        if (isSearchedByName(id))
            continue;
        EXPECT_EQ(commandIdByName(commandName(id)), -1) << commandName(id);
    }
    EXPECT_EQ(commandIdByName("Remake Subdivided Line"), -1);
    EXPECT_EQ(commandIdByName("Test Tool"), -1);
    EXPECT_EQ(commandIdByName("Obj Options"), -1);
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
        {-1, false, false, false, false, false},
        {0, false, true, false, false, false},
        {1, false, true, false, false, false},
        {2, false, true, true, true, false},
        {3, false, true, false, true, false},
        {4, false, true, false, false, false},
        {36, false, true, false, false, false},
        {37, false, true, false, true, false},
        {67, false, true, false, true, false},
        {68, false, false, false, false, false},
        {69, false, false, false, false, false},
        {70, false, true, false, false, false},
        {101, false, true, false, false, false},
        {102, false, true, true, true, false},
        {112, false, true, true, true, false},
        {113, false, true, false, false, false},
        {149, false, true, false, false, false},
        {150, false, false, false, false, false},
        {151, false, true, false, false, false},
        {180, false, true, false, false, false},
        {181, false, false, false, false, false},
        {182, false, true, false, false, false},
        {191, false, true, false, false, false},
        {192, false, true, true, true, false},
        {193, false, true, false, false, false},
        {247, false, true, false, false, false},
        {248, false, true, false, false, true},
        {249, false, true, false, false, false},
        {275, false, true, false, true, false},
        {276, false, true, false, false, true},
        {278, false, true, false, false, true},
        {279, false, true, false, false, false},
        {305, false, true, false, false, false},
        {306, false, true, false, false, false},
        {307, false, false, false, false, false},
        {308, false, false, false, false, false},
        {9010, false, false, false, false, false},
        {9011, true, false, false, false, false},
        {9014, true, false, false, false, false},
        {9015, false, false, false, false, false},
        {100116, false, false, false, false, false},
        {100117, false, false, false, true, false},
        {100118, false, false, false, false, false},
        {200000, false, false, false, false, false},
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
}

TEST(CommandProperties, CustomPrimitiveRange)
{
    EXPECT_FALSE(isCustomPrimitiveCommand(199999));
    EXPECT_TRUE(isCustomPrimitiveCommand(200000));
    EXPECT_TRUE(isCustomPrimitiveCommand(299999));
    EXPECT_FALSE(isCustomPrimitiveCommand(300000));
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
