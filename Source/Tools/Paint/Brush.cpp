// SKELETON: replaced by the painting branch.
#include "Tools/Paint/Brush.h"

const char* brushOperationName(BrushOperation operation)
{
    static const char* const names[] = {"Push/Pull", "Smooth/Noise", "Pinch/Inflate", "Flatten", "Smudge", "Move"};
    return names[static_cast<int>(operation)];
}

float Brush::curveAt(float) const { return 1; }
float Brush::falloff(float, float) const { return 1; }

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
