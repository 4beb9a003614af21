#pragma once
// The object protocol for edits whose new points start on top of old ones
// (extrusions, insets, shells): they pair the new elements with their
// mirror partners as they build them, because the pairing by position that
// topologyChanged runs cannot tell a new point from the old one under it.
#include <vector>

#include "Mesh/Shape.h"

// Runs `edit(mesh)` (returning a count) inside touch, topologyChanged and
// update with normals and positions, and keeps the control mesh's mirror
// partners as the edit left them across topologyChanged.
template <class Edit>
auto editKeepingPartners(Shape& object, Edit&& edit)
{
    object.touch();
    const auto made = edit(static_cast<InnerShape&>(object));
    std::vector<Vertex*> vertexMirrors;
    std::vector<Face*> faceMirrors;
    const bool symmetric = object.hasSymmetry();
    if (symmetric) {
        for (const Vertex* v : object.vertices)
            vertexMirrors.push_back(v->mirror);
        for (const Face* f : object.faces)
            faceMirrors.push_back(f->mirror);
    }
    object.topologyChanged();
    if (symmetric) {
        for (int i = 0; i < object.vertices.count(); ++i) {
            Vertex* v = object.vertices[i];
            v->mirror = vertexMirrors[static_cast<size_t>(i)];
            v->set2(Geometry::OnPlane, v->mirror == v);
        }
        for (int i = 0; i < object.faces.count(); ++i)
            object.faces[i]->mirror = faceMirrors[static_cast<size_t>(i)];
    }
    object.update(true, true, -1);
    return made;
}
