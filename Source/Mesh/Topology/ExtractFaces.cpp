#include "Mesh/Topology/ExtractFaces.h"

#include <unordered_set>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/DeleteElements.h"
#include "Mesh/Topology/MeshCleanup.h"

Shape* extractFaces(const InnerShape& mesh, const List<Face*>& faces)
{
    const std::unordered_set<Face*> listed(faces.begin(), faces.end());
    bool any = false;
    for (Face* f : mesh.faces)
        any = any || listed.count(f);
    if (!any)
        return nullptr;
    // The whole mesh is copied (elements correspond by list position), then
    // what was not listed is taken away again: every attribute the copy
    // constructor knows survives without a second list of them here.
    Shape* copy = take<Shape>(mesh);
    if (!copy)
        return nullptr;
    List<Face*> unlisted;
    for (int i = 0; i < mesh.faces.count(); ++i)
        if (!listed.count(mesh.faces[i]))
            unlisted.append(copy->faces[i]);
    deleteFaces(*copy, unlisted);
    // Faceless edges and lone vertices of the source are not part of the copy.
    std::unordered_set<Edge*> edges(copy->edges.begin(), copy->edges.end());
    std::unordered_set<Vertex*> vertices(copy->vertices.begin(), copy->vertices.end());
    relinkAndDropUnused(*copy, edges, vertices);
    for (Vertex* v : copy->vertices)
        v->faces.clear();
    copy->resetAxis();
    copy->topologyChanged();
    copy->update(true, false, -1);
    copy->renumber();
    return copy;
}
