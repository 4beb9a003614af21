#pragma once
// The scene object: a control mesh plus its subdivision level stack and the
// object-level state that scenes, commands and file formats work with.
// Primitives, instances, lights and UV proxies derive from it.
#include <cstdint>

#include "InnerShape.h"
#include "LevelStack.h"
#include "List.h"
#include "MirrorPlane.h"

class Shape : public InnerShape {
public:
    // An empty object named "Generic" with only its base level.
    Shape();
    // Duplicates every element of `mesh` (connectivity, flags, mirror
    // partners, display state), then numbers the lists. When `mesh` is a
    // Shape with displacement on some level, the same number of levels is
    // built and the displacement taken over face by face, the faces of both
    // objects corresponding by list position; otherwise only the base level.
    explicit Shape(const InnerShape& mesh);
    Shape(const Shape& other);
    Shape& operator=(const Shape&) = delete;

    // --- virtual operations (after those of InnerShape) ---
    ~Shape() override = default;
    // Releases the levels, their meshes and all elements; back to the Shape pool.
    void release() override;
    // Shares the other mesh's elements as InnerShape::copyFrom does; the
    // levels no longer match the control mesh and are rebuilt before next use.
    void copyFrom(const Geometry& other) override;
    int shapeKind() const override { return KindShape; }
    // Numbers the control mesh, then every built level; returns the control vertex count.
    int renumber() override;
    // After a change of the control mesh's topology: rebuilds the levels,
    // recalculates symmetry (when on) and renumbers.
    void topologyChanged() override;
    // Updates the control mesh without positions, then levels 1 … current
    // with the given arguments. Mode -1 is the object's shading mode, or
    // smooth for a flat object at or above "Smooth Shade At SubD Level".
    void update(bool normals, bool positions, int mode) override;
    // Flips as InnerShape::flipFaces; then topologyChanged when at most half
    // of the faces were listed, otherwise the level stack is rebuilt outright.
    void flipFaces(const List<Face*>& list) override;
    void clearVertexFaceLists() override;
    // Sets the mode on the control mesh and every level (levels of a flat
    // object at or above "Smooth Shade At SubD Level" get smooth), then update.
    void setShadingMode(int mode) override;
    bool isPlainMesh() const override { return false; }
    // The mesh of the current level: the object itself at level 0.
    virtual InnerShape* currentLevelMesh();

    // Drawing through the current level (ShapeDraw.cpp). A control element
    // is shown by its descendants: a face by its child faces, an edge by its
    // segmentsPerEdge() level edges, a vertex at its vertex point. At level
    // 0 these are the InnerShape routines.
    // `element` is a control element (an element of the current level mesh
    // is highlighted as it is); false when it is in neither.
    bool drawHighlight(Geometry* element, int index) override;
    // i: position in the control mesh's list; hidden elements are skipped.
    void drawFace(int i, const unsigned char rgb[3]) override;
    void drawEdge(int i, const unsigned char rgb[3]) override;
    void drawVertex(int i, const unsigned char rgb[3]) override;

    // --- current-level view (ShapeLevelView.cpp) ---
    // The current-level vertex that shows control vertex `controlVertex`
    // (a position in `vertices`): its vertex point, or the vertex itself at
    // level 0. Null when out of range or not mapped.
    Vertex* levelVertexOf(int controlVertex) const;
    // The same as a position in the current level's vertex list; -1 when
    // out of range or not mapped.
    int levelVertexPosition(int controlVertex) const;
    // The first of the segmentsPerEdge() current-level edges that show
    // control edge `controlEdge` (a position in `edges`): a level lists the
    // halves of the edge i below as its edges 2i and 2i + 1, so the block
    // starts at controlEdge << currentLevel. -1 when out of range.
    int levelEdgeStart(int controlEdge) const;
    // Gives every face of the current level the Hidden bit of the control
    // face it descends from, then hides the level edges and vertices whose
    // faces are all hidden (and shows the others), so that the level draws
    // and picks what the control mesh shows. Nothing to do at level 0.
    void syncLevelVisibility();

    // --- subdivision levels ---
    // One level up (built when missing) while below "Max Subdivision Level",
    // then the levels are refreshed. False when the level did not change.
    bool subdivide();
    // One level down, pushing displacement down unless "Propagate
    // Displacement to Lower Subdivisions" is off, or "Propagate Displacement
    // to Base" is off and this is level 1. False at level 0.
    bool unsubdivide();
    // Steps up (while below the maximum) or down (as unsubdivide) until the
    // current level is `target` or no step is possible; with `refresh` the
    // levels are refreshed afterwards.
    void setLevel(int target, bool refresh);
    // From a level above 0 to level 0, remembering the level in
    // `toggleLevel`; from level 0 back to that level.
    void toggleCurrentLevel();
    // Releases every level above the current one.
    void clearHigherLevels();
    // The current level's mesh, displacement included, becomes the control
    // mesh; the old control elements are released and the levels cleared.
    void refineControlMesh();

    // --- object state ---
    // True when every element of the list is Selected; true for an empty list.
    bool allVerticesSelected() const;
    bool allEdgesSelected() const;
    bool allFacesSelected() const;
    bool hasMirrorVertices() const;
    void setUvFlag(bool on) { uvFlag = on; }
    int currentLevel() const { return levelStack.currentLevel; }
    // The mode `update` shades with: the object's own, or smooth under the
    // smooth-at-level rule.
    int levelShadingMode() const;
    // Gives every level the object's Symmetry bit and mirror plane and, with
    // Symmetry on, pairs the level's own vertices and faces.
    void syncLevelSymmetry();

    LevelStack levelStack;
    int32_t tag = 0;                 // scratch for object-level algorithms
    int32_t instanceMirror = 0;      // the instance mirror setting
    MirrorPlane instanceMirrorPlane; // plane of instance mirroring
    List<Geometry*> bookkeeping[4];  // owned list storage, empty at construction
    bool uvFlag = false;             // set by the UV commands
    int32_t toggleLevel = 1;         // the level to return to when toggling back from level 0

protected:
    // Frees everything the object owns; every concrete release calls it and
    // then gives the object back to its own pool.
    void releaseObjectState();

private:
    void applyLevelShading();
    // Shading, symmetry and normals of the levels after a level change.
    void refreshLevels();
    void rebuildLevelStack();
    void takeOverLevels(const Shape& other);
};
