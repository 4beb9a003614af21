#include "Batch/BatchScript.h"

#include <charconv>
#include <span>
#include <sstream>

#include "Batch/BatchKeys.h"
#include "Tools/Paint/DisplacementTool.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/SceneDisplayManager.h"

namespace {

std::string_view trimmed(std::string_view s)
{
    constexpr std::string_view space = " \t\r\n";
    size_t first = s.find_first_not_of(space);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

bool parseInt(std::string_view s, int& out)
{
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), out);
    return error == std::errc() && end == s.data() + s.size() && !s.empty();
}

bool parseFloat(std::string_view s, float& out)
{
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), out);
    return error == std::errc() && end == s.data() + s.size() && !s.empty();
}

// Splits at white space; a word that starts with a double quote runs to the
// next double quote and may hold spaces. False for an unclosed quote.
bool splitWords(std::string_view s, std::vector<std::string>& outWords, std::vector<bool>& outQuoted)
{
    size_t i = 0;
    while (true) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i == s.size())
            return true;
        if (s[i] == '"') {
            size_t close = s.find('"', i + 1);
            if (close == std::string_view::npos)
                return false;
            outWords.emplace_back(s.substr(i + 1, close - i - 1));
            outQuoted.push_back(true);
            i = close + 1;
            if (i < s.size() && s[i] != ' ' && s[i] != '\t')
                return false;
        } else {
            size_t end = s.find_first_of(" \t", i);
            if (end == std::string_view::npos)
                end = s.size();
            outWords.emplace_back(s.substr(i, end - i));
            outQuoted.push_back(false);
            i = end;
        }
    }
}

// "NAME" or "NAME: ARGUMENT"; the argument is trimmed.
void splitArgument(std::string_view s, std::string_view& outHead, std::string& outArgument)
{
    size_t colon = s.find(':');
    outHead = trimmed(s.substr(0, colon));
    outArgument = colon == std::string_view::npos ? std::string() : std::string(trimmed(s.substr(colon + 1)));
}

bool startsWithWord(std::string_view s, std::string_view word)
{
    return s.size() > word.size() && s.substr(0, word.size()) == word &&
           (s[word.size()] == ' ' || s[word.size()] == '\t');
}

bool parseRun(std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::string_view id;
    splitArgument(rest, id, outLine.argument);
    if (!parseInt(id, outLine.commandId)) {
        outError = "run needs a command number, not \"" + std::string(id) + "\"";
        return false;
    }
    outLine.kind = BatchLine::Command;
    return true;
}

bool parseSet(std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    if (!splitWords(rest, words, quoted)) {
        outError = "unclosed or misplaced quote";
        return false;
    }
    if (words.size() < 3 || quoted[0] || !parseInt(words[0], outLine.groupId) || !quoted[1]) {
        outError = "set needs a group number, a quoted option name and a value";
        return false;
    }
    outLine.kind = BatchLine::Set;
    outLine.optionName = words[1];
    outLine.values.assign(words.begin() + 2, words.end());
    return true;
}

// Words of "select" and the numbers they stand for.
struct SelectWord {
    std::string_view word;
    int value;
};
constexpr SelectWord selectOperations[] = {{"new", 1}, {"add", 2}, {"subtract", 3}, {"toggle", 4}};
constexpr SelectWord selectKinds[] = {{"vertex", 0}, {"edge", 1}, {"face", 2}, {"object", 4}};
constexpr int objectKind = 4;

bool findWord(std::span<const SelectWord> words, std::string_view word, int& outValue)
{
    for (const SelectWord& w : words)
        if (w.word == word) {
            outValue = w.value;
            return true;
        }
    return false;
}

bool parseSelect(std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    splitWords(rest, words, quoted);
    size_t next = 0;
    if (next < words.size() && findWord(selectOperations, words[next], outLine.operation))
        ++next;
    bool ok = next < words.size() && findWord(selectKinds, words[next], outLine.selectMode);
    ++next;
    std::vector<int> numbers;
    for (; ok && next < words.size(); ++next) {
        int n = 0;
        ok = parseInt(words[next], n) && n >= 0;
        numbers.push_back(n);
    }
    const size_t needed = outLine.selectMode == objectKind ? 1 : 2;
    if (!ok || numbers.size() < needed) {
        outError = "select needs [new|add|subtract|toggle], a kind (vertex, edge, face or object), "
                   "an object number and element numbers";
        return false;
    }
    outLine.kind = BatchLine::Select;
    if (outLine.selectMode == objectKind) {
        outLine.positions = numbers;
    } else {
        outLine.object = numbers[0];
        outLine.positions.assign(numbers.begin() + 1, numbers.end());
    }
    return true;
}

