#pragma once
// The brush list in the brush editor's option group, so that the brushes
// persist in the preferences file: per brush N the options "Operation N",
// "ScreenRadius N", "WorldRadius N", "RadiusType N", "Strength N", "Focus N",
// "StrengthFlag N", "RadiusFlag N", "FocusFlag N", "CurvePoint N",
// "ImageFile N", "ShortcutKey N", and "ActiveBrush". The curve is one string
// of "t,value" pairs joined by ';' (no spaces, so the file keeps it whole).
#include <string>
#include <vector>

#include "Tools/Paint/Brush.h"

class OptionGroup;

inline constexpr int BrushEditorGroupId = 251;

// Replaces the group's options by the list's, hidden from options windows.
void storeBrushes(const BrushList& list, OptionGroup& group);
// Reads brushes 0, 1, … while "Operation N" is present. False, leaving
// outList alone, when the group holds no brush.
bool loadBrushes(const OptionGroup& group, BrushList& outList);

std::string encodeCurve(const std::vector<CurvePoint>& curve);
// Points that cannot be read are skipped; fewer than two points give the
// default ramp from 1 at the centre to 0 at the rim. Sorted by t.
std::vector<CurvePoint> decodeCurve(const std::string& text);
