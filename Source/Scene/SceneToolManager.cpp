#include "Scene/SceneToolManager.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "Mesh/Shape.h"
#include "Mesh/TextureProxy.h"
#include "Scene/Commands/UVCommands.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Settings/CommandIds.h"
#include "Scene/Input/ModifierCodes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Undo/URinitTool.h"
#include "Scene/Undo/URmovePoints.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Tools/ComponentSnap.h"
#include "Tools/CompositeManipulators.h"
#include "Tools/FrameFromSelection.h"
#include "Tools/SnapTargetDraw.h"
#include "Tools/SurfaceSnap.h"
#include "Tools/Paint/DisplacementTool.h"
#include "Tools/Tool.h"
#include "Tools/TransformManipulator.h"
#include "Tools/ValueToolSet.h"
#include "UV/ProxyBuild.h"

// Every tool of the program, built once with the manager.
struct ToolSet {
    explicit ToolSet(ManipulatorFrame& frame)
        : move(frame), hiddenMove(frame), scale(frame), rotate(frame), universal(frame), snapping(frame),
          values(frame)
    {
        hiddenMove.handlesShown = false;
    }
    TranslateManipulator move;
    TranslateManipulator hiddenMove; // "No Manipulator Tool": only Tweak moves
    ScaleManipulator scale;
    RotateManipulator rotate;
    UniversalManipulator universal;
    SnappingManipulator snapping;
    ValueToolSet values; // value tools, orient, multi-manipulator
    DisplacementTool paint;

    struct Entry {
        ManipulatorKind kind;
        Manipulator* manipulator;
        const char* name; // the menu label of the command that chooses it
    };
    const Entry manipulators[6] = {
        {ManipulatorKind::Move, &move, "Move"},           {ManipulatorKind::Scale, &scale, "Scale"},
        {ManipulatorKind::Rotate, &rotate, "Rotate"},     {ManipulatorKind::Universal, &universal, "Universal"},
        {ManipulatorKind::Snapping, &snapping, "Snap"},   {ManipulatorKind::None, &hiddenMove, "None"},
    };
    Manipulator& of(ManipulatorKind kind) const
    {
        for (const Entry& e : manipulators)
            if (e.kind == kind)
                return *e.manipulator;
        return *manipulators[0].manipulator;
    }
};

// Events are offered to a copy of the list, and only to tools that are still
// active when their turn comes: a tool may exit itself or others mid-way.

namespace {

Camera* cameraAt(const SceneManagers* managers, int x, int y)
{
    return managers && managers->displayManager ? managers->displayManager->cameraAt(x, y) : nullptr;
}

} // namespace

SceneToolManager::SceneToolManager() : tools_(std::make_unique<ToolSet>(frame))
{
    activeTools.append(&tools_->move);
    rememberedManipulator = &tools_->move;
}

SceneToolManager::~SceneToolManager()
{
    if (managers && Tool::scene == managers)
        Tool::scene = nullptr;
}

void SceneToolManager::attach(SceneManagers* directory)
{
    SceneManager::attach(directory);
    Tool::scene = directory;
}

void SceneToolManager::initialize()
{
    applySettings();
}

void SceneToolManager::shutdown()
{
    saveSettings();
}

void SceneToolManager::clearRedrawRequest()
{
    SceneManager::clearRedrawRequest();
    for (Tool* t : activeTools)
        t->clearRedrawNeeded();
}

void SceneToolManager::clearSceneChanged()
{
    SceneManager::clearSceneChanged();
    for (Tool* t : activeTools)
        t->clearUpdateNeeded();
}

bool SceneToolManager::offerPress(bool firstPass, int x, int y, int button, int modifiers, int commandId,
                                  bool handledSoFar)
{
    if (handledSoFar || modifiers == ModifierCode::TabHeld)
        return false;
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools) {
        if (!activeTools.contains(t) || t->takesPressFirst() != firstPass)
            continue;
        if (t->mousePress(x, y, button, modifiers, commandId, camera)) {
            dragInProgress = true;
            return true;
        }
    }
    return false;
}

bool SceneToolManager::priorityPress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar)
{
    return offerPress(true, x, y, button, modifiers, commandId, handledSoFar);
}

bool SceneToolManager::mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar)
{
    return offerPress(false, x, y, button, modifiers, commandId, handledSoFar);
}

bool SceneToolManager::mouseDrag(int x, int y)
{
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->mouseDrag(x, y, camera)) {
            snapAfterEvent(*t, x, y);
            followMovedUVs();
            if (attachedImageView_ != -1)
                writeImageCorners(attachedImageView_);
            return true;
        }
    return false;
}

