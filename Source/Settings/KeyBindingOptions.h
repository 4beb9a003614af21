#pragma once
// The key binding table as options of the Keyboard Settings group, the form
// in which the preferences file keeps it. One string option per binding, in
// table order: the name is the bound command's name, the value the key code
// and the modifier code as two decimal integers ("90 1" for Ctrl+Z). A
// command bound more than once gets the names "Redo", "Redo #2", "Redo #3",
// ..., since a load sets an option of a name it already has instead of
// appending a second one. Strings rather than points because a float cannot
// hold every toolkit key code (0x01000001 and up need 25 bits).
#include "Settings/OptionGroup.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

struct KeyBindingTriple {
    int key;       // the toolkit's key code
    int modifiers; // modifier code, 0 to 6 or 8
    int command;   // command id
    bool operator==(const KeyBindingTriple&) const = default;
};

// The command table's lookups, passed in so that settings need not know the
// command table: the name of an id ("" when it has none), and the id of a
// name (-1 when no command has it).
using CommandNameLookup = std::function<std::string_view(int commandId)>;
using CommandIdLookup = std::function<int(std::string_view name)>;

// Empties `outGroup` and fills it with one option per binding, in order. A
// command without a name is written under its id in decimal.
void storeKeyBindings(std::span<const KeyBindingTriple> bindings, OptionGroup& outGroup,
                      const CommandNameLookup& commandName);

// The bindings of `group`, in option order. A name is resolved after its
// " #n" suffix is dropped, through `commandId` and, failing that, as a
// decimal id. Options that are not strings, whose value is not two integers
// or whose name resolves to no command are skipped.
std::vector<KeyBindingTriple> keyBindingsFromGroup(const OptionGroup& group, const CommandIdLookup& commandId);
