// Drawing of what the mouse is about to select: the pre-highlighted element
// and the outline of a drag selection.
#include <GL/gl.h>

#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"

namespace {

const unsigned char highlightColour[3] = {255, 214, 64};
const float outlineColour[3] = {1.0f, 1.0f, 1.0f};

} // namespace

void SceneSelectionManager::drawActiveViewport()
{
    if (!hovered.object)
        return;
    // The object may have left the scene since the hover.
    Shape* object = nullptr;
    for (Shape* s : managers->objectManager->objects)
        if (s == hovered.object)
            object = s;
    if (!object || object->isHidden())
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_POINT_BIT | GL_POLYGON_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glLineWidth(2.0f);
    glPointSize(7.0f);
    // Pulled towards the eye so that it wins against the face it lies on.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -1.0f);
    switch (hovered.kind) {
    case VertexMode:
        object->drawVertex(hovered.element, highlightColour);
        break;
    case EdgeMode:
        object->drawEdge(hovered.element, highlightColour);
        break;
    case FaceMode:
        object->drawFace(hovered.element, highlightColour);
        break;
    default:
        object->drawEdges(highlightColour);
        break;
    }
    glPopAttrib();
}

void SceneSelectionManager::drawOverlay()
{
    if (!drag.active || !drag.moved)
        return;
    const ViewRect& r = drag.view.viewport;
    if (r.width <= 0 || r.height <= 0)
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_VIEWPORT_BIT | GL_CURRENT_BIT);
    glViewport(r.x, r.y, r.width, r.height);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(r.x, r.x + r.width, r.y, r.y + r.height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, 0x0F0F);
    glLineWidth(1.0f);
    glColor3fv(outlineColour);
    glBegin(GL_LINE_LOOP);
    if (style == LassoStyle) {
        for (const PixelPoint& p : drag.path)
            glVertex2d(p.x, p.y);
        glVertex2d(drag.last.x, drag.last.y);
    } else if (style == PaintStyle) {
        // The brush the stroke sweeps, around the cursor.
        glVertex2d(drag.last.x - pickRadius, drag.last.y - pickRadius);
        glVertex2d(drag.last.x + pickRadius, drag.last.y - pickRadius);
        glVertex2d(drag.last.x + pickRadius, drag.last.y + pickRadius);
        glVertex2d(drag.last.x - pickRadius, drag.last.y + pickRadius);
    } else {
        glVertex2d(drag.start.x, drag.start.y);
        glVertex2d(drag.last.x, drag.start.y);
        glVertex2d(drag.last.x, drag.last.y);
        glVertex2d(drag.start.x, drag.last.y);
    }
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
