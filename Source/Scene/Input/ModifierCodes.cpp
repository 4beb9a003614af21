#include "Scene/Input/ModifierCodes.h"

namespace {

constexpr unsigned allKeys = ModifierKeys::Ctrl | ModifierKeys::Alt | ModifierKeys::Shift | ModifierKeys::Meta;

struct Combination {
    unsigned keys;
    int code;
};

// The only combinations with a code of their own.
constexpr Combination combinations[] = {
    {ModifierKeys::Ctrl, ModifierCode::Ctrl},
    {ModifierKeys::Alt, ModifierCode::Alt},
    {ModifierKeys::Ctrl | ModifierKeys::Alt, ModifierCode::CtrlAlt},
    {ModifierKeys::Shift, ModifierCode::Shift},
    {ModifierKeys::Ctrl | ModifierKeys::Shift, ModifierCode::CtrlShift},
    {ModifierKeys::Alt | ModifierKeys::Shift, ModifierCode::AltShift},
};

int codeOf(unsigned keys)
{
    for (const Combination& c : combinations)
        if (c.keys == keys)
            return c.code;
    return ModifierCode::None;
}

} // namespace

int pressModifierCode(unsigned heldKeys, bool tabHeld)
{
    if (tabHeld)
        return ModifierCode::TabHeld;
    unsigned keys = heldKeys & allKeys;
    return codeOf(keys & ModifierKeys::Meta ? ModifierKeys::Ctrl : keys);
}

int wheelModifierCode(unsigned heldKeys, bool tabHeld)
{
    if (tabHeld)
        return ModifierCode::TabHeld;
    return codeOf(heldKeys & allKeys);
}
