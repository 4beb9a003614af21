#pragma once
// Everyday edits of whole objects: "Copy" (0), "Paste" (1), "Array" (2),
// "Instance" (3), "Duplicate" (62), "De-Instantiate Instance" (85) and
// "Instance Mirror Toggle" (182). Each handler refuses with its sentence
// when the selection does not fit (changing nothing), makes its change as
// one undo step and leaves the new objects selected; the selection change
// goes on the selection stack, as every selection change does.
#include <vector>

#include "Mesh/List.h"

class Face;
class ObjectClipboard;
class SceneObjectManager;
class Shape;
struct SceneManagers;

// "Copy": the selected objects (instances as the geometry they show) replace
// the clipboard's contents; the status bar tells how many.
void copyObjects(const SceneManagers& managers, ObjectClipboard& clipboard);
// "Paste": copies of the clipboard's contents join the scene beside the
// copied objects, further along at each paste, and become the selection.
void pasteObjects(const SceneManagers& managers, ObjectClipboard& clipboard);

// "Duplicate" and "Instance Mirror Toggle", reached through the topology
// route; false (nothing done) for any other id.
bool runObjectCommand(const SceneManagers& managers, int commandId);
// "Duplicate" in object mode: copies of the selected objects (instances stay
// instances of the same source) beside them, selected. With components
// selected the faces go to `duplicateFaces`: the selected faces, or without
// any, the faces whose every corner is a selected vertex or whose every side
// is a selected edge.
void duplicateSelection(const SceneManagers& managers);
// "Instance Mirror Toggle": each selected object without a mirrored instance
// gets one, reflected across the plane through its pivot normal to the local
// axis "Mirror From Axis"; vertices nearer that plane than "Tolerance" are
// moved onto it so the halves meet. An object with one loses it.
void toggleInstanceMirror(const SceneManagers& managers);

// The hook for "Duplicate" on selected faces: a new object made of copies of
// `faces` of `object` (owned by the caller), or null when none can be made;
// the handler then refuses and changes nothing.
Shape* duplicateFaces(Shape& object, const List<Face*>& faces);

// The object manager's part of "Array", "Instance" and "De-Instantiate
// Instance": adds the new objects to `objects` and returns how many, or -1
// for any other id. The command manager records the additions; the
// instances De-Instantiate replaces leave the scene through a record pushed
// into the same undo step.
//
// "Array" repeats the offset between the pivots of the two selected objects
// (scene order) once beyond the second, as a copy, or as an instance when the
// second is one; the second and the new object stay selected, so running it
// again continues the row.
int createFromObjects(SceneObjectManager& objects, int commandId);
