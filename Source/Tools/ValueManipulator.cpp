#include "Tools/ValueManipulator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/MeshEditSupport.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Undo/URinitTool.h"
#include "Scene/Undo/URmovePoints.h"
#include "Settings/LengthUnits.h"
#include "Settings/SettingsVariables.h"
#include "Tools/FrameDirections.h"
#include "Tools/ManipulatorFrame.h"

bool ValueManipulator::starting = false;

namespace {

// A press almost anywhere near the selection grabs the value.
constexpr float grabRadius = 4.0f;
constexpr float sphereRadius = 0.065f;

constexpr std::array<Handle, 1> table = {{{0, HandleShape::Sphere, 3, false, 0, sphereRadius}}};

// Sets a flag for the lifetime of the guard, restoring what it was.
struct FlagGuard {
    bool& flag;
    bool before;
    explicit FlagGuard(bool& f) : flag(f), before(f) { flag = true; }
    ~FlagGuard() { flag = before; }
};

} // namespace

ValueManipulator::ValueManipulator(ManipulatorFrame& target, int id)
    : Manipulator(target), label(commandName(id)), commandId(id)
{
    if (label.empty())
        label = "Value";
}

std::span<const Handle> ValueManipulator::handles() const { return table; }

Point3D ValueManipulator::handleCentre() const
{
    if (useCustomPosition)
        return position;
    const int n = std::min(frame->points.count(), static_cast<int>(startPositions.size()));
    if (n == 0)
        return frame->centre;
    Point3D travel(0, 0, 0);
    for (int i = 0; i < n; ++i)
        travel = travel + (*frame->points[i] - startPositions[i]);
    return frame->centre + travel * (1.0f / static_cast<float>(n));
}

int ValueManipulator::pickHandle(int x, int y, Camera*)
{
    if (!frame->hasTarget())
        return -1;
    const ViewProjection view = viewAt(x, y);
    measure(view);
    double cx, cy, depth;
    if (!view.project(handleCentre(), cx, cy, depth))
        return -1;
    return std::hypot(x - cx, y - cy) <= grabRadius * settingsVariables().manipulatorSize ? 0 : -1;
}

// --- starting ---

bool ValueManipulator::activate()
{
    if (!scene || !scene->toolManager)
        return false;
    bool ok;
    {
        FlagGuard guard(starting);
        ok = start();
    }
    if (!ok)
        return false;
    needsUndoRecord = true;
    activeHandle = 0;
    rememberSelection();
    beginTweak();
    redrawNeeded = true;
    return true;
}

void ValueManipulator::enterPoints(SelectedElements& selection, bool changesTopology, const Edit& edit,
                                   const std::function<void()>& beforeRefresh)
{
    SceneManagers& m = *scene;
    std::vector<std::unique_ptr<FrameDirections>> entered;
    // A default amount applied without a record of its own must be in the
    // geometry record: the points stand at it while the record compares,
    // and go back to value 0 before the frame takes them.
    const float preset = changesTopology && defaultRule() == DefaultRule::Always ? defaultAmount() : 0.0f;
    {
        UndoStep step(*m.commandManager);
        step.push(new URinitTool(*m.toolManager));
        for (ObjectSelection& s : selection.perObject()) {
            entered.push_back(std::make_unique<FrameDirections>(*frame, *s.object));
            if (!changesTopology) {
                edit(s, *entered.back());
                continue;
            }
            ProxyFollower follower(m, {s.object});
            auto* record = new URchangeShape(*s.object);
            edit(s, *entered.back());
            entered.back()->moveBy(preset);
            follower.beforeOwnerRecord(step);
            step.push(record);
            follower.afterOwnerRecord(step);
        }
    }
    // The selection lists are stale after a topology change; refreshing them
    // lets the other tools rebuild the frame, so the points go in after.
    if (beforeRefresh)
        beforeRefresh();
    if (changesTopology)
        finishEdit(m);
    frame->clear();
    for (auto& e : entered) {
        e->moveBy(-preset);
        e->commit();
    }
    settleFrame();
}

void ValueManipulator::settleFrame()
{
    frame->setWorldAxes();
    if (!frame->points.empty()) {
        Point3D low = *frame->points[0], high = low;
        for (const Vertex* v : frame->points) {
            low = Point3D(std::min(low.x, v->x), std::min(low.y, v->y), std::min(low.z, v->z));
            high = Point3D(std::max(high.x, v->x), std::max(high.y, v->y), std::max(high.z, v->z));
        }
        frame->centre = (low + high) * 0.5f;
    }
    frame->value = 0;
    startPositions.clear();
    for (const Vertex* v : frame->points)
        startPositions.emplace_back(*v);
    // Start positions are those of value 0 for the whole run: every step
    // sets the points from them by the full value.
    frame->captureStart();
    useCustomPosition = false;
}

void ValueManipulator::tell(std::string_view sentence) const
{
    if (scene && scene->applicationManager)
        say(*scene, sentence);
}

void ValueManipulator::refuse() const { tell(refusalMessage(commandId, 0)); }

int ValueManipulator::selectionMode() const
{
    return scene && scene->selectionManager ? scene->selectionManager->mode : SceneSelectionManager::ObjectMode;
}

SelectedElements ValueManipulator::selection() const { return editableSelection(*scene); }

ComponentLists ValueManipulator::componentsOf(const ObjectSelection& s)
{
    ComponentLists out;
    if (!s.whole) {
        out.vertices = s.vertices;
        out.edges = s.edges;
        out.faces = s.faces;
    }
    return out;
}

