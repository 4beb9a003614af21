#include "Tools/Paint/DisplacementTool.h"

#include <algorithm>
#include <cmath>

#include "Mesh/Face.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/Input/ModifierCodes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/LevelDrawCache.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Tools/Paint/URpaintStroke.h"

namespace {

constexpr int LeftButton = 0, MiddleButton = 1, RightButton = 2;
constexpr int KeyDown = 1, KeyHeld = 2, KeyUpAfterHold = 3, KeyUpAfterTap = 4;

// Where the mouse ray meets the plane through `on` with normal n; `on`
// itself when the ray runs along the plane.
Point3D rayOnPlane(const ViewProjection& view, int x, int y, const Point3D& on, const Point3D& n)
{
    Point3D origin, direction;
    view.ray(x, y, origin, direction);
    const float along = direction.dot(n);
    if (std::fabs(along) < 1e-8f)
        return on;
    return origin + direction * ((on - origin).dot(n) / along);
}

} // namespace

DisplacementTool::DisplacementTool() : brushes(BrushList::defaults()), functions_(makeDisplacementFunctions()) {}

DisplacementTool::~DisplacementTool() = default;

float DisplacementTool::worldRadius(const Brush& brush, const ViewProjection& view, const Point3D& at)
{
    if (brush.radiusType == RadiusType::World)
        return brush.worldRadius;
    return view.worldLength(brush.screenRadius, at);
}

void DisplacementTool::brushesChanged()
{
    if (brushes.brushes.empty())
        brushes = BrushList::defaults();
    brushes.active = std::clamp(brushes.active, 0, static_cast<int>(brushes.brushes.size()) - 1);
    updateCursor(cursor.x, cursor.y);
    redrawNeeded = true;
}

bool DisplacementTool::activate()
{
    if (brushes.brushes.empty())
        brushes = BrushList::defaults();
    brushes.active = std::clamp(brushes.active, 0, static_cast<int>(brushes.brushes.size()) - 1);
    keyBrush_ = -1;
    return true;
}

void DisplacementTool::deactivate()
{
    endStroke();
    resize_.active = false;
    cursor.shown = false;
    ++cursor.stamp;
    redrawNeeded = true;
}

bool DisplacementTool::mousePress(int x, int y, int button, int modifiers, int, Camera*)
{
    if (!scene || stroke_.active || resize_.active)
        return false;
    const bool plain = modifiers == ModifierCode::None;
    if (button == MiddleButton && (plain || modifiers == ModifierCode::Shift)) {
        ViewProjection view;
        if (!scene->displayManager->viewAt(x, y, view))
            return false;
        resize_ = {true, !plain, x, y, brushes.current().strength, view};
        return true;
    }
    const BrushOperation active = brushes.current().operation;
    if (button == LeftButton && plain)
        return startStroke(x, y, active, false);
    if (button == LeftButton && modifiers == ModifierCode::Shift)
        return startStroke(x, y, shiftOperation, false);
    if ((button == LeftButton && modifiers == ModifierCode::Ctrl) || (button == RightButton && plain))
        return startStroke(x, y, active, true);
    return false;
}

bool DisplacementTool::mouseDrag(int x, int y, Camera*)
{
    if (resize_.active) {
        Brush& b = brushes.current();
        const int dx = x - resize_.pressX, dy = y - resize_.pressY;
        if (resize_.strength) {
            b.strength = resize_.startStrength * std::pow(1.005f, static_cast<float>(dx));
        } else {
            const float pixels = std::max(1.0f, std::hypot(static_cast<float>(dx), static_cast<float>(dy)));
            if (b.radiusType == RadiusType::Screen) {
                b.screenRadius = pixels;
            } else {
                const Point3D at = hasLastPoint_ ? lastPoint_ : resize_.view.target;
                if (const float r = resize_.view.worldLength(pixels, at); r > 0)
                    b.worldRadius = r;
            }
        }
        updateCursor(resize_.pressX, resize_.pressY);
        // The brush editor shows the values as they change.
        redrawNeeded = updateNeeded = true;
        return true;
    }
    if (!stroke_.active)
        return false;
    dab(x, y);
    return true;
}

bool DisplacementTool::mouseHover(int x, int y, Camera*)
{
    cursor.shown = true;
    updateCursor(x, y);
    return true;
}

bool DisplacementTool::mouseRelease(int, int, Camera*)
{
    if (resize_.active) {
        resize_.active = false;
        return true;
    }
    if (!stroke_.active)
        return false;
    endStroke();
    return true;
}

