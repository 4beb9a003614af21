#pragma once
// Displacement painting: the mouse becomes a sculpting brush that moves the
// vertices of an object's current subdivision level. A press over an
// editable object starts a stroke (one dab at the press, one per drag event,
// one undo step at the release); a middle-button drag resizes the brush.
//
// Choices of this tool:
// - N is the normal of the face under the mouse on the current level and P
//   where the mouse ray meets that face's plane.
// - Gathering grows through faces with a corner within R (the growth bound is
//   the radius itself); hidden faces are skipped.
// - Shift paints with Smooth, using the active brush's size and falloff.
// - Smudge moves along the brush point's motion since the previous dab;
//   Inflate along each vertex's normal (the mean of its face normals);
//   Flatten towards the plane of the stroke's first dab.
// - With symmetry every move reaches the mirror partner mirrored; Push and
//   Pull blend the two halves within h = R of the plane (DisplacementDab.h).
// - Move grabs what its first dab gathered and drags it in the plane through
//   the first brush point facing the camera; its second mode moves along the
//   first dab's normal by the mouse travel in its dominant screen direction.
// - Middle drag: the radius becomes the distance from the press point (in
//   pixels, or their world length at the last brush point for a world-sized
//   brush); with Shift the strength is multiplied by 1.005 per pixel moved
//   right (divided moving left).
// - After a dab only the touched region's normals are made again, and the
//   level's draw buffers take just the vertices whose normals changed.
// - A brush's StrengthFlag, RadiusFlag and FocusFlag let the pen's pressure
//   scale its strength, radius and focus; a mouse presses fully.
// - Levels above the painted one follow when they are stepped up to, which
//   re-evaluates them from the painted level.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "Scene/View/Camera.h"
#include "Tools/Paint/Brush.h"
#include "Tools/Paint/BrushCursor.h"
#include "Tools/Paint/DisplacementDab.h"
#include "Tools/Paint/DisplacementFunction.h"
#include "Tools/Paint/LevelAdjacency.h"
#include "Tools/Tool.h"

class InnerShape;
class Shape;
class URpaintStroke;

class DisplacementTool : public Tool {
public:
    DisplacementTool();
    ~DisplacementTool() override;

    // The brush list; the brush editor edits it and then calls `brushesChanged`.
    BrushList brushes;
    // After the brush editor changed the list or the active brush.
    void brushesChanged();
    // The brush circle; its stamp changes whenever it moves or changes.
    BrushCursor cursor;

    // --- Tool operations ---
    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    bool mouseDrag(int x, int y, Camera* camera) override;
    bool mouseHover(int x, int y, Camera* camera) override;
    bool mouseRelease(int x, int y, Camera* camera) override;
    // A key with no modifier equal to a brush's shortcut selects that brush;
    // held, it selects it only until the key goes up.
    bool commandKey(int key, int modifiers, int phase, int commandId) override;
    bool limitsViewRefresh() override { return true; }
    bool takesPressFirst() override { return true; }
    bool allowsSelectionClick() override { return false; }
    bool activate() override;
    // Ends a stroke in progress (its undo step is kept).
    void deactivate() override;

    // The function of each operation.
    DisplacementFunction& function(BrushOperation operation) { return *functions_[static_cast<int>(operation)]; }
    // What Shift paints with.
    static constexpr BrushOperation shiftOperation = BrushOperation::SmoothNoise;
    bool isStroking() const { return stroke_.active; }

    // The last dab: brush point, direction, radius in world units and the
    // vertices it gathered.
    const Point3D& lastPoint() const { return lastPoint_; }
    const Point3D& lastDirection() const { return lastDirection_; }
    float lastRadius() const { return lastRadius_; }
    std::span<const GatheredVertex> lastGathered() const { return gathered_; }

    // R in world units for `brush` at world point `at` seen through `view`.
    static float worldRadius(const Brush& brush, const ViewProjection& view, const Point3D& at);

private:
    struct Stroke {
        bool active = false;
        Shape* object = nullptr;
        InnerShape* mesh = nullptr;
        int level = 0;
        Brush brush;          // as at the press
        DisplacementFunction* function = nullptr;
        BrushOperation operation = BrushOperation::PushPull;
        bool second = false;
        ViewProjection view;
        int pressX = 0, pressY = 0;
        int dabs = 0;
        Point3D firstPoint, previousPoint;
        std::unique_ptr<URpaintStroke> record;
        std::vector<uint8_t> recorded; // per level vertex: already in the record
    };
    struct Resize {
        bool active = false;
        bool strength = false; // Shift: the strength, else the radius
        int pressX = 0, pressY = 0;
        float startStrength = 0;
        ViewProjection view;
    };

    bool startStroke(int x, int y, BrushOperation operation, bool second);
    void dab(int x, int y);
    void endStroke();
    // The face under (x, y) on the stroke's level, P on its plane and its normal.
    bool surfacePoint(int x, int y, int& outFace, Point3D& outPoint, Point3D& outDirection) const;
    const BrushImage* imageOf(const Brush& brush);
    void updateCursor(int x, int y);
    void moveCursor(int x, int y, float pixels);

    std::vector<std::unique_ptr<DisplacementFunction>> functions_;
    LevelAdjacency adjacency_;
    Stroke stroke_;
    Resize resize_;
    std::vector<GatheredVertex> gathered_;
    std::vector<VertexMove> moves_;
    std::vector<int32_t> touched_;
    std::vector<int32_t> renormalised_; // touched_ and their neighbours: the vertices drawn anew
    Point3D lastPoint_, lastDirection_;
    float lastRadius_ = 0;
    bool hasLastPoint_ = false;
    int keyBrush_ = -1;           // the brush active before a shortcut key switched
    bool keyHeld_ = false;        // that switch lasts only while the key is down
    std::string imagePath_;       // of imageCache_
    BrushImage imageCache_;
};
