#include "Settings/NumberFieldRules.h"

#include <gtest/gtest.h>

namespace {

using A = NumericAttribute;

OptionItem floatWith(std::initializer_list<std::pair<NumericAttribute, float>> attributes)
{
    OptionItem item("Value", OptionType::Float);
    for (const auto& [which, value] : attributes)
        item.setAttribute(which, value);
    return item;
}

} // namespace


TEST(NumberFieldRules, DragsByStepOrRateWithinTheLimits)
{
    const OptionItem bevel = floatWith({{A::DragRate, 0.25f}, {A::RateFloor, 0.001f}});
    const OptionItem extrude = floatWith({{A::DragRate, 0.1f}});
    const struct {
        OptionItem item;
        float start;
        int steps;
        float expected;
    } cases[] = {
        {floatWith({}), 2.0f, 3, 5.0f}, // by one without a step
        {floatWith({{A::DragStep, 0.01f}}), 1.0f, -5, 0.95f},
        {floatWith({{A::Minimum, 0}, {A::Maximum, 2}, {A::DragStep, 0.01f}}), 1.99f, 5, 2.0f},
        {bevel, 1.0f, 2, 1.5625f}, // proportional, compounded
        {bevel, 0.0f, 1, 0.001f},    // the rate floor keeps a zero value moving
        {extrude, 0.0f, -2, -0.02f}, // the floor defaults to one hundredth
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(dragValue(c.item, c.start, c.steps), c.expected) << c.start << " " << c.steps;
    OptionItem sections("Sections", OptionType::Int);
    sections.setAttribute(A::Minimum, 3);
    EXPECT_EQ(dragValue(sections, 5, -10), 3.0f);
}

TEST(NumberFieldRules, FormatsIntsAndFloatsAsTheFieldShowsThem)
{
    OptionItem count("Count", OptionType::Int);
    OptionItem amount("Amount", OptionType::Float);
    EXPECT_EQ(formatNumber(count, 20000), "20000");
    EXPECT_EQ(formatNumber(amount, 0.1f), "0.1");
    EXPECT_EQ(formatNumber(amount, 360), "360");
    EXPECT_EQ(formatNumber(amount, 1e-06f), "1e-06");
    EXPECT_EQ(formatNumber(amount, -0.0000005f), "0");
}
