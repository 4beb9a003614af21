#include "Lineseg.h"

#include <algorithm>

namespace {
std::vector<Point3D> pointsAlong(const Point3D& a, const Point3D& b, int sections)
{
    const int n = std::max(sections, 1);
    std::vector<Point3D> points;
    for (int k = 0; k <= n; ++k) {
        const float t = static_cast<float>(k) / n;
        points.push_back(a + (b - a) * t);
    }
    points.back() = b;
    return points;
}
} // namespace

Lineseg::Lineseg(const std::vector<Point3D>& points, bool closed)
{
    beginPrimitive(*this, "Line Segment");
    Vertex* first = nullptr;
    Vertex* previous = nullptr;
    for (const Point3D& p : points) {
        Vertex* v = newVertex(*this, p);
        if (previous)
            newWireEdge(*this, previous, v);
        else
            first = v;
        previous = v;
    }
    if (closed && points.size() >= 3)
        newWireEdge(*this, previous, first);
    finishWirePrimitive(*this);
}

Lineseg::Lineseg(const Point3D& a, const Point3D& b, int sections) : Lineseg(pointsAlong(a, b, sections)) {}
