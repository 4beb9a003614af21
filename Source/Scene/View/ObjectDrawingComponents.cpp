// The component selection of an active object, drawn through its current
// level: selected faces, selected and creased edges, and vertices.
#include <GL/gl.h>

#include "Mesh/Shape.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/ObjectDrawingParts.h"
#include "Settings/SettingsVariables.h"

namespace {

// The control position of a mirror partner; -1 without one (or when the
// element is its own partner).
template <class T>
int partnerOf(const List<T*>& list, const T* e)
{
    if (!e->mirror || e->mirror == e)
        return -1;
    const T* m = e->mirror;
    if (m->index >= 0 && m->index < list.count() && list[m->index] == m)
        return m->index;
    return list.indexOf(const_cast<T*>(m));
}

int edgePartnerOf(const Shape& s, const Edge& e)
{
    if (!e.startVertex || !e.endVertex)
        return -1;
    const Edge* partner = s.findEdge(e.startVertex->mirror, e.endVertex->mirror);
    return partner && partner != &e ? s.edges.indexOf(const_cast<Edge*>(partner)) : -1;
}

void drawSelectedFaces(Shape& s, const ObjectPass& pass)
{
    unsigned char rgb[3];
    pass.colours.bytes(DrawColour::SelectedFaces, rgb);
    glEnable(GL_POLYGON_OFFSET_FILL);
    // In front of the surface they mark, behind its edges.
    glPolygonOffset(0.5f, 0.5f);
    for (int i = 0; i < s.faces.count(); ++i) {
        const Face* f = s.faces[i];
        if (!f->isSelected())
            continue;
        s.drawFace(i, rgb);
        if (s.hasSymmetry())
            s.drawFace(partnerOf(s.faces, f), rgb);
    }
    glDisable(GL_POLYGON_OFFSET_FILL);
}

void drawMarkedEdges(Shape& s, const ObjectPass& pass)
{
    unsigned char selected[3], selectedCreased[3], creased[3];
    pass.colours.bytes(DrawColour::SelectedEdges, selected);
    pass.colours.bytes(DrawColour::SelectedCreasedEdges, selectedCreased);
    pass.colours.bytes(DrawColour::UnselectedCreasedEdges, creased);
    glLineWidth(pass.settings.selectedEdgeWidth);
    for (int i = 0; i < s.edges.count(); ++i) {
        const Edge* e = s.edges[i];
        const bool isCreased = e->flags & Geometry::Creased;
        if (e->isSelected()) {
            const unsigned char* rgb = isCreased ? selectedCreased : selected;
            s.drawEdge(i, rgb);
            if (s.hasSymmetry())
                s.drawEdge(edgePartnerOf(s, *e), rgb);
        } else if (isCreased) {
            s.drawEdge(i, creased);
        }
    }
}

void drawVertexPoints(Shape& s, const ObjectPass& pass)
{
    const float* plain = pass.colours[DrawColour::UnselectedVertices];
    const float* selected = pass.colours[DrawColour::SelectedVertices];
    for (bool chosen : {false, true}) {
        glPointSize(chosen ? pass.settings.selectedVertexSize : pass.settings.vertexSize);
        glColor3fv(chosen ? selected : plain);
        glBegin(GL_POINTS);
        for (int i = 0; i < s.vertices.count(); ++i) {
            const Vertex* v = s.vertices[i];
            if (v->isHidden())
                continue;
            const bool shown = v->isSelected() || (s.hasSymmetry() && v->mirror && v->mirror->isSelected());
            if (shown != chosen)
                continue;
            if (const Vertex* at = s.levelVertexOf(i))
                glVertex3f(at->x, at->y, at->z);
        }
        glEnd();
    }
}

} // namespace

void drawComponentSelection(Shape& s, const ObjectPass& pass)
{
    const int mode = pass.selection->mode;
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_LINE_BIT | GL_POINT_BIT | GL_CURRENT_BIT);
    unlit();
    if (mode == SceneSelectionManager::FaceMode || mode == SceneSelectionManager::MultiMode)
        drawSelectedFaces(s, pass);
    drawMarkedEdges(s, pass);
    if (mode == SceneSelectionManager::VertexMode || mode == SceneSelectionManager::MultiMode)
        drawVertexPoints(s, pass);
    glPopAttrib();
}
