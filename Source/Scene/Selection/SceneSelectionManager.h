#pragma once
// Owns the selection: its mode and style, the objects being edited, the
// cached lists of selected elements, groups, hiding, symmetry and soft
// selection. The element flag `Selected` stays the single source of truth;
// the lists are rebuilt from it by `refreshDisplay` after every change.
//
// Everything that selects sets `Selected` only on elements and objects that
// are neither `Hidden` nor excluded (bit 2 of `flags2`).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Mesh/List.h"
#include "Mesh/Group.h"
#include "Scene/SceneManager.h"
#include "Scene/Selection/PickLevelMap.h"
#include "Scene/Selection/Picking.h"
#include "Scene/Selection/PickVisibility.h"
#include "Scene/Undo/URchangeSelection.h"

class Edge;
class Face;
class Shape;
class Vertex;

class SceneSelectionManager : public SceneManager {
public:
    // Values of `mode`: which kind of element a click picks.
    enum Mode { VertexMode = 0, EdgeMode = 1, FaceMode = 2, MultiMode = 3, ObjectMode = 4 };
    // Values of `style`, the shape of a drag selection.
    enum Style { AreaStyle = 0, PaintStyle = 1, LassoStyle = 2 };
    // Operations of a click selection.
    enum ClickOperation { ClickNew = 1, ClickAdd = 2, ClickSubtract = 3, ClickComplement = 4 };

    // The style from its settings, then soft selection off: it starts off in every session.
    void initialize() override;
    void shutdown() override;
    // The selection style to and from "Selection Style Options".
    void saveSettings() override;
    void applySettings() override;

    // The refresh: rebuilds `activeObjects`, the cached selection lists and
    // the soft-selection weights from the flags, tells the active tools
    // that their target changed and asks for a redraw.
    virtual void refreshDisplay();
    // Writes the soft-selection switch into its option group ("Enabled")
    // and applies it at once.
    virtual void setSoftSelection(bool enabled);

    // --- operations the command dispatch calls ---
    // Each checks its preconditions (reporting the refusal sentence and
    // changing nothing when they fail), does its work and refreshes. The
    // dispatch has already recorded the selection for "Undo Selection"
    // where the command changes it.
    // mode: a Mode value.
    virtual void setMode(int mode);
    // style: a Style value; the current one switches back to the previous.
    virtual void setStyle(int style);
    // Applies `operation` (a ClickOperation) to what is under the drawing-area
    // pixel (x, y) in the mode's kind (the multi mode takes the kind under
    // the cursor), through `selectElements`; through: 1 picks
    // hidden-from-view elements too. With nothing there, "new" clears the
    // selection. A drag that follows selects in the current style. Model
    // space only.
    virtual void clickSelect(int x, int y, int operation, int through);
    // Without an active tool: selects what is visible under (x, y), as a new selection.
    virtual void tweak(int x, int y);

    // --- viewport input ---
    // A press ends any drag selection left over; it never takes the press,
    // so that the bound selection command runs.
    bool mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override;
    // After a click: the area or lasso outline grows, or paint selects what
    // the cursor passes over. Taken while such a drag is on.
    bool mouseDrag(int x, int y) override;
    // Finds the element under the cursor for the pre-highlight; redraws
    // only when it changed. Never taken.
    bool mouseHover(int x, int y) override;
    // Ends a drag: an area or lasso selects what its outline holds.
    bool mouseRelease(int x, int y) override;
    // The pre-highlighted element, in the active viewport.
    void drawActiveViewport() override;
    // The outline of a drag in progress, in window pixels.
    void drawOverlay() override;
    virtual void selectAll();
    virtual void deselect();
    virtual void invert();
    // mode: the component Mode to convert to (vertex, edge or face).
    virtual void convertTo(int mode);
    virtual void grow();
    virtual void shrink();
    virtual void expand();
    virtual void selectLoop();
    virtual void selectRing();
    virtual void selectPath();
    // By the criterion and number of "Select Special Options".
    virtual void selectSpecial();
    virtual void deselectInactive();
    virtual void hideSelection();
    virtual void showAll();
    virtual void hideUnselected();
    virtual void groupSelection();
    virtual void selectAffectedGroups();
    virtual void selectNextGroup();
    virtual void selectSameMaterial();
    virtual void selectCreasedEdges();
    virtual void selectSeams();
    virtual void calculateSymmetry();
    virtual void toggleSymmetry();
    virtual void restoreSymmetry();
    virtual void unselectedToWireframe();
    virtual void unselectedToGhost();
    virtual void softSelectionFalloffUp();
    virtual void softSelectionFalloffDown();
    virtual void softSelectionRadiusUp();
    virtual void softSelectionRadiusDown();
    virtual void assignSoftSelectionRadius();
    // Re-reads the soft-selection setting and recomputes the weights now.
    virtual void applySoftSelectionSetting();

