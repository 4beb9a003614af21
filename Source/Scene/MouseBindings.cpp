#include "Scene/MouseBindings.h"

#include <iterator>

#include "Scene/ModifierCodes.h"

namespace {

using B = MouseButtonCode;
using M = ModifierCode;
constexpr int chord = -1;

// Each button's block lists the modifiers in the order none, Alt, Shift,
// Ctrl, Alt+Shift, Ctrl+Alt, Ctrl+Shift; the real buttons end theirs with
// the double click. The left+middle chord keeps only four forms.
constexpr MouseBindings::Entry entries[MouseBindings::Count] = {
    {"LMB", B::Left, M::None},           {"AltLMB", B::Left, M::Alt},
    {"ShiftLMB", B::Left, M::Shift},     {"CtrlLMB", B::Left, M::Ctrl},
    {"AltShiftLMB", B::Left, M::AltShift}, {"CtrlAltLMB", B::Left, M::CtrlAlt},
    {"CtrlShiftLMB", B::Left, M::CtrlShift}, {"DLMB", B::LeftDouble, M::None},

    {"MMB", B::Middle, M::None},         {"AltMMB", B::Middle, M::Alt},
    {"ShiftMMB", B::Middle, M::Shift},   {"CtrlMMB", B::Middle, M::Ctrl},
    {"AltShiftMMB", B::Middle, M::AltShift}, {"CtrlAltMMB", B::Middle, M::CtrlAlt},
    {"CtrlShiftMMB", B::Middle, M::CtrlShift}, {"DMMB", B::MiddleDouble, M::None},

    {"RMB", B::Right, M::None},          {"AltRMB", B::Right, M::Alt},
    {"ShiftRMB", B::Right, M::Shift},    {"CtrlRMB", B::Right, M::Ctrl},
    {"AltShiftRMB", B::Right, M::AltShift}, {"CtrlAltRMB", B::Right, M::CtrlAlt},
    {"CtrlShiftRMB", B::Right, M::CtrlShift}, {"DRMB", B::RightDouble, M::None},

    {"LMMB", chord, M::None},            {"AltLMMB", chord, M::Alt},
    {"ShiftLMMB", chord, M::Shift},      {"CtrlLMMB", chord, M::Ctrl},

    {"SU", B::WheelUp, M::None},         {"AltSU", B::WheelUp, M::Alt},
    {"ShiftSU", B::WheelUp, M::Shift},   {"CtrlSU", B::WheelUp, M::Ctrl},
    {"AltShiftSU", B::WheelUp, M::AltShift}, {"CtrlAltSU", B::WheelUp, M::CtrlAlt},
    {"CtrlShiftSU", B::WheelUp, M::CtrlShift},

    {"SD", B::WheelDown, M::None},       {"AltSD", B::WheelDown, M::Alt},
    {"ShiftSD", B::WheelDown, M::Shift}, {"CtrlSD", B::WheelDown, M::Ctrl},
    {"AltShiftSD", B::WheelDown, M::AltShift}, {"CtrlAltSD", B::WheelDown, M::CtrlAlt},
    {"CtrlShiftSD", B::WheelDown, M::CtrlShift},

    {"X1", B::FirstExtra, M::None},      {"AltX1", B::FirstExtra, M::Alt},
    {"ShiftX1", B::FirstExtra, M::Shift}, {"CtrlX1", B::FirstExtra, M::Ctrl},
    {"AltShiftX1", B::FirstExtra, M::AltShift}, {"CtrlAltX1", B::FirstExtra, M::CtrlAlt},
    {"CtrlShiftX1", B::FirstExtra, M::CtrlShift}, {"DX1", B::FirstExtraDouble, M::None},

    {"X2", B::SecondExtra, M::None},     {"AltX2", B::SecondExtra, M::Alt},
    {"ShiftX2", B::SecondExtra, M::Shift}, {"CtrlX2", B::SecondExtra, M::Ctrl},
    {"AltShiftX2", B::SecondExtra, M::AltShift}, {"CtrlAltX2", B::SecondExtra, M::CtrlAlt},
    {"CtrlShiftX2", B::SecondExtra, M::CtrlShift}, {"DX2", B::SecondExtraDouble, M::None},
};

// First entry of the block of button codes 0 to 6 (left, middle, right, the
// two extra buttons, wheel up, wheel down): the blocks are not stored in
// button-code order.
constexpr int blockStart[] = {0, 8, 16, 42, 50, 28, 35};
// Column within a block of modifier codes 0 to 6.
constexpr int modifierColumn[] = {0, 3, 1, 5, 2, 6, 4};
// Entry of button codes 7 to 11, the double clicks.
constexpr int doubleClickEntry[] = {7, 15, 23, 49, 57};

constexpr int blockCount = int(std::size(blockStart));
constexpr int columnCount = int(std::size(modifierColumn));
constexpr int doubleClickCount = int(std::size(doubleClickEntry));

} // namespace

std::span<const MouseBindings::Entry, MouseBindings::Count> MouseBindings::layout()
{
    return std::span<const Entry, Count>(entries);
}

int MouseBindings::index(int button, int modifiers)
{
    if (button >= 0 && button < blockCount) {
        int column = modifiers >= 0 && modifiers < columnCount ? modifierColumn[modifiers] : 0;
        return blockStart[button] + column;
    }
    if (button >= blockCount && button < blockCount + doubleClickCount)
        return doubleClickEntry[button - blockCount];
    return -1;
}

int MouseBindings::indexOf(std::string_view settingName)
{
    for (int i = 0; i < Count; ++i)
        if (settingName == entries[i].settingName)
            return i;
    return -1;
}

void MouseBindings::clear()
{
    for (int32_t& c : commands_)
        c = Unbound;
}

int MouseBindings::mouseBinding(int button, int modifiers) const
{
    return command(index(button, modifiers));
}

int MouseBindings::command(int index) const
{
    return index >= 0 && index < Count ? commands_[index] : Unbound;
}

bool MouseBindings::setCommand(int index, int commandId)
{
    if (index < 0 || index >= Count)
        return false;
    commands_[index] = commandId;
    return true;
}
