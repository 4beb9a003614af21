#pragma once
// SKELETON: every value tool, the orient tool and the multi-manipulator,
// built once with the tool manager; the value-tools branch fills it in.
class ManipulatorFrame;
class Tool;

struct ValueToolSet {
    explicit ValueToolSet(ManipulatorFrame& frame);
    ~ValueToolSet();
    // The tool that command `commandId` starts; null for other commands.
    Tool* forCommand(int commandId);
};
