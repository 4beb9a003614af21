#pragma once
// The topology commands run by the command manager: "Crease Edges" (63),
// "Uncrease Edges" (64), "Reverse Normals" (76), "Triangulate" (46), "Fill
// Hole" (245) and "Combine Objects" (70). Each handler reads the selection,
// refuses with its sentence when nothing suitable is selected (changing
// nothing, recording nothing), runs the mesh operation on every affected
// object as one undo step (none when nothing changed) and asks for a redraw. Only objects with a control mesh of
// their own (plain shapes and primitives) are edited; "Combine Objects" also
// takes instances in.
#include <span>

struct SceneManagers;

using TopologyHandler = void (*)(const SceneManagers& managers);

struct TopologyCommand {
    int id;
    TopologyHandler handler;
};

// Sets (clears) `Creased` on the selected edges and rebuilds the levels of
// their objects.
void creaseEdges(const SceneManagers& managers);
void uncreaseEdges(const SceneManagers& managers);
// Flips the selected faces, or every face of each selected object.
void reverseNormals(const SceneManagers& managers);
// Triangulates the selected faces, or every face of each selected object.
void triangulate(const SceneManagers& managers);
// Fills the hole bordered by each selected edge, without a length limit.
void fillHoles(const SceneManagers& managers);
// Object mode: moves the geometry of every other selected object into the
// first selected shape and takes the emptied objects out of the scene; one
// "Undo" brings them back as they were.
void combineObjects(const SceneManagers& managers);

// The table of the commands above, by id.
std::span<const TopologyCommand> topologyCommands();
// The everyday mesh edits: "Delete" (10), "Duplicate" on faces through its
// hook, "Merge" (73), "Bridge" (231), "Flatten" (187), "Smooth" (243),
// "Unify Normals" (75), "Spin Edge" (143), "Break" (223), "Mirror
// Geometry" (67), "Cut" (178) and the booleans (59, 60, 61), each with the
// rules of the handlers above. "Merge" with only vertices selected welds
// those nearer each other than "Vertex Tolerance" ("Merge Options") in
// clusters, and when no two are that near makes all of them one at their
// centre. "Cut" cuts faces between two selected edges (divided into "Cut
// Sections" + 1 pieces) or two selected vertices.
std::span<const TopologyCommand> meshEditCommands();
// "Bridge": two faces or two border loops joined by a tube of quads, the
// two faces removed. Ends on two different objects (one face or one border
// loop each), or whole objects in object mode (each joined to the next by
// their open borders when each has one loop of the same length, else by the
// nearest faces that face each other), are first combined into the first
// object; combining and bridging are one undo step.
void bridgeSelection(const SceneManagers& managers);
// "Delete": the selected objects leave the scene (object mode), or the
// selected faces, edges and vertices leave their meshes; one undo step.
void deleteSelected(const SceneManagers& managers);

// "Move Selection Up", "Down", "Left", "Right" (5 to 8): the selected
// objects, or the vertices the selected components touch, move 10 pixels'
// worth along the active view's screen axes (the front view's x and y while
// no view is shown), one undo step; in UV space they run the UV nudges "V +",
// "V -", "U -" and "U +".
std::span<const TopologyCommand> moveSelectionCommands();

// Runs the handler of `commandId`; false (nothing done) for an id without one.
bool runTopologyCommand(const SceneManagers& managers, int commandId);
