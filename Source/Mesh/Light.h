#pragma once
// A light as a scene object. Its mesh holds the light's position (the axis
// frame's pivot) and, for every type but a point light, its target.
#include <cstdint>

#include "Shape.h"

// The values new lights start with. The settings registry binds its light
// options to these variables; the mesh model never reads the registry.
struct LightDefaults {
    int32_t type = 2; // "Directional"
    float diffuse[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    float ambient[4] = {0.7f, 0.7f, 0.7f, 1.0f};
    float specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float spotExponent = 0.5f;
    float spotCutoff = 45.0f; // degrees
    float constantAttenuation = 1.0f;
    float linearAttenuation = 0.05f;
    float quadraticAttenuation = 0.01f;
};

LightDefaults& lightDefaults();

class Light : public Shape {
public:
    enum Type { PointLight = 0, SpotLight = 1, DirectionalLight = 2 };

    // A light of the default type and colours at `position`; its target
    // starts 2 units below it.
    explicit Light(const Point3D& position = Point3D(0, 0, 0));
    Light(const Point3D& position, int type);
    Light(const Light&) = delete;
    Light& operator=(const Light&) = delete;

    void release() override;
    int shapeKind() const override { return KindLight; }

    // Sets the type: w becomes 0 for a directional light and 1 otherwise, a
    // spot cut-off above 89.999 degrees is reset to 45 for a spot light, and
    // the target joins the mesh unless the light is a point light. Any value
    // but 0, 1 and 2 is ignored (false).
    bool setLightType(int type);
    Vertex& position() { return pivot(); }
    // Moves the light to `p`, its target with it, so the direction stays.
    void moveTo(const Point3D& p);
    // Unit vector from the position to the target.
    Point3D direction() const;
    // Puts the target along `d` from the position, at the distance it had
    // (2 when that was 0). A zero vector changes nothing.
    void setDirection(const Point3D& d);

    float ambient[4];
    float diffuse[4];
    float specular[4];
    float w;                  // homogeneous weight: 0 for a directional light, else 1
    float spotExponent;
    float spotCutoff;         // degrees
    float constantAttenuation;
    float linearAttenuation;
    float quadraticAttenuation;
    Vertex target;            // in the mesh for every type but a point light
    Point3D work[3];          // scratch values for the light's drawing and use
    int32_t lightType = DirectionalLight;
};
