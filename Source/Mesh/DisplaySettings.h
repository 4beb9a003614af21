#pragma once
// Display values the mesh drawing reads. The settings registry binds its
// options to these variables; the mesh model never reads the registry.
struct MeshDisplaySettings {
    float normalLength = 0.1f;                 // length of drawn face normals
    float normalColour[3] = {0.0f, 0.6f, 1.0f};
    float highlightColour[3] = {1.0f, 0.8f, 0.0f};
    float highlightPointSize = 8.0f;
    float highlightLineWidth = 3.0f;
    float highlightAlpha = 0.4f;               // face highlight blend
    bool tessellateAllQuads = false;           // send quads through the tessellator too
    int smoothShadeAtSubdLevel = 0;            // "Smooth Shade At SubD Level"; 0 = off
};

MeshDisplaySettings& meshDisplaySettings();