    // What a click does once the viewport has picked: applies `operation`
    // (a ClickOperation) to the listed elements of one object. kind:
    // VertexMode, EdgeMode, FaceMode or ObjectMode; the selection mode
    // switches to it (the component selection is cleared when it changes,
    // unless the multi mode is chosen). object: position in the scene's
    // object list; positions: indices into that object's list of the kind
    // (ignored for objects). Hidden and excluded elements are skipped. False,
    // changing nothing, when a position is out of range or an active tool
    // refuses selection clicks.
    bool selectElements(int kind, int object, const std::vector<int>& positions, int operation);

    // The soft-selection weights of an active object, one per control
    // vertex in list order; null when soft selection is off or the object
    // has none.
    const std::vector<float>* softWeightsOf(const Shape* object) const;
    // The world length that 20 pixels have in the active viewport.
    float twentyPixelLength() const;

    int32_t mode = ObjectMode;      // a Mode value; nothing is active at start, so objects are picked
    bool multi = false;             // the multi mode was chosen; `mode` then follows the picked element
    // Objects edited in the component modes, in scene order; in object mode
    // the selected objects. Always visible objects of the scene with `Selected` set.
    List<Shape*> activeObjects;
    // Selected, visible elements of the active objects, in object and list
    // order; only the kinds of the mode are listed (all three in multi mode).
    List<Vertex*> selectedVertices;
    List<Edge*> selectedEdges;
    List<Face*> selectedFaces;
    int32_t style = AreaStyle;      // a Style value
    int32_t previousStyle = AreaStyle;
    int32_t lastClickOperation = ClickAdd; // what a drag after the click applies
    int32_t through = 0;            // the last click picked hidden-from-view elements too
    bool softSelectionOn = false;   // mirrors "Enabled" of "Soft Selection"
    int32_t lastGroup = -1;         // position in the scene's groups of the group "Select Next Group" chose last
    // The element under the cursor, drawn highlighted; object null for none.
    struct Hovered {
        const Shape* object = nullptr;
        int kind = -1;
        int element = -1; // control element position; -1 for an object
        bool operator==(const Hovered&) const = default;
    };
    Hovered hovered;

    // Rebuilds the lists and returns what a selection record keeps (the
    // selection of every object with anything selected of the mode's
    // kinds): one pass over the elements serves both.
    std::vector<URchangeSelection::ObjectSelection> rebuildForRecord();
    // Set by the dispatch between rebuildForRecord and the operation it
    // records for, so that an operation that reads the lists before it
    // changes anything can take them as they are (`takeLists`).
    bool listsFresh = false;

