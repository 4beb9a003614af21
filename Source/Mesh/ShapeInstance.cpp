#include "ShapeInstance.h"

#include "Pool.h"

ShapeInstance::ShapeInstance(Shape* source) : instancedShape(source)
{
    for (int i = 0; i < 16; ++i)
        transform[i] = i % 5 == 0 ? 1.0f : 0.0f;
}

void ShapeInstance::release()
{
    releaseObjectState();
    giveBackToPool<ShapeInstance>(this);
}

bool ShapeInstance::isScaled() const
{
    return transform[0] != 1.0f || transform[5] != 1.0f || transform[10] != 1.0f;
}

bool ShapeInstance::isMirrored() const
{
    const int negative = (transform[0] < 0.0f) + (transform[5] < 0.0f) + (transform[10] < 0.0f);
    return negative % 2 == 1;
}

void ShapeInstance::setScale(float sx, float sy, float sz)
{
    transform[0] = sx;
    transform[5] = sy;
    transform[10] = sz;
}
