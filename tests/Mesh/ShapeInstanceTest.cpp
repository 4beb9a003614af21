// Instances: the scale and mirroring read off the transform's diagonal.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "support/Fixtures.h"

namespace {

using InstancePtr = std::unique_ptr<ShapeInstance, ReleaseGeometry>;

InstancePtr scaledInstance(float sx, float sy, float sz)
{
    InstancePtr instance(take<ShapeInstance>());
    instance->setScale(sx, sy, sz);
    return instance;
}

TEST(ShapeInstance, StartsAsAnUnscaledInstanceOfItsSource)
{
    std::unique_ptr<Shape, ReleaseGeometry> source(take<Shape>());
    InstancePtr instance(take<ShapeInstance>(source.get()));
    EXPECT_EQ(instance->instancedShape, source.get());
    EXPECT_FALSE(instance->instanceFlag);
    EXPECT_FALSE(instance->isScaled());
    EXPECT_FALSE(instance->isMirrored());
}

TEST(ShapeInstance, ScaleAndMirroringAreReadOffTheDiagonal)
{
    // Mirrored when an odd number of scales is negative.
    EXPECT_TRUE(scaledInstance(1, 1, -1)->isMirrored());
    EXPECT_FALSE(scaledInstance(-1, -1, 1)->isMirrored());
    EXPECT_TRUE(scaledInstance(-1, -1, -1)->isMirrored());
    // Scaled when any of the first three diagonal entries is not one.
    EXPECT_TRUE(scaledInstance(-1, 1, 1)->isScaled());
    EXPECT_TRUE(scaledInstance(1, NAN, 1)->isScaled());
    InstancePtr homogeneous = scaledInstance(1, 1, 1);
    homogeneous->transform[15] = 2.0f;
    homogeneous->transform[12] = 5.0f;
    EXPECT_FALSE(homogeneous->isScaled());
}

TEST(ShapeInstance, ReleaseGoesBackToTheInstancePool)
{
    InstancePtr instance(take<ShapeInstance>());
    const long instancesFree = Pool<ShapeInstance>::freeCount();
    const long shapesFree = Pool<Shape>::freeCount();
    instance.reset();
    EXPECT_EQ(Pool<ShapeInstance>::freeCount(), instancesFree + 1);
    EXPECT_EQ(Pool<Shape>::freeCount(), shapesFree);
}

} // namespace
