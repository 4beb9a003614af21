#include "Scene/View/ObjectDrawingColours.h"

#include <algorithm>

#include "Settings/CommandIds.h"
#include "Settings/OptionItem.h"
#include "Settings/SettingsRegistry.h"

namespace {

struct ColourRow {
    DrawColour colour;
    const char* option; // name in "Color Settings"
    float rgb[3];       // used while the registry lacks the option
};

constexpr float lightBlue[3] = {0.341176f, 0.619608f, 0.901961f};

constexpr ColourRow colourRows[] = {
    {DrawColour::ShapeWireframe, "Shape Wireframe", {0.01f, 0.1f, 0.1f}},
    {DrawColour::SelectedShapeWireframe, "Selected Shape Wireframe", {lightBlue[0], lightBlue[1], lightBlue[2]}},
    {DrawColour::SelectedInstanceWireframe, "Selected Instance Wireframe", {0.7f, 0.2f, 0.3f}},
    {DrawColour::UnselectedVertices, "Unselected Vertices", {0.1f, 0.0f, 0.6f}},
    {DrawColour::SelectedVertices, "Selected Vertices", {0.8f, 0.0f, 0.0f}},
    {DrawColour::VertexModeWireframe, "Vertex Mode Wireframe", {0.1f, 0.0f, 0.3f}},
    {DrawColour::UnselectedEdges, "Unselected Edges", {lightBlue[0], lightBlue[1], lightBlue[2]}},
    {DrawColour::UnselectedCreasedEdges, "Unselected Creased Edges", {0.0f, 0.7f, 0.9f}},
    {DrawColour::SelectedEdges, "Selected Edges", {0.75f, 0.25f, 0.0f}},
    {DrawColour::SelectedCreasedEdges, "Selected Creased Edges", {0.9f, 0.7f, 0.2f}},
    {DrawColour::SelectedFaces, "Selected Faces", {0.67f, 0.75f, 0.1f}},
    {DrawColour::UVFaces, "UV Faces", {1.0f, 1.0f, 1.0f}},
    {DrawColour::FaceModeWireframe, "Face Mode Wireframe", {0.01f, 0.1f, 0.1f}},
    {DrawColour::MultiModeWireframe, "Multi Mode Wireframe", {0.2f, 0.3f, 0.4f}},
    {DrawColour::SelectionHighlighting, "Selection Highlighting", {1.0f, 0.0f, 0.0f}},
};
static_assert(std::size(colourRows) == static_cast<size_t>(DrawColour::Count), "one row per colour");

} // namespace

void ObjectColours::bytes(DrawColour c, unsigned char out[3]) const
{
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<unsigned char>(std::clamp((*this)[c][i], 0.0f, 1.0f) * 255.0f + 0.5f);
}

ObjectColours objectColours(const SettingsRegistry* registry)
{
    ObjectColours out;
    for (const ColourRow& row : colourRows) {
        float* to = out.rgb[static_cast<int>(row.colour)];
        const OptionItem* item = registry ? registry->findOption(CommandId::ColorSettings, row.option) : nullptr;
        const float* from = item && item->baseType() == OptionType::Colour ? item->tripleValue() : nullptr;
        std::copy(from ? from : row.rgb, (from ? from : row.rgb) + 3, to);
    }
    return out;
}
