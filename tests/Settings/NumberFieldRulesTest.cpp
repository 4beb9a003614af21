#include "Settings/NumberFieldRules.h"

#include <gtest/gtest.h>

namespace {

OptionItem floatWith(std::initializer_list<std::pair<NumericAttribute, float>> attributes)
{
    OptionItem item("Value", OptionType::Float);
    for (const auto& [which, value] : attributes)
        item.setAttribute(which, value);
    return item;
}

} // namespace

TEST(NumberFieldRules, ClampsOnlyToLimitsThatArePresent)
{
    OptionItem slide = floatWith({{NumericAttribute::Minimum, -1}, {NumericAttribute::Maximum, 1}});
    EXPECT_EQ(clampToLimits(slide, -1.5f), -1.0f);
    EXPECT_EQ(clampToLimits(slide, -0.5f), -0.5f);
    EXPECT_EQ(clampToLimits(slide, 4.0f), 1.0f);

    OptionItem free = floatWith({});
    EXPECT_EQ(clampToLimits(free, -1e6f), -1e6f);
    OptionItem atLeastZero = floatWith({{NumericAttribute::Minimum, 0}});
    EXPECT_EQ(clampToLimits(atLeastZero, -0.1f), 0.0f);
    EXPECT_EQ(clampToLimits(atLeastZero, 1e6f), 1e6f);
}

TEST(NumberFieldRules, DragsByTheStepOrByOneWithoutIt)
{
    EXPECT_FLOAT_EQ(dragValue(floatWith({}), 2.0f, 3), 5.0f);
    EXPECT_FLOAT_EQ(dragValue(floatWith({{NumericAttribute::DragStep, 0.01f}}), 1.0f, -5), 0.95f);
    OptionItem falloff = floatWith({{NumericAttribute::Minimum, 0}, {NumericAttribute::Maximum, 2},
                                    {NumericAttribute::DragStep, 0.01f}});
    EXPECT_FLOAT_EQ(dragValue(falloff, 1.99f, 5), 2.0f);
}

TEST(NumberFieldRules, DragsProportionallyWithARate)
{
    OptionItem bevel = floatWith({{NumericAttribute::DragRate, 0.25f}, {NumericAttribute::RateFloor, 0.001f}});
    EXPECT_FLOAT_EQ(dragValue(bevel, 1.0f, 1), 1.25f);
    EXPECT_FLOAT_EQ(dragValue(bevel, 1.0f, 2), 1.5625f);
    EXPECT_FLOAT_EQ(dragValue(bevel, 1.0f, -1), 0.75f);
    // Near zero the rate floor keeps the value moving.
    EXPECT_FLOAT_EQ(dragValue(bevel, 0.0f, 1), 0.001f);
}

TEST(NumberFieldRules, RateFloorDefaultsToOneHundredth)
{
    OptionItem extrude = floatWith({{NumericAttribute::DragRate, 0.1f}});
    EXPECT_FLOAT_EQ(dragValue(extrude, 0.0f, 1), 0.01f);
    EXPECT_FLOAT_EQ(dragValue(extrude, 0.0f, -2), -0.02f);
}

TEST(NumberFieldRules, IntOptionsDragInWholeNumbers)
{
    OptionItem sections("Sections", OptionType::Int);
    sections.setAttribute(NumericAttribute::Minimum, 3);
    EXPECT_EQ(dragValue(sections, 5, -1), 4.0f);
    EXPECT_EQ(dragValue(sections, 5, -10), 3.0f);
}

TEST(NumberFieldRules, FormatsIntsAndFloatsAsTheFieldShowsThem)
{
    OptionItem count("Count", OptionType::Int);
    OptionItem amount("Amount", OptionType::Float);
    EXPECT_EQ(formatNumber(count, 20000), "20000");
    EXPECT_EQ(formatNumber(count, -1), "-1");
    EXPECT_EQ(formatNumber(amount, 0.1f), "0.1");
    EXPECT_EQ(formatNumber(amount, 360), "360");
    EXPECT_EQ(formatNumber(amount, 1e-06f), "1e-06");
    EXPECT_EQ(formatNumber(amount, 0.0000005f), "0");
    EXPECT_EQ(formatNumber(amount, -0.0000005f), "0");
}
