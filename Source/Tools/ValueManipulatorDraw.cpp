// The GL side of the value tools: the centre sphere of the base class's
// passes, then the value text beside it in the plane of the screen.
#include <GL/gl.h>

#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/View/ViewportText.h"
#include "Settings/CommandIds.h"
#include "Tools/ManipulatorFrame.h"
#include "Tools/ValueManipulator.h"

namespace {

// Pixels from the centre to the start of the text.
constexpr double textOffset = 12;

} // namespace

void ValueManipulator::draw()
{
    const bool ownPosition = useCustomPosition;
    if (!ownPosition) {
        position = handleCentre();
        useCustomPosition = true;
    }
    drawAtPosition();
    useCustomPosition = ownPosition;
}

void ValueManipulator::drawAtPosition()
{
    Manipulator::draw();
    ViewportTextFunction text = viewportTextFunction();
    if (!showsValue || !text || !frame->hasTarget() || !scene || !scene->displayManager)
        return;
    const ViewProjection view = scene->displayManager->activeView();
    double cx, cy, depth;
    if (!view.project(centre(), cx, cy, depth))
        return;
    float rgb[3] = {1, 1, 1};
    if (scene->applicationManager)
        if (const OptionItem* o = scene->applicationManager->registry.findOption(CommandId::ColorSettings, "Viewport Text"))
            if (const float* c = o->tripleValue())
                rgb[0] = c[0], rgb[1] = c[1], rgb[2] = c[2];
    const Point3D at = view.unproject(cx + textOffset, cy + textOffset, depth);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glColor3fv(rgb);
    glRasterPos3f(at.x, at.y, at.z);
    text(valueText().c_str());
    glPopAttrib();
}
