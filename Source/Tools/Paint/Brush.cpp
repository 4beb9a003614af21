#include "Tools/Paint/Brush.h"

#include <algorithm>

const char* brushOperationName(BrushOperation operation)
{
    static const char* const names[] = {"Push/Pull", "Smooth/Noise", "Pinch/Inflate", "Flatten", "Smudge", "Move"};
    const int i = static_cast<int>(operation);
    return i >= 0 && i < brushOperationCount ? names[i] : names[0];
}

float Brush::curveAt(float t) const
{
    if (curve.empty())
        return 1;
    t = std::clamp(t, 0.0f, 1.0f);
    if (t <= curve.front().t)
        return curve.front().value;
    for (size_t i = 1; i < curve.size(); ++i) {
        const CurvePoint& a = curve[i - 1];
        const CurvePoint& b = curve[i];
        if (t <= b.t) {
            const float span = b.t - a.t;
            return span > 0 ? a.value + (b.value - a.value) * (t - a.t) / span : b.value;
        }
    }
    return curve.back().value;
}

float Brush::falloff(float d, float R) const
{
    const float f = std::clamp(focus, 0.0f, 0.999f);
    const float rim = (1 - f) * R;
    const float t = rim > 0 ? (d - R * f) / rim : 0.0f;
    return curveAt(std::max(t, 0.0f));
}

BrushList BrushList::defaults()
{
    BrushList list;
    for (int i = 0; i < brushOperationCount; ++i) {
        Brush b;
        b.operation = static_cast<BrushOperation>(i);
        list.brushes.push_back(b);
    }
    return list;
}
