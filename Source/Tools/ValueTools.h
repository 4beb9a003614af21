#pragma once
// The value tools: what each one's start does and how its default amount
// applies. The shared behaviour is ValueManipulator's.
#include <array>
#include <vector>

#include "Settings/CommandIds.h"
#include "Tools/ValueManipulator.h"

// "Bevel": bevels the selected faces, edges, vertices or objects.
class BevelManipulator : public ValueManipulator {
public:
    explicit BevelManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::Bevel) {}

protected:
    bool start() override;
    DefaultRule defaultRule() const override { return DefaultRule::Always; }
    float defaultAmount() const override;
    int optionGroup() const override { return CommandId::BevelOptions; }
    // A bevel narrower than nothing would fold its faces over: it stops at 0.
    void applyValue(float v) override;
};

// "Inset Scale": insets the selected faces.
class InsetManipulator : public ValueManipulator {
public:
    explicit InsetManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::InsetScale) {}

protected:
    bool start() override;
    DefaultRule defaultRule() const override { return DefaultRule::WhenNotZero; }
    float defaultAmount() const override;
    int optionGroup() const override { return CommandId::InsetOptions; }
};

// "Shell": gives the selected objects a thickness.
class ShellManipulator : public ValueManipulator {
public:
    explicit ShellManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::Shell) {}

protected:
    bool start() override;
    DefaultRule defaultRule() const override { return DefaultRule::Always; }
    float defaultAmount() const override;
    int optionGroup() const override { return CommandId::ShellOptions; }
};

// "Local Move": the selection moves along its normals. "Extrude" starts the
// same tool after extruding, with its own label and amount.
class NormalMoveManipulator : public ValueManipulator {
public:
    explicit NormalMoveManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::LocalMove) {}
    bool extrusion = false; // the next start extrudes first
    // The running start extruded (the tool then shows "Extrude").
    bool extruding() const { return extruding_; }

protected:
    bool start() override;
    DefaultRule defaultRule() const override { return DefaultRule::WhenNotZero; }
    float defaultAmount() const override;
    int optionGroup() const override;

private:
    bool startExtrusion();
    bool extruding_ = false;
};

// "Local Scale": each connected group of the selection scales about its centre.
class NormalScaleManipulator : public ValueManipulator {
public:
    explicit NormalScaleManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::LocalScale)
    {
        showsValue = false;
    }

protected:
    bool start() override;
    DefaultRule defaultRule() const override { return DefaultRule::WhenNotZero; }
    float defaultAmount() const override;
    int optionGroup() const override { return CommandId::LocalScaleOptions; }
};

// "Slide": the selected edges slide along their neighbours. "Split Loop"
// starts it on the loop it has just made.
class SlideManipulator : public ValueManipulator {
public:
    explicit SlideManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::Slide) {}
    bool afterSplit = false; // the next start splits a loop first

    void deactivate() override;

protected:
    bool start() override;
    DefaultRule defaultRule() const override { return DefaultRule::WhenAsked; }
    float defaultAmount() const override;
    int optionGroup() const override { return CommandId::SlideOptions; }

private:
    bool startAfterSplit();
    bool split_ = false; // the running start split a loop
};

// "Local Rotate": each connected group of the selection turns about its own
// centre and normal, a quarter turn per world unit of the value.
class LocalRotateManipulator : public ValueManipulator {
public:
    explicit LocalRotateManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::LocalRotate) {}
    static constexpr float degreesPerUnit = 90;

protected:
    bool start() override;
    void applyValue(float v) override;
    float valueFromPoints() const override;

private:
    struct Pivot {
        Point3D centre, normal;
    };
    std::vector<Pivot> pivots_; // one per frame point
};

// "Orient": the selected faces move and turn as one block. Handle 0 (the
// centre) moves it in the plane of the screen, handle 1 turns it about the
// frame's Y axis by the horizontal travel, handle 2 tilts it about the X
// axis by the vertical travel. The frame's Z axis starts on the block's
// mean normal.
class OrientManipulator : public ValueManipulator {
public:
    explicit OrientManipulator(ManipulatorFrame& f) : ValueManipulator(f, CommandId::Orient) { showsValue = false; }
    static constexpr float degreesPerPixel = 0.5f;

    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    bool mouseDrag(int x, int y, Camera* camera) override;
    bool mouseRelease(int x, int y, Camera* camera) override;
    void beginTweak() override {}
    // Makes `handle` the dragged one from the next move.
    void selectHandle(int handle) override;
    bool isDragging() override { return dragged_ != -1; }
    std::span<const Handle> handles() const override;
    int pickHandle(int x, int y, Camera* camera) override { return Manipulator::pickHandle(x, y, camera); }
    Point3D referenceNormal; // mean normal of the block at the start

protected:
    bool start() override;

private:
    int dragged_ = -1;
    bool firstMove_ = false;
    int pressX_ = 0, pressY_ = 0;
    Point3D pressHit_;
};

// Six value tools under one manipulator: member i's handle stands 0.3 +
// 0.17 × i manipulator units from the centre along the frame's X axis. A
// press on it starts the member and hands it the press; the member gets the
// drag and the release, then it is put away and the frame is finished.
// Started by "Local Move" while the local move tool is already running.
class MultiManipulator : public ValueManipulator {
public:
    // Local move, local scale, local rotate, inset, slide and orient, in handle order.
    MultiManipulator(ManipulatorFrame& f, const std::array<ValueManipulator*, 6>& members);

    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    bool mouseDrag(int x, int y, Camera* camera) override;
    bool mouseHover(int x, int y, Camera* camera) override;
    bool mouseRelease(int x, int y, Camera* camera) override;
    void beginTweak() override {}
    void targetChanged() override;
    bool isDragging() override { return member_ != nullptr; }
    std::span<const Handle> handles() const override;
    int pickHandle(int x, int y, Camera* camera) override { return Manipulator::pickHandle(x, y, camera); }
    // The member whose handle was pressed; null between presses.
    ValueManipulator* member() const { return member_; }

protected:
    bool start() override;

private:
    std::array<ValueManipulator*, 6> members_;
    ValueManipulator* member_ = nullptr;
};
