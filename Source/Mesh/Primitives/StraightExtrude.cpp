#include "StraightExtrude.h"

#include <algorithm>

StraightExtrude::StraightExtrude(const std::vector<Point3D>& profile, bool closedProfile, const Point3D& direction,
                                 float height, int sections, float layoutSpacing)
{
    beginPrimitive(*this, "Extrusion");
    const int m = static_cast<int>(profile.size());
    if (m < 2)
        return;
    Point3D along = direction.normalized();
    if (along.length() == 0.0f)
        along = Point3D(0, 1, 0);
    const int rows = std::max(sections, 1) + 1;
    std::vector<Vertex*> grid;
    for (int r = 0; r < rows; ++r)
        for (const Point3D& p : profile)
            grid.push_back(newVertex(*this, p + along * (height * r / (rows - 1))));
    auto at = [&](int r, int j) { return grid[static_cast<size_t>(r) * m + j]; };

    const bool closed = closedProfile && m >= 3;
    const int segments = closed ? m : m - 1;
    for (int r = 0; r + 1 < rows; ++r)
        for (int j = 0; j < segments; ++j) {
            const int j1 = (j + 1) % m;
            newFace(*this, {at(r, j), at(r, j1), at(r + 1, j1), at(r + 1, j)});
        }
    if (closed) {
        std::vector<Vertex*> bottom(grid.begin(), grid.begin() + m);
        std::vector<Vertex*> top(grid.end() - m, grid.end());
        std::reverse(bottom.begin(), bottom.end());
        newFace(*this, bottom);
        newFace(*this, top);
        if (orientConsistently(*this) && signedVolume(*this) < 0.0)
            reverseAllFaces(*this);
    }
    finishPrimitive(*this, layoutSpacing);
}
