#include "Settings/BuildRegistry.h"
#include "Settings/OptionKeys.h"
#include "Settings/PreferencesFile.h"
#include "Settings/SettingsVariables.h"
#include "Settings/PreferencesTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

OptionItem& add(OptionGroup& group, const char* name, OptionType type)
{
    return group.addOption(OptionItem(name, type));
}

// One option of every saveable type, a command and a file path.
void fillSample(OptionGroup& group)
{
    add(group, "Count", OptionType::Int).setInt(-3);
    add(group, "On", OptionType::Bool).setBool(true);
    add(group, "Size", OptionType::Float).setFloat(0.5f);
    add(group, "Axis", OptionType::Choice).setInt(2);
    add(group, "Label", OptionType::String).setString("two words");
    add(group, "Go", OptionType::Command).setCommandId(37);
    add(group, "Tint", OptionType::Colour).setTriple(1.0f, 0.5f, 0.25f);
    add(group, "File", OptionType::FilePath).setString("/a b/c.rib");
    add(group, "Where", OptionType::Point).setTriple(-1.0f, 0.0f, 2.5f);
}

class PreferencesFileTest : public ::testing::Test {
protected:
    std::filesystem::path save(const std::vector<const OptionGroup*>& groups, const GroupNameLookup& names = {})
    {
        std::filesystem::path path = folder.file("out.tvp");
        EXPECT_TRUE(savePreferences(groups, path, names));
        return path;
    }

    PreferencesTempFolder folder;
};

TEST_F(PreferencesFileTest, WritesTheLineTemplatesExactly)
{
    OptionGroup sample("Sample", 7);
    fillSample(sample);
    OptionGroup empty("Nothing", 8);
    OptionGroup other("Other", 9);
    add(other, "Far", OptionType::Float).setFloat(0.0000004f);
    std::filesystem::path path = save({&sample, &empty, &other}, [](int id) {
        return id == 7 ? std::string_view("Sample Options") : std::string_view();
    });
    EXPECT_EQ(PreferencesTempFolder::read(path),
              "<preffile>\n"
              "<prefgrp name=\"Sample Options\" id=\"7\">\n"
              "\t<item type=\"int\" name=\"Count\" val=\"-3\"></item>\n"
              "\t<item type=\"bool\" name=\"On\" val=\"1\"></item>\n"
              "\t<item type=\"float\" name=\"Size\" val=\"0.500000\"></item>\n"
              "\t<item type=\"choice\" name=\"Axis\" val=\"2\"></item>\n"
              "\t<item type=\"string\" name=\"Label\" val=\"two words\"></item>\n"
              "\t<item type=\"color\" name=\"Tint\" val=\"1.000000 0.500000 0.250000\"></item>\n"
              "\t<item type=\"string\" name=\"File\" val=\"/a b/c.rib\"></item>\n"
              "\t<item type=\"point\" name=\"Where\" val=\"-1.000000 0.000000 2.500000\"></item>\n"
              "</prefgrp>\n"
              "<prefgrp name=\"Other\" id=\"9\">\n"
              "\t<item type=\"float\" name=\"Far\" val=\"0.000000\"></item>\n"
              "</prefgrp>\n"
              "</preffile>\n");
}

