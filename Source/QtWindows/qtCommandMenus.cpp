// The core's headers first: Qt's keyword macros would rewrite names in them.
#include "Scene/Commands/CommandTable.h"
#include "Scene/Input/KeyBindings.h"
#include "Scene/Input/ModifierCodes.h"

#include "QtWindows/qtCommandMenus.h"
#include "QtWindows/qtMenuLayout.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {
QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The toolkit's modifier keys of a modifier code; Tab held has none.
Qt::KeyboardModifiers toolkitModifiers(int code)
{
    Qt::KeyboardModifiers out;
    if (code == ModifierCode::TabHeld)
        return out;
    if (code & ModifierCode::Ctrl)
        out |= Qt::ControlModifier;
    if (code & ModifierCode::Alt)
        out |= Qt::AltModifier;
    if (code & ModifierCode::Shift)
        out |= Qt::ShiftModifier;
    return out;
}

// Qt shows the text after a tab as the entry's shortcut.
QString entryText(int commandId, const QString& keys)
{
    QString label = fromView(commandMenuLabel(commandId));
    return keys.isEmpty() ? label : label + '\t' + keys;
}
} // namespace

QString keyBindingText(const KeyBindings& bindings, int commandId)
{
    for (const KeyBindings::Entry& e : bindings) {
        if (e.command != commandId)
            continue;
        QString text = QKeySequence(QKeyCombination(toolkitModifiers(e.modifiers), static_cast<Qt::Key>(e.key)))
                           .toString(QKeySequence::NativeText);
        return e.modifiers == ModifierCode::TabHeld ? "Tab+" + text : text;
    }
    return {};
}

qtCommandMenus::qtCommandMenus(QMenuBar* bar, Run run, Keys keys, States states)
    : QObject(bar), run_(std::move(run)), keys_(std::move(keys)), states_(std::move(states))
{
    for (const MenuLayout& m : menuBarLayout()) {
        QMenu* menu = bar->addMenu(fromView(commandName(m.titleId)));
        fill(menu, m.titleId);
        connect(menu, &QMenu::aboutToShow, this, &qtCommandMenus::updateShortcutTexts);
        connect(menu, &QMenu::aboutToShow, this, &qtCommandMenus::updateCheckMarks);
    }
    updateShortcutTexts();
    updateCheckMarks();
}

void qtCommandMenus::fill(QMenu* menu, int titleId)
{
    menu->setToolTipsVisible(true);
    const MenuLayout* layout = findSubmenu(titleId);
    for (const MenuLayout& m : menuBarLayout())
        if (m.titleId == titleId)
            layout = &m;
    for (int id : layout->entries) {
        if (id == MenuSeparator) {
            menu->addSeparator();
        } else if (id == RecentFilesEntry) {
            recentFiles_ = menu->addMenu("Recent Files");
        } else if (const MenuLayout* submenu = findSubmenu(id)) {
            fill(menu->addMenu(submenu->title ? submenu->title : fromView(commandMenuLabel(id))), id);
        } else {
            QAction* action = menu->addAction(entryText(id, {}));
            QString help = fromView(commandHelp(id));
            action->setToolTip(help.isEmpty() ? fromView(commandMenuLabel(id)) : help);
            action->setStatusTip(help);
            action->setEnabled(isCommandAvailable(id));
            connect(action, &QAction::triggered, this, [this, id] { run_(id); });
            connect(action, &QAction::hovered, this, [this, id] { emit hovered(id); });
            actions_[id] = action;
        }
    }
}

QAction* qtCommandMenus::action(int commandId) const
{
    auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void qtCommandMenus::updateShortcutTexts()
{
    const KeyBindings* bindings = keys_ ? keys_() : nullptr;
    for (auto& [id, action] : actions_)
        action->setText(entryText(id, bindings ? keyBindingText(*bindings, id) : QString()));
}

void qtCommandMenus::updateCheckMarks()
{
    if (!states_)
        return;
    for (auto& [id, action] : actions_) {
        // Asked each time: a switch whose state cannot be read yet (no scene) gets its mark later.
        const std::optional<bool> on = states_(id);
        action->setCheckable(on.has_value());
        action->setChecked(on.value_or(false));
    }
}
