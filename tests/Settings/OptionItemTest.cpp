#include "Settings/OptionItem.h"

#include <gtest/gtest.h>

TEST(OptionItem, BindingSetsTheOddCodeAndSharesTheVariable)
{
    float amount = 0.25f;
    OptionItem item("Default Amount", OptionType::Float);
    EXPECT_EQ(item.type(), 4);
    ASSERT_TRUE(item.bind(&amount));
    EXPECT_EQ(item.type(), 5);
    EXPECT_EQ(item.baseType(), OptionType::Float);
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

TEST(OptionItem, BindingRefusesAVariableOfAnotherKind)
{
    int count = 3;
    bool flag = true;
    std::string text;
    OptionItem item("Radius", OptionType::Float);
    EXPECT_FALSE(item.bind(&count));
    EXPECT_FALSE(item.bind(&flag));
    EXPECT_FALSE(item.bind(&text));
    EXPECT_FALSE(item.bind(static_cast<float*>(nullptr)));
    EXPECT_EQ(item.type(), 4);
    OptionItem button("Create", OptionType::Command);
    EXPECT_FALSE(button.bind(&count));
    EXPECT_EQ(button.type(), 14);
}

TEST(OptionItem, ReadersAndWritersOfAnotherKindFailWithoutChange)
{
    OptionItem count("Sections", OptionType::Int);
    ASSERT_TRUE(count.setInt(12));
    EXPECT_EQ(count.boolValue(), nullptr);
    EXPECT_EQ(count.floatValue(), nullptr);
    EXPECT_EQ(count.tripleValue(), nullptr);
    EXPECT_EQ(count.stringValue(), nullptr);
    EXPECT_FALSE(count.setFloat(2.5f));
    EXPECT_FALSE(count.setString("x"));
    EXPECT_FALSE(count.setCommandId(108));
    EXPECT_EQ(*count.intValue(), 12);

    // Commands hold no value, only the command they run.
    OptionItem button("Create", OptionType::Command);
    EXPECT_EQ(button.commandId(), -1);
    ASSERT_TRUE(button.setCommandId(108));
    EXPECT_EQ(button.commandId(), 108);
    EXPECT_EQ(button.intValue(), nullptr);
    EXPECT_FALSE(button.setInt(3));
}

TEST(OptionItem, EachNumericAttributeHasItsOwnPresenceBit)
{
    OptionItem item("Falloff", OptionType::Float);
    item.setAttribute(NumericAttribute::Maximum, 2.0f);
    item.setAttribute(NumericAttribute::RateFloor, 0.0f);
    EXPECT_FALSE(item.hasAttribute(NumericAttribute::Minimum));
    EXPECT_FALSE(item.hasAttribute(NumericAttribute::DragRate));
    EXPECT_TRUE(item.hasAttribute(NumericAttribute::RateFloor));
    EXPECT_EQ(item.attribute(NumericAttribute::Maximum), 2.0f);
    item.clearAttribute(NumericAttribute::Maximum);
    EXPECT_FALSE(item.hasAttribute(NumericAttribute::Maximum));
    EXPECT_EQ(item.attribute(NumericAttribute::Maximum), 0.0f);
    EXPECT_TRUE(item.hasAttribute(NumericAttribute::RateFloor));
}
