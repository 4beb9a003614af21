#include "Scene/Input/MouseBindings.h"

#include <array>
#include <iterator>

#include "Scene/Input/ModifierCodes.h"

namespace {

using B = MouseButtonCode;
using M = ModifierCode;
constexpr int chord = -1;

// The (button code, modifier code) of each entry, in the order of the
// setting names. Each button's block lists the modifiers in the order none,
// Alt, Shift, Ctrl, Alt+Shift, Ctrl+Alt, Ctrl+Shift; the real buttons end
// theirs with the double click. The left+middle chord keeps only four forms.
struct Target {
    int button;
    int modifiers;
};
constexpr Target targets[MouseBindings::Count] = {
    {B::Left, M::None}, {B::Left, M::Alt}, {B::Left, M::Shift}, {B::Left, M::Ctrl},
    {B::Left, M::AltShift}, {B::Left, M::CtrlAlt}, {B::Left, M::CtrlShift}, {B::LeftDouble, M::None},

    {B::Middle, M::None}, {B::Middle, M::Alt}, {B::Middle, M::Shift}, {B::Middle, M::Ctrl},
    {B::Middle, M::AltShift}, {B::Middle, M::CtrlAlt}, {B::Middle, M::CtrlShift},
    {B::MiddleDouble, M::None},

    {B::Right, M::None}, {B::Right, M::Alt}, {B::Right, M::Shift}, {B::Right, M::Ctrl},
    {B::Right, M::AltShift}, {B::Right, M::CtrlAlt}, {B::Right, M::CtrlShift},
    {B::RightDouble, M::None},

    {chord, M::None}, {chord, M::Alt}, {chord, M::Shift}, {chord, M::Ctrl},

    {B::WheelUp, M::None}, {B::WheelUp, M::Alt}, {B::WheelUp, M::Shift}, {B::WheelUp, M::Ctrl},
    {B::WheelUp, M::AltShift}, {B::WheelUp, M::CtrlAlt}, {B::WheelUp, M::CtrlShift},

    {B::WheelDown, M::None}, {B::WheelDown, M::Alt}, {B::WheelDown, M::Shift}, {B::WheelDown, M::Ctrl},
    {B::WheelDown, M::AltShift}, {B::WheelDown, M::CtrlAlt}, {B::WheelDown, M::CtrlShift},

    {B::FirstExtra, M::None}, {B::FirstExtra, M::Alt}, {B::FirstExtra, M::Shift}, {B::FirstExtra, M::Ctrl},
    {B::FirstExtra, M::AltShift}, {B::FirstExtra, M::CtrlAlt}, {B::FirstExtra, M::CtrlShift},
    {B::FirstExtraDouble, M::None},

    {B::SecondExtra, M::None}, {B::SecondExtra, M::Alt}, {B::SecondExtra, M::Shift}, {B::SecondExtra, M::Ctrl},
    {B::SecondExtra, M::AltShift}, {B::SecondExtra, M::CtrlAlt}, {B::SecondExtra, M::CtrlShift},
    {B::SecondExtraDouble, M::None},
};

constexpr std::array<MouseBindings::Entry, MouseBindings::Count> entries = [] {
    std::array<MouseBindings::Entry, MouseBindings::Count> out{};
    for (int i = 0; i < MouseBindings::Count; ++i)
        out[i] = {mouseSettingNames[i], targets[i].button, targets[i].modifiers};
    return out;
}();

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
