// The mouse binding table as settings: one bound int per button and modifier
// combination, holding the bound command id.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

namespace {

// In binding-table order: each button with no modifier, Alt, Shift, Ctrl,
// Alt+Shift, Ctrl+Alt, Ctrl+Shift, then its double click. The left+middle
// chord has four forms only; the wheel has no double click.
constexpr const char* mouseBindingNames[MouseBindingCount] = {
    "LMB", "AltLMB", "ShiftLMB", "CtrlLMB", "AltShiftLMB", "CtrlAltLMB", "CtrlShiftLMB", "DLMB",
    "MMB", "AltMMB", "ShiftMMB", "CtrlMMB", "AltShiftMMB", "CtrlAltMMB", "CtrlShiftMMB", "DMMB",
    "RMB", "AltRMB", "ShiftRMB", "CtrlRMB", "AltShiftRMB", "CtrlAltRMB", "CtrlShiftRMB", "DRMB",
    "LMMB", "AltLMMB", "ShiftLMMB", "CtrlLMMB",
    "SU", "AltSU", "ShiftSU", "CtrlSU", "AltShiftSU", "CtrlAltSU", "CtrlShiftSU",
    "SD", "AltSD", "ShiftSD", "CtrlSD", "AltShiftSD", "CtrlAltSD", "CtrlShiftSD",
    "X1", "AltX1", "ShiftX1", "CtrlX1", "AltShiftX1", "CtrlAltX1", "CtrlShiftX1", "DX1",
    "X2", "AltX2", "ShiftX2", "CtrlX2", "AltShiftX2", "CtrlAltX2", "CtrlShiftX2", "DX2",
};

} // namespace

void registerMouseGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    GroupRow mouse = {"Mouse Settings", 217, NoOptionsCommand, {}};
    for (int i = 0; i < MouseBindingCount; ++i)
        mouse.options.push_back({mouseBindingNames[i], OptionType::Int, programValue(), {}, 0, &v.mouseBindings[i]});
    addGroups(registry, {&mouse, 1});
}