void ValueManipulator::applyDefaultAmount(bool asked)
{
    const DefaultRule rule = defaultRule();
    const float amount = defaultAmount();
    if (rule == DefaultRule::None || amount == 0 || (rule == DefaultRule::WhenAsked && !asked))
        return;
    if (rule != DefaultRule::Always && scene && scene->commandManager)
        scene->commandManager->pushUndo(frame->makeUndoRecord());
    applyValue(amount);
    frame->finish();
    redrawNeeded = true;
}

// --- the value ---

float ValueManipulator::value() const { return frame->value; }

void ValueManipulator::applyValue(float v) { frame->setValue(v); }

float ValueManipulator::valueFromPoints() const
{
    // Read along the longest travel, where rounding matters least; with a
    // negative list, the list whose line the point lies on wins.
    struct Reading {
        float value = 0, miss = 0;
        bool found = false;
    };
    auto read = [this](const std::vector<Point3D>& list) {
        Reading r;
        float longest = 0;
        const int n = std::min({frame->points.count(), static_cast<int>(list.size()),
                                static_cast<int>(startPositions.size())});
        for (int i = 0; i < n; ++i) {
            const Point3D travel = list[i] * frame->weights[i];
            const float length2 = travel.dot(travel);
            if (length2 <= longest)
                continue;
            longest = length2;
            const Point3D moved = *frame->points[i] - startPositions[i];
            r.value = moved.dot(travel) / length2;
            r.miss = (moved - travel * r.value).length();
            r.found = true;
        }
        return r;
    };
    const Reading positive = read(frame->directions);
    if (!frame->negativeEnabled)
        return positive.value;
    const Reading negative = read(frame->negativeDirections);
    return negative.found && negative.value < 0 && (!positive.found || negative.miss < positive.miss)
               ? negative.value
               : positive.value;
}

bool ValueManipulator::mouseDrag(int x, int y, Camera*)
{
    if (!frame->hasTarget() || !following)
        return false;
    if (needsUndoRecord) {
        if (scene && scene->commandManager)
            scene->commandManager->pushUndo(frame->makeUndoRecord());
        needsUndoRecord = false;
    }
    const float base = frame->value;
    const ViewProjection view = viewAt(x, y);
    double cx, cy, depth;
    view.project(centre(), cx, cy, depth);
    // Only the mouse x counts: the point sits on a fixed row.
    const Point3D p = view.unproject(x, 1, depth);
    if (resetReference) {
        referencePoint = p;
        referenceX = static_cast<float>(x);
        resetReference = false;
    }
    float d = (p - referencePoint).length();
    if (referenceX > static_cast<float>(x))
        d = -d;
    applyValue(base + d);
    frame->finish();
    referencePoint = p;
    referenceX = static_cast<float>(x);
    redrawNeeded = true;
    return true;
}

// --- events ---

void ValueManipulator::selectHandle(int)
{
    following = true;
    resetReference = true;
}

bool ValueManipulator::mousePress(int x, int y, int button, int, int, Camera* camera)
{
    if (button == 2) {
        if (scene && scene->toolManager)
            scene->toolManager->exitTools();
        return true;
    }
    if (pickHandle(x, y, camera) == -1)
        return false;
    following = true;
    resetReference = true;
    return true;
}

bool ValueManipulator::mouseHover(int x, int y, Camera* camera)
{
    if (!following)
        return Manipulator::mouseHover(x, y, camera);
    if (scene && scene->toolManager)
        return scene->toolManager->mouseDrag(x, y);
    return mouseDrag(x, y, camera);
}

bool ValueManipulator::mouseRelease(int, int, Camera*)
{
    following = false;
    return false;
}

bool ValueManipulator::enterKey()
{
    if (scene && scene->toolManager)
        scene->toolManager->exitTools();
    return true;
}

void ValueManipulator::deactivate()
{
    following = false;
    resetReference = true;
    needsUndoRecord = true;
    updateNeeded = true;
}

void ValueManipulator::targetChanged()
{
    if (starting)
        return;
    if (sameSelectionAsStarted()) {
        // The points may have been put back by an undo: the value follows them.
        frame->value = valueFromPoints();
        needsUndoRecord = true;
    } else if (!activate()) {
        frame->clear();
    }
    following = false;
    activeHandle = -1;
    redrawNeeded = true;
}

// --- what was selected ---

void ValueManipulator::rememberSelection()
{
    startedSelection_.clear();
    if (!scene || !scene->objectManager)
        return;
    startedSelection_.push_back(reinterpret_cast<const void*>(static_cast<intptr_t>(selectionMode())));
    const SelectedElements selected(*scene);
    for (const ObjectSelection& s : selected.perObject()) {
        startedSelection_.push_back(s.object);
        for (const Vertex* v : s.vertices)
            startedSelection_.push_back(v);
        for (const Edge* e : s.edges)
            startedSelection_.push_back(e);
        for (const Face* f : s.faces)
            startedSelection_.push_back(f);
    }
}

bool ValueManipulator::sameSelectionAsStarted()
{
    const std::vector<const void*> before = startedSelection_;
    rememberSelection();
    return before == startedSelection_;
}

// --- the text ---

std::string ValueManipulator::valueText() const
{
    const float v = frame->value;
    if (v == 0)
        return label + ": 0";
    if (scene && scene->applicationManager && optionGroup() != -1) {
        const SettingsRegistry& registry = scene->applicationManager->registry;
        const OptionItem* amount = registry.findOption(optionGroup(), "Default Amount");
        const LengthUnits units = lengthUnitsOf(registry);
        if (amount && amount->length() && units.system != LengthUnits::Generic)
            return label + ": " + fieldText(*amount, v, units);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(v));
    return label + ": " + text;
}
