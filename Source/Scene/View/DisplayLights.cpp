// The lights of a frame: the scene's own lights or the default lights, as
// GL lights of the viewport being drawn.
#include <GL/gl.h>

#include <algorithm>

#include "Mesh/Light.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/CameraSet.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/SettingsVariables.h"

namespace {

constexpr int sceneLightCount = 8; // the lights GL has

void setLight(int index, const float ambient[3], const float diffuse[3], const float specular[3],
              const Point3D& position, const Point3D& target, int type, const float attenuation[3],
              float spotCutoff, float spotExponent)
{
    const GLenum light = GL_LIGHT0 + index;
    const float a[4] = {ambient[0], ambient[1], ambient[2], 1};
    const float d[4] = {diffuse[0], diffuse[1], diffuse[2], 1};
    const float s[4] = {specular[0], specular[1], specular[2], 1};
    glLightfv(light, GL_AMBIENT, a);
    glLightfv(light, GL_DIFFUSE, d);
    glLightfv(light, GL_SPECULAR, s);
    const Point3D toTarget = target - position;
    if (type == Light::DirectionalLight) {
        // Shines from its position towards its target, from infinitely far.
        const float direction[4] = {-toTarget.x, -toTarget.y, -toTarget.z, 0};
        glLightfv(light, GL_POSITION, direction);
    } else {
        const float at[4] = {position.x, position.y, position.z, 1};
        glLightfv(light, GL_POSITION, at);
    }
    const float spotDirection[3] = {toTarget.x, toTarget.y, toTarget.z};
    glLightfv(light, GL_SPOT_DIRECTION, spotDirection);
    glLightf(light, GL_SPOT_CUTOFF, type == Light::SpotLight ? std::clamp(spotCutoff, 0.0f, 90.0f) : 180.0f);
    glLightf(light, GL_SPOT_EXPONENT, std::clamp(spotExponent, 0.0f, 128.0f));
    glLightf(light, GL_CONSTANT_ATTENUATION, attenuation[0]);
    glLightf(light, GL_LINEAR_ATTENUATION, attenuation[1]);
    glLightf(light, GL_QUADRATIC_ATTENUATION, attenuation[2]);
    glEnable(light);
}

} // namespace

void SceneDisplayManager::enableLights(const ViewProjection& view)
{
    const SettingsVariables& v = settingsVariables();
    std::vector<Light*> sceneLights;
    if (managers && managers->objectManager && v.useCustomLights)
        for (Shape* o : managers->objectManager->objects)
            if (o->shapeKind() == InnerShape::KindLight && !o->isHidden() &&
                static_cast<int>(sceneLights.size()) < sceneLightCount)
                sceneLights.push_back(static_cast<Light*>(o));

    glMatrixMode(GL_MODELVIEW);
    int used = 0;
    if (!sceneLights.empty()) {
        // Locked scene lights keep to the eye as they would be seen from the
        // starting perspective view.
        double reference[16];
        defaultCameras()[PerspectiveCamera].viewMatrix(reference);
        glLoadMatrixd(v.lockLightsToCamera ? reference : view.modelview);
        for (Light* l : sceneLights) {
            const float attenuation[3] = {l->constantAttenuation, l->linearAttenuation, l->quadraticAttenuation};
            setLight(used++, l->ambient, l->diffuse, l->specular, l->position(), l->target, l->lightType,
                     attenuation, l->spotCutoff, l->spotExponent);
        }
    } else {
        if (lockDefaultLights)
            glLoadIdentity();
        else
            glLoadMatrixd(view.modelview);
        for (const DefaultLight& d : defaultLights) {
            if (used == sceneLightCount)
                break;
            const float attenuation[3] = {d.constant, d.linear, d.quadratic};
            setLight(used++, d.ambient, d.diffuse, d.specular, d.position, d.target, d.type, attenuation,
                     d.spotCutoff, d.spotExponent);
        }
    }
    for (int i = used; i < sceneLightCount; ++i)
        glDisable(GL_LIGHT0 + i);
    glLoadMatrixd(view.modelview);
}