void SceneToolManager::followMovedUVs()
{
    if (!managers->objectManager->uvSpace || frame.points.empty())
        return;
    std::unordered_set<const Vertex*> moved;
    for (int i = 0; i < frame.points.count(); ++i)
        if (frame.weights[i] > 0)
            moved.insert(frame.points[i]);
    for (Shape* s : managers->objectManager->objects) {
        if (s->shapeKind() != InnerShape::KindTextureProxy)
            continue;
        auto& proxy = static_cast<TextureProxy&>(*s);
        List<Vertex*> own;
        for (Vertex* v : proxy.vertices)
            if (moved.contains(v))
                own.append(v);
        if (own.empty())
            continue;
        if (unwrapLiveAfterMove(*managers, proxy, own))
            proxy.update(true, false, -1);
        else
            writeBackTextureCoordinates(proxy);
    }
}

bool SceneToolManager::mouseHover(int x, int y)
{
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->mouseHover(x, y, camera))
            return true;
    return false;
}

bool SceneToolManager::mouseRelease(int x, int y)
{
    preHighlight = nullptr;
    preHighlightObject = nullptr;
    dragInProgress = false;
    surfaceTargetsFresh = false;
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    bool handled = false;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->mouseRelease(x, y, camera)) {
            handled = true;
            break;
        }
    if (tweakSelection_.active)
        endTweakSelection();
    return handled;
}

bool SceneToolManager::confirmKey()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->enterKey())
            return true;
    return false;
}

bool SceneToolManager::cancelKey()
{
    exitTools();
    return true;
}

bool SceneToolManager::deleteKey()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->deleteKey())
            return true;
    return false;
}

bool SceneToolManager::commandKey(int key, int modifiers, int mode, int commandId)
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->commandKey(key, modifiers, mode, commandId))
            return true;
    return false;
}

void SceneToolManager::drawOverlay()
{
    if (!showManipulators || tweakSelection_.active)
        return;
    for (Tool* t : activeTools)
        if (t->isTransformManipulator())
            t->draw();
}

void SceneToolManager::drawActiveViewport()
{
    if (preHighlight)
        drawSnapTarget(*preHighlight);
    for (Tool* t : activeTools)
        if (!t->isTransformManipulator())
            t->draw();
}

void SceneToolManager::drawActiveViewportUnlit()
{
    for (Tool* t : activeTools)
        t->afterDraw();
}

void SceneToolManager::toolsHook()
{
    for (Tool* t : activeTools)
        t->frameStep();
}

void SceneToolManager::commandExecuted(int commandId, int mode)
{
    if (mode == ModeDirect && dragInProgress)
        mouseRelease(-1, -1);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t))
            t->commandExecuted(commandId, mode);
}

bool SceneToolManager::isRedrawRequested()
{
    for (Tool* t : activeTools)
        if (t->redrawNeeded)
            return true;
    return redrawRequested;
}

bool SceneToolManager::isSceneChanged()
{
    for (Tool* t : activeTools)
        if (t->updateNeeded)
            return true;
    return sceneChanged;
}

void SceneToolManager::sceneChangedNotify()
{
    for (Tool* t : activeTools)
        t->notify();
}

void SceneToolManager::exitTools()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools) {
        if (t->isTransformManipulator())
            continue;
        t->deactivate();
        activeTools.removeOne(t);
    }
    if (activeTools.empty() && rememberedManipulator)
        activeTools.append(rememberedManipulator);
    redrawRequested = true;
    sceneChanged = true;
    preHighlight = nullptr;
    preHighlightObject = nullptr;
    if (managers && managers->selectionManager)
        managers->selectionManager->refreshDisplay();
}

bool SceneToolManager::offerCommand(int commandId, int mode)
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->commandHook(commandId, mode))
            return true;
    return false;
}

bool SceneToolManager::undoInTool()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->undo())
            return true;
    return false;
}

bool SceneToolManager::redoInTool()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->redo())
            return true;
    return false;
}

// --- starting tools and choosing manipulators ---

void SceneToolManager::activateTool(int commandId)
{
    if (commandId == CommandId::PaintDisplacement || commandId == CommandId::BrushEditor)
        startPainting(commandId);
    else
        startValueTool(commandId);
}

DisplacementTool& SceneToolManager::displacementTool() const { return tools_->paint; }
ValueToolSet& SceneToolManager::valueTools() const { return tools_->values; }

bool SceneToolManager::startTool(Tool& tool, bool initRecord)
{
    if (!tool.activate())
        return false;
    if (initRecord && managers && managers->commandManager)
        managers->commandManager->pushUndo(new URinitTool(*this));
    replaceActiveTools(tool);
    return true;
}

void SceneToolManager::replaceActiveTools(Tool& tool)
{
    for (Tool* t : activeTools)
        if (t->isTransformManipulator()) {
            rememberedManipulator = t;
            break;
        }
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        t->deactivate();
    activeTools.clear();
    activeTools.append(&tool);
    redrawRequested = true;
}

