#pragma once
// Type codes of settings options. An even code keeps the value in the option;
// the odd code one above is the same type bound to a program variable.
#include <cstdint>
#include <string_view>

enum class OptionType : std::uint8_t {
    Int = 0,
    Bool = 2,
    Float = 4,
    Choice = 6,    // index into the option's choice labels
    String = 8,
    Colour = 10,   // red, green, blue floats
    FilePath = 12, // a string edited with a file chooser
    Command = 14,  // a button that runs a command; holds no value
    Point = 16,    // x, y, z floats
};

constexpr int BoundTypeBit = 1;

// The base type of a full code: the bound bit cleared.
constexpr OptionType baseTypeOf(int code)
{
    return static_cast<OptionType>(code & ~BoundTypeBit);
}

constexpr bool isBoundType(int code) { return (code & BoundTypeBit) != 0; }

// Type word used in the preferences file for a code, bound or not; null for
// command options and unknown codes, which are never written.
const char* optionTypeName(int code);

// Code of a type word read back from a preferences file; -1 when the word is
// not one of "int", "bool", "float", "choice", "string", "color", "point".
int optionTypeFromName(std::string_view name);
