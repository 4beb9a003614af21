// Modifier codes for every combination of held keys, for presses and keys
// (Meta as Ctrl) and for the wheel (Meta as itself), and Tab overriding both.
#include <gtest/gtest.h>

#include "Scene/Input/ModifierCodes.h"

namespace {

constexpr unsigned C = ModifierKeys::Ctrl;
constexpr unsigned A = ModifierKeys::Alt;
constexpr unsigned S = ModifierKeys::Shift;
constexpr unsigned M = ModifierKeys::Meta;

struct Row {
    unsigned keys;
    int press;
    int wheel;
};

// All sixteen combinations of Ctrl, Alt, Shift and Meta.
constexpr Row rows[] = {
    {0, 0, 0},         {C, 1, 1},         {A, 2, 2},         {C | A, 3, 3},
    {S, 4, 4},         {C | S, 5, 5},     {A | S, 6, 6},     {C | A | S, 0, 0},
    {M, 1, 0},         {M | C, 1, 0},     {M | A, 1, 0},     {M | C | A, 1, 0},
    {M | S, 1, 0},     {M | C | S, 1, 0}, {M | A | S, 1, 0}, {M | C | A | S, 1, 0},
};

} // namespace

TEST(ModifierCodesTest, EveryCombinationOfHeldKeysAndTabOverridingIt)
{
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "keys " << r.keys);
        EXPECT_EQ(pressModifierCode(r.keys, false), r.press);
        EXPECT_EQ(wheelModifierCode(r.keys, false), r.wheel);
        EXPECT_EQ(pressModifierCode(r.keys, true), ModifierCode::TabHeld);
        EXPECT_EQ(wheelModifierCode(r.keys, true), ModifierCode::TabHeld);
    }
}

TEST(ModifierCodesTest, BitsBeyondTheFourKeysAreIgnored)
{
    EXPECT_EQ(pressModifierCode(0x100 | S, false), ModifierCode::Shift);
    EXPECT_EQ(wheelModifierCode(0x100 | C | A, false), ModifierCode::CtrlAlt);
}
