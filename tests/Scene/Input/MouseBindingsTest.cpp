// The mouse binding table: its fixed layout of 58 setting names, the index a
// (button, modifier) lookup reads, and bound, unbound and out-of-range lookups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Scene/Input/ModifierCodes.h"
#include "Scene/Input/MouseBindings.h"

namespace {

struct Expected {
    std::string name;
    int button;
    int modifiers;
};

// The layout rebuilt from its naming rule: blocks in storage order, the seven
// modifier prefixes in their fixed order, a "D" entry for real buttons.
std::vector<Expected> expectedLayout()
{
    struct Prefix {
        const char* text;
        int code;
    };
    const Prefix prefixes[] = {{"", 0}, {"Alt", 2}, {"Shift", 4}, {"Ctrl", 1},
                               {"AltShift", 6}, {"CtrlAlt", 3}, {"CtrlShift", 5}};
    struct Block {
        const char* name;
        int button;
        int forms;
        int doubleClick; // -1 for none
    };
    const Block blocks[] = {{"LMB", 0, 7, 7},  {"MMB", 1, 7, 8}, {"RMB", 2, 7, 9}, {"LMMB", -1, 4, -1},
                            {"SU", 5, 7, -1},  {"SD", 6, 7, -1}, {"X1", 3, 7, 10}, {"X2", 4, 7, 11}};
    std::vector<Expected> out;
    for (const Block& b : blocks) {
        for (int p = 0; p < b.forms; ++p)
            out.push_back({std::string(prefixes[p].text) + b.name, b.button, prefixes[p].code});
        if (b.doubleClick >= 0)
            out.push_back({std::string("D") + b.name, b.doubleClick, 0});
    }
    return out;
}

} // namespace

TEST(MouseBindingsTest, LayoutMatchesTheNamingRuleAndNamesFindTheirEntries)
{
    std::vector<Expected> expected = expectedLayout();
    ASSERT_EQ(int(expected.size()), MouseBindings::Count);
    for (int i = 0; i < MouseBindings::Count; ++i) {
        const MouseBindings::Entry& e = MouseBindings::layout()[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(e.settingName, expected[i].name);
        EXPECT_EQ(e.button, expected[i].button);
        EXPECT_EQ(e.modifiers, expected[i].modifiers);
        EXPECT_EQ(MouseBindings::indexOf(e.settingName), i);
    }
    for (const char* unknown : {"lmb", "DSU", ""})
        EXPECT_EQ(MouseBindings::indexOf(unknown), -1) << unknown;
}

TEST(MouseBindingsTest, LookupReachesEveryButtonEntryAndNoChordEntry)
{
    for (int i = 0; i < MouseBindings::Count; ++i) {
        const MouseBindings::Entry& e = MouseBindings::layout()[i];
        if (e.button >= 0) {
            EXPECT_EQ(MouseBindings::index(e.button, e.modifiers), i) << e.settingName;
        }
    }
    for (int button = -2; button <= 13; ++button) {
        for (int modifiers = -1; modifiers <= 9; ++modifiers) {
            int i = MouseBindings::index(button, modifiers);
            EXPECT_EQ(i < 0, button < 0 || button > 11) << button << " " << modifiers;
            EXPECT_FALSE(i >= 24 && i <= 27) << button << " " << modifiers;
        }
    }
}

TEST(MouseBindingsTest, CodesWithoutAColumnReadTheUnmodifiedEntryOfATable)
{
    EXPECT_EQ(MouseBindings::index(MouseButtonCode::Left, ModifierCode::TabHeld), 0);
    EXPECT_EQ(MouseBindings::index(MouseButtonCode::WheelUp, ModifierCode::TabHeld), 28);
    EXPECT_EQ(MouseBindings::index(MouseButtonCode::Right, 7), 16);
    EXPECT_EQ(MouseBindings::index(MouseButtonCode::Middle, -3), 8);
    // Double clicks ignore the modifiers altogether.
    EXPECT_EQ(MouseBindings::index(MouseButtonCode::LeftDouble, ModifierCode::Shift), 7);
    EXPECT_EQ(MouseBindings::index(MouseButtonCode::SecondExtraDouble, ModifierCode::CtrlAlt), 57);
    // A table starts unbound and looks up what is bound.
    MouseBindings table;
    for (int i = 0; i < MouseBindings::Count; ++i)
        EXPECT_EQ(table.command(i), -1);
    EXPECT_TRUE(table.setCommand(MouseBindings::indexOf("CtrlLMB"), 9010));
    EXPECT_TRUE(table.setCommand(MouseBindings::indexOf("LMB"), 9001));
    EXPECT_TRUE(table.setCommand(MouseBindings::indexOf("AltSD"), 229));
    EXPECT_EQ(table.mouseBinding(MouseButtonCode::Left, ModifierCode::Ctrl), 9010);
    EXPECT_EQ(table.mouseBinding(MouseButtonCode::Left, ModifierCode::TabHeld), 9001);
    EXPECT_EQ(table.mouseBinding(MouseButtonCode::WheelDown, ModifierCode::Alt), 229);
    EXPECT_EQ(table.mouseBinding(MouseButtonCode::WheelUp, ModifierCode::Alt), -1);
    EXPECT_EQ(table.mouseBinding(MouseButtonCode::Left, ModifierCode::Shift), -1);
    EXPECT_EQ(table.mouseBinding(12, 0), -1);
    EXPECT_EQ(table.mouseBinding(-1, 0), -1);
    table.clear();
    EXPECT_EQ(table.mouseBinding(MouseButtonCode::Left, ModifierCode::Ctrl), -1);
}