constexpr int defaultViewportWidth = 800;
constexpr int defaultViewportHeight = 600;

// Lines of whole numbers: the word, what it makes, and how many numbers.
struct NumberLine {
    std::string_view word;
    BatchLine::Kind kind;
    int mouseEvent;
    size_t fewest, most;
    std::string_view usage;
};
constexpr NumberLine numberLines[] = {
    {"viewport", BatchLine::Viewport, 0, 2, 2, "viewport needs a width and a height"},
    {"press", BatchLine::Mouse, BatchLine::Press, 2, 4, "press needs PX PY [BUTTON [MODS]]"},
    {"drag", BatchLine::Mouse, BatchLine::Drag, 2, 2, "drag needs PX PY"},
    {"release", BatchLine::Mouse, BatchLine::Release, 2, 2, "release needs PX PY"},
    {"hover", BatchLine::Mouse, BatchLine::Hover, 2, 2, "hover needs PX PY"},
    {"wheel", BatchLine::Wheel, 0, 1, 1, "wheel needs a number of steps"},
};

bool parseNumbers(const NumberLine& form, std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    bool ok = splitWords(rest, words, quoted) && words.size() >= form.fewest && words.size() <= form.most;
    for (size_t i = 0; ok && i < words.size(); ++i) {
        int n = 0;
        ok = parseInt(words[i], n);
        outLine.numbers.push_back(n);
    }
    if (form.kind == BatchLine::Viewport)
        ok = ok && outLine.numbers[0] > 0 && outLine.numbers[1] > 0;
    if (!ok) {
        outError = std::string(form.usage);
        return false;
    }
    outLine.kind = form.kind;
    outLine.mouseEvent = form.mouseEvent;
    return true;
}

bool parseProject(std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    bool ok = splitWords(rest, words, quoted) && words.size() == 3;
    for (size_t i = 0; ok && i < 3; ++i)
        ok = parseFloat(words[i], outLine.point[i]);
    if (!ok) {
        outError = "project needs X Y Z";
        return false;
    }
    outLine.kind = BatchLine::Project;
    return true;
}

bool parseBrush(std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    int operation = -1;
    bool ok = splitWords(rest, words, quoted) && words.size() == 3 && parseInt(words[0], operation) &&
              operation >= 0 && operation < brushOperationCount;
    for (size_t i = 1; ok && i < 3; ++i)
        ok = parseFloat(words[i], outLine.point[i]) && outLine.point[i] > 0;
    if (!ok) {
        outError = "brush needs an operation 0 to 5, a radius and a strength above 0";
        return false;
    }
    outLine.point[0] = static_cast<float>(operation);
    outLine.kind = BatchLine::Brush;
    return true;
}

bool parseKey(std::string_view rest, BatchLine& outLine, std::string& outError)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    int modifiers = 0;
    if (!splitWords(rest, words, quoted) || words.empty() || words.size() > 2 ||
        (words.size() == 2 && !parseInt(words[1], modifiers))) {
        outError = "key needs a key name and perhaps a modifier code";
        return false;
    }
    const int code = batchKeyCode(words[0]);
    if (code < 0) {
        outError = "unknown key \"" + words[0] + "\"";
        return false;
    }
    outLine.kind = BatchLine::Key;
    outLine.numbers = {code, modifiers};
    return true;
}

} // namespace

