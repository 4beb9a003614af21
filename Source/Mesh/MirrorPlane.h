#pragma once
// A symmetry plane: a point, a normal and the reflection through the plane,
// kept in step whenever point or normal is set.
#include "Vertex.h"

class MirrorPlane {
public:
    MirrorPlane();
    MirrorPlane(const MirrorPlane& other);
    MirrorPlane& operator=(const MirrorPlane& other);

    void set(const Point3D& point, const Point3D& normal);
    void setPoint(const Point3D& point) { set(point, normal); }
    void setNormal(const Point3D& n) { set(point, n); }
    // The position reflected through the plane.
    Point3D reflect(const Point3D& p) const;

    Vertex point;              // a point on the plane
    Vertex normal;             // unit normal; (1,0,0) by default, the YZ plane
    double matrix[16];         // column-major reflection, derived from point and normal
};
