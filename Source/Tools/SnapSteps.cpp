#include "Tools/SnapSteps.h"

#include <algorithm>
#include <cmath>

Point3D snapDistance(const Point3D& t, float step, float tolerance)
{
    if (step <= 0)
        return t;
    const float length = t.length();
    const float n = std::trunc((length + tolerance) / step);
    const bool nearZero = length - tolerance < 0 && 0 < length + tolerance;
    if (std::trunc((length - tolerance) / step) == n && !nearZero)
        return t;
    return t.normalized() * (n * step);
}

float snapAngle(float degrees, float step)
{
    if (step <= 0)
        return degrees;
    const float tolerance = std::min(step / 3, 5.0f);
    const bool nearZero = degrees - tolerance < 0 && 0 < degrees + tolerance;
    if (std::trunc((degrees - tolerance) / step) == std::trunc((degrees + tolerance) / step) && !nearZero)
        return degrees;
    const float sign = degrees < 0 ? -1.0f : 1.0f;
    return std::trunc((degrees + sign * tolerance) / step) * step;
}