    // For tools that act on what is under the mouse: the front-most face of
    // the current levels under (x, y) in `view`, with its object, read from
    // the same buffer the selection clicks use. `refresh`: bring the buffer
    // up to date first (a press); otherwise it is read as it stands, so that
    // a stroke that moves the surface does not draw it again. False over
    // empty space.
    bool frontFaceAt(const ViewProjection& view, int x, int y, bool refresh, Shape*& outObject, int& outFace);

protected:
    // Which component lists a mode works on.
    struct Kinds {
        bool vertices, edges, faces;
    };
    static Kinds kindsOf(int mode);
    bool isModelSpace() const;
    bool isInScene(const Shape* object) const;
    void report(const std::string& message) const;
    // Rebuilds activeObjects and the cached lists from the flags. Commands
    // call it before they read the lists: objects may have left the scene
    // since the last refresh.
    void rebuildSelection();
    void rebuildLists(std::vector<URchangeSelection::ObjectSelection>* outStored);
    // What rebuildSelection learnt of one active object (same position as
    // in activeObjects): where its elements start in the cached lists, and
    // whether it has edges without faces. The walks start from these and
    // need no pass of their own over a big mesh.
    struct ActiveRun {
        int vertices = 0, edges = 0, faces = 0;
        bool wireEdges = false;
    };
    std::vector<ActiveRun> activeRuns;
    // The cached selected edges of activeObjects[active].
    std::span<Edge* const> selectedEdgesOf(int active) const;
    // Whether the cached lists hold something of the mode (objects in object mode).
    bool anythingSelected() const;
    // Clears `Selected` on every vertex, edge and face of every object.
    void clearComponentSelection();
    // Clears every selection, objects included, and empties activeObjects.
    void clearAllSelection();
    // Selects `object` (when it may be) and adds it to activeObjects.
    void makeActive(Shape* object);
    // Sets the mode without the checks and clearing of `setMode`.
    void storeMode(int newMode);
    // The visible objects of the scene that the commands search: the
    // active objects, or every object when none is active.
    List<Shape*> searchedObjects() const;
    // What matched on one object: positions in its list of one kind.
    struct Found {
        Shape* object;
        std::vector<int> positions;
    };
    // When anything was found: clears the whole selection, switches to
    // `newMode` (vertex, edge or face), makes the objects active and selects
    // the found elements. Nothing happens when `found` is empty.
    void selectFound(int newMode, const std::vector<Found>& found);
    // Selects, as selectFound does in edge mode, the edges of the searched
    // objects that pass `test`.
    void selectEdgesWhere(bool (*test)(const Edge& e));
    // Whether a group member is still in the scene (its object there, its
    // position inside the object's list).
    bool memberExists(const Group& group, const Group::Member& member) const;
    // Selects the group's existing, selectable members and makes their objects active.
    void selectMembers(const Group& group);
    // Redraw and scene change after a selection change, with a refresh.
    void selectionChanged();
    // After hiding or showing: the scene and the display changed too.
    void visibilityChanged();
    // What follows a change of the cached lists: soft weights, tools, redraw.
    void listsChanged();
    // The lists as the dispatch left them when it has just rebuilt them,
    // otherwise rebuilt now.
    void takeLists();
    // Adds what walks selected (one list per active object) to the cached
    // edges, in order, without a pass over the meshes; false, changing
    // nothing, when a list position is stale (a rebuild is then needed).
    bool addToSelectedEdges(std::vector<std::vector<Edge*>>& added);
    // After walks that only added edges: the lists take them in, then
    // `listsChanged`.
    void edgesAdded(std::vector<std::vector<Edge*>>& added);
    void recomputeSoftWeights();
    // Adds `step` to the float option `name` of "Soft Selection" (the
    // radius never below 0) and recomputes the weights; nothing while soft
    // selection is off.
    void stepSoftSetting(const char* name, float step);

    // --- picking (SelectionMouse.cpp) ---
    // Prepares pickView for `view` with the visible objects of the scene
    // that have meshes; the result indexes them. `exact`: as PickView::prepare.
    std::vector<PickObject> preparePick(const ViewProjection& view, bool exact = true);
    // Applies `operation` to the hits (indices into `objects`) of `kind`,
    // grouped by object, through `selectElements`. With `keepLast`,
    // lastClickOperation stays as it was (a drag applies it, not sets it).
    void applyHits(int kind, const std::vector<PickHit>& hits, const std::vector<PickObject>& objects,
                   int operation, bool keepLast);
    // The kind a drag selects when the press picked `picked` (-1 nothing).
    int dragKind(int picked) const;

    // A drag selection from the press of the last click.
    struct DragSelection {
        bool active = false;
        bool moved = false;
        int kind = FaceMode;        // what it selects
        ViewProjection view;        // the viewport pressed in
        PixelPoint start, last;     // press point and last cursor position
        std::vector<PixelPoint> path; // the lasso so far
    };
    DragSelection drag;
    PickView pickView;          // projections and depth buffer of the viewport last picked in
    LevelMappings levelMappings; // current level to control elements, per object

private:
    std::vector<PickObject> pickedObjects_; // of the last frontFaceAt refresh
    struct ObjectWeights {
        const Shape* object;
        std::vector<float> weights;
    };
    std::vector<ObjectWeights> softWeights_; // one entry per active object while soft selection is on
};
