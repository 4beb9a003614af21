#include "Vertex.h"

#include <cstdlib>

#include "Pool.h"

Vertex::Vertex(const Vertex& other) : Point3D(other.x, other.y, other.z), mirror(other.mirror)
{
    resetOwnFlags();
}

Vertex::~Vertex()
{
    freeOwned();
}

void Vertex::freeOwned()
{
    freeDisplacement();
    stencil.freeStorage();
    faces.freeStorage();
}

void Vertex::release()
{
    freeOwned();
    giveBackToPool(this);
}

void Vertex::copyFrom(const Geometry& other)
{
    int k = other.kind();
    if (k != KindVertex && k != KindPoint3D)
        return;
    const auto& p = static_cast<const Point3D&>(other);
    x = p.x;
    y = p.y;
    z = p.z;
    if (k == KindVertex)
        mirror = static_cast<const Vertex&>(other).mirror;
}

float* Vertex::ensureDisplacement()
{
    if (!displacement) {
        displacement = static_cast<float*>(std::calloc(3, sizeof(float)));
        ++displacementCount;
    }
    return displacement;
}

void Vertex::freeDisplacement()
{
    std::free(displacement);
    displacement = nullptr;
}
