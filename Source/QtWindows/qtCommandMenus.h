#pragma once
// The menu bar built from the menu layout and the command table: each entry
// shows the command's menu label, its help as tool tip and status tip and the
// key bound to it as shortcut text. The text is only shown, never made a
// shortcut: the viewport takes its keys itself. Commands not built yet are
// shown disabled. On/off commands carry a check mark that follows their
// state each time a menu opens.
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>

class KeyBindings;
class QAction;
class QMenu;
class QMenuBar;

// The text of the first key bound to `commandId` ("Ctrl+E", "Tab+W"); empty
// when no key runs it.
QString keyBindingText(const KeyBindings& bindings, int commandId);

class qtCommandMenus : public QObject {
    Q_OBJECT

public:
    // Runs a command chosen from a menu.
    using Run = std::function<void(int commandId)>;
    // The key bindings to show, looked up each time a menu opens (they change
    // with the preferences and the key editor); null shows none.
    using Keys = std::function<const KeyBindings*()>;
    // Whether the on/off command `commandId` is on; none for commands that
    // are not switches (they get no check mark).
    using States = std::function<std::optional<bool>(int commandId)>;

    // Fills `bar` (not owned; it owns the menus and actions).
    qtCommandMenus(QMenuBar* bar, Run run, Keys keys, States states = {});

    // The action of a command entry; null when no menu lists the command.
    QAction* action(int commandId) const;
    // The File menu's "Recent Files" submenu, which the window fills.
    QMenu* recentFilesMenu() const { return recentFiles_; }
    // Renews every entry's shortcut text from the current key bindings.
    void updateShortcutTexts();
    // Renews every switch's check mark from its current state.
    void updateCheckMarks();

signals:
    // The user points at the entry of `commandId`.
    void hovered(int commandId);

private:
    void fill(QMenu* menu, int titleId);

    Run run_;
    Keys keys_;
    States states_;
    std::map<int, QAction*> actions_; // by command id
    QMenu* recentFiles_ = nullptr;
};
