#pragma once
// Manipulators whose handles belong to inner move, rotate and scale
// manipulators: a press maps the handle to the inner one and its handle,
// and the drag is forwarded to it.
#include <memory>

#include "Tools/TransformManipulator.h"

class CompositeManipulator : public Manipulator {
public:
    explicit CompositeManipulator(ManipulatorFrame& target);

    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    bool mouseDrag(int x, int y, Camera* camera) override;
    bool mouseRelease(int x, int y, Camera* camera) override;
    bool isTransformManipulator() override { return true; }
    // Screen-plane move.
    void beginTweak() override;
    void selectHandle(int handle) override;
    bool isDragging() override { return current && current->isDragging(); }
    bool usesPointSnapping() override { return isDragging() && current == &move; }
    Point3D snapConstraintAxis() override;

protected:
    // The inner manipulator and its handle for one of our handles; false
    // for a handle we do not have.
    virtual bool route(int handle, TransformManipulator*& outInner, int& outHandle) = 0;

    TranslateManipulator move;
    RotateManipulator rotate;
    ScaleManipulator scaleInner;
    TransformManipulator* current = nullptr; // the inner manipulator of the drag
    int routed = -1;                         // our handle of the drag
};

// Move cones 0–2 and the hidden screen move 3, rotate bars 4–6, scale
// cubes 7–9, the uniform scale 10 and the screen ring 11.
class UniversalManipulator : public CompositeManipulator {
public:
    using CompositeManipulator::CompositeManipulator;
    std::span<const Handle> handles() const override;

protected:
    bool route(int handle, TransformManipulator*& outInner, int& outHandle) override;
};

// Move (3, 0–2) and rotate (4–6) in fixed steps, and moves (100–102) or
// turns (104–106) about an axis up to the component under the mouse.
class SnappingManipulator : public CompositeManipulator {
public:
    using CompositeManipulator::CompositeManipulator;
    std::span<const Handle> handles() const override;
    float axisLineLength() const override;
    bool mouseDrag(int x, int y, Camera* camera) override;
    bool showsComponentSnapTargets() override { return isDragging() && routed >= 100; }

protected:
    bool route(int handle, TransformManipulator*& outInner, int& outHandle) override;
};
