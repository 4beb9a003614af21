#pragma once
// The UV commands: recreating an object's UVs and its proxy (248, 276 to
// 279), unwrapping (249), pins (257, 266, 267), seams (258, 268, 269) and
// the editing of UV positions (280 to 282, 285 to 292, 294, and 73 "Merge"
// in UV space: the selected UV vertices meet at their centre) and the image
// export (295). Each reads the selection through UVSelection, refuses with
// its sentence when nothing suitable is selected (changing nothing), and
// records one undo step:
// the proxies it changes and the texture coordinates of their owners (the
// export changes nothing and records nothing).
#include "Mesh/List.h"

class Face;
class TextureProxy;
class Vertex;
struct SceneManagers;

void recreateSelectedUVs(const SceneManagers& managers, int commandId);
// Pins of `old` stay on `fresh` (a proxy of the same owner built again)
// for the faces not in `recreated`: on the UV vertex of the same source
// vertex at the same place.
void keepProxyPins(const TextureProxy& old, TextureProxy& fresh, const List<Face*>& recreated);
// False when `commandId` has no UV handler here.
bool runUVCommand(const SceneManagers& managers, int commandId);

// Live unwrapping, for the manipulator to call when it finishes a change
// of `proxy`: with "Live UV Unwrapping Toggle" on, the islands of `moved`
// are solved again around them (they stay where the user put them) and the
// owner's texture coordinates follow. The caller records undo for the whole
// proxy. False, changing nothing, while live unwrapping is off.
bool unwrapLiveAfterMove(const SceneManagers& managers, TextureProxy& proxy, const List<Vertex*>& moved);
