#pragma once
// The row types in which the registry's contents are written down, and the
// one function that turns rows into groups. Each Registry*.cpp file holds a
// table of these rows.
#include "Settings/OptionItem.h"
#include "Settings/SettingsRegistry.h"

#include <optional>
#include <span>
#include <vector>

// Flags of an option row.
enum OptionRowFlag : unsigned {
    Length = 1,   // shown and typed in the current units
    NotShown = 2, // saved and loaded, but listed in no options window
};

// The numeric attributes of a row; an empty one is absent.
struct OptionLimits {
    std::optional<float> minimum = std::nullopt;
    std::optional<float> maximum = std::nullopt;
    std::optional<float> dragStep = std::nullopt;
    std::optional<float> dragRate = std::nullopt;
    std::optional<float> rateFloor = std::nullopt;
};

// The default of a row; written with the helpers below.
struct OptionDefault {
    bool fromProgram = false; // bound: the variable keeps the value its owner gave it
    float numbers[3] = {};    // int, bool, choice index, float, colour, point
    const char* text = "";    // string and file path; choice labels joined by '|'
    int commandId = -1;       // command options
};

// A number: int, bool (0 or 1), choice index or float.
constexpr OptionDefault num(double value) { return {false, {float(value)}}; }
// A colour or point.
constexpr OptionDefault rgb(double a, double b, double c) { return {false, {float(a), float(b), float(c)}}; }
constexpr OptionDefault text(const char* value) { return {false, {}, value}; }
// A choice: the default index and the labels in index order, joined by '|'.
constexpr OptionDefault choice(int index, const char* labels) { return {false, {float(index)}, labels}; }
// The start value of the bound variable stands.
constexpr OptionDefault programValue() { return {true}; }
constexpr OptionDefault programChoice(const char* labels) { return {true, {}, labels}; }
constexpr OptionDefault runs(int commandId) { return {false, {}, "", commandId}; }

struct OptionRow {
    const char* name;
    OptionType type; // base type; a binding makes it the bound type
    OptionDefault value;
    OptionLimits limits = {};
    unsigned flags = 0;
    OptionBinding binding = {};
};

constexpr int NoOptionsCommand = -1;

struct GroupRow {
    const char* name;
    int id;
    int optionsCommand;
    std::vector<OptionRow> options;
};

// Appends one group per row, in order, with its options in order. A bound
// option with a tabled default writes that default into its variable.
void addGroups(SettingsRegistry& registry, std::span<const GroupRow> groups);

// The option a row describes, bound and set to its default.
OptionItem makeOption(const OptionRow& row);
