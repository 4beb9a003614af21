#include "Settings/OptionItem.h"

#include <gtest/gtest.h>

TEST(OptionItem, BindingSetsTheOddCodeAndSharesTheVariable)
{
    float amount = 0.25f;
    OptionItem item("Default Amount", OptionType::Float);
    EXPECT_EQ(item.type(), 4);
    ASSERT_TRUE(item.bind(&amount));
    EXPECT_EQ(item.type(), 5);
    ASSERT_TRUE(item.setFloat(0.75f));
    EXPECT_EQ(amount, 0.75f);
    amount = -3.0f;
    EXPECT_EQ(*item.floatValue(), -3.0f);
    // Choices bind to ints, colours to float triples.
    int axis = 2;
    float colour[3] = {0.1f, 0.2f, 0.3f};
    OptionItem choice("Axis", OptionType::Choice), tint("Grid", OptionType::Colour);
    ASSERT_TRUE(choice.bind(&axis));
    ASSERT_TRUE(tint.bind(colour));
    EXPECT_EQ(*choice.intValue(), 2);
    ASSERT_TRUE(tint.setTriple(1, 0.5f, 0));
    EXPECT_EQ(colour[1], 0.5f);
}

