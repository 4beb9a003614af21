#include "Settings/LengthUnits.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "Settings/NumberFieldRules.h"
#include "Settings/OptionKeys.h"
#include "Settings/SettingsRegistry.h"

namespace {
const char* const suffixes[] = {"", "cm", "in"};

float scaleOf(const LengthUnits& units) { return units.scale > 0 ? units.scale : 1.0f; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
} // namespace

LengthUnits lengthUnitsOf(const SettingsRegistry& registry)
{
    LengthUnits units;
    if (registry.has(Options::Units)) {
        int system = registry.get(Options::Units);
        units.system = system >= LengthUnits::Generic && system <= LengthUnits::English ? system : LengthUnits::Generic;
    }
    if (registry.has(Options::UnitScale))
        units.scale = registry.get(Options::UnitScale);
    return units;
}

const char* lengthSuffix(const LengthUnits& units)
{
    return units.system >= LengthUnits::Generic && units.system <= LengthUnits::English ? suffixes[units.system] : "";
}

std::string fieldText(const OptionItem& item, float value, const LengthUnits& units)
{
    if (!item.length())
        return formatNumber(item, value);
    std::string text = formatNumber(item, value * scaleOf(units));
    std::string_view suffix = lengthSuffix(units);
    return suffix.empty() ? text : text + " " + std::string(suffix);
}

bool readFieldText(const OptionItem& item, std::string_view text, const LengthUnits& units, float& outValue)
{
    std::string number(trimmed(text));
    if (number.empty())
        return false;
    char* end = nullptr;
    float value = std::strtof(number.c_str(), &end);
    std::string_view rest = trimmed(std::string_view(end));
    bool suffixAllowed = item.length() && equalsIgnoringCase(rest, lengthSuffix(units));
    if (end == number.c_str() || !std::isfinite(value) || !(rest.empty() || suffixAllowed))
        return false;
    if (item.length())
        value /= scaleOf(units);
    if (item.baseType() == OptionType::Int)
        value = std::round(value);
    outValue = clampToLimits(item, value);
    return true;
}
