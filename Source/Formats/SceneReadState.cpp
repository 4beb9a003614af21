#include "Formats/SceneReadState.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

#include "Formats/ScenePaths.h"
#include "Formats/SceneReadLimits.h"
#include "Mesh/Material.h"
#include "Mesh/Shape.h"
#include "Mesh/Group.h"

const char* sceneReadWarningText(SceneReadWarning warning)
{
    switch (warning) {
    case SceneReadWarning::NewerVersion:
        return "This file was created in a newer version of Tavo and may not load properly.";
    case SceneReadWarning::LevelsCut:
        return "Some subdivision levels in this file were too large to build; the objects were loaded at lower levels.";
    }
    return "";
}

namespace {
// Materials under these names stand for the scene's default material.
bool isDefaultStandIn(const Material* m)
{
    return m->name == "Default" || m->name == "Material0";
}
} // namespace

SceneReadState::SceneReadState(SceneContents& out, std::string folder, size_t fileBytes,
                               const SceneReadFeedback& feedback)
    : currentMaterial(out.defaultMaterial), out_(out), folder_(std::move(folder)), feedback_(feedback),
      budget_(fileBytes)
{
}

SceneReadState::~SceneReadState()
{
    out_.objects.insert(out_.objects.end(), objects_.begin(), objects_.end());
    for (Material* m : materials_) {
        if (isDefaultStandIn(m))
            delete m;
        else
            out_.materials.push_back(m);
    }
}

Shape* SceneReadState::objectAt(long i) const
{
    return i >= 0 && i < objectCount() ? objects_[static_cast<size_t>(i)] : nullptr;
}

Shape* SceneReadState::polygonObjectAt(long i) const
{
    Shape* s = objectAt(i);
    return s && s->shapeKind() == InnerShape::KindShape ? s : nullptr;
}

Shape* SceneReadState::displaceableObjectAt(long i) const
{
    Shape* s = objectAt(i);
    if (!s)
        return nullptr;
    const int kind = s->shapeKind();
    return kind == InnerShape::KindShape || kind == InnerShape::KindTextureProxy ? s : nullptr;
}

void SceneReadState::addObject(Shape* object)
{
    if (object)
        objects_.push_back(object);
}

Material* SceneReadState::newMaterial()
{
    auto* m = new Material;
    materials_.push_back(m);
    return m;
}

Material* SceneReadState::faceMaterial(long m) const
{
    if (m < 0 || m >= static_cast<long>(materials_.size()) || isDefaultStandIn(materials_[static_cast<size_t>(m)]))
        return out_.defaultMaterial;
    return materials_[static_cast<size_t>(m)];
}

void SceneReadState::warn(SceneReadWarning warning)
{
    const unsigned bit = 1u << static_cast<unsigned>(warning);
    if (warned_ & bit)
        return;
    warned_ |= bit;
    if (feedback_.warn)
        feedback_.warn(warning);
}

int SceneReadState::affordableLevel(const Shape& object, long target)
{
    const int level = budget_.afford(object, target);
    if (level < target)
        warn(SceneReadWarning::LevelsCut);
    return level;
}

int SceneReadState::addGroup(int kind)
{
    Group g;
    g.kind = kind;
    out_.groups.push_back(std::move(g));
    return static_cast<int>(out_.groups.size()) - 1;
}

void SceneReadState::setGroupName(int group, const std::string& name)
{
    out_.groups[static_cast<size_t>(group)].name = name;
}

void SceneReadState::addGroupMember(int group, long object, long element)
{
    Group& g = out_.groups[static_cast<size_t>(group)];
    Shape* s = objectAt(object);
    if (!s)
        return;
    if (g.kind == Group::Objects) {
        g.members.push_back({s, -1});
        return;
    }
    long count = 0;
    switch (g.kind) {
    case Group::Vertices: count = s->vertices.count(); break;
    case Group::Edges: count = s->edges.count(); break;
    case Group::Faces: count = s->faces.count(); break;
    default: break;
    }
    if (element >= 0 && element < count)
        g.members.push_back({s, static_cast<int32_t>(element)});
}

std::string SceneReadState::resolvePath(const std::string& storedPath) const
{
    return pathFromFile(storedPath, folder_);
}

void SceneReadState::setReferenceImage(int view, const std::string& storedPath, const float corners[12],
                                       const float uvs[8])
{
    std::vector<ReferenceImageRecord>& images = out_.referenceImages;
    auto at = std::find_if(images.begin(), images.end(), [view](const ReferenceImageRecord& r) { return r.view >= view; });
    if (at != images.end() && at->view == view)
        at = images.erase(at);
    if (storedPath.empty())
        return;
    ReferenceImageRecord image;
    image.view = view;
    image.path = resolvePath(storedPath);
    std::copy(corners, corners + 12, image.corners);
    std::copy(uvs, uvs + 8, image.uvs);
    images.insert(at, std::move(image));
}

DisplacementLoad::DisplacementLoad(Shape& object, SceneReadState& state)
    : object_(object), state_(state), startLevel_(object.currentLevel())
{
}

DisplacementLoad::~DisplacementLoad()
{
    while (object_.currentLevel() > startLevel_ && object_.levelStack.stepDown(false)) {
    }
    // Levels above the current one are refreshed too: they hold displacement.
    for (int i = 1; i <= object_.levelStack.maxBuiltLevel(); ++i)
        object_.levelStack.levelMesh(i)->update(true, true, -1);
    if (object_.hasSymmetry())
        object_.syncLevelSymmetry();
    object_.setShadingMode(object_.shadingMode());
}

InnerShape* DisplacementLoad::level(long L)
{
    if (L < 1 || state_.affordableLevel(object_, L) < L)
        return nullptr;
    // Down without pushing displacement: the file gives every level's own.
    while (object_.currentLevel() > L && object_.levelStack.stepDown(false)) {
    }
    if (object_.currentLevel() < L)
        object_.setLevel(static_cast<int>(L), false);
    return object_.currentLevel() == L ? object_.levelStack.levelMesh(static_cast<int>(L)) : nullptr;
}

void DisplacementLoad::set(InnerShape* level, long i, float dx, float dy, float dz)
{
    if (!level || i < 0 || i >= level->vertices.count())
        return;
    float* d = level->vertices[static_cast<int>(i)]->ensureDisplacement();
    if (!d)
        return;
    d[0] = std::isnan(dx) ? 0.0f : dx;
    d[1] = std::isnan(dy) ? 0.0f : dy;
    d[2] = std::isnan(dz) ? 0.0f : dz;
}

void setAxisFromPoints(InnerShape& mesh, const float p[12])
{
    mesh.pivot().setPosition(p[0], p[1], p[2]);
    for (int a = InnerShape::AxisX; a <= InnerShape::AxisZ; ++a)
        mesh.axisFrame[a].setPosition(p[3 * a] - p[0], p[3 * a + 1] - p[1], p[3 * a + 2] - p[2]);
}
