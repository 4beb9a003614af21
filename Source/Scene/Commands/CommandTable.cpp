// The lookups, each reading the row of its id.
#include "Scene/Commands/CommandTable.h"

#include <vector>

#include "Scene/Commands/CommandRow.h"
#include "Scene/Commands/DispatchMessages.h"

namespace {

bool hasFlag(int id, CommandFlag flag)
{
    const CommandRow* row = findCommandRow(id);
    return row && (row->flags & flag);
}

// Searched in this order: the ordinary commands, then the gesture commands.
// 306 to 308 and the user-interface ids lie outside on purpose: they cannot be
// bound by name.
struct IdRange {
    int first;
    int last;
};
constexpr IdRange nameSearchRanges[] = {{0, 305}, {9000, 9016}};

constexpr int lastRepeatable = 306;

constexpr int firstViewCommand = 9011; // "Pan View" to "Ostra-Style View Manipulation"
constexpr int lastViewCommand = 9014;

} // namespace

const CommandRow* findCommandRow(int id)
{
    std::span<const CommandRow> rows = commandRows();
    auto it = std::ranges::lower_bound(rows, id, {}, &CommandRow::id);
    return it != rows.end() && it->id == id ? &*it : nullptr;
}

std::string_view commandName(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row ? row->name : std::string_view();
}

std::string_view commandHelp(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row ? row->help : std::string_view();
}

std::string_view commandMenuLabel(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row && !row->label.empty() ? row->label : commandName(id);
}

std::string_view refusalMessage(int commandId, int variant)
{
    const CommandRow* row = findCommandRow(commandId);
    return row && variant >= 0 && variant < static_cast<int>(row->refusals.size()) ? row->refusals[variant]
                                                                                   : std::string_view();
}

int commandIdByName(std::string_view name)
{
    // Ids without a name look up as "", which must not make "" a match.
    if (name.empty())
        return CommandId::None;
    for (const IdRange& r : nameSearchRanges) {
        for (int id = r.first; id <= r.last; ++id) {
            if (commandName(id) == name)
                return id;
        }
    }
    return CommandId::None;
}

std::span<const int> allCommandIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> out;
        for (const CommandRow& row : commandRows())
            if (!row.name.empty())
                out.push_back(row.id);
        return out;
    }();
    return ids;
}

bool isCommandAvailable(int id) { return !hasFlag(id, NotYetAvailable); }

std::string notAvailableMessage(int id) { return std::string(commandName(id)) + " is not available yet."; }

bool isViewCommand(int id) { return firstViewCommand <= id && id <= lastViewCommand; }

bool isRepeatableCommand(int id) { return 0 <= id && id <= lastRepeatable && !hasFlag(id, NotRepeatable); }

bool isCreationCommand(int id) { return hasFlag(id, Creation); }

bool isRefusedInUVSpace(int id) { return hasFlag(id, RefusedInUVSpace); }

bool isUVRecreationCommand(int id) { return hasFlag(id, RecreatesUVs); }

bool isCustomPrimitiveCommand(int id)
{
    return CommandId::FirstCustomPrimitive <= id && id <= CommandId::LastCustomPrimitive;
}

int holdCommand(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row ? row->hold : CommandId::None;
}

int valueToolOptionGroup(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row ? row->optionGroup : CommandId::None;
}
