#pragma once
// Owns the selection: its mode and style, the cached lists of selected
// elements, groups, hiding, symmetry and soft selection. The element flag
// `Selected` stays the single source of truth; the lists are rebuilt from it.
#include <cstdint>

#include "Scene/SceneManager.h"

class SceneSelectionManager : public SceneManager {
public:
    // Values of `mode`: which kind of element a click picks.
    enum Mode { VertexMode = 0, EdgeMode = 1, FaceMode = 2, MultiMode = 3, ObjectMode = 4 };
    // Values of `style`, the shape of a drag selection.
    enum Style { AreaStyle = 0, PaintStyle = 1, LassoStyle = 2 };
    // Operations of a click selection.
    enum ClickOperation { ClickNew = 1, ClickAdd = 2, ClickSubtract = 3, ClickComplement = 4 };

    // Soft selection starts off in every session.
    void initialize() override;

    // Rebuilds the cached selection lists and the manipulation target from
    // the element flags, after a tool exits or the selection changed.
    virtual void refreshDisplay() {}
    // Writes the soft-selection switch into its option group ("Enabled");
    // does nothing until the settings registry exists.
    virtual void setSoftSelection(bool /*enabled*/) {}

    // --- operations the command dispatch calls ---
    // Each does nothing until the selection commands are built; the dispatch
    // has already recorded the selection for "Undo Selection" where it must.
    // mode: a Mode value.
    virtual void setMode(int /*mode*/) {}
    // style: a Style value; the current one switches back to the previous.
    virtual void setStyle(int /*style*/) {}
    // operation: a ClickOperation; through: 1 picks hidden-from-view elements too.
    virtual void clickSelect(int /*x*/, int /*y*/, int /*operation*/, int /*through*/) {}
    virtual void tweak(int /*x*/, int /*y*/) {}
    virtual void selectAll() {}
    virtual void deselect() {}
    virtual void invert() {}
    // mode: the component Mode to convert to (vertex, edge or face).
    virtual void convertTo(int /*mode*/) {}
    virtual void grow() {}
    virtual void shrink() {}
    virtual void expand() {}
    virtual void selectLoop() {}
    virtual void selectRing() {}
    virtual void selectPath() {}
    virtual void selectSpecial() {}
    virtual void deselectInactive() {}
    virtual void hideSelection() {}
    virtual void showAll() {}
    virtual void hideUnselected() {}
    virtual void groupSelection() {}
    virtual void selectAffectedGroups() {}
    virtual void selectNextGroup() {}
    virtual void selectSameMaterial() {}
    virtual void selectCreasedEdges() {}
    virtual void selectSeams() {}
    virtual void calculateSymmetry() {}
    virtual void toggleSymmetry() {}
    virtual void restoreSymmetry() {}
    virtual void unselectedToWireframe() {}
    virtual void unselectedToGhost() {}
    virtual void softSelectionFalloffUp() {}
    virtual void softSelectionFalloffDown() {}
    virtual void softSelectionRadiusUp() {}
    virtual void softSelectionRadiusDown() {}
    virtual void assignSoftSelectionRadius() {}
    // Re-reads the soft-selection setting and recomputes the weights now.
    virtual void applySoftSelectionSetting() {}

    int32_t mode = ObjectMode; // a Mode value; nothing is active at start, so objects are picked
};
