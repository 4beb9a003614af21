#pragma once
// What the object drawing files share within one viewport's pass.
#include "Scene/View/Camera.h"
#include "Scene/View/ObjectDrawingColours.h"

class Light;
class Shape;
class SceneSelectionManager;
struct SettingsVariables;

struct ObjectPass {
    ObjectColours colours;
    const SettingsVariables& settings;
    const SceneSelectionManager* selection; // null without a selection manager
    const ViewProjection& view;
    bool uvSpace;
};

// For drawing in plain colours, inside a push of GL_ENABLE_BIT: no
// lighting, no texture, and no colour material, which would otherwise carry
// the plain colour into the material of the next lit faces.
void unlit();

// The selection of an active object in the component modes: selected and
// creased edges, selected faces, and the vertices in the vertex modes, each
// through the current level, with mirror partners under symmetry.
void drawComponentSelection(Shape& s, const ObjectPass& pass);

// A light's icon: a star of fixed screen size at its position and, for the
// types with a target, a line towards it.
void drawLightIcon(Light& light, const ObjectPass& pass);
