// Drawing of the scene's objects in one viewport.
#include "Scene/View/ObjectDrawing.h"

#include <GL/gl.h>

#include "Mesh/Shape.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"

namespace {

const float objectColour[4] = {0.72f, 0.72f, 0.72f, 1.0f};
const float selectedObjectColour[4] = {0.9f, 0.62f, 0.3f, 1.0f};
const float edgeColour[3] = {0.1f, 0.1f, 0.1f};

} // namespace

void drawSceneObjects(SceneManagers& managers, const ViewProjection& /*view*/, bool /*uvSpace*/)
{
    if (!managers.objectManager)
        return;
    for (Shape* s : managers.objectManager->objects) {
        if (s->isHidden())
            continue;
        const float* c = s->isSelected() ? selectedObjectColour : objectColour;
        // Faces are pushed back a little so that their edges win the depth test.
        glEnable(GL_LIGHTING);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.0f, 1.0f);
        s->drawFacesFlat(c[0], c[1], c[2], c[3]);
        glDisable(GL_POLYGON_OFFSET_FILL);

        glDisable(GL_LIGHTING);
        glColor3fv(edgeColour);
        s->drawEdges();
    }
    glEnable(GL_LIGHTING);
}
