#include "Light.h"

#include <algorithm>
#include <cmath>

#include "Pool.h"

LightDefaults& lightDefaults()
{
    static LightDefaults defaults;
    return defaults;
}

Light::Light(const Point3D& position) : Light(position, lightDefaults().type) {}

Light::Light(const Point3D& at, int type)
{
    const LightDefaults& d = lightDefaults();
    std::copy(d.ambient, d.ambient + 4, ambient);
    std::copy(d.diffuse, d.diffuse + 4, diffuse);
    std::copy(d.specular, d.specular + 4, specular);
    spotExponent = d.spotExponent;
    spotCutoff = d.spotCutoff;
    constantAttenuation = d.constantAttenuation;
    linearAttenuation = d.linearAttenuation;
    quadraticAttenuation = d.quadraticAttenuation;
    name = "Light";
    pivot().setPosition(at.x, at.y, at.z);
    target.setPosition(at.x, at.y - 2.0f, at.z);
    addVertex(&pivot());
    if (!setLightType(type))
        setLightType(DirectionalLight);
}

void Light::release()
{
    releaseObjectState();
    giveBackToPool<Light>(this);
}

bool Light::setLightType(int type)
{
    if (type < PointLight || type > DirectionalLight)
        return false;
    lightType = type;
    w = type == DirectionalLight ? 0.0f : 1.0f;
    if (type == SpotLight && spotCutoff > 89.999f)
        spotCutoff = 45.0f;
    const bool wantTarget = type != PointLight;
    if (wantTarget && !vertices.contains(&target))
        addVertex(&target);
    else if (!wantTarget)
        vertices.removeOne(&target);
    touch();
    return true;
}

Point3D Light::direction() const
{
    const Vertex& from = axisFrame[AxisPivot];
    return Point3D(target.x - from.x, target.y - from.y, target.z - from.z).normalized();
}

void Light::moveTo(const Point3D& p)
{
    Vertex& from = pivot();
    target.setPosition(target.x + (p.x - from.x), target.y + (p.y - from.y), target.z + (p.z - from.z));
    from.setPosition(p.x, p.y, p.z);
}

void Light::setDirection(const Point3D& d)
{
    const Point3D unit = d.normalized();
    if (unit.x == 0.0f && unit.y == 0.0f && unit.z == 0.0f)
        return;
    const Vertex& from = axisFrame[AxisPivot];
    float distance = Point3D(target.x - from.x, target.y - from.y, target.z - from.z).length();
    if (!(distance > 0.0f) || !std::isfinite(distance))
        distance = 2.0f;
    target.setPosition(from.x + unit.x * distance, from.y + unit.y * distance, from.z + unit.z * distance);
}
