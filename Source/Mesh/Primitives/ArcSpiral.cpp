#include "ArcSpiral.h"

#include <algorithm>

ArcSpiral::ArcSpiral(float radius, float innerRadius, float height, float degrees, int sections)
{
    beginPrimitive(*this, "Line Segment");
    const int n = std::max(sections, 1);
    const Point3D step(-(radius - innerRadius) / n, height / n, 0.0f);
    Point3D at(radius, 0, 0);
    Vertex* previous = nullptr;
    for (int k = 0; k <= n; ++k) {
        Vertex* v = newVertex(*this, revolveAboutY(at, static_cast<double>(degrees) * k / n));
        if (previous)
            newWireEdge(*this, previous, v);
        previous = v;
        at += step;
    }
    rebuildTopology(false);
    finishWirePrimitive(*this);
}
