#pragma once
// Base of the tools that edit one number by moving the mouse sideways
// (bevel width, inset, shell thickness, local move, local scale, slide,
// extrusion distance). Starting one makes the change of its command and
// fills the shared frame with the points the value moves, each with a
// direction; the value then follows the mouse at once, without a button.
#include <functional>
#include <string>
#include <vector>

#include "Mesh/Topology/ComponentDirections.h"
#include "Tools/Manipulator.h"

#include "Scene/Selection/SelectedElements.h"

class ValueManipulator : public Manipulator {
public:
    // How the "Default Amount" of the tool's options reaches the value when
    // the tool has started.
    enum class DefaultRule {
        None,        // not at all
        WhenNotZero, // a non-zero amount: the points are recorded for undo, then the value is set
        Always,      // set without a record (the start's geometry records cover it)
        WhenAsked,   // as WhenNotZero, only when the starting command asks for it
    };

    // `commandId`: the command that starts the tool; its name is the label.
    ValueManipulator(ManipulatorFrame& target, int commandId);

    // --- Tool ---
    // The tool's own start (preconditions, change, points); on success the
    // value follows the mouse from the next move. False after telling the
    // user why (or silently, for local move with nothing selected).
    bool activate() override;
    void deactivate() override;
    // Right button: leaves the tool. Otherwise a press near the selection
    // grabs the value again.
    bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera) override;
    // One value step (below); only while following.
    bool mouseDrag(int x, int y, Camera* camera) override;
    // While following, the move goes through the tool manager's drag
    // dispatch, so the value changes without a button.
    bool mouseHover(int x, int y, Camera* camera) override;
    bool mouseRelease(int x, int y, Camera* camera) override;
    // Leaves the tool with the value kept; handled.
    bool enterKey() override;
    void beginTweak() override { selectHandle(0); }
    // A new selection starts the tool again on it; a refresh of the same
    // selection (after an undo, say) keeps the points and reads the value
    // back from where they stand.
    void targetChanged() override;
    bool allowsSelectionClick() override { return allowsClick; }
    bool snapsToSurface() override { return false; }
    bool snapPoints(List<Vertex*>&) override { return false; }
    // The centre sphere, then the value text next to it, at handleCentre.
    void draw() override;

    // --- Manipulator ---
    void selectHandle(int handle) override;
    bool isDragging() override { return following; }
    std::span<const Handle> handles() const override;
    float axisLineLength() const override { return 0; }
    // Handle 0 within 4 manipulator units of the centre.
    int pickHandle(int x, int y, Camera* camera) override;

    // After the activation protocol: the tool's "Default Amount" by its
    // rule. `asked`: the starting command asks for it (WhenAsked tools).
    void applyDefaultAmount(bool asked);
    // "Label: value" as the viewport shows it.
    std::string valueText() const;
    // Where the handle and the text stand: the frame centre carried along by
    // the mean travel of the points, so that they ride on what the value
    // moves. The value step keeps measuring at the frame centre.
    Point3D handleCentre() const;
    float value() const;

    std::string label;           // the command name; shown with the value
    int commandId;               // the command that starts the tool
    bool following = false;      // mouse motion changes the value
    bool needsUndoRecord = true; // the run's first value change still has to record the points
    Point3D referencePoint;      // world point of the previous mouse event
    float referenceX = 0;        // its pixel x
    bool resetReference = true;  // the next step only stores the reference
    bool allowsClick = true;     // answer of allowsSelectionClick
    bool showsValue = true;      // the value text is drawn

protected:
    // Checks the selection and makes the tool's change; fills the frame
    // through `enterPoints`. False after telling the user why.
    virtual bool start() = 0;
    // Moves the points for value v; the frame's own rule by default.
    virtual void applyValue(float v);
    // The value the points stand at now (read back after an undo).
    virtual float valueFromPoints() const;
    virtual DefaultRule defaultRule() const { return DefaultRule::None; }
    virtual float defaultAmount() const { return 0; }
    // The option group of the tool (for the units of the value text); -1 none.
    virtual int optionGroup() const { return -1; }

    using Edit = std::function<void(ObjectSelection&, PointDirections&)>;
    // Runs `edit` on each object of `selection`, one undo step in all that
    // begins with a URinitTool (so that undoing it leaves the tool); with
    // `changesTopology` each object's change is recorded in the same step.
    // Then the frame holds exactly the points the edits entered, from where
    // they stand now (value 0). `beforeRefresh` runs after the edits, before
    // the selection display is refreshed (a start that selects what it made).
    void enterPoints(SelectedElements& selection, bool changesTopology, const Edit& edit,
                     const std::function<void()>& beforeRefresh = {});
    // Puts the frame's centre in the middle of its points and captures their
    // start positions; the value is 0.
    void settleFrame();
    void tell(std::string_view sentence) const;
    // The command's refusal sentence.
    void refuse() const;
    int selectionMode() const;
    // The selection of the current mode, objects with a mesh of their own only.
    SelectedElements selection() const;
    // The selected components of one object; empty for a whole object.
    static ComponentLists componentsOf(const ObjectSelection& s);

    // True while any value tool is starting: the selection refreshes of its
    // edits must not restart the tools still in the list.
    static bool starting;
    // The frame's points at value 0, in frame order.
    std::vector<Point3D> startPositions;

private:
    void drawAtPosition();
    bool sameSelectionAsStarted();
    void rememberSelection();
    std::vector<const void*> startedSelection_; // what was selected when the start finished
};
