#pragma once
// Owns the selection: its mode and style, the cached lists of selected
// elements, groups, hiding, symmetry and soft selection. The element flag
// `Selected` stays the single source of truth; the lists are rebuilt from it.
#include "Scene/SceneManager.h"

class SceneSelectionManager : public SceneManager {
public:
    // Soft selection starts off in every session.
    void initialize() override;

    // Rebuilds the cached selection lists and the manipulation target from
    // the element flags, after a tool exits or the selection changed.
    virtual void refreshDisplay() {}
    // Writes the soft-selection switch into its option group ("Enabled");
    // does nothing until the settings registry exists.
    virtual void setSoftSelection(bool /*enabled*/) {}
};
