// Light objects as icons: a star of fixed screen size at the light and, for
// the types that aim, a line to the target. Plain GL lines, so that no
// toolkit has to be initialised for them.
#include <GL/gl.h>

#include "Mesh/Light.h"
#include "Scene/View/ObjectDrawingParts.h"
#include "Settings/SettingsVariables.h"

namespace {

constexpr float LightColour[3] = {1.0f, 0.85f, 0.3f};
constexpr float SelectedLightColour[3] = {1.0f, 1.0f, 1.0f};
constexpr float IconPixels = 12.0f;

} // namespace

void drawLightIcon(Light& light, const ObjectPass& pass)
{
    const Vertex& at = light.position();
    const float r = pass.view.worldLength(IconPixels, at);
    const float d = r * 0.577f; // the diagonals' component for length r
    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    unlit();
    glLineWidth(pass.settings.edgeWidth);
    glColor3fv(light.isSelected() ? SelectedLightColour : LightColour);
    glBegin(GL_LINES);
    const float spokes[7][3] = {{r, 0, 0}, {0, r, 0}, {0, 0, r}, {d, d, d}, {d, d, -d}, {d, -d, d}, {-d, d, d}};
    for (const float* s : spokes) {
        glVertex3f(at.x - s[0], at.y - s[1], at.z - s[2]);
        glVertex3f(at.x + s[0], at.y + s[1], at.z + s[2]);
    }
    if (light.lightType != Light::PointLight) {
        glVertex3f(at.x, at.y, at.z);
        glVertex3f(light.target.x, light.target.y, light.target.z);
    }
    glEnd();
    glPopAttrib();
}
