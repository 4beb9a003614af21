#pragma once
// One row of the command table: the name, help text, menu label, handler,
// release behaviour, properties and refusal sentences of one command id.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "Scene/Commands/CommandRefusals.h"

// The handler of modes 0 and 1. Each names a function of one of the
// Dispatch*.cpp files, which map it to that function.
enum class Route : uint8_t {
    None, // no handler: the command does nothing
    FlipSetting, FlipLiveUnwrapping, ToggleSnapping, NoSnapping, ToggleSoftSelection, Repeat, CopySelection, Paste,
    DeleteSelection, EditTopology, ChangeSubdivision, EditUVs, GenerateMap, CreateObjects, RecreateUVs, SetShading,
    ShowWireframe, HideWireframe, ShowNormals, HideNormals, ShowTextures, HideTextures, Undo, Redo, UndoSelection,
    RedoSelection, RunSelectionOperation, SetMode, Convert, SetStyle, ClickSelect, Tweak, SelectViewportImage,
    StartValueTool, StartTool, ChooseManipulator, Constrain, ConstrainToScreen, OrientOnce, OrientAutomatically,
    RunToolOperation, NudgeBrush, SetView, SetLayout, SetButtonPage, RunDisplayOperation, CycleShadingForward,
    CycleShadingReverse, StartPan, StartZoom, StartRotate, ShowOptions, ShowEditor, ShowCreationProperties,
    ShowToolProperties, ShowCreateProperties, FileCommand, ShowHelp, ShowContextMenu, ShowAbout, RefreshManager,
};

// What releasing the key does, after a hold or drag (mode 3) or a tap (mode 4).
enum class Release : uint8_t {
    None,
    EndConstraintDrag, DropTool, CompleteDrawing, RestoreManipulator, UnsubdivideAgain, SubdivideAgain, RunAgain,
    ExecuteAgain, SnappingOff, KeepTool,
};

enum CommandFlag : uint8_t {
    NotRepeatable = 1 << 0,    // not remembered for "Repeat" (ids above 306 never are)
    RefusedInUVSpace = 1 << 1, // would break the face-for-face match of a UV proxy
    Creation = 1 << 2,         // adds objects to the scene
    RecreatesUVs = 1 << 3,     // brings the UV views on screen before it runs
    NotYetAvailable = 1 << 4,  // its work is not built yet: it says so and does nothing
};

struct CommandRow {
    int id = 0;
    std::string_view name = {};  // "" for the internal actions, which cannot be bound
    std::string_view help = {};  // one sentence; "" where there is none
    std::string_view label = {}; // the menu's label where it differs from the name
    Route route = Route::None;
    Release release = Release::None;    // mode 3
    Release tapRelease = Release::None; // mode 4
    uint8_t flags = 0;                  // CommandFlag bits
    int hold = -1;                      // the command a held key runs next (mode 2)
    int optionGroup = -1;               // value tools: the group a visible options window switches to
    // Refusal sentences, in the order their reasons are checked.
    std::array<std::string_view, 5> refusals{};
};

constexpr bool isSortedById(std::span<const CommandRow> rows)
{
    return std::ranges::adjacent_find(rows, [](const CommandRow& a, const CommandRow& b) { return a.id >= b.id; }) ==
           rows.end();
}

// Every row, sorted by id.
std::span<const CommandRow> commandRows();
// The row of `id`, or null when the table has none.
const CommandRow* findCommandRow(int id);
