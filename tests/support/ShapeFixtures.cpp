#include "support/ShapeFixtures.h"

#include "Mesh/Pool.h"

namespace fixtures {

bool copyLevel(InnerShape& below, LevelRecord& outRecord)
{
    InnerShape* level = take<InnerShape>(below);
    if (!level)
        return false;
    for (int i = 0; i < level->vertices.count(); ++i) {
        Vertex* v = level->vertices[i];
        v->freeDisplacement();
        v->stencil.append({below.vertices[i], 1.0f, StencilEntry::Parent});
        v->set2(Geometry::VertexPoint);
        outRecord.vertexMap.append({i, i});
    }
    for (int i = 0; i < level->faces.count(); ++i)
        outRecord.faceMap.append({i, i, 1});
    level->displayFlags |= InnerShape::SubdivisionLevel;
    level->update(true, true, -1);
    level->renumber();
    outRecord.mesh = level;
    return true;
}

} // namespace fixtures
