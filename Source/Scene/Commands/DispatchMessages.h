#pragma once
// The sentences a command shows when it refuses to run: one table keyed by
// command id, with a variant number for commands that can refuse for more
// than one reason (in the order the reasons are checked).
#include <string_view>

// The message of every command refused while the scene is in UV space.
inline constexpr std::string_view uvSpaceRefusal = "You cannot perform that operation in UV space";
// "Delete" in UV space.
inline constexpr std::string_view uvDeleteRefusal = "UV components cannot be deleted.";

// The refusal of `commandId`, variant `variant` (0 first); "" when it has none.
std::string_view refusalMessage(int commandId, int variant = 0);
