#include "Edge.h"

#include "Pool.h"

void Edge::release()
{
    faces.freeStorage();
    giveBackToPool(this);
}

void Edge::copyFrom(const Geometry& other)
{
    if (other.kind() != KindEdge)
        return;
    const auto& e = static_cast<const Edge&>(other);
    startVertex = e.startVertex;
    endVertex = e.endVertex;
    faces = e.faces;
    tag = e.tag;
    set(Psub, e.has(Psub));
    set2(EdgeKeep, e.has2(EdgeKeep));
}
