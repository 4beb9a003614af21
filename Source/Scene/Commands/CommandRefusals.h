#pragma once
// The sentences a command shows when it refuses to run, each written once.
// Command rows list them in the order their reasons are checked.
#include <string_view>

namespace Refusal {

inline constexpr std::string_view InUVSpace = "You cannot perform that operation in UV space";
// "Delete" in UV space.
inline constexpr std::string_view UVDelete = "UV components cannot be deleted.";
inline constexpr std::string_view Paste = "There is nothing copied to the clipboard to paste";
inline constexpr std::string_view Array = "You must select exactly two objects to create an array";
inline constexpr std::string_view Instance =
    "You must select at least one object in object selection mode to create an instance";
inline constexpr std::string_view GroupSelection = "You must select vertices, edges, faces, or objects to group";
inline constexpr std::string_view HideSelection = "You must select at least one object or face to hide";
inline constexpr std::string_view HideUnselectedFaces = "You must select at least one face to hide unselected faces";
inline constexpr std::string_view HideUnselected = "You must select at least one face or object to hide unselected";
inline constexpr std::string_view NothingSelected = "Nothing is selected";
inline constexpr std::string_view Extrude = "You must select edges or faces to perform an extrude";
// Edges between two faces have no side to grow a strip on.
inline constexpr std::string_view ExtrudeInnerEdges = "Only edges on a border of the surface can be extruded";
inline constexpr std::string_view CalculateSymmetry =
    "You must select at least one object or edge to calculate symmetry";
inline constexpr std::string_view Bevel = "You must select vertices, edges, faces, or objects to bevel";
// A bevel that went ahead without some of its edges.
inline constexpr std::string_view BevelSkippedEdges =
    "One or more edges doesn't have two adjacent faces to perform the bevel operation.";
inline constexpr std::string_view InsetScale = "You must select at least one face to use inset scale";
inline constexpr std::string_view Shell = "You must select at least one object to perform a shell operation";
inline constexpr std::string_view LocalScale =
    "You must select vertices, edges, or faces to perform a local scale operation";
inline constexpr std::string_view Slide = "You must select at least one edge to use the slide command";
inline constexpr std::string_view Orient = "You must select at least one face to use the orient tool";
inline constexpr std::string_view SplitLoop = "You must select multiple edges or faces to use the split loop command";
inline constexpr std::string_view Triangulate = "You must select at least one object or face in order to triangulate";
inline constexpr std::string_view SelectLoop = "You must select at least one edge or two faces to select a loop";
inline constexpr std::string_view NormalMapWithoutObject =
    "At least one object must be selected to generate a normal map";
inline constexpr std::string_view NormalMapWithoutUVs =
    "None of the selected shapes have UV mapping to generate the normal map.  First use Create UV Proxy from "
    "the Materials menu.";
inline constexpr std::string_view Boolean =
    "You must select exactly two shapes in order to perform a boolean operation";
// How a boolean operation that ran can still fail.
inline constexpr std::string_view BooleanNotClosed =
    "Both shapes must be closed surfaces to perform a boolean operation";
inline constexpr std::string_view BooleanSelfIntersecting =
    "Shapes must not intersect themselves to perform a boolean operation";
inline constexpr std::string_view BooleanFailed = "The boolean operation would not give a valid surface";
inline constexpr std::string_view Duplicate = "You must select vertices, edges, faces, or objects to duplicate";
inline constexpr std::string_view CreaseEdges = "You must select at least one edge to crease";
inline constexpr std::string_view UncreaseEdges = "You must select at least one edge to uncrease";
inline constexpr std::string_view SetObjectAxis = "You must select at least one shape to set axis";
inline constexpr std::string_view MirrorGeometry = "You must select at least one object to perform the mirror command";
inline constexpr std::string_view CombineObjects =
    "You must select faces, edges, or multiple shapes or vertices to merge";
inline constexpr std::string_view MergeUVs = "You must select at least two UV vertices to merge UV coordinates.";
inline constexpr std::string_view UnifyNormals = "You must select faces or objects to unify normals";
// "Unify Normals" found every selected face already agreeing.
inline constexpr std::string_view NormalsAlreadyUnified = "The selected normals already point the same way";
inline constexpr std::string_view ReverseNormals = "You must select faces or objects to reverse normals";
inline constexpr std::string_view DeInstantiateInstance =
    "You must select at least one instance object to de-instantiate";
inline constexpr std::string_view LatheObject = "You must select at least one object to lathe";
inline constexpr std::string_view ExtrusionObject = "You must select at least one object to extrude";
inline constexpr std::string_view PathExtrusion = "You must select exactly two objects to create a path extrusion";
inline constexpr std::string_view PathExtrusionGeometry =
    "Invalid geometry for path extrusion. Make sure the source object is not a closed surface and that the "
    "path object contains no faces.";
inline constexpr std::string_view SelectAffectedGroups =
    "You must select vertices, edges, faces, or objects to select affected groups";
inline constexpr std::string_view NoGroupsToAffect = "There are no groups in the scene to select affected groups";
// "Cut" with nothing to cut between.
inline constexpr std::string_view Cut = "You must select edges or vertices of a face to cut it";
inline constexpr std::string_view SpinEdge = "You must select at least one edge to perform a spin edge command";
inline constexpr std::string_view SpinEdgeOnePerFace =
    "Cannot Spin Edge because more than one edge per face is selected.";
inline constexpr std::string_view SetViewportImage = "You can only set viewport images for non-UV, fixed ortho cameras";
inline constexpr std::string_view NoGroupsForNext = "There are no groups in the scene to select next group";
inline constexpr std::string_view SelectRing = "You must select at least one edge or two faces to select a ring";
inline constexpr std::string_view InstanceMirrorToggle =
    "You must select at least one object to set instance mirroring";
inline constexpr std::string_view Flatten = "You must select vertices, edges, faces, or objects to use flatten";
inline constexpr std::string_view Break = "You must select vertices, edges, faces, or objects to use the break command";
inline constexpr std::string_view Bridge =
    "You must select multiple edges, faces, or objects to use the bridge command";
inline constexpr std::string_view BridgeEdges = "You must select two or more edges to bridge edges";
inline constexpr std::string_view BridgeFaces = "You must select exactly two faces to bridge faces";
inline constexpr std::string_view BridgeShapes = "You must select two or more objects to bridge shapes";
inline constexpr std::string_view BridgeShapesWithoutFaces =
    "Shapes must contain faces to bridge in Shape mode. Try changing selection modes.";
inline constexpr std::string_view RecenterObjectAxis = "You must select at least one shape to reset axis";
inline constexpr std::string_view SelectPath = "You must select vertices, edges, or faces to select a path";
inline constexpr std::string_view SelectVertexPath =
    "Two or more vertices from exactly one object must be selected to select vertex path";
inline constexpr std::string_view SelectEdgePath =
    "Two or more edges from exactly one object must be selected to select edge path";
inline constexpr std::string_view SelectFacePath =
    "Two or more faces from exactly one object must be selected to select face path";
inline constexpr std::string_view Smooth =
    "You must select shapes, faces, edges, or vertices to use the smooth command";
inline constexpr std::string_view FillHole = "You must select at least one edge to use the fill hole command";
inline constexpr std::string_view RecreateUVs = "You must select at least one object or face to recreate UVs";
inline constexpr std::string_view UnwrapUVsUsingLSCM =
    "You must select vertices, edges, faces, or objects for unwrapping UVs.";
inline constexpr std::string_view PinUVs = "You must select at least one vertex to pin its UVs";
inline constexpr std::string_view MarkSeams = "You must select at least one edge or shape for texture seam marking";
inline constexpr std::string_view NoShapesForSymmetry = "There are no shapes in the scene to toggle symmetry";
inline constexpr std::string_view DisplacementMapWithoutObject =
    "At least one object must be selected to generate a displacement map";
inline constexpr std::string_view DisplacementMapWithoutUVs =
    "None of the selected shapes have UV mapping to generate the displacement map.  First use Create UV Proxy "
    "from the Materials menu.";
inline constexpr std::string_view LSCMNeedsBorder =
    "You cannot create UVs using LSCM unwrapping unless some edges have only one face attached or are marked "
    "as texture seams";
inline constexpr std::string_view ArrangeUVsInBounds = "You must select faces or objects to arrange UVs in bounds.";
inline constexpr std::string_view ScaleUVsToBounds =
    "You must select vertices, edges, faces, or objects for scaling UVs.";
inline constexpr std::string_view ScaleUVsProportionally =
    "You must select at least one face or object for scaling UVs proportionally.";
inline constexpr std::string_view MoveAndSew =
    "You must select at least one edge on the border of a UV island to move and sew UVs.";
inline constexpr std::string_view MirrorUVs = "You must select at least one face to mirror UVs.";
inline constexpr std::string_view NudgeUVs = "You must select at least one vertex to nudge UVs.";
inline constexpr std::string_view ExportUVsToImage =
    "You must select at least one UV object or face to export UV maps.";
inline constexpr std::string_view SelectAllWithSameMaterial =
    "You must select at least one face to select all with same material";

} // namespace Refusal
