#pragma once
// Program variables that bound options read and write, for settings whose
// owners keep no variable of their own. Owners read them here (or through the
// registry); the registry builder writes the tabled defaults into them, so
// the start values below matter only where the default is the program's own.
#include <string>

struct SettingsVariables {
    // Default amounts of the value tools.
    float bevelAmount = 0.1f;
    float slideAmount = 0.2f;
    float extrudeAmount = 0.1f;
    bool extrudeKeepFacesTogether = true;
    float localMoveAmount = 0.1f;
    float insetAmount = 0.1f;
    float localScaleAmount = 0.1f;
    float shellAmount = 0.2f;
    int smoothIterations = 5;
    float smoothVolumePreservation = 0.1f;

    // Modelling commands.
    int flattenAxis = 0;                  // Local X
    float instanceMirrorTolerance = 0.002f;
    float symmetryTolerance = 0.002f;
    float mergeVertexTolerance = 0.01f;
    bool booleanDeleteOriginals = true;

    // General and subdivision.
    int openWindows = 1;                  // Docked Right
    int undoLevel = 10;
    int selectionRadius = 30;
    int manipulatorSensitivity = 7;
    // Shared by the Subdivision Settings and Display Settings groups.
    int optimizedFaceDrawLimit = 20000;

    // Surface tool start-up.
    bool surfaceSnapOnStart = true;
    bool ghostShadeOnStart = true;

    // Scene lights.
    int lightType = 2;                    // Directional
    float lightConstantFalloff = 1.0f;
    float lightLinearFalloff = 0.05f;
    float lightQuadraticFalloff = 0.01f;
    float lightSpotCutoff = 45.0f;
    float lightSpotExponent = 0.5f;
    bool lockLightsToCamera = true;
    bool useCustomLights = false;
    bool showLights = true;

    // Viewport drawing and cameras.
    float edgeWidth = 1.0f;
    float vertexSize = 3.0f;
    float selectedEdgeWidth = 2.0f;
    float selectedVertexSize = 4.0f;
    float edgeAlpha = 0.25f;
    float faceAlpha = 0.4f;
    float cameraFieldOfView = 20.0f;      // degrees
    float nearClipRatio = 0.001f;
    float walkthroughSpeed = 1.0f;
    float workGridWidth = 10.0f;
    float workGridSpacing = 1.0f;
    int workGridHeavyStep = 5;
    float workGridAlpha = 0.1f;
    float uvGridWidth = 1.0f;
    float uvGridSpacing = 1.0f;
    float uvGridAlpha = 0.1f;
    float uvGridTextureAlpha = 0.5f;
    int textureResolution = 1;            // index: 128, 512, 1024, 2048
    int rotateCameraAround = 0;           // Selection
    bool backfaceCulling = false;
    bool showSubdivisionCages = false;
    bool showSelectionSubdivisionCages = true;
    bool showSelectionHighlighting = true;
    bool drawViewportGradient = true;

    // Topology tool.
    int topologyMaxFaceSize = 6;
    float topologyOffset = 0.0f;
    float topologyMergeTolerance = 0.01f;
    bool topologyAutoTolerance = true;

    // Manipulators.
    int manipulatorSize = 80;             // pixels per manipulator unit
    float manipulatorHandleOffset = 0.8f;
    bool showPlanarHandles = true;
    float rotationSnapAngle = 15.0f;      // degrees
    float distanceSnapAmount = 0.5f;

    // Selection.
    int selectSpecialType = 0;            // Faces with sides =
    int selectSpecialCount = 4;
    int selectionStyle = 0;
    bool onlySelectFullyEnclosed = false;

    // Display toggles.
    bool showButtons = true;
    bool showGrids = true;
    bool showManipulators = true;
    bool showViewportImages = true;
    bool showUVSeams = true;

    // Displacement and normal maps.
    int displacementMapWidth = 512;
    int displacementMapHeight = 512;
    int displacementRaycastSamples = 1000000;
    float displacementRaycastDistance = 1.0f;
    int normalMapWidth = 512;
    int normalMapHeight = 512;
    int normalMapSpace = 1;               // Tangent
    int normalMapRgbOrder = 0;            // RGB
    bool normalMapInvertRed = false;
    bool normalMapInvertGreen = false;
    bool normalMapInvertBlue = false;
    int normalRaycastSamples = 1000000;
    float normalRaycastDistance = 1.0f;
    bool normalRaycastSelf = true;

    // UV commands.
    float planarRegionsDegreeTolerance = 5.0f;
    float uvLayoutSpacing = 0.01f;
    float nudgeU = 1.0f;
    float nudgeV = 1.0f;
    float nudgeRotation = 45.0f;          // degrees
    int uvImageWidth = 512;
    int uvImageHeight = 512;
};

// The program's one set of these variables.
SettingsVariables& settingsVariables();
