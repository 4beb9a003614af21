#pragma once
// The lights the scene is lit by when it does not use its own: one light
// that moves with the camera until "Make Scene Lights Default" puts copies
// of the scene's lights in its place.
#include <vector>

#include "Mesh/Point3D.h"

struct DefaultLight {
    int type = 2;                         // 0 point, 1 spot, 2 directional
    float ambient[3] = {0.2f, 0.2f, 0.2f};
    float diffuse[3] = {0.8f, 0.8f, 0.8f};
    float specular[3] = {0.4f, 0.4f, 0.4f};
    float constant = 1.0f;                // attenuation terms
    float linear = 0.0f;
    float quadratic = 0.0f;
    float spotCutoff = 45.0f;             // degrees
    float spotExponent = 0.5f;
    // Where the light is and what it shines at: in eye coordinates while the
    // default lights are locked to the camera, else in world coordinates. A
    // directional light shines from its position towards its target.
    Point3D position{0.3f, 0.6f, 1.0f};
    Point3D target{0, 0, 0};
};

// The light that a fresh display starts with: directional, from above and
// behind the eye, locked to the camera.
inline std::vector<DefaultLight> cameraLight() { return {DefaultLight{}}; }
