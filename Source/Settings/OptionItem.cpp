#include "Settings/OptionItem.h"

#include <utility>

OptionItem::OptionItem(std::string name, OptionType type)
    : type_(static_cast<std::uint8_t>(type)), name_(std::move(name))
{
    if (type == OptionType::Command)
        ownInt_ = -1;
}

bool OptionItem::holdsInt() const
{
    return baseType() == OptionType::Int || baseType() == OptionType::Choice;
}

bool OptionItem::holdsTriple() const
{
    return baseType() == OptionType::Colour || baseType() == OptionType::Point;
}

bool OptionItem::holdsString() const
{
    return baseType() == OptionType::String || baseType() == OptionType::FilePath;
}

bool OptionItem::bind(OptionBinding variable)
{
    bool suits = false;
    if (holdsInt())
        suits = std::holds_alternative<int*>(variable) && std::get<int*>(variable);
    else if (baseType() == OptionType::Bool)
        suits = std::holds_alternative<bool*>(variable) && std::get<bool*>(variable);
    else if (baseType() == OptionType::Float || holdsTriple())
        suits = std::holds_alternative<float*>(variable) && std::get<float*>(variable);
    else if (holdsString())
        suits = std::holds_alternative<std::string*>(variable) && std::get<std::string*>(variable);
    if (!suits)
        return false;
    binding_ = variable;
    type_ |= BoundTypeBit;
    return true;
}

bool OptionItem::bindKeepingValue(OptionBinding variable)
{
    const OptionItem before = *this;
    if (!bind(variable))
        return false;
    if (holdsInt())
        setInt(*before.intValue());
    else if (baseType() == OptionType::Bool)
        setBool(*before.boolValue());
    else if (baseType() == OptionType::Float)
        setFloat(*before.floatValue());
    else if (holdsTriple())
        setTriple(before.tripleValue()[0], before.tripleValue()[1], before.tripleValue()[2]);
    else if (holdsString())
        setString(*before.stringValue());
    return true;
}

bool OptionItem::hasAttribute(NumericAttribute which) const
{
    return (attributesPresent_ >> static_cast<int>(which)) & 1;
}

float OptionItem::attribute(NumericAttribute which) const
{
    return hasAttribute(which) ? attributes_[static_cast<int>(which)] : 0.0f;
}

void OptionItem::setAttribute(NumericAttribute which, float value)
{
    attributes_[static_cast<int>(which)] = value;
    attributesPresent_ |= 1u << static_cast<int>(which);
}

const int* OptionItem::intValue() const
{
    if (!holdsInt())
        return nullptr;
    return isBound() ? std::get<int*>(binding_) : &ownInt_;
}

const bool* OptionItem::boolValue() const
{
    if (baseType() != OptionType::Bool)
        return nullptr;
    return isBound() ? std::get<bool*>(binding_) : &ownBool_;
}

const float* OptionItem::floatValue() const
{
    if (baseType() != OptionType::Float)
        return nullptr;
    return isBound() ? std::get<float*>(binding_) : ownFloats_;
}

const float* OptionItem::tripleValue() const
{
    if (!holdsTriple())
        return nullptr;
    return isBound() ? std::get<float*>(binding_) : ownFloats_;
}

const std::string* OptionItem::stringValue() const
{
    if (!holdsString())
        return nullptr;
    return isBound() ? std::get<std::string*>(binding_) : &ownString_;
}

// The writers go through the readers so that bound and own storage share one
// path; the const_cast only drops the constness the readers add.
bool OptionItem::setInt(int value)
{
    const int* target = intValue();
    if (!target)
        return false;
    *const_cast<int*>(target) = value;
    return true;
}

bool OptionItem::setBool(bool value)
{
    const bool* target = boolValue();
    if (!target)
        return false;
    *const_cast<bool*>(target) = value;
    return true;
}

bool OptionItem::setFloat(float value)
{
    const float* target = floatValue();
    if (!target)
        return false;
    *const_cast<float*>(target) = value;
    return true;
}

bool OptionItem::setTriple(float a, float b, float c)
{
    const float* target = tripleValue();
    if (!target)
        return false;
    float* out = const_cast<float*>(target);
    out[0] = a;
    out[1] = b;
    out[2] = c;
    return true;
}

bool OptionItem::setString(std::string value)
{
    const std::string* target = stringValue();
    if (!target)
        return false;
    *const_cast<std::string*>(target) = std::move(value);
    return true;
}

int OptionItem::commandId() const
{
    return baseType() == OptionType::Command ? ownInt_ : -1;
}

bool OptionItem::setCommandId(int commandId)
{
    if (baseType() != OptionType::Command)
        return false;
    ownInt_ = commandId;
    return true;
}
