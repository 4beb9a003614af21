#pragma once
// How a file read or write tells its caller how far it has come, and what a
// scene read wants the user told.
#include <functional>

// Told now and then how far a read or write has come, 0 to 1.
using FileProgress = std::function<void(double fraction)>;

// Things a scene read tells the user about; each is told at most once per read.
enum class SceneReadWarning {
    NewerVersion, // the file comes from a newer version of the format
    LevelsCut,    // a subdivision level was left unbuilt: the file asked for more than the read allows
};

// The sentence shown for `warning`.
const char* sceneReadWarningText(SceneReadWarning warning);

// Where a scene read reports; either part may be empty.
struct SceneReadFeedback {
    FileProgress progress;
    std::function<void(SceneReadWarning)> warn;
};
