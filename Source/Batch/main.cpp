// tavo-batch: runs a script of commands against a scene with no display,
// for scripting and automated checks. See BatchScript.h for the script.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Batch/BatchOptions.h"
#include "Batch/BatchScript.h"
#include "Batch/BatchWindow.h"
#include "Mesh/OutOfMemory.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Settings/UserFolders.h"

int main(int argc, char** argv)
{
    installOutOfMemoryHandler();
    BatchOptions options;
    std::string error;
    if (!parseBatchArguments(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "tavo-batch: " << error << '\n' << batchUsage << '\n';
        return 1;
    }

    std::ifstream file;
    if (!options.script.empty() && options.script != "-") {
        file.open(options.script);
        if (!file) {
            std::cerr << "tavo-batch: cannot read " << options.script << '\n';
            return 1;
        }
    }
    std::istream& script = file.is_open() ? static_cast<std::istream&>(file) : std::cin;

    BatchWindow window(std::cout, options.answer);
    Scene scene(&window, "");
    window.scene = &scene;
    // Read, never written: a script must not change the user's settings.
    scene.applicationManager->preferencesReadPath =
        options.preferences.empty() ? preferencesFileToLoad(userFolders(folderEnvironmentOfProcess()))
                                    : std::filesystem::path(options.preferences);
    scene.start();

    BatchRunner runner(scene, std::cout, std::cerr);
    return runner.run(script);
}
