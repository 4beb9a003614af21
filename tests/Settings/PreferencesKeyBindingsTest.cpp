#include "Settings/KeyBindingOptions.h"
#include "Settings/PreferencesFile.h"
#include "Settings/PreferencesTempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// A small command table of its own, so that the converter is tested without
// the program's.
const std::map<int, std::string> names = {{68, "Undo"}, {69, "Redo"}, {53, "Move Manipulator Tool"}};

std::string_view nameOf(int id)
{
    auto it = names.find(id);
    return it == names.end() ? std::string_view() : std::string_view(it->second);
}

int idOf(std::string_view name)
{
    for (const auto& [id, n] : names)
        if (n == name)
            return id;
    return -1;
}

constexpr int KeyZ = 90, KeyY = 89, KeyW = 87, KeyTab = 0x01000001, KeyDown = 0x01000015;

// Repeated commands get numbered names, and every binding survives the file.
TEST(PreferencesKeyBindingsTest, EveryBindingSurvivesTheFileUnderNumberedNames)
{
    // Odd key codes above 2^24 are the ones a float would round.
    const std::vector<KeyBindingTriple> bindings = {
        {KeyZ, 1, 68},  {KeyZ, 5, 69},        {KeyY, 1, 69}, {KeyDown, 6, 53},
        {KeyTab, 8, 69}, {KeyW, 0, 250123}, {KeyZ, 1, 68},
    };
    OptionGroup group("Keyboard Settings", 116);
    group.addOption(OptionItem("Stale", OptionType::Int));
    storeKeyBindings(bindings, group, nameOf);
    std::vector<std::string> stored;
    for (int i = 0; i < 5; ++i)
        stored.push_back(group.option(i).name() + "=" + *group.option(i).stringValue());
    EXPECT_EQ(stored, (std::vector<std::string>{"Undo=90 1", "Redo=90 5", "Redo #2=89 1",
                                                "Move Manipulator Tool=16777237 6", "Redo #3=16777217 8"}));
    PreferencesTempFolder folder;
    ASSERT_TRUE(savePreferences(group, folder.file("keys.tvp")));
    OptionGroup loaded("Keyboard Settings", 116);
    loadPreferences(folder.file("keys.tvp"), loaded);
    EXPECT_EQ(keyBindingsFromGroup(loaded, idOf), bindings);
}

TEST(PreferencesKeyBindingsTest, UnreadableOptionsAreSkipped)
{
    OptionGroup group("Keyboard Settings", 116);
    auto addString = [&](const char* name, const char* value) {
        group.addOption(OptionItem(name, OptionType::String)).setString(value);
    };
    addString("Undo", "90 1");
    addString("Unknown Command", "90 2");
    addString("Redo", "ninety 1");
    addString("Redo #2", "90");
    addString("-4", "90 4");
    group.addOption(OptionItem("Redo #3", OptionType::Point)).setTriple(90, 5, 0);
    addString("Redo #4", "89 1");
    addString("72", "72 0");
    const std::vector<KeyBindingTriple> expected = {{KeyZ, 1, 68}, {KeyY, 1, 69}, {72, 0, 72}};
    EXPECT_EQ(keyBindingsFromGroup(group, idOf), expected);
}

} // namespace
