// The colours of viewports, manipulators, components and windows, and the
// material every new object starts with.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerColourGroups(SettingsRegistry& registry)
{
    using enum OptionType;
    const OptionDefault lightBlue = rgb(0.341176, 0.619608, 0.901961);
    const GroupRow groups[] = {
        {"Color Settings", 114, 100070, {
            {"Viewport Background", Colour, rgb(0.1, 0.1, 0.1)},
            {"Viewport Background Secondary", Colour, rgb(0.1, 0.1, 0.1)},
            {"Grid", Colour, rgb(0.2, 0.2, 0.2)},
            {"Viewport Text", Colour, rgb(1, 1, 1)},
            {"Viewport Selected", Colour, rgb(0.2, 0.2, 0.2)},
            {"Selection Tools", Colour, rgb(1, 1, 1)},
            {"Manipulator X", Colour, rgb(0.7, 0, 0)},
            {"Manipulator Y", Colour, rgb(0, 0.7, 0)},
            {"Manipulator Z", Colour, rgb(0, 0, 0.7)},
            {"Manipulator Center", Colour, rgb(0.968627, 0.670588, 0.0509804)},
            {"Manipulator Selected", Colour, rgb(1, 1, 1)},
            {"Soft Selection Near", Colour, rgb(1, 1, 1)},
            {"Soft Selection Far", Colour, rgb(0.2, 0.2, 0.2)},
            {"Selection Highlighting", Colour, rgb(1, 0, 0)},
            {"Shape Wireframe", Colour, rgb(0.01, 0.1, 0.1)},
            {"Selected Shape Wireframe", Colour, lightBlue},
            {"Selected Instance Wireframe", Colour, rgb(0.7, 0.2, 0.3)},
            {"Unselected Vertices", Colour, rgb(0.1, 0, 0.6)},
            {"Selected Vertices", Colour, rgb(0.8, 0, 0)},
            {"UV Pinned Vertices", Colour, lightBlue},
            {"Vertex Mode Wireframe", Colour, rgb(0.1, 0, 0.3)},
            {"Unselected Edges", Colour, lightBlue},
            {"Unselected Creased Edges", Colour, rgb(0, 0.7, 0.9)},
            {"Selected Edges", Colour, rgb(0.75, 0.25, 0)},
            {"Selected Creased Edges", Colour, rgb(0.9, 0.7, 0.2)},
            {"UV Seam Edges", Colour, lightBlue},
            {"Selected Faces", Colour, rgb(0.67, 0.75, 0.1)},
            {"UV Faces", Colour, rgb(1, 1, 1)},
            {"Face Mode Wireframe", Colour, rgb(0.01, 0.1, 0.1)},
            {"Multi Mode Wireframe", Colour, rgb(0.2, 0.3, 0.4)},
            {"Window", Colour, rgb(0.5, 0.5, 0.5)},
            {"Window Light", Colour, rgb(0.6, 0.6, 0.6)},
            {"Window Dark", Colour, rgb(0.4, 0.4, 0.4)},
            {"Window Text", Colour, rgb(0, 0, 0)},
            {"Window Highlight", Colour, rgb(0.7, 0.7, 0.7)},
            {"Window Title Bar", Colour, rgb(0, 0, 0)},
            {"Window Title Text", Colour, rgb(0.7, 0.7, 0.7)},
            // The default material's colours are set by the application
            // manager from the mesh model's default material.
            {"Default Diffuse", Colour, programValue(), {}, NotShown},
            {"Default Ambient", Colour, programValue(), {}, NotShown},
            {"Default Specular", Colour, programValue(), {}, NotShown},
            {"Default Emissive", Colour, programValue(), {}, NotShown},
            {"Default Shininess", Float, num(1), {}, NotShown},
            {"Default Texture Map", FilePath, text(""), {}, NotShown},
        }},
    };
    addGroups(registry, groups);
}
