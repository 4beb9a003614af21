#pragma once
// The UV commands: recreating an object's UVs and its proxy (248, 276 to
// 279), unwrapping (249), pins (257, 266, 267), seams (258, 268, 269) and
// the editing of UV positions (280 to 282, 285 to 292, 294) and the image
// export (295). Each reads the selection through UVSelection, refuses with
// its sentence when nothing suitable is selected (changing nothing), and
// records one undo step:
// the proxies it changes and the texture coordinates of their owners (the
// export changes nothing and records nothing).
struct SceneManagers;

void recreateSelectedUVs(const SceneManagers& managers, int commandId);
// False when `commandId` has no UV handler here.
bool runUVCommand(const SceneManagers& managers, int commandId);
