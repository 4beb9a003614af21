#pragma once
// The setting names of the mouse binding table's entries, in table order. The
// "Mouse Settings" options and the scene's binding layout both read this one
// list, so the preferences file and the lookup cannot drift apart.

constexpr int MouseSettingCount = 58;

// Each button with no modifier, Alt, Shift, Ctrl, Alt+Shift, Ctrl+Alt,
// Ctrl+Shift, then its double click. The left+middle chord has four forms
// only; the wheel has no double click.
inline constexpr const char* mouseSettingNames[MouseSettingCount] = {
    "LMB", "AltLMB", "ShiftLMB", "CtrlLMB", "AltShiftLMB", "CtrlAltLMB", "CtrlShiftLMB", "DLMB",
    "MMB", "AltMMB", "ShiftMMB", "CtrlMMB", "AltShiftMMB", "CtrlAltMMB", "CtrlShiftMMB", "DMMB",
    "RMB", "AltRMB", "ShiftRMB", "CtrlRMB", "AltShiftRMB", "CtrlAltRMB", "CtrlShiftRMB", "DRMB",
    "LMMB", "AltLMMB", "ShiftLMMB", "CtrlLMMB",
    "SU", "AltSU", "ShiftSU", "CtrlSU", "AltShiftSU", "CtrlAltSU", "CtrlShiftSU",
    "SD", "AltSD", "ShiftSD", "CtrlSD", "AltShiftSD", "CtrlAltSD", "CtrlShiftSD",
    "X1", "AltX1", "ShiftX1", "CtrlX1", "AltShiftX1", "CtrlAltX1", "CtrlShiftX1", "DX1",
    "X2", "AltX2", "ShiftX2", "CtrlX2", "AltShiftX2", "CtrlAltX2", "CtrlShiftX2", "DX2",
};
