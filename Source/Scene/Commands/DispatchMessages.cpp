#include "Scene/Commands/DispatchMessages.h"

#include <algorithm>

namespace {

struct RefusalRow {
    int first; // inclusive id range sharing the sentence
    int last;
    int variant;
    std::string_view text;
};

constexpr RefusalRow refusals[] = {
    {1, 1, 0, "There is nothing copied to the clipboard to paste"},
    {2, 2, 0, "You must select exactly two objects to create an array"},
    {3, 3, 0, "You must select at least one object in object selection mode to create an instance"},
    {4, 4, 0, "You must select vertices, edges, faces, or objects to group"},
    {11, 11, 0, "You must select at least one object or face to hide"},
    {13, 13, 0, "You must select at least one face to hide unselected faces"},
    {13, 13, 1, "You must select at least one face or object to hide unselected"},
    {16, 16, 0, "Nothing is selected"},
    {20, 20, 0, "Nothing is selected"},
    {236, 236, 0, "Nothing is selected"},
    {40, 40, 0, "You must select at least one object or edge to calculate symmetry"},
    {37, 37, 0, "You must select edges or faces to perform an extrude"},
    {45, 45, 0, "You must select multiple edges or faces to use the split loop command"},
    {46, 46, 0, "You must select at least one object or face in order to triangulate"},
    {56, 56, 0, "You must select at least one edge or two faces to select a loop"},
    {58, 58, 0, "At least one object must be selected to generate a normal map"},
    {58, 58, 1, "None of the selected shapes have UV mapping to generate the normal map.  First use Create UV "
                "Proxy from the Materials menu."},
    {270, 270, 0, "At least one object must be selected to generate a displacement map"},
    {270, 270, 1, "None of the selected shapes have UV mapping to generate the displacement map.  First use "
                  "Create UV Proxy from the Materials menu."},
    {59, 61, 0, "You must select exactly two shapes in order to perform a boolean operation"},
    {62, 62, 0, "You must select vertices, edges, faces, or objects to duplicate"},
    {63, 63, 0, "You must select at least one edge to crease"},
    {64, 64, 0, "You must select at least one edge to uncrease"},
    {65, 65, 0, "You must select at least one shape to set axis"},
    {232, 232, 0, "You must select at least one shape to reset axis"},
    {67, 67, 0, "You must select at least one object to perform the mirror command"},
    {70, 70, 0, "You must select faces, edges, or multiple shapes or vertices to merge"},
    {73, 73, 0, "You must select at least two UV vertices to merge UV coordinates."},
    {75, 75, 0, "You must select faces or objects to unify normals"},
    {76, 76, 0, "You must select faces or objects to reverse normals"},
    {85, 85, 0, "You must select at least one instance object to de-instantiate"},
    {110, 110, 0, "You must select at least one object to lathe"},
    {111, 111, 0, "You must select at least one object to extrude"},
    {112, 112, 0, "You must select exactly two objects to create a path extrusion"},
    {112, 112, 1, "Invalid geometry for path extrusion. Make sure the source object is not a closed surface and "
                  "that the path object contains no faces."},
    {135, 135, 0, "You must select vertices, edges, faces, or objects to select affected groups"},
    {135, 135, 1, "There are no groups in the scene to select affected groups"},
    {143, 143, 0, "You must select at least one edge to perform a spin edge command"},
    {143, 143, 1, "Cannot Spin Edge because more than one edge per face is selected."},
    {144, 144, 0, "You can only set viewport images for non-UV, fixed ortho cameras"},
    {162, 162, 0, "There are no groups in the scene to select next group"},
    {179, 179, 0, "You must select at least one edge or two faces to select a ring"},
    {182, 182, 0, "You must select at least one object to set instance mirroring"},
    {187, 187, 0, "You must select vertices, edges, faces, or objects to use flatten"},
    {223, 223, 0, "You must select vertices, edges, faces, or objects to use the break command"},
    {231, 231, 0, "You must select multiple edges, faces, or objects to use the bridge command"},
    {231, 231, 1, "You must select two or more edges to bridge edges"},
    {231, 231, 2, "You must select exactly two faces to bridge faces"},
    {231, 231, 3, "You must select two or more objects to bridge shapes"},
    {231, 231, 4, "Shapes must contain faces to bridge in Shape mode. Try changing selection modes."},
    {241, 241, 0, "You must select vertices, edges, or faces to select a path"},
    {241, 241, 1, "Two or more vertices from exactly one object must be selected to select vertex path"},
    {241, 241, 2, "Two or more edges from exactly one object must be selected to select edge path"},
    {241, 241, 3, "Two or more faces from exactly one object must be selected to select face path"},
    {243, 243, 0, "You must select shapes, faces, edges, or vertices to use the smooth command"},
    {245, 245, 0, "You must select at least one edge to use the fill hole command"},
    {248, 248, 0, "You must select at least one object or face to recreate UVs"},
    {276, 279, 0, "You must select at least one object or face to recreate UVs"},
    {278, 278, 1, "You cannot create UVs using LSCM unwrapping unless some edges have only one face attached or "
                  "are marked as texture seams"},
    {249, 249, 0, "You must select vertices, edges, faces, or objects for unwrapping UVs."},
    {257, 257, 0, "You must select at least one vertex to pin its UVs"},
    {266, 266, 0, "You must select at least one vertex to pin its UVs"},
    {258, 258, 0, "You must select at least one edge or shape for texture seam marking"},
    {268, 269, 0, "You must select at least one edge or shape for texture seam marking"},
    {259, 259, 0, "There are no shapes in the scene to toggle symmetry"},
    {280, 280, 0, "You must select faces or objects to arrange UVs in bounds."},
    {281, 281, 0, "You must select vertices, edges, faces, or objects for scaling UVs."},
    {282, 282, 0, "You must select at least one face or object for scaling UVs proportionally."},
    {285, 285, 0, "You must select at least one edge on the border of a UV island to move and sew UVs."},
    {286, 286, 0, "You must select at least one face to mirror UVs."},
    {287, 292, 0, "You must select at least one vertex to nudge UVs."},
    {294, 294, 0, "You must select at least one vertex to nudge UVs."},
    {295, 295, 0, "You must select at least one UV object or face to export UV maps."},
    {297, 297, 0, "You must select at least one face to select all with same material"},
};

} // namespace

std::string_view refusalMessage(int commandId, int variant)
{
    auto it = std::ranges::find_if(refusals, [&](const RefusalRow& r) {
        return r.first <= commandId && commandId <= r.last && r.variant == variant;
    });
    return it == std::end(refusals) ? std::string_view() : it->text;
}
