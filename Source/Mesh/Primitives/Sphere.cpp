#include "Sphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Sphere::Sphere(float radius, int sections, int heightSections, float layoutSpacing)
{
    beginPrimitive(*this, "Sphere");
    const int rows = std::max(heightSections, 2);
    RevolutionProfile profile;
    // The arc from the top pole down to the bottom one, on the +X side.
    for (int j = 0; j <= rows; ++j) {
        const double a = std::numbers::pi * j / rows;
        profile.points.emplace_back(static_cast<float>(radius * std::sin(a)), static_cast<float>(radius * std::cos(a)),
                                    0.0f);
    }
    profile.points.front() = Point3D(0, radius, 0);
    profile.points.back() = Point3D(0, -radius, 0);
    profile.firstIsPole = profile.lastIsPole = true;
    profile.descends = true;
    revolveProfile(*this, profile, std::max(sections, 1));
    finishPrimitive(*this, layoutSpacing);
}
