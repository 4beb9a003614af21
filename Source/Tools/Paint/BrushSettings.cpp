#include "Tools/Paint/BrushSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "Settings/OptionGroup.h"

namespace {

std::string keyed(const char* key, int n) { return std::string(key) + " " + std::to_string(n); }

void addHidden(OptionGroup& group, OptionItem item)
{
    item.setShown(false);
    group.addOption(std::move(item));
}

void addInt(OptionGroup& group, const std::string& name, int value)
{
    OptionItem item(name, OptionType::Int);
    item.setInt(value);
    addHidden(group, std::move(item));
}

void addFloat(OptionGroup& group, const std::string& name, float value)
{
    OptionItem item(name, OptionType::Float);
    item.setFloat(value);
    addHidden(group, std::move(item));
}

void addBool(OptionGroup& group, const std::string& name, bool value)
{
    OptionItem item(name, OptionType::Bool);
    item.setBool(value);
    addHidden(group, std::move(item));
}

void addString(OptionGroup& group, const std::string& name, const std::string& value)
{
    OptionItem item(name, OptionType::String);
    item.setString(value);
    addHidden(group, std::move(item));
}

// A number of any numeric kind (a hand-edited file may change the type word).
bool readNumber(const OptionGroup& group, const std::string& name, float& out)
{
    const OptionItem* item = group.findOption(name);
    if (!item)
        return false;
    if (const int* i = item->intValue())
        out = static_cast<float>(*i);
    else if (const float* f = item->floatValue())
        out = *f;
    else if (const bool* b = item->boolValue())
        out = *b ? 1.0f : 0.0f;
    else
        return false;
    // A hand-edited or hostile file may hold anything: only finite numbers
    // within the range of an int reach the brush.
    return std::isfinite(out) && std::fabs(out) < 1e9f;
}

int wholeNumber(float number) { return static_cast<int>(number); }

std::string readString(const OptionGroup& group, const std::string& name)
{
    const OptionItem* item = group.findOption(name);
    const std::string* s = item ? item->stringValue() : nullptr;
    return s ? *s : std::string();
}

} // namespace

std::string encodeCurve(const std::vector<CurvePoint>& curve)
{
    std::string out;
    char pair[64];
    for (const CurvePoint& p : curve) {
        std::snprintf(pair, sizeof pair, "%s%g,%g", out.empty() ? "" : ";", p.t, p.value);
        out += pair;
    }
    return out;
}

std::vector<CurvePoint> decodeCurve(const std::string& text)
{
    std::vector<CurvePoint> curve;
    std::istringstream in(text);
    std::string pair;
    while (std::getline(in, pair, ';')) {
        const size_t comma = pair.find(',');
        if (comma == std::string::npos)
            continue;
        char* end = nullptr;
        const float t = std::strtof(pair.c_str(), &end);
        if (end != pair.c_str() + comma)
            continue;
        const char* valueText = pair.c_str() + comma + 1;
        const float value = std::strtof(valueText, &end);
        if (end == valueText)
            continue;
        curve.push_back({std::clamp(t, 0.0f, 1.0f), value});
    }
    if (curve.size() < 2)
        return Brush{}.curve;
    std::ranges::stable_sort(curve, {}, &CurvePoint::t);
    return curve;
}

void storeBrushes(const BrushList& list, OptionGroup& group)
{
    group.clearOptions();
    for (int n = 0; n < static_cast<int>(list.brushes.size()); ++n) {
        const Brush& b = list.brushes[n];
        addInt(group, keyed("Operation", n), static_cast<int>(b.operation));
        addFloat(group, keyed("ScreenRadius", n), b.screenRadius);
        addFloat(group, keyed("WorldRadius", n), b.worldRadius);
        addInt(group, keyed("RadiusType", n), static_cast<int>(b.radiusType));
        addFloat(group, keyed("Strength", n), b.strength);
        addFloat(group, keyed("Focus", n), b.focus);
        addBool(group, keyed("StrengthFlag", n), b.strengthFlag);
        addBool(group, keyed("RadiusFlag", n), b.radiusFlag);
        addBool(group, keyed("FocusFlag", n), b.focusFlag);
        addString(group, keyed("CurvePoint", n), encodeCurve(b.curve));
        addString(group, keyed("ImageFile", n), b.imageFile);
        addInt(group, keyed("ShortcutKey", n), b.shortcutKey);
    }
    addInt(group, "ActiveBrush", list.active);
}

bool loadBrushes(const OptionGroup& group, BrushList& outList)
{
    BrushList list;
    float number = 0;
    for (int n = 0; readNumber(group, keyed("Operation", n), number); ++n) {
        Brush b;
        b.operation = static_cast<BrushOperation>(std::clamp(wholeNumber(number), 0, brushOperationCount - 1));
        if (readNumber(group, keyed("ScreenRadius", n), number) && number > 0)
            b.screenRadius = number;
        if (readNumber(group, keyed("WorldRadius", n), number) && number > 0)
            b.worldRadius = number;
        if (readNumber(group, keyed("RadiusType", n), number))
            b.radiusType = number != 0 ? RadiusType::Screen : RadiusType::World;
        if (readNumber(group, keyed("Strength", n), number))
            b.strength = number;
        if (readNumber(group, keyed("Focus", n), number))
            b.focus = std::clamp(number, 0.0f, 0.99f);
        if (readNumber(group, keyed("StrengthFlag", n), number))
            b.strengthFlag = number != 0;
        if (readNumber(group, keyed("RadiusFlag", n), number))
            b.radiusFlag = number != 0;
        if (readNumber(group, keyed("FocusFlag", n), number))
            b.focusFlag = number != 0;
        b.curve = decodeCurve(readString(group, keyed("CurvePoint", n)));
        b.imageFile = readString(group, keyed("ImageFile", n));
        if (readNumber(group, keyed("ShortcutKey", n), number))
            b.shortcutKey = wholeNumber(number);
        list.brushes.push_back(std::move(b));
    }
    if (list.brushes.empty())
        return false;
    if (readNumber(group, "ActiveBrush", number))
        list.active = std::clamp(wholeNumber(number), 0, static_cast<int>(list.brushes.size()) - 1);
    outList = std::move(list);
    return true;
}
