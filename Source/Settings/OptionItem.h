#pragma once
// One setting of an option group: a typed value, kept in the option or bound
// to a program variable, with the limits and hints its input field uses.
#include "Settings/OptionType.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// The program variable behind a bound option: int for int and choice options,
// bool, float, the first of three consecutive floats for colour and point
// options, string for string and file-path options.
using OptionBinding = std::variant<std::monostate, int*, bool*, float*, std::string*>;

// The five numeric attributes of int and float options, each present or not.
enum class NumericAttribute : std::uint8_t { Minimum, Maximum, DragStep, DragRate, RateFloor };
constexpr int NumericAttributeCount = 5;

class OptionItem {
public:
    // `type` is a base type; `bind` turns the option into its bound type.
    OptionItem(std::string name, OptionType type);

    // Full type code, bound bit included.
    int type() const { return type_; }
    OptionType baseType() const { return baseTypeOf(type_); }
    bool isBound() const { return isBoundType(type_); }

    // Makes reads and writes go straight to `variable`, whose current value
    // becomes the option's. The variable must outlive the option. Returns
    // false and changes nothing when the variable's kind does not suit the
    // base type (see OptionBinding) or the option is a command.
    bool bind(OptionBinding variable);
    // The same, but the option's current value is written into the variable
    // first: for binding after the registry is built, where the table's
    // default must stand.
    bool bindKeepingValue(OptionBinding variable);

    const std::string& name() const { return name_; }
    const std::string& label() const { return label_; }
    void setLabel(std::string label) { label_ = std::move(label); }

    // Labels of a choice option in index order.
    const std::vector<std::string>& choices() const { return choices_; }
    void setChoices(std::vector<std::string> choices) { choices_ = std::move(choices); }

    bool hasAttribute(NumericAttribute which) const;
    // The attribute's value; 0 when it is absent.
    float attribute(NumericAttribute which) const;
    void setAttribute(NumericAttribute which, float value);

    // The value is a length, shown and typed in the current units.
    bool length() const { return length_; }
    void setLength(bool on) { length_ = on; }
    // The option is listed in its group's options window.
    bool shown() const { return shown_; }
    void setShown(bool on) { shown_ = on; }

    // The current value, read through the binding of a bound option. Each
    // returns null when the option is not of that kind: intValue serves int
    // and choice options, tripleValue colour and point options (three
    // floats), stringValue string and file-path options.
    const int* intValue() const;
    const bool* boolValue() const;
    const float* floatValue() const;
    const float* tripleValue() const;
    const std::string* stringValue() const;

    // Writers of the same kinds; false, changing nothing, for another kind.
    // No limits are applied: those are the input field's business.
    bool setInt(int value);
    bool setBool(bool value);
    bool setFloat(float value);
    bool setTriple(float a, float b, float c);
    bool setString(std::string value);

    // The command a command option runs; -1 for other options.
    int commandId() const;
    // False, changing nothing, unless the option is a command.
    bool setCommandId(int commandId);

private:
    bool holdsInt() const;
    bool holdsTriple() const;
    bool holdsString() const;

    std::uint8_t type_;
    std::string name_;
    std::string label_;
    std::vector<std::string> choices_;
    float attributes_[NumericAttributeCount] = {};
    std::uint8_t attributesPresent_ = 0; // bit i: attribute i is present
    bool length_ = false;
    bool shown_ = true;

    // Own storage, used while unbound; only the member of the base type's kind
    // is meaningful. A command option keeps its command id in ownInt_.
    int ownInt_ = 0;
    bool ownBool_ = false;
    float ownFloats_[3] = {};
    std::string ownString_;
    OptionBinding binding_; // set exactly when the type code is odd
};
