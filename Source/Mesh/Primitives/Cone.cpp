#include "Cone.h"

#include <algorithm>

Cone::Cone(float topRadius, float bottomRadius, float height, int sections, int heightSections, bool spokes,
           float layoutSpacing)
{
    beginPrimitive(*this, "Cone");
    buildFrustum(*this, topRadius, bottomRadius, height, sections, heightSections, spokes);
    finishPrimitive(*this, layoutSpacing);
}

namespace {
// Closes the ring at one end: `reversed` winds it the other way (the top
// cap faces up while the sweep runs clockwise seen from above).
void addCap(Shape& s, const std::vector<Vertex*>& ring, bool reversed, bool spokes, const Point3D& centre)
{
    const int n = static_cast<int>(ring.size());
    if (!spokes) {
        std::vector<Vertex*> loop = ring;
        if (reversed)
            std::reverse(loop.begin(), loop.end());
        newFace(s, loop);
        return;
    }
    Vertex* c = newVertex(s, centre);
    for (int k = 0; k < n; ++k) {
        Vertex* a = ring[k];
        Vertex* b = ring[(k + 1) % n];
        if (reversed)
            newFace(s, {c, b, a});
        else
            newFace(s, {c, a, b});
    }
}
} // namespace

void buildFrustum(Shape& s, float topRadius, float bottomRadius, float height, int sections, int heightSections,
                  bool spokes)
{
    const int n = std::max(sections, 1);
    const int rows = std::max(heightSections, 1);
    RevolutionProfile profile;
    for (int j = 0; j <= rows; ++j) {
        const float t = static_cast<float>(j) / rows;
        profile.points.emplace_back(bottomRadius + (topRadius - bottomRadius) * t, height * t, 0.0f);
    }
    profile.points.front().x = bottomRadius;
    profile.points.back().x = topRadius;
    // With both radii 0 there is nothing to collapse towards; the rings stay.
    profile.firstIsPole = bottomRadius == 0.0f && topRadius != 0.0f;
    profile.lastIsPole = topRadius == 0.0f && bottomRadius != 0.0f;
    const std::vector<Vertex*> grid = revolveProfile(s, profile, n);

    // Fewer than three columns leave no room for a cap: two columns already
    // meet front to back at the rims, one is a wire.
    if (n < 3)
        return;
    const bool spokesTop = spokes && !profile.lastIsPole;
    const bool spokesBottom = spokes && !profile.firstIsPole;
    // Centres come after every column and apex vertex, top first; the cap
    // faces follow the same order.
    const std::vector<Vertex*> top(grid.end() - n, grid.end());
    const std::vector<Vertex*> bottom(grid.begin(), grid.begin() + n);
    if (!profile.lastIsPole)
        addCap(s, top, true, spokesTop, Point3D(0, height, 0));
    if (!profile.firstIsPole)
        addCap(s, bottom, false, spokesBottom, Point3D(0, 0, 0));
}
