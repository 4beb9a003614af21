#include "PathExtrude.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// The smallest turn carrying unit vector `from` onto unit vector `to`, applied to v.
Point3D turnBetween(const Point3D& v, const Point3D& from, const Point3D& to)
{
    const Point3D axis = from.cross(to);
    const float sine = axis.length();
    const float cosine = from.dot(to);
    if (sine < 1e-7f) {
        if (cosine > 0.0f)
            return v;
        // Opposite directions: half a turn about any axis across them.
        Point3D across = from.cross(Point3D(1, 0, 0));
        if (across.length() < 1e-3f)
            across = from.cross(Point3D(0, 1, 0));
        return rotateAboutAxis(v, Point3D(0, 0, 0), across.normalized(), 180.0);
    }
    const double degrees = std::atan2(sine, cosine) * 180.0 / std::numbers::pi;
    return rotateAboutAxis(v, Point3D(0, 0, 0), axis * (1.0f / sine), degrees);
}

std::vector<Point3D> pathDirections(const std::vector<Point3D>& path)
{
    const int q = static_cast<int>(path.size());
    std::vector<Point3D> directions(q);
    for (int i = 0; i < q; ++i) {
        Point3D d = path[std::min(i + 1, q - 1)] - path[std::max(i - 1, 0)];
        directions[i] = d.normalized();
        if (directions[i].length() == 0.0f)
            directions[i] = i > 0 ? directions[i - 1] : Point3D(0, 1, 0);
    }
    return directions;
}

// The fraction of the path's length travelled at each point (by count when
// the path has no length).
std::vector<float> travelled(const std::vector<Point3D>& path)
{
    const int q = static_cast<int>(path.size());
    std::vector<float> fraction(q, 0.0f);
    for (int i = 1; i < q; ++i)
        fraction[i] = fraction[i - 1] + path[i].distance(path[i - 1]);
    const float total = fraction.back();
    for (int i = 0; i < q; ++i)
        fraction[i] = total > 0.0f ? fraction[i] / total : static_cast<float>(i) / (q - 1);
    return fraction;
}
} // namespace

PathExtrude::PathExtrude(const std::vector<Point3D>& profile, bool closedProfile, const std::vector<Point3D>& path,
                         bool capEnds, float scale, float rotation, float layoutSpacing)
{
    beginPrimitive(*this, "Path Extrusion");
    const int m = static_cast<int>(profile.size());
    const int q = static_cast<int>(path.size());
    if (m < 2 || q < 2)
        return;
    const std::vector<Point3D> directions = pathDirections(path);
    const std::vector<float> fraction = travelled(path);

    Point3D centre(0, 0, 0);
    for (const Point3D& p : profile)
        centre += p;
    centre = centre * (1.0f / m);
    Point3D facing = loopNormal(profile);
    if (facing.length() == 0.0f)
        facing = directions[0];
    std::vector<Point3D> offsets;
    for (const Point3D& p : profile)
        offsets.push_back(turnBetween(p - centre, facing, directions[0]));

    std::vector<Vertex*> grid;
    for (int i = 0; i < q; ++i) {
        if (i > 0)
            for (Point3D& o : offsets)
                o = turnBetween(o, directions[i - 1], directions[i]);
        const float size = 1.0f + (scale - 1.0f) * fraction[i];
        const double twist = static_cast<double>(rotation) * fraction[i];
        for (const Point3D& o : offsets)
            grid.push_back(newVertex(*this, path[i] + rotateAboutAxis(o * size, Point3D(0, 0, 0), directions[i], twist)));
    }
    auto at = [&](int i, int j) { return grid[static_cast<size_t>(i) * m + j]; };

    const bool closed = closedProfile && m >= 3;
    const int segments = closed ? m : m - 1;
    for (int i = 0; i + 1 < q; ++i)
        for (int j = 0; j < segments; ++j) {
            const int j1 = (j + 1) % m;
            newFace(*this, {at(i, j), at(i, j1), at(i + 1, j1), at(i + 1, j)});
        }
    if (closed && capEnds) {
        newFace(*this, std::vector<Vertex*>(grid.begin(), grid.begin() + m));
        newFace(*this, std::vector<Vertex*>(grid.end() - m, grid.end()));
    }

    const bool closedSurface = orientConsistently(*this);
    double away = 0.0;
    if (closedSurface) {
        away = signedVolume(*this);
    } else {
        // The walls of band i, measured from the middle of their stretch of path.
        for (int i = 0; i + 1 < q; ++i) {
            const Point3D middle = (path[i] + path[i + 1]) * 0.5f;
            for (int j = 0; j < segments; ++j) {
                Face* f = faces[i * segments + j];
                f->computeNormal();
                away += f->normal.dot(f->centre() - middle);
            }
        }
    }
    if (away < 0.0)
        reverseAllFaces(*this);
    finishPrimitive(*this, layoutSpacing);
}