bool parseBatchLine(std::string_view line, BatchLine& outLine, std::string& outError)
{
    outLine = BatchLine();
    std::string_view s = trimmed(line);
    if (s.empty() || s[0] == '#')
        return true;
    if (s == "info") {
        outLine.kind = BatchLine::Info;
        return true;
    }
    if (s == "selection") {
        outLine.kind = BatchLine::Selection;
        return true;
    }
    if (s == "view") {
        outLine.kind = BatchLine::View;
        return true;
    }
    for (const NumberLine& form : numberLines)
        if (startsWithWord(s, form.word))
            return parseNumbers(form, s.substr(form.word.size()), outLine, outError);
    if (startsWithWord(s, "project"))
        return parseProject(s.substr(7), outLine, outError);
    if (startsWithWord(s, "key"))
        return parseKey(s.substr(3), outLine, outError);
    if (startsWithWord(s, "brush"))
        return parseBrush(s.substr(5), outLine, outError);
    if (s == "tool") {
        outLine.kind = BatchLine::Tools;
        return true;
    }
    if (startsWithWord(s, "run"))
        return parseRun(s.substr(3), outLine, outError);
    if (startsWithWord(s, "set"))
        return parseSet(s.substr(3), outLine, outError);
    if (startsWithWord(s, "select"))
        return parseSelect(s.substr(6), outLine, outError);

    std::string_view name;
    splitArgument(s, name, outLine.argument);
    outLine.commandId = commandIdByName(name);
    if (outLine.commandId == CommandId::None) {
        outError = "unknown command \"" + std::string(name) + "\"";
        return false;
    }
    outLine.kind = BatchLine::Command;
    return true;
}

BatchRunner::BatchRunner(Scene& scene, std::ostream& out, std::ostream& errors)
    : scene_(scene), out_(out), errors_(errors)
{
    // A scene that was never shown gets the usual drawing area.
    if (scene_.displayManager->viewportHeight <= 0)
        scene_.resize(defaultViewportWidth, defaultViewportHeight);
    height_ = scene_.displayManager->viewportHeight;
}

int BatchRunner::run(std::istream& script)
{
    std::string text;
    for (int number = 1; std::getline(script, text); ++number) {
        BatchLine line;
        std::string error;
        if (!parseBatchLine(text, line, error) || !runLine(line, error)) {
            out_.flush();
            errors_ << "line " << number << ": " << error << '\n';
            return 1;
        }
    }
    return 0;
}

bool BatchRunner::runLine(const BatchLine& line, std::string& outError)
{
    switch (line.kind) {
    case BatchLine::Command:
        scene_.executeCommand(line.commandId, line.argument, SceneManager::ModeDirect, 0, 0);
        return true;
    case BatchLine::Set:
        return setOption(line, outError);
    case BatchLine::Info:
        printObjects();
        return true;
    case BatchLine::Selection:
        printSelection();
        return true;
    case BatchLine::Tools:
        out_ << "tool " << scene_.toolManager->activeToolNames() << '\n';
        return true;
    case BatchLine::Select:
        return select(line, outError);
    case BatchLine::Viewport:
        scene_.resize(line.numbers[0], line.numbers[1]);
        height_ = line.numbers[1];
        return true;
    case BatchLine::Project:
        project(line.point);
        return true;
    case BatchLine::Mouse:
        mouse(line);
        return true;
    case BatchLine::Wheel:
        wheel(line.numbers[0]);
        return true;
    case BatchLine::Key:
        key(line.numbers[0], line.numbers[1]);
        return true;
    case BatchLine::View:
        printView();
        return true;
    case BatchLine::Brush:
        setBrush(line.point);
        return true;
    case BatchLine::Skip:
        return true;
    }
    return true;
}

void BatchRunner::setBrush(const float values[3])
{
    DisplacementTool& paint = scene_.toolManager->displacementTool();
    Brush& b = paint.brushes.current();
    b.operation = static_cast<BrushOperation>(static_cast<int>(values[0]));
    b.setWorldRadius(values[1]);
    b.strength = values[2];
    paint.brushesChanged();
}

