#include "LevelStack.h"

#include <algorithm>
#include <new>
#include <vector>

#include "Shape.h"

LevelBuilder LevelStack::builder = nullptr;

LevelStack::LevelStack(Shape& ownerShape) : owner(&ownerShape)
{
    baseLevel.mesh = &ownerShape;
    levels.append(&baseLevel);
}

LevelStack::~LevelStack()
{
    clearLevels();
    for (LevelRecord* r : spare)
        releaseRecord(r);
    spare.freeStorage();
    levels.freeStorage();
}

void LevelStack::releaseRecord(LevelRecord* record)
{
    if (record->mesh)
        record->mesh->release();
    delete record;
}

InnerShape* LevelStack::levelMesh(int i) const
{
    if (i < 0 || i >= levels.count())
        return baseLevel.mesh;
    return levels[i]->mesh;
}

LevelRecord* LevelStack::levelRecord(int i)
{
    if (i < 0 || i >= levels.count())
        return &baseLevel;
    return levels[i];
}

bool LevelStack::stepUp()
{
    if (currentLevel < maxBuiltLevel()) {
        ++currentLevel;
        levels[currentLevel]->mesh->update(true, true, -1);
        return true;
    }
    if (!builder)
        return false;
    auto* record = new (std::nothrow) LevelRecord;
    if (!record)
        return false;
    if (!builder(*levelMesh(maxBuiltLevel()), *record) || !record->mesh || !levels.append(record)) {
        releaseRecord(record);
        return false;
    }
    record->mesh->mirrorPlane = baseLevel.mesh->mirrorPlane;
    currentLevel = maxBuiltLevel();
    return true;
}

void LevelStack::clearLevels()
{
    // Top down: each level's stencils point into the one below.
    for (int i = levels.count() - 1; i >= 1; --i)
        releaseRecord(levels[i]);
    levels.truncate(1);
    currentLevel = 0;
}

void LevelStack::rebuildLevels()
{
    const int wanted = maxBuiltLevel();
    const int shown = currentLevel;
    if (wanted > 0) {
        DisplacementSnapshot saved;
        saveDisplacement(1, saved);
        clearLevels();
        while (maxBuiltLevel() < wanted && stepUp()) {
        }
        restoreDisplacement(saved, true);
        for (int i = 1; i <= maxBuiltLevel(); ++i)
            levels[i]->mesh->update(true, true, -1);
        currentLevel = std::min(shown, maxBuiltLevel());
    }
    dirty = false;
}

bool LevelStack::anyLevelHasDisplacement() const
{
    for (const LevelRecord* r : levels)
        if (r->mesh->hasDisplacement())
            return true;
    return false;
}

void LevelStack::saveDisplacement(int fromLevel, DisplacementSnapshot& out) const
{
    out.byVertex.clear();
    out.byCorner.clear();
    out.vertexCounts.clear();
    for (int level = 0; level < levels.count(); ++level) {
        const InnerShape& mesh = *levels[level]->mesh;
        if (level < fromLevel) {
            out.vertexCounts.append(-1);
            continue;
        }
        out.vertexCounts.append(mesh.vertices.count());
        for (int i = 0; i < mesh.vertices.count(); ++i) {
            const Vertex* v = mesh.vertices[i];
            if (v->hasNonZeroDisplacement())
                out.byVertex.append({level, i, {v->displacement[0], v->displacement[1], v->displacement[2]}});
        }
        for (int f = 0; f < mesh.faces.count(); ++f) {
            const List<Corner, 4>& corners = mesh.faces[f]->corners;
            for (int k = 0; k < corners.count(); ++k) {
                const Vertex* v = corners[k].vertex;
                if (v->hasNonZeroDisplacement())
                    out.byCorner.append({level, f, k, {v->displacement[0], v->displacement[1], v->displacement[2]}});
            }
        }
    }
}

namespace {
void setDisplacement(Vertex* v, const float offset[3])
{
    if (float* d = v->ensureDisplacement())
        std::copy(offset, offset + 3, d);
}
} // namespace

void LevelStack::restoreDisplacement(const DisplacementSnapshot& saved, bool byVertexFirst)
{
    // Per level: 0 = not restored, 1 = by vertex, 2 = face by face.
    std::vector<char> how(static_cast<size_t>(levels.count()), 0);
    for (int level = 0; level < levels.count() && level < saved.vertexCounts.count(); ++level) {
        const int count = saved.vertexCounts[level];
        if (count < 0)
            continue;
        how[level] = byVertexFirst && count == levels[level]->mesh->vertices.count() ? 1 : 2;
    }
    auto mode = [&](int level) { return level >= 0 && level < levels.count() ? how[level] : 0; };
    for (const auto& o : saved.byVertex)
        if (mode(o.level) == 1)
            setDisplacement(levels[o.level]->mesh->vertices[o.vertex], o.offset);
    for (const auto& o : saved.byCorner) {
        if (mode(o.level) != 2)
            continue;
        const InnerShape& mesh = *levels[o.level]->mesh;
        if (o.face < mesh.faces.count() && o.corner < mesh.faces[o.face]->cornerCount())
            setDisplacement(mesh.faces[o.face]->corners[o.corner].vertex, o.offset);
    }
}
