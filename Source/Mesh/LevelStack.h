#pragma once
// The subdivision level stack of a scene object. Level 0 is the object's own
// control mesh; every level above it is a mesh of its own, built from the
// level below, whose vertices compute their positions through stencils.
#include <cstdint>

#include "InnerShape.h"
#include "List.h"

class Shape;

// Map entries are indexed by the `id` of an element of the level below.
// `parent` is that element's position in its own list; the second word is
// the position of its first descendant in this level's list.
struct FaceMapEntry {
    int32_t parent = -1;
    int32_t firstChild = -1; // children are contiguous, one per corner of the parent
    int32_t childCount = 0;
    bool operator==(const FaceMapEntry& o) const
    {
        return parent == o.parent && firstChild == o.firstChild && childCount == o.childCount;
    }
};
struct EdgeMapEntry {
    int32_t parent = -1;
    int32_t firstHalf = -1; // the second half follows it
    bool operator==(const EdgeMapEntry& o) const { return parent == o.parent && firstHalf == o.firstHalf; }
};
struct VertexMapEntry {
    int32_t parent = -1;
    int32_t vertexPoint = -1;
    bool operator==(const VertexMapEntry& o) const { return parent == o.parent && vertexPoint == o.vertexPoint; }
};

// One level of the stack. Records above the base own their mesh.
struct LevelRecord {
    InnerShape* mesh = nullptr; // the owning object itself for the base record
    List<FaceMapEntry> faceMap;
    List<EdgeMapEntry> edgeMap;
    List<VertexMapEntry> vertexMap;
    // The mesh's changeCount when its ids were last numbered (by the build
    // or numberIds): while it holds, numbering again changes nothing.
    int32_t numberedAtChange = -1;
};

// Builds the level above `below`: fills `outRecord.mesh` with a new mesh
// from the pool and the record's maps. Returns false, leaving the record
// empty, when it cannot.
using LevelBuilder = bool (*)(InnerShape& below, LevelRecord& outRecord);

// One step of Catmull-Clark subdivision (BuildLevel.cpp): builds the level
// above `below` with a stencil for every new vertex, fills the record's maps
// (indexed by the `id`s of below's elements, which the caller numbers) and
// sets below's Boundary and CreaseVertex bits, vertex tags (list positions)
// and face Psub bits. The new mesh lists face points, edge points, vertex
// points; edge i of below becomes edges 2i and 2i + 1, followed by the
// internal edges of each face; face f becomes one quad per corner, children
// contiguous in corner order. False, leaving the record empty, when memory
// runs out.
bool buildLevel(InnerShape& below, LevelRecord& outRecord);

// Sculpted offsets of a range of levels, kept while levels are torn down and
// built again or copied to another object. Each offset is recorded both by
// vertex position and by (face position, corner), so that it can be put back
// exactly where the topology is unchanged and face by face where it is not.
struct DisplacementSnapshot {
    struct ByVertex {
        int32_t level;
        int32_t vertex;
        float offset[3];
    };
    struct ByCorner {
        int32_t level;
        int32_t face;
        int32_t corner;
        float offset[3];
    };
    List<ByVertex> byVertex;
    List<ByCorner> byCorner;
    List<int32_t> vertexCounts; // per level, from level 0; -1 for levels not taken
};

class LevelStack {
public:
    explicit LevelStack(Shape& owner);
    LevelStack(const LevelStack&) = delete;
    LevelStack& operator=(const LevelStack&) = delete;
    ~LevelStack();

    // The mesh of level i, or the owning object when i is out of range.
    InnerShape* levelMesh(int i) const;
    // The record of level i, or the base record when i is out of range.
    LevelRecord* levelRecord(int i);
    int levelCount() const { return levels.count(); }
    int maxBuiltLevel() const { return levels.count() - 1; }
    // How many level edges one control edge becomes at the current level.
    int segmentsPerEdge() const { return 1 << currentLevel; }

    // Moves to the level above the current one: an existing level is
    // brought up to date with the levels below it, a missing one is built
    // from the top level with `builder`. False (nothing changed) when no
    // level could be built.
    bool stepUp();
    // Moves one level down; with `propagate`, displacement on the levels is
    // first pushed down (to the base or to level 1, by the settings). Then
    // the owner is updated, normals only. False at level 0.
    bool stepDown(bool propagate);
    // Gives the lower of levels `from` and `to` the shape of the higher one
    // and re-measures the displacement of the levels between against it, so
    // that they keep their look. `from` < 1 means the top level; a target of
    // 0 becomes 1 unless "Propagate Displacement to Base" is on; nothing
    // happens while "Propagate Displacement to Lower Subdivisions" is off.
    void propagateDisplacement(int from, int to);
    // The faces of the current level that descend from control face
    // `controlFace` (a position in the control mesh's face list) are
    // childFaceCount faces from childFaceStart on; at level 0 the face itself.
    // Both are 0 for a face that has no descendants.
    int childFaceStart(int controlFace) const;
    int childFaceCount(int controlFace) const;
    // Releases every level above `level`, from the top down; the current
    // level is kept when it still exists.
    void clearAbove(int level);
    // Numbers the elements of level `level` before a level is built on it:
    // list positions on the control mesh; on a higher level, -1 except the
    // elements that continue a lower-level element (vertex points, first
    // halves, first children), numbered in the order of their level's maps.
    // A level unchanged since it was last numbered keeps its numbers.
    void numberIds(int level);
    // Releases every level above the base, from the top down; back to level 0.
    void clearLevels();
    // Builds the same number of levels again from the current control mesh,
    // keeping their displacement where elements still correspond and the
    // current level where it still exists.
    void rebuildLevels();
    // Clears the levels and builds `builtLevels` of them on the control mesh
    // as it is now, with the offsets of `saved` (by vertex where the counts
    // match) and `shownLevel` current where it exists. Records that hold a
    // level state of their own put it back with this.
    void rebuildLevels(int builtLevels, int shownLevel, const DisplacementSnapshot& saved);

    bool anyLevelHasDisplacement() const;
    // Records the displacement of levels fromLevel … top into `out`.
    void saveDisplacement(int fromLevel, DisplacementSnapshot& out) const;
    // Puts saved offsets back onto the levels that exist. With `byVertexFirst`
    // a level whose vertex count is unchanged takes them by vertex position;
    // otherwise (and always without it) they go face by face, corner by corner.
    void restoreDisplacement(const DisplacementSnapshot& saved, bool byVertexFirst);

    // The builder of new levels: buildLevel unless replaced; while it is
    // null no level above the base can be built.
    static LevelBuilder builder;

    List<LevelRecord*> levels; // entry 0 is &baseLevel
    LevelRecord baseLevel;     // mesh = the owner, maps empty
    List<LevelRecord*> spare;  // owned records kept aside by the level code; freed with the stack
    Shape* owner;
    int32_t currentLevel = 0;  // index into levels of the level shown and edited
    bool dirty = false;        // the levels above the base must be rebuilt before use
    int32_t reserved[8] = {2, 1, 0, 3, 0, 3, 2, 1}; // level-code parameters; only the initial values are fixed

private:
    static void releaseRecord(LevelRecord* record);
};