TEST_F(PreferencesFileTest, GroupsMatchByIdAndAPresetChangesOnlyItsOwn)
{
    OptionGroup a("A", 1), b("B", 2), c("C", 3);
    OptionGroup* all[] = {&a, &b, &c};
    for (OptionGroup* g : all)
        add(*g, "Value", OptionType::Int).setInt(g->id() * 10);
    std::filesystem::path path = save({&c, &b, &a});
    auto loaded = [&](auto&& load) {
        std::vector<int> values;
        for (OptionGroup* g : all)
            g->findOption("Value")->setInt(0);
        load();
        for (OptionGroup* g : all)
            values.push_back(*g->findOption("Value")->intValue());
        return values;
    };
    EXPECT_EQ(loaded([&] { loadPreferences(path, all); }), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(loaded([&] { loadPreferences(path, b); }), (std::vector<int>{0, 20, 0}));
    EXPECT_EQ(a.optionCount() + c.optionCount(), 2);
}

// Unknown groups, types and elements, unreadable values and items whose type
// differs from the option's change nothing; unknown names are appended; a
// file cut inside an element keeps what was applied before the cut.
TEST_F(PreferencesFileTest, WhatCannotBeAppliedIsIgnored)
{
    OptionGroup group("G", 1);
    add(group, "Value", OptionType::Int).setInt(1);
    add(group, "Size", OptionType::Float).setFloat(1.0f);
    OptionItem& axis = add(group, "Axis", OptionType::Choice);
    axis.setChoices({"X", "Y", "Z"});
    axis.setInt(1);
    add(group, "File", OptionType::FilePath).setString("old");
    add(group, "Count", OptionType::Int).setInt(4);
    add(group, "Last", OptionType::Int).setInt(2);
    std::filesystem::path path = folder.write("in.tvp",
        "junk before <?xml version=\"1.0\"?>\n"
        "<item type=\"int\" name=\"Value\" val=\"50\"></item>\n" // before any group
        "<preffile>\n"
        "<prefgrp name=\"Missing\" id=\"999\">\n"
        "\t<item type=\"int\" name=\"Value\" val=\"60\"></item>\n"
        "</prefgrp>\n"
        "<prefgrp name=\"G\" id=\"1\">\n"
        "\t<item type=\"vector\" name=\"Value\" val=\"70\"></item>\n"
        "\t<item type=\"int\" name=\"Value\"></item>\n"
        "\t<item type=\"int\" name=\"Size\" val=\"7\"></item>\n"
        "\t<item type=\"int\" name=\"Axis\" val=\"2\"></item>\n"
        "\t<item type=\"choice\" name=\"Axis\" val=\"3\"></item>\n" // past the labels
        "\t<item type=\"string\" name=\"File\" val=\"new\"></item>\n"
        "\t<item type=\"int\" name=\"Count\" val=\"5x\"></item>\n"
        "\t<item type=\"point\" name=\"New Point\" val=\"1.5 -2 3\"></item>\n"
        "\t<item type=\"string\" name=\"New Text\" val=\"x  y\"></item>\n"
        "\t<item type=\"point\" name=\"Short Point\" val=\"1 2\"></item>\n"
        "\t<item type=\"int\" name=\"Last\" val=\"20\"");
    loadPreferences(path, group);
    EXPECT_EQ(*group.findOption("Value")->intValue(), 1);
    EXPECT_EQ(*group.findOption("Size")->floatValue(), 1.0f);
    EXPECT_EQ(*group.findOption("Axis")->intValue(), 1);
    EXPECT_EQ(*group.findOption("File")->stringValue(), "new") << "file paths are written as strings";
    EXPECT_EQ(*group.findOption("Count")->intValue(), 4);
    EXPECT_EQ(*group.findOption("Last")->intValue(), 2);
    ASSERT_EQ(group.optionCount(), 8);
    const OptionItem& point = group.option(6);
    EXPECT_EQ(point.type(), static_cast<int>(OptionType::Point));
    EXPECT_EQ(std::vector<float>(point.tripleValue(), point.tripleValue() + 3), (std::vector<float>{1.5f, -2, 3}));
    EXPECT_EQ(*group.option(7).stringValue(), "x  y");
}

TEST_F(PreferencesFileTest, KeyboardSettingsAreRebuiltFromTheFile)
{
    OptionGroup keyboard("Keyboard Settings", KeyboardSettingsGroupId);
    OptionGroup other("Other", 1);
    add(keyboard, "Stale", OptionType::String).setString("1 0");
    add(other, "Kept", OptionType::Int).setInt(3);
    OptionGroup* groups[] = {&keyboard, &other};
    std::filesystem::path path = folder.write("in.tvp",
        "<preffile>\n<prefgrp name=\"Keyboard Settings\" id=\"116\">\n"
        "\t<item type=\"string\" name=\"Undo\" val=\"90 1\"></item>\n"
        "\t<item type=\"string\" name=\"Redo\" val=\"90 5\"></item>\n"
        "</prefgrp>\n<prefgrp name=\"Other\" id=\"1\">\n</prefgrp>\n</preffile>\n");
    loadPreferences(path, groups);
    ASSERT_EQ(keyboard.optionCount(), 2);
    EXPECT_EQ(keyboard.option(0).name(), "Undo");
    EXPECT_EQ(*keyboard.option(1).stringValue(), "90 5");
    EXPECT_EQ(other.optionCount(), 1);
    // A file without the group leaves the bindings; an empty group clears them.
    loadPreferences(folder.write("none.tvp", "<preffile>\n</preffile>\n"), groups);
    EXPECT_EQ(keyboard.optionCount(), 2);
    loadPreferences(folder.write("empty.tvp", "<prefgrp id=\"116\"></prefgrp>"), groups);
    EXPECT_EQ(keyboard.optionCount(), 0);
}

// A save reports whether it replaced the file; how the replacing write
// keeps the old file on failure is checked with the scene saves, which
// share it.
TEST_F(PreferencesFileTest, SavesReportWhetherTheyReplacedTheFile)
{
    OptionGroup group("G", 1);
    add(group, "Value", OptionType::Int).setInt(5);
    EXPECT_FALSE(savePreferences(group, folder.file("missing/folder/out.tvp")));
    const std::filesystem::path path = folder.write("out.tvp", "old");
    ASSERT_TRUE(savePreferences(group, path));
    EXPECT_NE(PreferencesTempFolder::read(path).find("val=\"5\""), std::string::npos);
}

// Appending looks names up in constant time: at quadratic cost this many
// items would take minutes.
TEST_F(PreferencesFileTest, ManyUnknownItemsLoadInLinearTime)
{
    constexpr int count = 300000;
    std::string text = "<prefgrp id=\"1\">";
    for (int i = 0; i < count; ++i)
        text += "<item type=\"int\" name=\"n" + std::to_string(i) + "\" val=\"1\"></item>";
    OptionGroup group("G", 1);
    loadPreferences(folder.write("many.tvp", text), group);
    EXPECT_EQ(group.optionCount(), count);
}

TEST_F(PreferencesFileTest, TheWholeRegistryRoundTrips)
{
    SettingsVariables variables, defaultVariables;
    SettingsRegistry registry, defaults;
    buildRegistry(registry, variables);
    buildRegistry(defaults, defaultVariables);
    auto savedText = [&](const SettingsRegistry& which) {
        EXPECT_TRUE(savePreferences(which, folder.file("text.tvp")));
        return PreferencesTempFolder::read(folder.file("text.tvp"));
    };
    registry.setInt(113, "Minutes To Autosave", 7);
    registry.setColour(114, "Grid", 0.25f, 0.5f, 0.75f);
    registry.setString(100005, "Header File", "/home/me/my header.rib");
    registry.setFloat(140, "Default Amount", 0.3333333f);
    std::filesystem::path path = folder.file("all.tvp");
    ASSERT_TRUE(savePreferences(registry, path));
    loadPreferences(path, defaults);
    EXPECT_EQ(savedText(defaults), PreferencesTempFolder::read(path));
    EXPECT_EQ(defaults.get(Options::MinutesToAutosave), 7);
    EXPECT_EQ(defaultVariables.bevelAmount, 0.333333f);
    EXPECT_EQ(*defaults.findOption(100005, "Header File")->stringValue(), "/home/me/my header.rib");
    // A missing file, or a folder, leaves the values.
    loadPreferences(folder.file("absent.tvp"), defaults);
    loadPreferences(folder.path(), defaults);
    EXPECT_EQ(savedText(defaults), PreferencesTempFolder::read(path));
}

} // namespace
