#include "Circle.h"

#include <algorithm>
#include <vector>

Circle::Circle(float radius, int sections, bool fill, bool spokes, float layoutSpacing)
{
    beginPrimitive(*this, fill ? "Polygon" : "Line Segment");
    const int n = std::max(sections, 3);
    std::vector<Vertex*> ring;
    for (int k = 0; k < n; ++k)
        ring.push_back(newVertex(*this, revolveAboutY(Point3D(radius, 0, 0), 360.0 * k / n)));
    if (!fill) {
        for (int k = 0; k < n; ++k)
            newWireEdge(*this, ring[k], ring[(k + 1) % n]);
        finishWirePrimitive(*this);
        return;
    }
    // The ring runs clockwise seen from above; the face runs against it so
    // that it faces up, towards the default view.
    if (spokes) {
        Vertex* centre = newVertex(*this, Point3D(0, 0, 0));
        for (int k = 0; k < n; ++k)
            newFace(*this, {centre, ring[(k + 1) % n], ring[k]});
    } else {
        std::reverse(ring.begin(), ring.end());
        newFace(*this, ring);
    }
    finishPrimitive(*this, layoutSpacing);
}