Manipulator& SceneToolManager::currentManipulator() const
{
    return tools_->of(manipulatorKind);
}

void SceneToolManager::chooseManipulator(ManipulatorKind kind)
{
    const bool onlyManipulator = activeTools.count() == 1 && activeTools[0]->isTransformManipulator();
    if (activeTools.count() == 1)
        exitTools();
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (t->isTransformManipulator()) {
            t->deactivate();
            activeTools.removeOne(t);
        }
    Manipulator& chosen = tools_->of(kind);
    chosen.activeHandle = -1;
    activeTools.append(&chosen);
    rememberedManipulator = &chosen;
    if (kind != manipulatorKind)
        previousKind = manipulatorKind;
    manipulatorKind = kind;
    redrawRequested = true;
    if (!onlyManipulator && managers && managers->selectionManager)
        managers->selectionManager->refreshDisplay();
}

void SceneToolManager::restorePreviousManipulator()
{
    chooseManipulator(previousKind);
}

// --- the manipulation target ---

void SceneToolManager::rebuildFrame()
{
    if (!managers || !managers->selectionManager)
        return;
    for (Tool* t : activeTools)
        if (t->isTransformManipulator() && static_cast<Manipulator*>(t)->isDragging())
            return;
    // A manipulator put somewhere by repositioning stays there while the
    // same things stay selected.
    const Point3D placed = frame.centre;
    const int pointCount = frame.points.count(), objectCount = frame.objects.count();
    const Vertex* firstPoint = pointCount ? frame.points[0] : nullptr;
    buildFrameFromSelection(frame, *managers, autoOrientation);
    const bool same = frame.points.count() == pointCount && frame.objects.count() == objectCount &&
                      (pointCount ? frame.points[0] : nullptr) == firstPoint;
    if (repositioned && same)
        frame.centre = placed;
    else
        repositioned = false;
    attachSelectedImage();
}

void SceneToolManager::attachSelectedImage()
{
    attachedImageView_ = -1;
    SceneDisplayManager* display = managers->displayManager;
    if (!display || display->selectedImageView == -1)
        return;
    if (frame.hasTarget()) {
        display->selectedImageView = -1;
        display->redrawRequested = true;
        return;
    }
    const int view = display->selectedImageView;
    for (const ReferenceImage& image : display->referenceImages) {
        if (image.view != view)
            continue;
        Point3D sum(0, 0, 0);
        for (int i = 0; i < 4; ++i) {
            imageCorners_[i] = Point3D(image.corners[i][0], image.corners[i][1], image.corners[i][2]);
            frame.loosePoints.append(&imageCorners_[i]);
            sum = sum + imageCorners_[i];
        }
        frame.centre = sum * 0.25f;
        frame.afterLooseUndo = [this, view] {
            writeImageCorners(view);
            redrawRequested = true;
        };
        attachedImageView_ = view;
    }
}

void SceneToolManager::writeImageCorners(int view)
{
    if (!managers || !managers->displayManager)
        return;
    for (ReferenceImage& image : managers->displayManager->referenceImages)
        if (image.view == view)
            for (int i = 0; i < 4; ++i) {
                image.corners[i][0] = imageCorners_[i].x;
                image.corners[i][1] = imageCorners_[i].y;
                image.corners[i][2] = imageCorners_[i].z;
            }
}

bool SceneToolManager::beginTweak()
{
    Manipulator& m = currentManipulator();
    if (!activeTools.contains(&m) || !frame.hasTarget())
        return false;
    m.beginTweak();
    dragInProgress = true;
    return true;
}

bool SceneToolManager::tweakSelect(int x, int y)
{
    SceneSelectionManager* selection = managers ? managers->selectionManager : nullptr;
    if (!selection || tweakSelection_.active || frame.hasTarget())
        return false;
    TweakSelection before{true, selection->mode, selection->multi, {}};
    for (Shape* o : managers->objectManager->objects)
        if (o->isSelected())
            before.selectedObjects.push_back(o);
    selection->tweak(x, y);
    if (!frame.hasTarget()) {
        tweakSelection_ = std::move(before);
        endTweakSelection();
        return false;
    }
    tweakSelection_ = std::move(before);
    return true;
}

void SceneToolManager::endTweakSelection()
{
    SceneSelectionManager& selection = *managers->selectionManager;
    const TweakSelection before = std::move(tweakSelection_);
    tweakSelection_ = TweakSelection{};
    selection.deselect();
    for (Shape* o : managers->objectManager->objects)
        o->set(Geometry::Selected, std::find(before.selectedObjects.begin(), before.selectedObjects.end(), o) !=
                                       before.selectedObjects.end());
    selection.mode = before.mode;
    selection.multi = before.multi;
    selection.refreshDisplay();
    redrawRequested = true;
    sceneChanged = true;
}

