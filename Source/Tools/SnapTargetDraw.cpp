#include "Tools/SnapTargetDraw.h"

#include <GL/gl.h>

#include "Mesh/Shape.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Settings/CommandIds.h"
#include "Tools/Tool.h"

namespace {

void highlightColour()
{
    float rgb[3] = {1, 1, 0};
    if (Tool::scene && Tool::scene->applicationManager)
        if (const OptionItem* o =
                Tool::scene->applicationManager->registry.findOption(CommandId::ColorSettings, "Manipulator Selected"))
            if (const float* c = o->tripleValue())
                rgb[0] = c[0], rgb[1] = c[1], rgb[2] = c[2];
    glColor3fv(rgb);
}

void vertexAt(const Point3D& p)
{
    glVertex3f(p.x, p.y, p.z);
}

} // namespace

void drawSnapTarget(const Geometry& element)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_POINT_BIT | GL_POLYGON_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    // Drawn through the geometry it lies on, so that it shows on any side.
    glDisable(GL_DEPTH_TEST);
    highlightColour();
    switch (element.kind()) {
    case Geometry::KindVertex:
        glPointSize(9);
        glBegin(GL_POINTS);
        vertexAt(static_cast<const Vertex&>(element));
        glEnd();
        break;
    case Geometry::KindEdge: {
        const Edge& e = static_cast<const Edge&>(element);
        glLineWidth(3);
        glBegin(GL_LINES);
        vertexAt(*e.startVertex);
        vertexAt(*e.endVertex);
        glEnd();
        break;
    }
    case Geometry::KindFace: {
        const Face& f = static_cast<const Face&>(element);
        glLineWidth(3);
        glBegin(GL_LINE_LOOP);
        for (const Corner& c : f.corners)
            vertexAt(*c.vertex);
        glEnd();
        break;
    }
    default:
        break;
    }
    glPopAttrib();
}
