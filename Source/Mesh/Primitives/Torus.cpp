#include "Torus.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Torus::Torus(float innerRadius, float outerRadius, int radialSections, int circumferenceSections,
             float layoutSpacing)
{
    beginPrimitive(*this, "Torus");
    const int around = std::max(radialSections, 3);
    const double tube = std::fabs(outerRadius - innerRadius) / 2.0;
    const double ring = (innerRadius + outerRadius) / 2.0;
    RevolutionProfile profile;
    for (int m = 0; m < around; ++m) {
        const double a = 2.0 * std::numbers::pi * m / around;
        profile.points.emplace_back(static_cast<float>(ring + tube * std::cos(a)),
                                    static_cast<float>(tube * std::sin(a)), 0.0f);
    }
    profile.closed = true;
    revolveProfile(*this, profile, std::max(circumferenceSections, 3));
    finishPrimitive(*this, layoutSpacing);
}
