// A tavo-batch script drives an extrusion as a user would: the command,
// the mouse moving without a button, and Return.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "Batch/BatchScript.h"
#include "Batch/BatchWindow.h"
#include "Scene/Scene.h"
#include "Settings/SettingsVariables.h"

TEST(ValueToolsBatch, ACubeFaceIsExtrudedByCommandHoverAndReturn)
{
    // The script's option writes the bound variable, which outlives the scene.
    struct Restore {
        bool saved = settingsVariables().extrudeKeepFacesTogether;
        ~Restore() { settingsVariables().extrudeKeepFacesTogether = saved; }
    } restore;
    std::ostringstream out, errors;
    BatchWindow window{out, TavoApplicationWindow::No};
    Scene scene{&window, ""};
    window.scene = &scene;
    BatchRunner runner{scene, out, errors};
    // Faces one by one, so that the script needs no other extrusion.
    std::istringstream script("set 218 \"Keep Faces Together\" 0\n"
                              "Cube\n"
                              "select face 0 0\n"
                              "Extrude\n"
                              "tool\n"
                              "hover 400 300\n"
                              "hover 460 300\n"
                              "key Return\n"
                              "tool\n"
                              "info\n");
    EXPECT_EQ(runner.run(script), 0) << errors.str();
    EXPECT_THAT(out.str(), ::testing::HasSubstr("tool Extrude\n"));
    EXPECT_THAT(out.str(), ::testing::HasSubstr("tool Move\n"));
    EXPECT_THAT(out.str(), ::testing::HasSubstr(" v=12 e=20 f=10 "));
}
