#include "SPolygon.h"

SPolygon::SPolygon(const std::vector<Point3D>& points, float layoutSpacing)
{
    beginPrimitive(*this, "Polygon");
    if (points.size() < 3)
        return;
    std::vector<Vertex*> corners;
    for (const Point3D& p : points)
        corners.push_back(newVertex(*this, p));
    newFace(*this, corners);
    finishPrimitive(*this, layoutSpacing);
}
