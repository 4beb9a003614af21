#pragma once
// Lengths as the options windows show and read them: in the units chosen in
// the General Settings ("Units" and "Unit Scale"), while the scene and the
// registry keep world units. Toolkit-free so that every shell agrees.
#include <string>
#include <string_view>

#include "Settings/OptionItem.h"

class SettingsRegistry;

// One world unit is `scale` of the chosen unit.
struct LengthUnits {
    enum System { Generic = 0, Metric = 1, English = 2 };
    int system = Generic;
    float scale = 1; // a scale of 0 or below counts as 1
};

// The units chosen in `registry`; generic units at scale 1 where it has none.
LengthUnits lengthUnitsOf(const SettingsRegistry& registry);

// The text after a length: "" (generic), "cm" (metric) or "in" (English).
const char* lengthSuffix(const LengthUnits& units);

// The field text of an int or float option's value (NumberFieldRules'
// formats); a length option's value is converted and followed by the unit
// suffix ("2.5 cm").
std::string fieldText(const OptionItem& item, float value, const LengthUnits& units);

// Reads what the user typed into an int or float option's field: a number,
// for a length optionally followed by the unit suffix, converted back to
// world units, rounded for ints and clamped to the option's limits. False,
// leaving outValue alone, when the text is not such a number.
bool readFieldText(const OptionItem& item, std::string_view text, const LengthUnits& units, float& outValue);
