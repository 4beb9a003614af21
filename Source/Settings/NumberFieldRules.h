#pragma once
// How an options window's number field applies an int or float option's
// numeric attributes. Toolkit-free so that every shell shows the same thing.
#include "Settings/OptionItem.h"

#include <string>

// Drag step and rate floor used when the option has none.
constexpr float DefaultDragStep = 1.0f;
constexpr float DefaultRateFloor = 0.01f;

// `value` clamped to the option's minimum and maximum, where present.
float clampToLimits(const OptionItem& item, float value);

// The value after dragging `steps` units from `value` (negative: downwards),
// clamped. Each unit adds the drag step; with a drag rate each unit instead
// changes the value by drag rate times its magnitude (a factor of 1 + rate
// upwards), but by at least the rate floor. Int options round to whole numbers.
float dragValue(const OptionItem& item, float value, int steps);

// The text of the field: "%i" for int options, "%g" for float options, with
// floats whose magnitude is below 0.000001 shown as 0.
std::string formatNumber(const OptionItem& item, float value);
