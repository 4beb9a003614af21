#pragma once
// The colours object drawing takes from "Color Settings".
class SettingsRegistry;

enum class DrawColour {
    ShapeWireframe,
    SelectedShapeWireframe,
    SelectedInstanceWireframe,
    UnselectedVertices,
    SelectedVertices,
    VertexModeWireframe,
    UnselectedEdges,
    UnselectedCreasedEdges,
    SelectedEdges,
    SelectedCreasedEdges,
    SelectedFaces,
    UVFaces,
    FaceModeWireframe,
    MultiModeWireframe,
    SelectionHighlighting,
    Count
};

struct ObjectColours {
    const float* operator[](DrawColour c) const { return rgb[static_cast<int>(c)]; }
    // As bytes, for the mesh routines that take an RGB byte colour.
    void bytes(DrawColour c, unsigned char out[3]) const;

    float rgb[static_cast<int>(DrawColour::Count)][3] = {};
};

// The colours of `registry`'s "Color Settings"; an option (or the whole
// group) that is missing keeps its default value.
ObjectColours objectColours(const SettingsRegistry* registry);
