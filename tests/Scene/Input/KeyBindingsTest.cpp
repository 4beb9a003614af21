// The key binding table: first match wins, both key and modifier code must
// match, and entries keep their insertion order.
#include <gtest/gtest.h>

#include "Scene/Input/KeyBindings.h"

namespace {
constexpr int keyE = 69;
constexpr int keyW = 87;
constexpr int keyCtrl = 0x01000021;
} // namespace

TEST(KeyBindingsTest, LookupNeedsKeyAndModifierCode)
{
    KeyBindings keys;
    EXPECT_EQ(keys.keyBinding(keyE, 0), -1);
    keys.add(keyE, 0, 37);
    keys.add(keyE, 4, 218);
    keys.add(keyW, 8, 53);
    keys.add(keyCtrl, 1, 233);
    const KeyBindings::Entry lookups[] = {{keyE, 0, 37}, {keyE, 4, 218}, {keyW, 8, 53}, {keyCtrl, 1, 233},
                                          {keyE, 1, -1}, {keyW, 0, -1},  {keyCtrl, 0, -1}, {0, 0, -1}};
    for (const KeyBindings::Entry& l : lookups)
        EXPECT_EQ(keys.keyBinding(l.key, l.modifiers), l.command) << l.key << " " << l.modifiers;
}

TEST(KeyBindingsTest, KeepsInsertionOrderAndEditsInPlace)
{
    KeyBindings keys;
    for (int i = 0; i < 5; ++i)
        keys.add(keyE + i, i, 100 + i);
    keys.removeAt(1);
    ASSERT_EQ(keys.count(), 4);
    int kept[] = {0, 2, 3, 4};
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(keys[n], (KeyBindings::Entry{keyE + kept[n], kept[n], 100 + kept[n]})) << n;
    keys[0].command = 5;
    EXPECT_EQ(keys.keyBinding(keyE, 0), 5);
    // The first of duplicates wins until it is removed.
    keys.add(keyE, 0, 39);
    EXPECT_EQ(keys.keyBinding(keyE, 0), 5);
    keys.removeAt(0);
    EXPECT_EQ(keys.keyBinding(keyE, 0), 39);
    keys.clear();
    EXPECT_EQ(keys.keyBinding(keyE, 0), -1);
}
