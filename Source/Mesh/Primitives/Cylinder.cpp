#include "Cylinder.h"

#include "Cone.h"

Cylinder::Cylinder(float radius, float height, int sections, int heightSections, bool spokes, float layoutSpacing)
{
    beginPrimitive(*this, "Cylinder");
    buildFrustum(*this, radius, radius, height, sections, heightSections, spokes);
    finishPrimitive(*this, layoutSpacing);
}
