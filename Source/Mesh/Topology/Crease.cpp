#include "Mesh/Topology/Crease.h"

#include "Mesh/Shape.h"
#include "Mesh/Topology/ObjectProtocol.h"

int setCreased(const List<Edge*>& edges, bool on)
{
    int changed = 0;
    for (Edge* e : edges) {
        if (!e || e->has(Geometry::Creased) == on)
            continue;
        e->set(Geometry::Creased, on);
        ++changed;
    }
    return changed;
}

void crease(Shape& object, const List<Edge*>& edges)
{
    setCreased(edges, true);
    rebuildLevelsAfterFlagEdit(object);
}

void uncrease(Shape& object, const List<Edge*>& edges)
{
    setCreased(edges, false);
    rebuildLevelsAfterFlagEdit(object);
}
