// The menu bar built from the menu layout and the command table, and the
// tool-options window built from an option group.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <vector>

#include "QtWindows/qtCommandMenus.h"
#include "QtWindows/qtMenuLayout.h"
#include "QtWindows/qxNumberField.h"
#include "QtWindows/qxOptionsPanel.h"
#include "QtWindows/qxToolOptions.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Input/KeyBindings.h"
#include "Settings/BuildRegistry.h"
#include "Settings/SettingsRegistry.h"
#include "support/GLTestSupport.h"

namespace {
QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The first command the menus list that this build does not carry out yet; -1 when all are.
int firstUnavailableListedCommand()
{
    std::vector<const MenuLayout*> menus;
    for (const MenuLayout& m : menuBarLayout())
        menus.push_back(&m);
    for (const MenuLayout& m : submenuLayouts())
        menus.push_back(&m);
    for (const MenuLayout* m : menus)
        for (int id : m->entries)
            if (id != MenuSeparator && id != RecentFilesEntry && !findSubmenu(id) && !isCommandAvailable(id))
                return id;
    return -1;
}
} // namespace

TEST(qtCommandMenusGLTest, EntriesShowTheTableAndTheBoundKeyAndRunTheirCommand)
{
    ensureApplication(WithoutDisplay::UseOffscreen);
    QMenuBar bar;
    KeyBindings keys;
    keys.add(Qt::Key_E, 1, 37);    // Ctrl+E: "Extrude"
    keys.add(Qt::Key_W, 8, 37);    // a second key for it: only the first is shown
    keys.add(Qt::Key_PageUp, 0, 47);
    std::vector<int> ran;
    qtCommandMenus menus(&bar, [&](int id) { ran.push_back(id); }, [&] { return &keys; });

    QStringList titles;
    for (QAction* a : bar.actions())
        titles << a->text();
    EXPECT_EQ(titles.join("|"), "File|Edit|Create|Modify|Subdivision|Selection|UVs/Materials|Display|Editors/Options|Help");

    ASSERT_NE(menus.action(37), nullptr);
    EXPECT_EQ(menus.action(37)->text(), "Extrude\t" + QKeySequence("Ctrl+E").toString(QKeySequence::NativeText));
    EXPECT_EQ(menus.action(37)->toolTip(), fromView(commandHelp(37)));
    EXPECT_EQ(menus.action(37)->statusTip(), fromView(commandHelp(37)));
    EXPECT_TRUE(menus.action(37)->shortcut().isEmpty()) << "the viewport takes keys itself";
    EXPECT_EQ(menus.action(96)->text(), "Open Scene...") << "the menu label, not the name";
    EXPECT_EQ(menus.action(CommandId::ConvertToFaces)->text(), "Faces") << "entries of submenus too";

    keys.clear();
    keys.add(Qt::Key_W, 8, 47);
    menus.updateShortcutTexts();
    EXPECT_EQ(menus.action(47)->text(), "Subdivide\tTab+W");
    EXPECT_EQ(menus.action(37)->text(), "Extrude");

    int unavailable = firstUnavailableListedCommand();
    if (unavailable >= 0) {
        EXPECT_FALSE(menus.action(unavailable)->isEnabled()) << unavailable;
    }
    EXPECT_TRUE(menus.action(108)->isEnabled());
    menus.action(108)->trigger();
    EXPECT_EQ(ran, std::vector<int>{108});
    EXPECT_NE(menus.recentFilesMenu(), nullptr);
}

// One field per shown option; typed lengths in the chosen units; a preset
// loads only after the question is answered yes.
TEST(qtCommandMenusGLTest, ToolOptionsBuildFieldsAndLoadPresetsOnlyWhenConfirmed)
{
    ensureApplication(WithoutDisplay::UseOffscreen);
    SettingsRegistry registry;
    buildRegistry(registry);
    OptionGroup& cube = *registry.findGroup(164);
    std::vector<std::string> questions;
    bool answer = false;
    std::vector<int> ran;
    qxToolOptions window("Tool Options", {[&](int id) { ran.push_back(id); },
                                          [&](const std::string& q) { questions.push_back(q); return answer; }});
    QTemporaryDir folder;
    window.setPresetFolders(folder.path().toStdString(), {});
    window.showGroup(cube, LengthUnits{LengthUnits::Metric, 100});

    QList<qxNumberField*> fields = window.panel()->findChildren<qxNumberField*>();
    ASSERT_EQ(fields.size(), 6); // three lengths, three section counts
    EXPECT_EQ(fields[0]->edit()->text(), "100 cm");
    EXPECT_TRUE(fields[0]->enter("250 cm"));
    EXPECT_FLOAT_EQ(*cube.findOption("Height")->floatValue(), 2.5f);
    EXPECT_TRUE(fields[3]->enter("-4"));
    EXPECT_EQ(*cube.findOption("Height Sections")->intValue(), 1) << "clamped to the minimum";
    fields[3]->drag(3);
    EXPECT_EQ(fields[3]->edit()->text(), "4");

    ASSERT_TRUE(window.savePreset("tall"));
    ASSERT_EQ(window.presets().size(), 1u);
    cube.findOption("Height")->setFloat(1);
    EXPECT_FALSE(window.loadPreset(window.presets().front()));
    EXPECT_FLOAT_EQ(*cube.findOption("Height")->floatValue(), 1.0f);
    answer = true;
    EXPECT_TRUE(window.loadPreset(window.presets().front()));
    EXPECT_FLOAT_EQ(*cube.findOption("Height")->floatValue(), 2.5f);
    EXPECT_EQ(fields[0]->edit()->text(), "250 cm");
    EXPECT_EQ(questions, std::vector<std::string>(2, "Loading a preset will overwrite current settings.  Continue?"));
}
