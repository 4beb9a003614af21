#pragma once
// A bare 3D point or vector, and the vector arithmetic of the mesh model.
#include <cmath>

#include "Geometry.h"

class Point3D : public Geometry {
public:
    Point3D() = default;
    Point3D(float px, float py, float pz) : x(px), y(py), z(pz) {}
    explicit Point3D(const float p[3]) : x(p[0]), y(p[1]), z(p[2]) {}
    explicit Point3D(const Point3D* p) : x(p->x), y(p->y), z(p->z) {}
    Point3D(const Point3D&) = default;
    Point3D& operator=(const Point3D& o)
    {
        x = o.x;
        y = o.y;
        z = o.z;
        return *this;
    }

    void release() override;
    int kind() const override { return KindPoint3D; }

    Point3D operator+(const Point3D& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Point3D operator-(const Point3D& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Point3D operator*(float s) const { return {x * s, y * s, z * s}; }
    Point3D& operator+=(const Point3D& o)
    {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    float dot(const Point3D& o) const { return x * o.x + y * o.y + z * o.z; }
    // a × b
    Point3D cross(const Point3D& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    float length() const { return std::sqrt(x * x + y * y + z * z); }
    // A zero-length vector normalises to (0,0,0), never NaN.
    Point3D normalized() const
    {
        float l = length();
        return l > 0.0f ? Point3D(x / l, y / l, z / l) : Point3D(0, 0, 0);
    }
    void normalize() { *this = normalized(); }
    float distance(const Point3D& o) const { return (*this - o).length(); }
    void setPosition(float px, float py, float pz)
    {
        x = px;
        y = py;
        z = pz;
    }

    float x = 0, y = 0, z = 0;
};