bool BatchRunner::setOption(const BatchLine& line, std::string& outError)
{
    SettingsRegistry& registry = scene_.applicationManager->registry;
    const OptionItem* option = registry.findOption(line.groupId, line.optionName);
    if (!option) {
        outError = "no option \"" + line.optionName + "\" in group " + std::to_string(line.groupId);
        return false;
    }
    const std::vector<std::string>& v = line.values;
    const int group = line.groupId;
    const std::string& name = line.optionName;
    int i = 0;
    float f[3] = {};
    bool set = false;
    switch (option->baseType()) {
    case OptionType::Int:
        set = v.size() == 1 && parseInt(v[0], i) && registry.setInt(group, name, i);
        break;
    case OptionType::Float:
        set = v.size() == 1 && parseFloat(v[0], f[0]) && registry.setFloat(group, name, f[0]);
        break;
    case OptionType::Bool:
        set = v.size() == 1 && (v[0] == "0" || v[0] == "1") && registry.setBool(group, name, v[0] == "1");
        break;
    case OptionType::Choice:
        set = v.size() == 1 && parseInt(v[0], i) && i >= 0 &&
              (option->choices().empty() || i < static_cast<int>(option->choices().size())) &&
              registry.setChoice(group, name, i);
        break;
    case OptionType::String:
    case OptionType::FilePath:
        set = v.size() == 1 && registry.setString(group, name, v[0]);
        break;
    case OptionType::Colour:
    case OptionType::Point:
        set = v.size() == 3 && parseFloat(v[0], f[0]) && parseFloat(v[1], f[1]) && parseFloat(v[2], f[2]) &&
              (option->baseType() == OptionType::Colour ? registry.setColour(group, name, f[0], f[1], f[2])
                                                        : registry.setPoint(group, name, f[0], f[1], f[2]));
        break;
    case OptionType::Command:
        break;
    }
    if (!set)
        outError = "value does not suit option \"" + name + "\" of group " + std::to_string(group);
    return set;
}

bool BatchRunner::select(const BatchLine& line, std::string& outError)
{
    // Recorded first, as a click is, so that "Undo Selection" takes it back.
    scene_.commandManager->recordSelection();
    SceneSelectionManager& selection = *scene_.selectionManager;
    bool selected = true;
    if (line.selectMode == objectKind) {
        int operation = line.operation;
        for (int object : line.positions) {
            selected = selected && selection.selectElements(objectKind, object, {}, operation);
            // Further objects join the first one's selection.
            if (operation == SceneSelectionManager::ClickNew)
                operation = SceneSelectionManager::ClickAdd;
        }
    } else {
        selected = selection.selectElements(line.selectMode, line.object, line.positions, line.operation);
    }
    scene_.applicationManager->updatePass();
    if (!selected)
        outError = "no such object or element to select";
    return selected;
}

void BatchRunner::printObjects()
{
    const List<Shape*>& objects = scene_.objectManager->objects;
    for (int index = 0; index < objects.count(); ++index) {
        Shape* o = objects[index];
        const InnerShape* level = o->currentLevelMesh();
        out_ << "object " << index << " \"" << o->name << "\" kind=" << o->shapeKind()
             << " v=" << o->vertices.count() << " e=" << o->edges.count() << " f=" << o->faces.count()
             << " level=" << o->currentLevel() << " levels=" << o->levelStack.levelCount()
             << " lv=" << level->vertices.count() << " le=" << level->edges.count()
             << " lf=" << level->faces.count() << " selected=" << (o->isSelected() ? 1 : 0)
             << " hidden=" << (o->isHidden() ? 1 : 0) << " shading=" << o->shadingMode()
             << " wire=" << ((o->displayFlags & InnerShape::WireOnShaded) ? 1 : 0) << '\n';
    }
}

namespace {

template <class Element>
int countSelected(const List<Element*>& elements)
{
    int n = 0;
    for (const Element* e : elements)
        n += e->isSelected() ? 1 : 0;
    return n;
}

} // namespace

void BatchRunner::printSelection()
{
    // The flags are the truth; the counts cover the control meshes of every object.
    int objects = 0, vertices = 0, edges = 0, faces = 0;
    for (const Shape* o : scene_.objectManager->objects) {
        objects += o->isSelected() ? 1 : 0;
        vertices += countSelected(o->vertices);
        edges += countSelected(o->edges);
        faces += countSelected(o->faces);
    }
    out_ << "selection mode=" << scene_.selectionManager->mode << " objects=" << objects << " vertices=" << vertices
         << " edges=" << edges << " faces=" << faces << '\n';
}
