#include "Mesh/Topology/PartnersByConstruction.h"

#include <vector>

void topologyChangedKeepingPartners(Shape& object)
{
    const bool symmetric = object.hasSymmetry();
    std::vector<Vertex*> vertexMirrors;
    std::vector<Face*> faceMirrors;
    if (symmetric) {
        for (const Vertex* v : object.vertices)
            vertexMirrors.push_back(v->mirror);
        for (const Face* f : object.faces)
            faceMirrors.push_back(f->mirror);
    }
    object.topologyChanged();
    if (!symmetric)
        return;
    for (int i = 0; i < object.vertices.count(); ++i) {
        Vertex* v = object.vertices[i];
        v->mirror = vertexMirrors[static_cast<size_t>(i)];
        v->set2(Geometry::OnPlane, v->mirror == v);
    }
    for (int i = 0; i < object.faces.count(); ++i)
        object.faces[i]->mirror = faceMirrors[static_cast<size_t>(i)];
}