bool DisplacementTool::commandKey(int key, int modifiers, int phase, int)
{
    if (modifiers != ModifierCode::None || key == 0)
        return false;
    const auto found = std::ranges::find_if(brushes.brushes, [&](const Brush& b) { return b.shortcutKey == key; });
    if (found == brushes.brushes.end())
        return false;
    const int chosen = static_cast<int>(found - brushes.brushes.begin());
    switch (phase) {
    case KeyDown:
        keyBrush_ = brushes.active;
        keyHeld_ = false;
        brushes.active = chosen;
        brushesChanged();
        break;
    case KeyHeld:
        keyHeld_ = true;
        break;
    case KeyUpAfterHold:
    case KeyUpAfterTap:
        if (keyHeld_ && keyBrush_ >= 0 && keyBrush_ < static_cast<int>(brushes.brushes.size())) {
            brushes.active = keyBrush_;
            brushesChanged();
        }
        keyHeld_ = false;
        keyBrush_ = -1;
        break;
    default:
        break;
    }
    return true;
}

bool DisplacementTool::startStroke(int x, int y, BrushOperation operation, bool second)
{
    if (scene->objectManager->uvSpace)
        return false;
    ViewProjection view;
    if (!scene->displayManager->viewAt(x, y, view))
        return false;
    // The objects as the user sees them: visible, at their current levels.
    Shape* shape = nullptr;
    int face = -1;
    if (!scene->selectionManager->frontFaceAt(view, x, y, true, shape, face))
        return false;
    if (!shape || shape->displayFlags & InnerShape::Locked || shape->shapeKind() != InnerShape::KindShape)
        return false;
    Stroke& s = stroke_;
    s = Stroke{};
    s.active = true;
    s.object = shape;
    s.mesh = shape->currentLevelMesh();
    s.level = shape->currentLevel();
    s.brush = brushes.current();
    s.operation = operation;
    s.function = &function(operation);
    s.second = second;
    s.view = view;
    s.pressX = x;
    s.pressY = y;
    s.record = std::make_unique<URpaintStroke>(*shape, s.level);
    s.recorded.assign(static_cast<size_t>(s.mesh->vertices.count()), 0);
    adjacency_.prepare(*s.mesh);
    s.function->reset();
    dab(x, y);
    return true;
}

bool DisplacementTool::surfacePoint(int x, int y, int& outFace, Point3D& outPoint, Point3D& outDirection) const
{
    Shape* object = nullptr;
    if (!scene->selectionManager->frontFaceAt(stroke_.view, x, y, false, object, outFace) ||
        object != stroke_.object || outFace < 0 || outFace >= stroke_.mesh->faces.count())
        return false;
    Face& f = *stroke_.mesh->faces[outFace];
    outDirection = f.computeNormal();
    Point3D centre(0, 0, 0);
    for (const Corner& c : f.corners)
        centre += Point3D(c.vertex);
    centre = centre * (1.0f / static_cast<float>(std::max(1, f.cornerCount())));
    outPoint = rayOnPlane(stroke_.view, x, y, centre, outDirection);
    return true;
}

