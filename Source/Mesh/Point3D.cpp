#include "Point3D.h"

#include "Pool.h"

void Point3D::release()
{
    giveBackToPool(this);
}
