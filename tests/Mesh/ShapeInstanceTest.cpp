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

} // namespace
