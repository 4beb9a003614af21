#include "Scene/Undo/URchangeShape.h"

#include <algorithm>
#include <cstring>

#include "Mesh/Shape.h"

namespace {

using State = URchangeShape::State;

std::unique_ptr<State> capture(Shape& object)
{
    object.currentLevelMesh(); // stale levels are rebuilt before they are read
    auto s = std::make_unique<State>();
    s->hidden = object.isHidden();
    s->symmetry = object.hasSymmetry();
    s->plane = object.mirrorPlane;
    for (int i = 0; i < 4; ++i) {
        s->axis[i][0] = object.axisFrame[i].x;
        s->axis[i][1] = object.axisFrame[i].y;
        s->axis[i][2] = object.axisFrame[i].z;
    }
    s->builtLevels = object.levelStack.maxBuiltLevel();
    s->currentLevel = object.currentLevel();
    s->toggleLevel = object.toggleLevel;
    object.levelStack.saveDisplacement(1, s->displacement);
    s->displacement.byCorner.freeStorage(); // the levels come back with the same topology
    return s;
}

bool samePlane(const MirrorPlane& a, const MirrorPlane& b)
{
    return a.point.x == b.point.x && a.point.y == b.point.y && a.point.z == b.point.z
        && a.normal.x == b.normal.x && a.normal.y == b.normal.y && a.normal.z == b.normal.z;
}

bool sameLevels(const State& a, const State& b)
{
    const DisplacementSnapshot& x = a.displacement;
    const DisplacementSnapshot& y = b.displacement;
    if (a.builtLevels != b.builtLevels || a.currentLevel != b.currentLevel || !(x.vertexCounts == y.vertexCounts)
        || x.byVertex.count() != y.byVertex.count())
        return false;
    for (int i = 0; i < x.byVertex.count(); ++i) {
        const auto& p = x.byVertex[i];
        const auto& q = y.byVertex[i];
        if (p.level != q.level || p.vertex != q.vertex || std::memcmp(p.offset, q.offset, sizeof p.offset) != 0)
            return false;
    }
    return true;
}

bool sameObject(const State& a, const State& b)
{
    return a.hidden == b.hidden && a.symmetry == b.symmetry && samePlane(a.plane, b.plane)
        && std::memcmp(a.axis, b.axis, sizeof a.axis) == 0 && a.toggleLevel == b.toggleLevel;
}

// Builds the stored number of levels on the control mesh as it is now and
// gives them back their displacement and the current level.
void restoreLevels(Shape& object, const State& s)
{
    object.levelStack.rebuildLevels(s.builtLevels, s.currentLevel, s.displacement);
}

void restoreObject(Shape& object, const State& s)
{
    object.set(Geometry::Hidden, s.hidden);
    object.setSymmetry(s.symmetry);
    object.mirrorPlane = s.plane;
    for (int i = 0; i < 4; ++i)
        object.axisFrame[i].setPosition(s.axis[i][0], s.axis[i][1], s.axis[i][2]);
    object.toggleLevel = s.toggleLevel;
}

} // namespace

URchangeShape::URchangeShape(Shape& object) : object_(object), geometry_(object), other_(capture(object)) { }

URchangeShape::~URchangeShape() = default;

bool URchangeShape::apply()
{
    const bool geometryChanged = geometry_.apply();
    const std::unique_ptr<State> now = capture(object_);
    return geometryChanged || !sameLevels(*now, *other_) || !sameObject(*now, *other_);
}

bool URchangeShape::revert()
{
    std::unique_ptr<State> shown = capture(object_);
    const bool geometryChanged = geometry_.changed();
    if (geometryChanged || !sameLevels(*shown, *other_)) {
        // Without levels the geometry swap rebuilds none and keeps the
        // stored mirror pairs: symmetry is switched back on only afterwards.
        object_.levelStack.clearLevels();
        object_.setSymmetry(false);
        if (geometryChanged && !geometry_.revert()) {
            restoreObject(object_, *shown);
            restoreLevels(object_, *shown);
            return false;
        }
        restoreObject(object_, *other_);
        restoreLevels(object_, *other_);
        object_.syncLevelSymmetry();
        object_.setShadingMode(object_.shadingMode());
        object_.renumber();
    } else {
        restoreObject(object_, *other_);
        if (shown->symmetry != other_->symmetry)
            object_.syncLevelSymmetry();
    }
    other_ = std::move(shown);
    return true;
}
