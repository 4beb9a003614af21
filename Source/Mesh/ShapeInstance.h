#pragma once
// An object that shows another object's geometry through a transform of
// its own, without a copy of the geometry.
#include <cstdint>

#include "Shape.h"

class ShapeInstance : public Shape {
public:
    // An instance of `source` (not owned; may be null) with the identity transform.
    explicit ShapeInstance(Shape* source = nullptr);
    ShapeInstance(const ShapeInstance&) = delete;
    ShapeInstance& operator=(const ShapeInstance&) = delete;

    void release() override;
    int shapeKind() const override { return KindShapeInstance; }

    // True when any of the x, y and z scale entries (the first three
    // diagonal entries of the transform) is not 1.
    bool isScaled() const;
    // True when an odd number of the x, y and z scale entries is negative:
    // the transform then reverses the apparent winding of the faces.
    bool isMirrored() const;
    void setScale(float sx, float sy, float sz);

    Shape* instancedShape = nullptr; // the object shown, not owned
    Point3D work[8];                 // scratch values for drawing and picking through the transform
    float transform[16];             // 4 × 4; its diagonal entries are the scale
    Point3D extraPoint;              // a further scratch value
    bool instanceFlag = false;
};
