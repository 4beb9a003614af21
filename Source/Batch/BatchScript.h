#pragma once
// tavo-batch scripts: one instruction a line, run against a scene.
//   Command Name               runs the command of that name in mode 0
//   Command Name: argument     the same with an argument (a file path)
//   run ID / run ID: argument  a command by number
//   set GROUPID "Option Name" VALUE...   sets an option
//   info                       one line per object
//   selection                  one line on the selection
//   tool                       the active tools in list order: "tool NAME..."
//   select [OPERATION] KIND OBJECT INDEX...   selects as a click on those elements:
//                              KIND vertex, edge or face, OBJECT the object's
//                              position in the scene, INDEX positions in its
//                              list of that kind; "select object N..." takes
//                              object positions. OPERATION new (default), add,
//                              subtract or toggle
//   viewport W H               the drawing area's size in pixels (800 600 at start)
//   project X Y Z              prints "pixel PX PY": where the world point
//                              shows in the active viewport
//   press PX PY [BUTTON [MODS]]   a mouse press (button and modifier codes, 0 0 by default)
//   drag PX PY / release PX PY / hover PX PY   mouse moves and the release
//   wheel STEPS                wheel steps at the last mouse position, up when positive
//   key NAME [MODS]            a key tapped, by its toolkit name (A, 7, F5,
//                              Delete, Return, Escape, Space, Left, Plus, ...)
//   view                       one line on the layout and the active camera
//   brush OPERATION RADIUS STRENGTH   the active painting brush: its operation
//                              (0 Push/Pull, 1 Smooth/Noise, 2 Pinch/Inflate,
//                              3 Flatten, 4 Smudge, 5 Move), a world radius and
//                              its strength; strokes are "Paint Displacement"
//                              then press, drag and release lines
// Pixel positions are the toolkit's: origin top-left, y downward.
// Lines are trimmed; blank lines and lines starting with "#" are skipped.
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Settings/CommandIds.h"

class Scene;

struct BatchLine {
    enum Kind { Skip, Command, Set, Info, Selection, Select, Viewport, Project, Mouse, Wheel, Key, View, Tools, Brush };
    // Which mouse event a Mouse line is.
    enum MouseEvent { Press, Drag, Release, Hover };

    Kind kind = Skip;
    int commandId = CommandId::None; // Command
    std::string argument;            // Command; empty when none was given
    int groupId = 0;                 // Set
    std::string optionName;          // Set
    std::vector<std::string> values; // Set: the value words, quotes removed
    int selectMode = 0;              // Select: the selection mode of KIND (0 vertex, 1 edge, 2 face, 4 object)
    int operation = 1;               // Select: click operation, 1 new, 2 add, 3 subtract, 4 toggle
    int object = 0;                  // Select: object position (component kinds)
    std::vector<int> positions;      // Select: element positions, or object positions for "object"
    int mouseEvent = Press;          // Mouse: a MouseEvent
    // Viewport: width, height; Mouse: x, y, button, modifiers; Wheel: steps;
    // Key: key code, modifiers.
    std::vector<int> numbers;
    float point[3] = {};             // Project; Brush: operation, radius, strength
};

// Parses one script line (untrimmed). False, with a message in outError,
// for an unknown command name or a malformed line.
bool parseBatchLine(std::string_view line, BatchLine& outLine, std::string& outError);

class BatchRunner {
public:
    // out: what `info` and `selection` print; errors: where a failing line is reported.
    BatchRunner(Scene& scene, std::ostream& out, std::ostream& errors);

    // Runs the script's lines in order and stops at the first that fails,
    // reporting it with its line number (from 1). 0 when every line ran, else 1.
    int run(std::istream& script);
    // Runs one parsed line. False, with a message in outError, when a `set`
    // names no option of the registry or a value does not suit the option.
    bool runLine(const BatchLine& line, std::string& outError);

private:
    bool setOption(const BatchLine& line, std::string& outError);
    bool select(const BatchLine& line, std::string& outError);
    void printObjects();
    void printSelection();
    void printView();
    void setBrush(const float values[3]);
    void project(const float point[3]);
    void mouse(const BatchLine& line);
    void wheel(int steps);
    void key(int code, int modifiers);

    Scene& scene_;
    std::ostream& out_;
    std::ostream& errors_;
    int height_;            // of the drawing area: turns the toolkit's y into the scene's
    int lastX_ = 0;         // scene position of the last mouse line
    int lastY_ = 0;
};
