#include "Scene/Commands/CommandRoutes.h"

#include <algorithm>
#include <array>

CommandHandler findRoute(std::span<const CommandRoute> routes, int id)
{
    auto it = std::ranges::find_if(routes, [id](const CommandRoute& r) { return r.first <= id && id <= r.last; });
    return it == routes.end() ? nullptr : it->handler;
}

int findValue(std::span<const CommandValue> values, int id)
{
    auto it = std::ranges::find(values, id, &CommandValue::id);
    return it == values.end() ? -1 : it->value;
}

std::span<const std::span<const CommandRoute>> handlerTables()
{
    static const std::array<std::span<const CommandRoute>, 6> tables = {
        toggleRoutes(), commandRoutes(), selectionRoutes(), toolRoutes(), displayRoutes(), applicationRoutes(),
    };
    return tables;
}

CommandHandler commandHandler(int id)
{
    for (std::span<const CommandRoute> table : handlerTables())
        if (CommandHandler h = findRoute(table, id))
            return h;
    return nullptr;
}

CommandHandler releaseAction(int id) { return findRoute(releaseRoutes(), id); }

CommandHandler tapReleaseAction(int id) { return findRoute(tapReleaseRoutes(), id); }
