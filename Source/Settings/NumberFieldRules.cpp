#include "Settings/NumberFieldRules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

float clampToLimits(const OptionItem& item, float value)
{
    if (item.hasAttribute(NumericAttribute::Minimum) && value < item.attribute(NumericAttribute::Minimum))
        value = item.attribute(NumericAttribute::Minimum);
    if (item.hasAttribute(NumericAttribute::Maximum) && value > item.attribute(NumericAttribute::Maximum))
        value = item.attribute(NumericAttribute::Maximum);
    return value;
}

float dragValue(const OptionItem& item, float value, int steps)
{
    float direction = steps < 0 ? -1.0f : 1.0f;
    if (item.hasAttribute(NumericAttribute::DragRate)) {
        float rate = item.attribute(NumericAttribute::DragRate);
        float floor = item.hasAttribute(NumericAttribute::RateFloor) ? item.attribute(NumericAttribute::RateFloor)
                                                                      : DefaultRateFloor;
        for (int i = 0; i < std::abs(steps); ++i)
            value += direction * std::fmax(std::fabs(value) * rate, floor);
    } else {
        float step = item.hasAttribute(NumericAttribute::DragStep) ? item.attribute(NumericAttribute::DragStep)
                                                                    : DefaultDragStep;
        value += static_cast<float>(steps) * step;
    }
    if (item.baseType() == OptionType::Int)
        value = std::round(value);
    return clampToLimits(item, value);
}

std::string formatNumber(const OptionItem& item, float value)
{
    char text[32];
    if (item.baseType() == OptionType::Int)
        std::snprintf(text, sizeof text, "%i", static_cast<int>(value));
    else
        std::snprintf(text, sizeof text, "%g", std::fabs(value) < 0.000001f ? 0.0 : static_cast<double>(value));
    return text;
}
