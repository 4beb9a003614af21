// What an options window's number field shows and reads back: formats, the
// zero threshold, clamping and length units.
#include "Settings/LengthUnits.h"

#include <gtest/gtest.h>

#include "Settings/BuildRegistry.h"
#include "Settings/SettingsRegistry.h"

namespace {

OptionItem option(OptionType type, bool length, float minimum = -1e30f, float maximum = 1e30f)
{
    OptionItem item("Value", type);
    item.setLength(length);
    item.setAttribute(NumericAttribute::Minimum, minimum);
    item.setAttribute(NumericAttribute::Maximum, maximum);
    return item;
}

const LengthUnits generic{};
const LengthUnits metric{LengthUnits::Metric, 100};
const LengthUnits english{LengthUnits::English, 0}; // a zero scale counts as 1

} // namespace

TEST(LengthUnits, FieldsShowValuesInTheirFormatAndUnits)
{
    const struct {
        OptionItem item;
        float value;
        LengthUnits units;
        const char* shown;
    } cases[] = {
        {option(OptionType::Int, false), 20000, metric, "20000"},
        {option(OptionType::Float, false), 0.25f, metric, "0.25"},       // not a length: no units
        {option(OptionType::Float, false), 0.0000005f, generic, "0"},    // below the zero threshold
        {option(OptionType::Float, false), -0.000002f, generic, "-2e-06"},
        {option(OptionType::Float, true), 0.025f, metric, "2.5 cm"},
        {option(OptionType::Float, true), 3, english, "3 in"},
        {option(OptionType::Float, true), 3, generic, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldText(c.item, c.value, c.units), c.shown) << c.shown;
}

TEST(LengthUnits, FieldsReadNumbersBackInWorldUnitsWithinTheLimits)
{
    const struct {
        OptionItem item;
        const char* typed;
        LengthUnits units;
        bool read;
        float value;
    } cases[] = {
        {option(OptionType::Float, true), " 250 CM ", metric, true, 2.5f},
        {option(OptionType::Float, true), "250", metric, true, 2.5f},
        {option(OptionType::Float, true, 0, 1), "-3", generic, true, 0},     // clamped to the minimum
        {option(OptionType::Float, false, -1, 1), "7", generic, true, 1},    // and the maximum
        {option(OptionType::Int, false), "2.6", generic, true, 3},
        {option(OptionType::Float, false), "2 cm", metric, false, 0},        // units only on lengths
        {option(OptionType::Float, true), "2 in", metric, false, 0},         // another system's unit
        {option(OptionType::Float, true), "abc", generic, false, 0},
        {option(OptionType::Float, true), "", generic, false, 0},
    };
    for (const auto& c : cases) {
        float value = -99;
        EXPECT_EQ(readFieldText(c.item, c.typed, c.units, value), c.read) << c.typed;
        EXPECT_FLOAT_EQ(value, c.read ? c.value : -99) << c.typed;
    }
}

TEST(LengthUnits, TheChosenUnitsComeFromTheGeneralSettings)
{
    SettingsRegistry registry;
    EXPECT_EQ(lengthUnitsOf(registry).system, LengthUnits::Generic);
    buildRegistry(registry);
    registry.setChoice(113, "Units", 2);
    registry.setFloat(113, "Unit Scale", 12);
    LengthUnits units = lengthUnitsOf(registry);
    EXPECT_EQ(units.system, LengthUnits::English);
    EXPECT_FLOAT_EQ(units.scale, 12);
}
