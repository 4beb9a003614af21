#pragma once
// Settings the subdivision levels read. The settings registry binds its
// options to these variables; the mesh model never reads the registry.
struct SubdivisionSettings {
    int maxLevel = 10;              // "Max Subdivision Level"
    bool propagateToLower = true;   // "Propagate Displacement to Lower Subdivisions"
    bool propagateToBase = false;   // "Propagate Displacement to Base"
};

SubdivisionSettings& subdivisionSettings();
