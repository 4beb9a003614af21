#pragma once
// A displacement brush as the brush editor edits it and the preferences
// file keeps it: which operation, how large, how strong, and its falloff
// from the centre (a curve, or an image whose pixels replace the curve).
#include <string>
#include <vector>

// The six operations, in the order the brush editor lists them.
enum class BrushOperation { PushPull, SmoothNoise, PinchInflate, Flatten, Smudge, Move };
inline constexpr int brushOperationCount = 6;
// "Push/Pull", "Smooth/Noise", "Pinch/Inflate", "Flatten", "Smudge", "Move".
const char* brushOperationName(BrushOperation operation);

// One point of the falloff curve: at t (0 centre … 1 rim) the falloff is `value`.
struct CurvePoint {
    float t = 0;
    float value = 1;
};

enum class RadiusType { World = 0, Screen = 1 };

struct Brush {
    BrushOperation operation = BrushOperation::PushPull;
    float worldRadius = 0.5f;  // world units
    float screenRadius = 50;   // pixels
    RadiusType radiusType = RadiusType::Screen;
    float strength = 1;
    float focus = 0;           // 0 to below 1: the inner share of the radius that gets curve(0)
    std::vector<CurvePoint> curve{{0, 1}, {1, 0}}; // sorted by t, at least two points
    std::string imageFile;     // when set and readable, its pixels replace the curve
    // Whether the pen's pressure scales the strength, the radius, the focus.
    bool strengthFlag = false;
    bool radiusFlag = false;
    bool focusFlag = false;
    int shortcutKey = 0;       // 0: none

    // Setting one radius makes the brush sized by it.
    void setWorldRadius(float r) { worldRadius = r, radiusType = RadiusType::World; }
    void setScreenRadius(float r) { screenRadius = r, radiusType = RadiusType::Screen; }
    // The curve at t (clamped to 0 … 1), linear between its points.
    float curveAt(float t) const;
    // The falloff of a vertex at distance d from the brush point for radius R:
    // curve((d − R·focus) / ((1 − focus)·R)), the argument clamped below at 0.
    float falloff(float d, float R) const;
};

// The brushes of the brush editor and the active one. The displacement tool
// owns it; the brush editor window edits it and calls `changed` afterwards.
struct BrushList {
    std::vector<Brush> brushes; // never empty
    int active = 0;
    Brush& current() { return brushes[active]; }
    const Brush& current() const { return brushes[active]; }
    // One brush of each operation, Push/Pull active.
    static BrushList defaults();
};
