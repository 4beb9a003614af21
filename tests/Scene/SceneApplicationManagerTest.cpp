// What the application manager does with its binding tables and the window.
#include <gtest/gtest.h>

#include "Scene/ModifierCodes.h"
#include "Scene/MouseBindings.h"
#include "Scene/SceneApplicationManager.h"
#include "support/RecordingWindow.h"

TEST(SceneApplicationManagerTest, LookupsReadTheTablesItOwns)
{
    SceneApplicationManager m(nullptr, "");
    m.setMouseBinding(MouseBindings::index(MouseButtonCode::Right, ModifierCode::Shift), 37);
    m.addKeyBinding(69, ModifierCode::None, 39);
    m.addKeyBinding(69, ModifierCode::None, 45);
    EXPECT_EQ(m.mouseBinding(MouseButtonCode::Right, ModifierCode::Shift), 37);
    EXPECT_EQ(m.mouseBinding(MouseButtonCode::Right, ModifierCode::None), -1);
    EXPECT_EQ(m.keyBinding(69, ModifierCode::None), 39);
    EXPECT_EQ(m.keyBinding(69, ModifierCode::TabHeld), -1);
    // A start unbinds the mouse but keeps the keys.
    m.setMouseBinding(MouseBindings::Count - 1, 5);
    m.resetStartupState();
    for (int i = 0; i < MouseBindings::Count; ++i)
        EXPECT_EQ(m.mouseBindings.command(i), -1);
    EXPECT_EQ(m.keyBinding(69, ModifierCode::None), 39);
}

TEST(SceneApplicationManagerTest, CommandsGoThroughTheWindow)
{
    RecordingWindow window;
    SceneApplicationManager m(&window, "");
    m.executeCommand(37, "", 1, 0, 0);
    EXPECT_EQ(window.calls, std::vector<std::string>{"execute:37/1"});

    SceneApplicationManager windowless(nullptr, "");
    EXPECT_EQ(windowless.executeCommand(37, "", 0, 0, 0), 0);
}
