// tavo-batch scripts save and open scenes in both formats, the argument
// standing in for the file dialog.
#include <gtest/gtest.h>

#include <sstream>

#include "Batch/BatchScript.h"
#include "Batch/BatchWindow.h"
#include "Scene/SceneFileTestScene.h"

TEST(SceneFileBatchTest, ScriptsSaveAndOpenBothFormats)
{
    SceneFileTempFolder temp;
    std::ostringstream out;
    std::ostringstream errors;
    BatchWindow window(out, TavoApplicationWindow::Cancel);
    Scene scene(&window, "");
    window.scene = &scene;
    scene.start();
    BatchRunner runner(scene, out, errors);

    const std::string tva = temp.file("two.tva");
    const std::string tvb = temp.file("two.tvb");
    std::istringstream script("Cube\nSphere\n"
                              "Save Scene As: " + tva + "\n"
                              "Save Scene As: " + tvb + "\n"
                              "New Scene\n"
                              "Open Scene: " + tva + "\n"
                              "Load Into Scene: " + tvb + "\n"
                              "Cube\n"
                              "Open Scene: " + tvb + "\n");
    EXPECT_EQ(runner.run(script), 0) << errors.str();
    EXPECT_EQ(scene.objectManager->objects.count(), 5)
        << "the unsaved cube made Open ask, and the fixed answer Cancel kept the scene";
    EXPECT_EQ(scene.applicationManager->currentFile, tva);
    const std::string text = out.str();
    EXPECT_NE(text.find("status: File saved to " + tvb + "\n"), std::string::npos);
    EXPECT_NE(text.find("status: File loaded successfully.\n"), std::string::npos);
    EXPECT_NE(text.find("ask: Save current file?\n"), std::string::npos);
}
