#pragma once
// The directory of the six managers. Every manager holds a pointer to the one
// record the scene owns and calls its peers through it directly.
class SceneObjectManager;
class SceneToolManager;
class SceneSelectionManager;
class SceneDisplayManager;
class SceneApplicationManager;
class SceneCommandManager;

struct SceneManagers {
    SceneObjectManager* objectManager = nullptr;
    SceneToolManager* toolManager = nullptr;
    SceneSelectionManager* selectionManager = nullptr;
    SceneDisplayManager* displayManager = nullptr;
    SceneApplicationManager* applicationManager = nullptr;
    SceneCommandManager* commandManager = nullptr;
};
