#pragma once
// A typed handle on one option of the registry: its group identifier and
// name, and the type of value a reader gets. Code reads and writes settings
// only through the handles declared in OptionKeys.h, which are checked
// against the built registry, so a misspelt name cannot pass unnoticed.
#include "Settings/OptionType.h"

#include <array>
#include <string>
#include <string_view>

template <typename Value, OptionType Type>
struct OptionKey {
    using ValueType = Value;
    static constexpr OptionType type = Type;
    int group;             // identifier of the owning command
    std::string_view name; // exact, case-sensitive
};

using IntOption = OptionKey<int, OptionType::Int>;
using BoolOption = OptionKey<bool, OptionType::Bool>;
using FloatOption = OptionKey<float, OptionType::Float>;
using ChoiceOption = OptionKey<int, OptionType::Choice>;       // the choice index
using StringOption = OptionKey<std::string, OptionType::String>; // file paths too
using ColourOption = OptionKey<std::array<float, 3>, OptionType::Colour>;
using PointOption = OptionKey<std::array<float, 3>, OptionType::Point>;

// Any handle without its value type, for checking them all in one list.
struct AnyOptionKey {
    int group;
    std::string_view name;
    OptionType type;

    template <typename Value, OptionType Type>
    constexpr AnyOptionKey(const OptionKey<Value, Type>& key) : group(key.group), name(key.name), type(Type)
    {
    }
};
