#pragma once
// The lookups of the command table (CommandRows.cpp): the name, help text and
// menu label of every command id, and the properties the dispatch reads from
// an id alone. Menus, button and key editors, the preferences file and the
// help window all use them.
#include <span>
#include <string>
#include <string_view>

#include "Settings/CommandIds.h"


// The three lookups. Each returns a view of a static, null-terminated string
// that lives as long as the program, and "" for an id the table does not know.
std::string_view commandName(int id);
// One-sentence help for the context help window and tool tips; "" for the ids
// that have none.
std::string_view commandHelp(int id);
// The menu's shorter label where there is one, otherwise the name.
std::string_view commandMenuLabel(int id);

// The id whose name equals `name` exactly (case-sensitive), searching ids 0 to
// 305 and then 9000 to 9016; -1 when none does. Ids outside those ranges (306
// to 308, the user-interface ids) are deliberately unreachable by name.
int commandIdByName(std::string_view name);

// Every id that has a name, in increasing order.
std::span<const int> allCommandIds();

// Whether the command does what its name says in this build. Menus show
// the others disabled, and the dispatch answers them with
// `notAvailableMessage`. Ids the table does not know count as available.
bool isCommandAvailable(int id);
// "NAME is not available yet."
std::string notAvailableMessage(int id);

// Derived properties.
// "Pan View", "Zoom View", "Rotate View", "Ostra-Style View Manipulation".
bool isViewCommand(int id);
// The dispatch remembers the command for "Repeat".
bool isRepeatableCommand(int id);
// Commands that add objects to the scene.
bool isCreationCommand(int id);
// The dispatch refuses the command while the scene is in UV space.
bool isRefusedInUVSpace(int id);
// The dispatch brings the UV views on screen before running the command.
bool isUVRecreationCommand(int id);
// Ids the window maps to a scene file that is loaded into the scene.
bool isCustomPrimitiveCommand(int id);
// The command a held key runs after `id` (a primitive's options), or -1.
int holdCommand(int id);
// The option group a value tool shows in a visible tool-options window when it
// starts, or -1 for an id that is not a value tool.
int valueToolOptionGroup(int id);
