#include "Settings/OptionTable.h"

#include <string>
#include <utility>

namespace {

std::vector<std::string> splitLabels(const char* joined)
{
    std::vector<std::string> labels;
    if (!*joined)
        return labels;
    const char* start = joined;
    for (const char* c = joined;; ++c) {
        if (*c == '|' || *c == '\0') {
            labels.emplace_back(start, c);
            if (*c == '\0')
                break;
            start = c + 1;
        }
    }
    return labels;
}

void applyDefault(OptionItem& item, const OptionDefault& value)
{
    const float* n = value.numbers;
    switch (item.baseType()) {
    case OptionType::Int:
    case OptionType::Choice:
        item.setInt(static_cast<int>(n[0]));
        break;
    case OptionType::Bool:
        item.setBool(n[0] != 0.0f);
        break;
    case OptionType::Float:
        item.setFloat(n[0]);
        break;
    case OptionType::Colour:
    case OptionType::Point:
        item.setTriple(n[0], n[1], n[2]);
        break;
    case OptionType::String:
    case OptionType::FilePath:
        item.setString(value.text);
        break;
    case OptionType::Command:
        item.setCommandId(value.commandId);
        break;
    }
}

void applyLimits(OptionItem& item, const OptionLimits& limits)
{
    const std::pair<NumericAttribute, const std::optional<float>*> attributes[] = {
        {NumericAttribute::Minimum, &limits.minimum},
        {NumericAttribute::Maximum, &limits.maximum},
        {NumericAttribute::DragStep, &limits.dragStep},
        {NumericAttribute::DragRate, &limits.dragRate},
        {NumericAttribute::RateFloor, &limits.rateFloor},
    };
    for (const auto& [which, value] : attributes)
        if (value->has_value())
            item.setAttribute(which, **value);
}

} // namespace

OptionItem makeOption(const OptionRow& row)
{
    OptionItem item(row.name, row.type);
    if (!std::holds_alternative<std::monostate>(row.binding))
        item.bind(row.binding);
    // A command option's caption is its name; other options carry no label.
    if (row.type == OptionType::Command)
        item.setLabel(row.name);
    if (row.type == OptionType::Choice)
        item.setChoices(splitLabels(row.value.text));
    applyLimits(item, row.limits);
    item.setLength(row.flags & Length);
    item.setShown(!(row.flags & NotShown));
    if (!row.value.fromProgram)
        applyDefault(item, row.value);
    return item;
}

void addGroups(SettingsRegistry& registry, std::span<const GroupRow> groups)
{
    for (const GroupRow& row : groups) {
        OptionGroup& group = registry.addGroup(row.name, row.id, row.optionsCommand);
        for (const OptionRow& option : row.options)
            group.addOption(makeOption(option));
    }
}
