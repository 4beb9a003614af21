#pragma once
// Base of the on-screen manipulators: handles described by a table that both
// picking and drawing read, a constant size on screen, and the drag plane
// and ray arithmetic the transform manipulators share.
#include <span>

#include "Scene/View/Camera.h"
#include "Tools/Tool.h"

// The shapes a handle can have; sizes are in manipulator units (1 is the
// world length of "Manipulator Size" pixels at the centre).
enum class HandleShape {
    Cone,   // along its axis from `along` for 0.2, base radius `size`
    Cube,   // half size `size`
    Plate,  // a cube of half size `size` flattened to 0.15 across the plane it drags in
    Sphere, // radius `size`
    Bar,    // a bar across the axis, half length `size`, turning about the next axis
    Ring,   // a circle of radius `size` facing the viewer, around the centre
};

// One handle of a manipulator. Its place is on axis `axis` (3: the centre)
// at `along` manipulator units, plus "Manipulator Handle Offset" when
// `fromOffset` is set.
struct Handle {
    int number;          // the handle number commands and drags use
    HandleShape shape;
    int axis;            // 0 X, 1 Y, 2 Z, 3 centre; also the colour
    bool fromOffset;
    float along;
    float size;
    bool planar = false; // shown only with "Show Planar Handles"
};

class Manipulator : public Tool {
public:
    explicit Manipulator(ManipulatorFrame& target);

    // --- Tool operations every manipulator shares ---
    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    // Forwards to mouseDrag while dragging, otherwise makes the handle
    // under the mouse the active one; never consumes the hover.
    bool mouseHover(int x, int y, Camera* camera) override;
    void beginTweak() override { setActiveHandle(3); }
    void setActiveHandle(int handle) override;
    bool hasHotHandle() override { return activeHandle != -1; }
    bool snapsToSurface() override;
    bool snapPoints(List<Vertex*>& outPoints) override;
    void targetChanged() override;
    // Both passes of the handles, stippled where geometry hides them.
    void draw() override;

    // --- Manipulator operations, in slot order ---
    virtual void selectHandle(int /*handle*/) {}
    // Draws the visible handles in manipulator space (GL, current context).
    virtual void drawHandles();
    virtual void drawPickHandles() { drawHandles(); }
    virtual bool isDragging() { return false; }
    virtual void framePosition(Point3D& out) { out = centre(); }
    virtual int currentHandle() { return activeHandle; }
    // The handle whose shape passes within half the pick region of
    // "Manipulator Sensitivity" × 1.2 pixels of (x, y), the nearest when
    // several do; -1 when none, when nothing can be manipulated or when the
    // handles are hidden.
    virtual int pickHandle(int x, int y, Camera* camera);

    // The handles of the table, in picking order: the centre handle first,
    // so that it keeps the middle when an axis points at the viewer.
    virtual std::span<const Handle> handles() const = 0;
    // Where the axis lines end, in manipulator units; 0 draws none.
    virtual float axisLineLength() const;
    // Hidden handles are neither drawn nor picked ("No Manipulator Tool").
    bool handlesShown = true;

    float scale = 1;                // world length of one manipulator unit, set before every draw and pick
    bool useCustomPosition = false; // work at `position` instead of the frame centre
    Point3D position;
    int activeHandle = -1;          // under the mouse or being dragged; -1 none

protected:
    // Whether a press with `action` at (x, y) has something to act on; a
    // Tweak over an element with nothing selected selects it until the release.
    bool targetFor(int action, int x, int y);
    Point3D centre() const;
    // The view under (x, y), or the active view when no viewport is there.
    ViewProjection viewAt(int x, int y) const;
    // Sets `scale` for `view`.
    void measure(const ViewProjection& view);
    // The world position of a handle's anchor.
    Point3D handlePoint(const Handle& h) const;
    bool shown(const Handle& h) const;
    // Screen distance of (x, y) to the handle's outline; negative inside.
    double pickDistance(const Handle& h, const ViewProjection& view, double x, double y) const;
};

// A plane through `origin` with unit `normal`; a ray meets it at `out`.
struct DragPlane {
    Point3D origin;
    Point3D normal;
    bool hit(const ViewProjection& view, double x, double y, Point3D& out) const;
    // The plane through the three points a, b, c.
    static DragPlane through(const Point3D& a, const Point3D& b, const Point3D& c);
};

// The plane through `centre` spanned by `axis` and whichever of the other
// two frame axes the view sees most face-on (the one whose screen image is longer).
DragPlane axisDragPlane(const ViewProjection& view, const Point3D& centre, const Point3D axes[3], int axis);
// The plane through `centre` parallel to the screen.
DragPlane screenDragPlane(const ViewProjection& view, const Point3D& centre);
// The drag plane of a move or scale handle: an axis (0–2), a plane handle
// (4 XY, 5 YZ, 6 XZ), or the screen for any other.
DragPlane handleDragPlane(const ViewProjection& view, const Point3D& centre, const Point3D axes[3], int handle);