void DisplacementTool::dab(int x, int y)
{
    Stroke& s = stroke_;
    DisplacementFunction& fn = *s.function;
    const bool gathers = fn.gathersEachDab() || s.dabs == 0;
    int face = -1;
    Point3D point, direction;
    if (gathers) {
        // The pick buffer is the one made at the press: the face it names
        // may have moved a little since, which only shifts P on its plane.
        if (!surfacePoint(x, y, face, point, direction))
            return;
    } else {
        direction = lastDirection_;
        point = rayOnPlane(s.view, x, y, s.firstPoint, (s.view.target - s.view.eye).normalized());
    }
    const float pressure = scene->toolManager ? std::clamp(scene->toolManager->penPressure, 0.0f, 1.0f) : 1.0f;
    Brush pressed = s.brush;
    if (s.brush.focusFlag)
        pressed.focus *= pressure;
    const float radius = worldRadius(s.brush, s.view, point) * (s.brush.radiusFlag ? pressure : 1.0f);
    const float strength = s.brush.strength * (s.brush.strengthFlag ? pressure : 1.0f);
    const DabReach reach{point, direction, radius, &pressed, imageOf(s.brush), strength * fn.strengthScale()};
    if (gathers)
        gatherDab(*s.mesh, adjacency_, face, reach, gathered_);
    else
        gathered_.clear();

    DabContext context;
    context.mesh = s.mesh;
    context.adjacency = &adjacency_;
    context.gathered = gathered_;
    context.point = point;
    context.direction = direction;
    context.second = s.second;
    context.firstDab = s.dabs == 0;
    context.strokeVector = s.dabs ? point - s.previousPoint : Point3D(0, 0, 0);
    const int dx = x - s.pressX, dy = y - s.pressY;
    const int travel = std::abs(dx) > std::abs(dy) ? dx : dy;
    context.normalTravel = (travel < 0 ? -1.0f : 1.0f) * s.view.worldLength(static_cast<float>(std::abs(travel)),
                                                                           s.dabs ? s.firstPoint : point);
    moves_.clear();
    fn.apply(context, moves_);

    DabSymmetry symmetry;
    if (s.object->hasSymmetry()) {
        symmetry.plane = &s.object->mirrorPlane;
        symmetry.blend = s.operation == BrushOperation::PushPull;
        symmetry.blendLimit = radius;
    }
    auto record = [&s](int i) {
        if (i >= 0 && i < static_cast<int>(s.recorded.size()) && !s.recorded[i]) {
            s.recorded[i] = 1;
            s.record->addVertex(i);
        }
    };
    applyMoves(*s.mesh, moves_, symmetry, s.level > 0, record, touched_);
    if (!touched_.empty()) {
        refreshTouchedNormals(*s.mesh, adjacency_, touched_, renormalised_);
        // Drawing caches compare the stamp; they upload just these vertices.
        const uint64_t stampBefore = s.mesh->updateStamp;
        s.mesh->updateStamp = InnerShape::newUpdateStamp();
        LevelDrawCache::noteMovedVertices(*s.mesh, stampBefore, renormalised_);
        redrawNeeded = true;
    }
    if (s.dabs == 0)
        s.firstPoint = point;
    s.previousPoint = point;
    ++s.dabs;
    lastPoint_ = point;
    lastDirection_ = direction;
    lastRadius_ = radius;
    hasLastPoint_ = true;
    cursor.shown = true;
    moveCursor(x, y, radius / std::max(s.view.worldLength(1, point), 1e-12f));
}

void DisplacementTool::endStroke()
{
    if (!stroke_.active)
        return;
    stroke_.active = false;
    std::unique_ptr<URpaintStroke> record = std::move(stroke_.record);
    if (record && record->vertexCount() > 0 && scene && scene->commandManager) {
        scene->commandManager->pushUndo(record.release());
        updateNeeded = true;
    }
    stroke_.recorded = {};
}

const BrushImage* DisplacementTool::imageOf(const Brush& brush)
{
    if (brush.imageFile.empty())
        return nullptr;
    if (brush.imageFile != imagePath_) {
        imagePath_ = brush.imageFile;
        imageCache_ = {};
        std::vector<unsigned char> rgba;
        int width = 0, height = 0;
        TavoApplicationWindow* window = scene && scene->applicationManager ? scene->applicationManager->window : nullptr;
        if (window && window->readImage(brush.imageFile, width, height, rgba) &&
            rgba.size() >= static_cast<size_t>(width) * height * 4) {
            imageCache_.width = width;
            imageCache_.height = height;
            imageCache_.values.resize(static_cast<size_t>(width) * height);
            for (size_t i = 0; i < imageCache_.values.size(); ++i)
                imageCache_.values[i] = (rgba[4 * i] + rgba[4 * i + 1] + rgba[4 * i + 2]) / (3.0f * 255.0f);
        }
    }
    // An image that cannot be read leaves the curve in charge.
    return imageCache_.empty() ? nullptr : &imageCache_;
}

void DisplacementTool::moveCursor(int x, int y, float pixels)
{
    cursor.x = x;
    cursor.y = y;
    cursor.radius = pixels;
    cursor.label = brushOperationName(brushes.current().operation);
    ++cursor.stamp;
}

void DisplacementTool::updateCursor(int x, int y)
{
    const Brush& b = brushes.current();
    float pixels = b.screenRadius;
    if (b.radiusType == RadiusType::World && scene && scene->displayManager) {
        ViewProjection view;
        if (!scene->displayManager->viewAt(x, y, view))
            view = scene->displayManager->activeView();
        const float unit = view.worldLength(1, hasLastPoint_ ? lastPoint_ : view.target);
        pixels = unit > 0 ? b.worldRadius / unit : b.screenRadius;
    }
    moveCursor(x, y, pixels);
}
