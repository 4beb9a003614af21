#include "Lathe.h"

#include <algorithm>
#include <cmath>

namespace {
Point3D footOnAxis(const Point3D& p, const Point3D& origin, const Point3D& axis)
{
    return origin + axis * axis.dot(p - origin);
}

// Adds the face through `corners` after dropping each corner that repeats
// the next one (where the sweep meets the axis); nothing when fewer than 3
// remain.
void addFaceDroppingRepeats(Shape& s, const std::vector<Vertex*>& corners)
{
    std::vector<Vertex*> kept;
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i)
        if (corners[i] != corners[(i + 1) % n])
            kept.push_back(corners[i]);
    if (kept.size() >= 3)
        newFace(s, kept);
}

// How much the faces look away from the axis: the sum over faces of their
// area-weighted normal dotted with the direction from the axis to their centre.
double outwardness(const Shape& s, const Point3D& origin, const Point3D& axis)
{
    double sum = 0.0;
    for (const Face* f : s.faces) {
        std::vector<Point3D> loop;
        Point3D centre(0, 0, 0);
        for (const Corner& c : f->corners) {
            loop.emplace_back(c.vertex->x, c.vertex->y, c.vertex->z);
            centre += loop.back();
        }
        centre = centre * (1.0f / static_cast<float>(loop.size()));
        Point3D area(0, 0, 0);
        for (size_t i = 1; i + 1 < loop.size(); ++i)
            area += (loop[i] - loop[0]).cross(loop[i + 1] - loop[0]);
        sum += area.dot(centre - footOnAxis(centre, origin, axis));
    }
    return sum;
}
} // namespace

Lathe::Lathe(const std::vector<Point3D>& profile, bool closedProfile, const Point3D& axisPoint,
             const Point3D& axisDirection, float degrees, int sections, bool capEnds, float mergeTolerance,
             float layoutSpacing)
{
    beginPrimitive(*this, "Lathe");
    const int m = static_cast<int>(profile.size());
    if (m < 2 || degrees == 0.0f)
        return;
    Point3D axis = axisDirection.normalized();
    if (axis.length() == 0.0f)
        axis = Point3D(0, 1, 0);
    const bool full = std::fabs(degrees) >= 360.0f;
    const int steps = full ? std::max(sections, 3) : std::max(sections, 1);
    const int columns = full ? steps : steps + 1;
    const double stepAngle = full ? std::copysign(360.0, degrees) / steps : static_cast<double>(degrees) / steps;

    std::vector<bool> onAxis(m);
    for (int j = 0; j < m; ++j)
        onAxis[j] = profile[j].distance(footOnAxis(profile[j], axisPoint, axis)) < mergeTolerance;
    std::vector<Vertex*> grid(static_cast<size_t>(m) * columns);
    auto at = [&](int j, int k) -> Vertex*& { return grid[static_cast<size_t>(j) * columns + k]; };
    for (int k = 0; k < columns; ++k)
        for (int j = 0; j < m; ++j)
            at(j, k) = onAxis[j] && k > 0 ? at(j, 0)
                                          : newVertex(*this, rotateAboutAxis(profile[j], axisPoint, axis, stepAngle * k));

    const bool closed = closedProfile && m >= 3;
    const int segments = closed ? m : m - 1;
    const int bands = full ? columns : columns - 1;
    for (int j = 0; j < segments; ++j) {
        const int j1 = (j + 1) % m;
        for (int k = 0; k < bands; ++k) {
            const int k1 = (k + 1) % columns;
            addFaceDroppingRepeats(*this, {at(j, k), at(j1, k), at(j1, k1), at(j, k1)});
        }
    }
    if (capEnds && full && !closed) {
        for (int j : {0, m - 1}) {
            if (onAxis[j])
                continue;
            std::vector<Vertex*> ring;
            for (int k = 0; k < columns; ++k)
                ring.push_back(at(j, k));
            addFaceDroppingRepeats(*this, ring);
        }
    } else if (capEnds && !full) {
        for (int k : {0, columns - 1}) {
            std::vector<Vertex*> end;
            for (int j = 0; j < m; ++j)
                end.push_back(at(j, k));
            addFaceDroppingRepeats(*this, end);
        }
    }

    const bool closedSurface = orientConsistently(*this);
    if (closedSurface ? signedVolume(*this) < 0.0 : outwardness(*this, axisPoint, axis) < 0.0)
        reverseAllFaces(*this);
    finishPrimitive(*this, layoutSpacing);
}
