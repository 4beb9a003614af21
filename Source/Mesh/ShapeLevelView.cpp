// The current-level view of an object: which elements of the current level
// show a control element, and which of them are hidden with it.
#include "Shape.h"

#include <algorithm>

Vertex* Shape::levelVertexOf(int controlVertex) const
{
    const int at = levelVertexPosition(controlVertex);
    return at < 0 ? nullptr : levelStack.levelMesh(levelStack.currentLevel)->vertices[at];
}

int Shape::levelVertexPosition(int controlVertex) const
{
    if (controlVertex < 0 || controlVertex >= vertices.count())
        return -1;
    const int top = levelStack.currentLevel;
    if (top <= 0 || top >= levelStack.levels.count())
        return controlVertex;
    // Follow the vertex-point maps up: a level's map is indexed by the ids
    // of the level below, which are list positions on the control mesh.
    int at = controlVertex;
    for (int level = 1; level <= top; ++level) {
        int id = at;
        if (level > 1) {
            const InnerShape& below = *levelStack.levels[level - 1]->mesh;
            if (at < 0 || at >= below.vertices.count())
                return -1;
            id = below.vertices[at]->id;
        }
        const List<VertexMapEntry>& map = levelStack.levels[level]->vertexMap;
        if (id < 0 || id >= map.count())
            return -1;
        at = map[id].vertexPoint;
    }
    return at >= 0 && at < levelStack.levels[top]->mesh->vertices.count() ? at : -1;
}

int Shape::levelEdgeStart(int controlEdge) const
{
    if (controlEdge < 0 || controlEdge >= edges.count())
        return -1;
    const InnerShape* mesh = levelStack.levelMesh(levelStack.currentLevel);
    const int start = controlEdge << levelStack.currentLevel;
    return start + levelStack.segmentsPerEdge() <= mesh->edges.count() ? start : -1;
}

void Shape::syncLevelVisibility()
{
    const int top = levelStack.currentLevel;
    if (top <= 0 || top >= levelStack.levels.count())
        return;
    InnerShape& level = *levelStack.levels[top]->mesh;
    bool anyHidden = false;
    for (int i = 0; i < faces.count(); ++i) {
        const bool hidden = faces[i]->isHidden();
        anyHidden = anyHidden || hidden;
        const int start = levelStack.childFaceStart(i);
        const int end = std::min(start + levelStack.childFaceCount(i), level.faces.count());
        for (int k = start; k < end; ++k)
            level.faces[k]->set(Hidden, hidden);
    }
    // A vertex's tag counts its visible faces while the edges are decided.
    for (Vertex* v : level.vertices)
        v->tag = 0;
    for (const Face* f : level.faces)
        if (!f->isHidden())
            for (const Corner& c : f->corners)
                ++c.vertex->tag;
    for (Edge* e : level.edges) {
        bool hidden = !e->faces.empty();
        for (const Face* f : e->faces)
            hidden = hidden && f->isHidden();
        e->set(Hidden, hidden);
    }
    // Vertices on no visible face go with their faces; with nothing hidden
    // a vertex on no face at all (the vertex point of a lone vertex) shows.
    for (Vertex* v : level.vertices)
        v->set(Hidden, v->tag == 0 && anyHidden);
}
