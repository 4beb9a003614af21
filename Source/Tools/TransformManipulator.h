#pragma once
// What the move, scale and rotate manipulators share: a press on a handle
// (or Tweak) starts a drag; its first drag event sets up the drag, records
// the points for undo and captures their start positions; every event then
// applies the whole drag from those start positions; release ends it.
#include "Tools/Manipulator.h"
#include "Tools/ManipulatorFrame.h"

class TransformManipulator : public Manipulator {
public:
    using Manipulator::Manipulator;

    // Needs something to manipulate. The Tweak action starts a screen-plane
    // drag wherever the press is; otherwise the press needs the hovered (or
    // pressed) handle and "Show Manipulators" on.
    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    bool mouseDrag(int x, int y, Camera* camera) override;
    // Ends the drag; the release goes on to the other managers.
    bool mouseRelease(int x, int y, Camera* camera) override;
    bool isTransformManipulator() override { return true; }
    Point3D snapConstraintAxis() override;
    void selectHandle(int handle) override;
    bool isDragging() override { return dragging; }

    // Snapping step of the drag (world units or degrees); 0 moves freely.
    float step = 0;
    // Where the first drag event's ray met the drag plane.
    const Point3D& dragStart() const { return startHit; }
    int draggedHandle() const { return dragged; }

protected:
    // Sets up the drag at the position of its first drag event.
    virtual void startDrag(const ViewProjection& view, int x, int y) = 0;
    // Applies the drag for the mouse at (x, y).
    virtual void applyDrag(const ViewProjection& view, int x, int y) = 0;

    int dragged = -1;        // the handle being dragged
    bool firstDrag = false;  // the next drag event starts the drag
    bool dragging = false;
    DragPlane plane;         // the plane the mouse ray is cut with
    Point3D startHit;        // where the ray of the first drag event met it
    int firstX = 0, firstY = 0;
    int pressX = 0, pressY = 0;
    bool pressed = false;    // the drag began with a press at (pressX, pressY)
    ViewProjection dragView; // the view the drag began in, kept while it lasts
};

// Moves along an axis (handles 0–2), in the screen plane (3) or in the XY,
// YZ or XZ plane (4–6).
class TranslateManipulator : public TransformManipulator {
public:
    using TransformManipulator::TransformManipulator;
    std::span<const Handle> handles() const override;
    bool usesPointSnapping() override { return true; }

protected:
    void startDrag(const ViewProjection& view, int x, int y) override;
    void applyDrag(const ViewProjection& view, int x, int y) override;
};

// Scales along an axis (0–2), uniformly (3) or in a plane (4–6) about the
// frame centre at drag start.
class ScaleManipulator : public TransformManipulator {
public:
    using TransformManipulator::TransformManipulator;
    std::span<const Handle> handles() const override;

protected:
    void startDrag(const ViewProjection& view, int x, int y) override;
    void applyDrag(const ViewProjection& view, int x, int y) override;

private:
    Point3D pivot;
};

// Rotates about Z, X, Y (bars 0–2), freely as a trackball (3) or about the
// viewing direction (ring 7).
class RotateManipulator : public TransformManipulator {
public:
    using TransformManipulator::TransformManipulator;
    std::span<const Handle> handles() const override;

protected:
    void startDrag(const ViewProjection& view, int x, int y) override;
    void applyDrag(const ViewProjection& view, int x, int y) override;

private:
    int lastX = 0, lastY = 0; // the previous drag event
};
