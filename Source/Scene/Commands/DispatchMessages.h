#pragma once
// The refusal sentences of the command rows, by command.
#include <string_view>

#include "Scene/Commands/CommandRefusals.h"

// The refusal of `commandId`, variant `variant` (0 first, in the order the
// reasons are checked); "" when it has none.
std::string_view refusalMessage(int commandId, int variant = 0);