void SceneToolManager::setConstraint(Constraint constraint)
{
    Manipulator& m = currentManipulator();
    if (!activeTools.contains(&m) || !frame.hasTarget())
        return;
    const int handle = static_cast<int>(constraint);
    bool known = handle == 3;
    for (const Handle& h : m.handles())
        known = known || h.number == handle;
    if (!known)
        return;
    m.setActiveHandle(handle);
    dragInProgress = true;
    redrawRequested = true;
}

void SceneToolManager::constrainToScreen()
{
    if (beginTweak())
        redrawRequested = true;
}

void SceneToolManager::orientManipulator(Orientation orientation)
{
    orientFrame(frame, *managers, orientation);
    redrawRequested = true;
}

void SceneToolManager::setAutoOrientation(Orientation orientation)
{
    autoOrientation = orientation;
    rebuildFrame();
    redrawRequested = true;
}

void SceneToolManager::toggleManipulatorEditMode()
{
    frame.editMode = !frame.editMode;
    redrawRequested = true;
}

void SceneToolManager::toggleRepositioning()
{
    repositioning = !repositioning;
    repositioned = false;
    redrawRequested = true;
}

void SceneToolManager::orientSelectionToWorld()
{
    if (!frame.hasTarget())
        return;
    frame.captureStart();
    managers->commandManager->pushUndo(frame.makeUndoRecord());
    frame.alignAxesToWorld();
    frame.finish();
    redrawRequested = true;
    sceneChanged = true;
}

std::string SceneToolManager::activeToolNames() const
{
    std::string names;
    for (Tool* t : activeTools) {
        const char* name = t == &tools_->paint ? "Paint" : "Tool";
        for (const ToolSet::Entry& e : tools_->manipulators)
            if (t == e.manipulator)
                name = e.name;
        if (const auto* value = dynamic_cast<const ValueManipulator*>(t))
            name = value->label.c_str();
        names += (names.empty() ? "" : " ") + std::string(name);
    }
    return names;
}

// --- snapping after a tool event ---

namespace {

// Grid snapping steps by this until the viewports' grid spacing can be
// read here; then that spacing replaces it.
float gridSnapSpacing()
{
    return 0.5f;
}

// The grid point nearest `p`, along `axis` only when it is not zero.
Point3D nearestGridPoint(const Point3D& p, const Point3D& axis, float spacing)
{
    auto round = [spacing](float v) { return std::round(v / spacing) * spacing; };
    if (axis.length() == 0)
        return Point3D(round(p.x), round(p.y), round(p.z));
    const float along = p.dot(axis);
    return p + axis * (round(along) - along);
}

} // namespace

void SceneToolManager::snapAfterEvent(Tool& tool, int x, int y)
{
    preHighlight = nullptr;
    preHighlightObject = nullptr;
    ViewProjection view;
    if (!managers || !managers->applicationManager || !tool.frame || !managers->displayManager->viewAt(x, y, view))
        return;
    const int mode = managers->applicationManager->snappingMode;
    SnapTarget aimed;
    Point3D target;
    const bool toSurface = mode == SceneApplicationManager::SurfaceSnapping && tool.snapsToSurface();
    const bool toComponent = mode == SceneApplicationManager::ComponentSnapping && tool.usesPointSnapping();
    if (toSurface || tool.showsSurfaceSnapTargets()) {
        // What may be landed on stays still for the whole drag.
        if (!surfaceTargetsFresh) {
            surfaceTargets.collect(*managers, frame);
            surfaceTargetsFresh = true;
        }
        if (surfaceTargets.hitAt(view, x, y, target, &aimed))
            preHighlight = aimed.element, preHighlightObject = aimed.object;
    } else if (toComponent || tool.showsComponentSnapTargets()) {
        if (componentPointUnder(*managers, view, x, y, frame, 10, target, &aimed))
            preHighlight = aimed.element, preHighlightObject = aimed.object;
    }
    if (mode == SceneApplicationManager::SurfaceSnapping) {
        List<Vertex*> points;
        if (toSurface && tool.snapPoints(points) && snapToSurface(surfaceTargets, view, points) > 0)
            frame.finish();
        return;
    }
    if (!tool.usesPointSnapping())
        return;
    const Point3D axis = tool.snapConstraintAxis();
    if (mode == SceneApplicationManager::GridSnapping) {
        target = nearestGridPoint(frame.centre, axis, gridSnapSpacing());
    } else if (mode == SceneApplicationManager::ComponentSnapping) {
        if (!preHighlight)
            return;
        if (axis.length() > 0)
            target = frame.centre + axis * (target - frame.centre).dot(axis);
    } else {
        return;
    }
    frame.translate(target - frame.startCentre);
    frame.finish();
}
