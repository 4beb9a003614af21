// Menu labels, the name lookup and the properties derived from command ids.
#include "Scene/Commands/CommandTable.h"

namespace {

// Labels used in menus where they differ from the name; every other id's menu
// shows its name.
constexpr CommandText menuLabels[] = {
    {17, "Faces"},
    {18, "Edges"},
    {19, "Vertices"},
    {21, "Walkthrough Mode"},
    {22, "Manipulator Edit Mode"},
    {32, "Vertex"},
    {33, "Edge"},
    {34, "Face"},
    {35, "Object"},
    {38, "No Snapping"},
    {42, "Lasso"},
    {52, "Universal"},
    {53, "Move"},
    {54, "Rotate"},
    {55, "Scale"},
    {77, "To World"},
    {79, "To Normal Vector"},
    {96, "Open Scene..."},
    {98, "Save Scene As..."},
    {99, "Load Into Scene..."},
    {101, "Save Selected Objects..."},
    {121, "Enable Repositioning"},
    {123, "Show Manipulator"},
    {128, "Save Screenshot..."},
    {131, "Show Work Grids"},
    {132, "Show Buttons"},
    {148, "Surface"},
    {149, "Show Viewport Images"},
    {160, "Soft Selection"},
    {184, "Component"},
    {185, "Paint"},
    {186, "Area"},
    {195, "Use Scene Lights"},
    {196, "Show Lights"},
    {198, "To World"},
    {199, "To Object"},
    {200, "To Normal Vector"},
    {201, "Auto Orienting Off"},
    {202, "Standard"},
    {203, "To Object"},
    {237, "Save All Settings..."},
    {238, "Load All Settings..."},
    {246, "Multi"},
    {247, "Grid"},
    {248, "Using XYZ Coords"},
    {262, "Live UV Unwrapping"},
    {265, "None"},
    {276, "Per Face"},
    {277, "Using Planar Regions"},
    {278, "Using LSCM Unwrapping"},
    {279, "Using Neighbors"},
    {297, "Faces With Same Material"},
    {298, "Creased Edges"},
    {299, "UV Seams"},
    {302, "Show UV Seams"},
    {304, "Snap"},
    {100008, "About..."},
};
static_assert(isSortedById(menuLabels));

// An inclusive range of ids.
struct IdRange {
    int first;
    int last;
};

bool inRanges(std::span<const IdRange> ranges, int id)
{
    return std::ranges::any_of(ranges, [id](const IdRange& r) { return r.first <= id && id <= r.last; });
}

bool contains(std::span<const int> ids, int id) { return std::ranges::find(ids, id) != ids.end(); }

// Searched in this order: the ordinary commands, then the gesture commands.
// 306 to 308 and the user-interface ids lie outside on purpose: they cannot be
// bound by name.
constexpr IdRange nameSearchRanges[] = {{0, 305}, {9000, 9016}};

constexpr IdRange viewCommands[] = {{9011, 9014}};

constexpr IdRange repeatableRange = {0, 306};
// Undo, redo, "No Function" and "Repeat" itself, so that "Repeat" after an
// undo repeats the edit before it.
constexpr int notRepeatable[] = {68, 69, CommandId::NoFunction, 181};

constexpr IdRange creationCommands[] = {{2, 2}, {102, 112}, {192, 192}};

// Besides the creation commands: the topology edits, which would break the
// face-for-face match between a UV proxy and its source object.
constexpr int refusedInUVSpace[] = {3,   37,  39,  41,  44,  45,  46,  47,  48,  50,  59,  60,  61,  62,
                                    66,  67,  71,  72,  88,  143, 178, 231, 239, 245, 275, 100117};

constexpr int uvRecreationCommands[] = {248, 276, 277, 278};

struct IdPair {
    int id;
    int other;
};

constexpr IdPair holdCommands[] = {
    {108, 164}, // "Cube" -> "Cube Options"
    {105, 166}, // "Sphere" -> "Sphere Options"
};

constexpr IdPair valueToolOptionGroups[] = {
    {37, 218},  // "Extrude"
    {39, 140},  // "Bevel"
    {66, 142},  // "Shell"
    {205, 263}, // "Local Move"
    {215, 141}, // "Inset Scale"
    {216, 264}, // "Local Scale"
    {242, 139}, // "Slide"
};

int findOther(std::span<const IdPair> pairs, int id)
{
    auto it = std::ranges::find(pairs, id, &IdPair::id);
    return it == pairs.end() ? CommandId::None : it->other;
}

} // namespace

std::string_view findCommandText(std::span<const CommandText> table, int id)
{
    auto it = std::ranges::lower_bound(table, id, {}, &CommandText::id);
    return it != table.end() && it->id == id ? it->text : std::string_view("");
}

std::string_view commandMenuLabel(int id)
{
    std::string_view label = findCommandText(menuLabels, id);
    return label.empty() ? commandName(id) : label;
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

bool isViewCommand(int id) { return inRanges(viewCommands, id); }

bool isRepeatableCommand(int id)
{
    return repeatableRange.first <= id && id <= repeatableRange.last && !contains(notRepeatable, id);
}

bool isCreationCommand(int id) { return inRanges(creationCommands, id); }

bool isRefusedInUVSpace(int id) { return isCreationCommand(id) || contains(refusedInUVSpace, id); }

bool isUVRecreationCommand(int id) { return contains(uvRecreationCommands, id); }

bool isCustomPrimitiveCommand(int id)
{
    return CommandId::FirstCustomPrimitive <= id && id <= CommandId::LastCustomPrimitive;
}

int holdCommand(int id) { return findOther(holdCommands, id); }

int valueToolOptionGroup(int id) { return findOther(valueToolOptionGroups, id); }
