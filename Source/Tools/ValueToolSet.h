#pragma once
// Every value tool, the orient tool and the multi-manipulator, built once
// with the tool manager, and which command starts which.
#include "Mesh/List.h"
#include "Tools/ValueTools.h"

class ManipulatorFrame;
class Tool;

struct ValueToolSet {
    explicit ValueToolSet(ManipulatorFrame& frame);
    ~ValueToolSet();
    // The tool that command `commandId` starts; null for other commands.
    Tool* forCommand(int commandId);
    // The tool `commandId` starts now that `active` are running, set up for
    // that command: "Extrude" starts the local move tool after extruding,
    // "Split Loop" the slide tool after splitting, and "Local Move" while
    // the local move tool runs (not as an extrusion) switches to the
    // multi-manipulator. Null for
    // other commands.
    ValueManipulator* prepare(int commandId, const List<Tool*>& active);

    BevelManipulator bevel;
    InsetManipulator inset;
    ShellManipulator shell;
    NormalMoveManipulator localMove;
    NormalScaleManipulator localScale;
    SlideManipulator slide;
    LocalRotateManipulator localRotate;
    OrientManipulator orient;
    MultiManipulator multi;

private:
    struct Entry {
        int commandId;
        ValueManipulator* tool;
    };
    const Entry entries_[10];
};
