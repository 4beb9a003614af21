#pragma once
// What a scene read keeps while it runs, for both formats: the objects and
// materials read so far (indices in the file resolve against them), the
// level budget, the warnings, and the contents handed over when input ends.
#include <functional>
#include <string>
#include <vector>

#include "Formats/FileProgress.h"
#include "Formats/SceneContents.h"
#include "Formats/SceneReadLimits.h"

class Shape;
class InnerShape;
struct Material;

class SceneReadState {
public:
    // `folder`: where relative paths in the file are resolved; `fileBytes`:
    // the input's size, which sets the level budget. What is read is
    // appended to `out`.
    SceneReadState(SceneContents& out, std::string folder, size_t fileBytes, const SceneReadFeedback& feedback);
    SceneReadState(const SceneReadState&) = delete;
    SceneReadState& operator=(const SceneReadState&) = delete;
    // Hands over whatever was read (input may end anywhere).
    ~SceneReadState();

    // Object i of those read so far; null when i is out of range.
    Shape* objectAt(long i) const;
    // The same, only when it is a polygon object (sources of instances,
    // owners of UV proxies).
    Shape* polygonObjectAt(long i) const;
    // Object i when it has a mesh of its own that can carry displacement.
    Shape* displaceableObjectAt(long i) const;
    void addObject(Shape* object);
    int objectCount() const { return static_cast<int>(objects_.size()); }

    // A new material, appended to the file's list.
    Material* newMaterial();
    // The material faces get for file material m: the scene's default
    // material when m is out of range or names "Default" or "Material0".
    Material* faceMaterial(long m) const;

    // Tells the feedback, once per read and kind.
    void warn(SceneReadWarning warning);
    // The level `object` may be subdivided to, up to `target`, within the
    // read's budget; warns when that is below `target`.
    int affordableLevel(const Shape& object, long target);

    // Adds a group of `kind` (Group::Kind); returns its position.
    int addGroup(int kind);
    void setGroupName(int group, const std::string& name);
    // Adds element `element` of object `object` (or, in an object group,
    // object `object`) when both are valid.
    void addGroupMember(int group, long object, long element);

    // Gives `view` (0-5, 7) its reference image; `storedPath` as the file has it.
    void setReferenceImage(int view, const std::string& storedPath, const float corners[12], const float uvs[8]);
    std::string resolvePath(const std::string& storedPath) const;

    Material* currentMaterial; // ".tva": the face material, carried across object blocks

private:
    SceneContents& out_;
    std::string folder_;
    SceneReadFeedback feedback_;
    LevelBudget budget_;
    std::vector<Shape*> objects_;
    std::vector<Material*> materials_;
    unsigned warned_ = 0; // bit per SceneReadWarning told
};

// Loads per-level displacement onto an object: each level is reached with
// the object's level-setting operation (which builds missing levels); at
// the end the object goes back to the level it was at, without pushing
// displacement down, and every level is refreshed.
class DisplacementLoad {
public:
    DisplacementLoad(Shape& object, SceneReadState& state);
    ~DisplacementLoad();
    DisplacementLoad(const DisplacementLoad&) = delete;
    DisplacementLoad& operator=(const DisplacementLoad&) = delete;

    // The mesh of level L (L >= 1), or null when it cannot be reached.
    InnerShape* level(long L);
    // Sets the displacement of vertex i of `level` (null: ignored); an
    // index out of range is ignored, a value that is not a number is 0.
    static void set(InnerShape* level, long i, float dx, float dy, float dz);

private:
    Shape& object_;
    SceneReadState& state_;
    int startLevel_;
};

// Rebuilds an axis frame from the file's four points: origin, then the ends
// of the X, Y and Z axes (each direction is its end minus the origin).
void setAxisFromPoints(InnerShape& mesh, const float points[12]);

// Passes the fraction of the input read to a progress callback, at most
// about a hundred times per read.
class ReadProgress {
public:
    ReadProgress(const FileProgress& callback, size_t total) : callback_(callback), total_(total) {}
    void at(size_t position)
    {
        if (!callback_ || total_ == 0)
            return;
        const double fraction = static_cast<double>(position) / static_cast<double>(total_);
        if (fraction >= last_ + 0.01 || fraction >= 1.0) {
            last_ = fraction;
            callback_(fraction > 1.0 ? 1.0 : fraction);
        }
    }

private:
    const FileProgress& callback_;
    size_t total_;
    double last_ = -1.0;
};
