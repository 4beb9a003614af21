#pragma once
// Which commands each menu of the menu bar lists, in order. Labels, help and
// availability come from the command table; only membership lives here.
// Toolkit-free data, so that the menus can be checked without building them.
#include <span>

#include "Settings/CommandIds.h"

// An entry that is not a command: a separator line.
inline constexpr int MenuSeparator = CommandId::None;
// Where the File menu shows the recent files.
inline constexpr int RecentFilesEntry = CommandId::FirstRecentFile;
// The submenu of the option groups' windows, which has no command of its own.
inline constexpr int OptionsSubmenu = -2;

// One menu: its title is `title` when given, otherwise the command table's
// menu label of `titleId`. An entry that is itself the title id of a menu in
// `submenuLayouts` opens that submenu.
struct MenuLayout {
    int titleId;
    std::span<const int> entries;
    const char* title = nullptr;
};

// The menu bar's menus, "File" to "Help", in order.
std::span<const MenuLayout> menuBarLayout();
// The submenus the menus open ("Viewport Layout", "Boolean", ...).
std::span<const MenuLayout> submenuLayouts();
// The submenu titled `titleId`; null when `titleId` names none.
const MenuLayout* findSubmenu(int titleId);
