#include "LevelStack.h"

#include <algorithm>
#include <new>
#include <vector>

#include "Shape.h"
#include "SubdivisionSettings.h"

LevelBuilder LevelStack::builder = buildLevel;

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
    auto* record = new LevelRecord;
    numberIds(maxBuiltLevel());
    if (!builder(*levelMesh(maxBuiltLevel()), *record) || !record->mesh) {
        releaseRecord(record);
        return false;
    }
    levels.append(record);
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

void LevelStack::clearAbove(int level)
{
    for (int i = levels.count() - 1; i > level && i >= 1; --i)
        releaseRecord(levels[i]);
    levels.truncate(std::max(level + 1, 1));
    currentLevel = std::min(currentLevel, maxBuiltLevel());
}

namespace {
template <class T>
void numberByPosition(List<T*>& list)
{
    for (int i = 0; i < list.count(); ++i)
        list[i]->id = i;
}

// Elements at mapped positions get consecutive numbers in map order, all
// others -1: the numbers are worked out first, so that the elements are
// written once and in list order.
template <class T, class Entry, class Field>
void numberMapped(List<T*>& list, const List<Entry>& map, Field field, std::vector<int32_t>& ids)
{
    ids.assign(static_cast<size_t>(list.count()), -1);
    int32_t next = 0;
    for (const Entry& entry : map) {
        const int32_t at = entry.*field;
        if (at >= 0 && at < list.count())
            ids[static_cast<size_t>(at)] = next++;
    }
    for (int i = 0; i < list.count(); ++i)
        list[i]->id = ids[static_cast<size_t>(i)];
}
} // namespace

void LevelStack::numberIds(int level)
{
    InnerShape& mesh = *levelMesh(level);
    if (level <= 0 || level >= levels.count()) {
        numberByPosition(mesh.vertices);
        numberByPosition(mesh.edges);
        numberByPosition(mesh.faces);
        return;
    }
    LevelRecord& record = *levels[level];
    if (record.numberedAtChange == mesh.changeCount)
        return;
    std::vector<int32_t> ids;
    numberMapped(mesh.vertices, record.vertexMap, &VertexMapEntry::vertexPoint, ids);
    numberMapped(mesh.edges, record.edgeMap, &EdgeMapEntry::firstHalf, ids);
    numberMapped(mesh.faces, record.faceMap, &FaceMapEntry::firstChild, ids);
    record.numberedAtChange = mesh.changeCount;
}

bool LevelStack::stepDown(bool propagate)
{
    if (currentLevel <= 0)
        return false;
    const SubdivisionSettings& settings = subdivisionSettings();
    if (propagate && anyLevelHasDisplacement()) {
        if (settings.propagateToBase)
            propagateDisplacement(currentLevel, 0);
        else if (settings.propagateToLower)
            propagateDisplacement(currentLevel, 1);
    }
    --currentLevel;
    owner->update(true, false, -1);
    return true;
}

namespace {
// The vertex of the level below that a vertex point replaces; null for others.
Vertex* parentOf(const Vertex* v)
{
    if (!v->has2(Geometry::VertexPoint))
        return nullptr;
    for (const StencilEntry& s : v->stencil)
        if (s.flags & StencilEntry::Parent)
            return static_cast<Vertex*>(s.source);
    return nullptr;
}

// Keeps every vertex where it is while its stencil sum moves: the
// difference becomes its displacement. A zero difference needs no storage.
void remeasureDisplacement(InnerShape& level)
{
    std::vector<Point3D> kept;
    kept.reserve(static_cast<size_t>(level.vertices.count()));
    for (const Vertex* v : level.vertices)
        kept.emplace_back(v->x, v->y, v->z);
    for (Vertex* v : level.vertices)
        v->freeDisplacement();
    level.update(false, true, -1);
    for (int i = 0; i < level.vertices.count(); ++i) {
        Vertex* v = level.vertices[i];
        const Point3D& p = kept[static_cast<size_t>(i)];
        const float d[3] = {p.x - v->x, p.y - v->y, p.z - v->z};
        if ((d[0] != 0.0f || d[1] != 0.0f || d[2] != 0.0f) && v->ensureDisplacement())
            std::copy(d, d + 3, v->displacement);
        v->setPosition(p.x, p.y, p.z);
    }
}
} // namespace

void LevelStack::propagateDisplacement(int from, int to)
{
    const SubdivisionSettings& settings = subdivisionSettings();
    if (!settings.propagateToLower)
        return;
    if (to <= 0 && !settings.propagateToBase)
        to = 1;
    const int top = maxBuiltLevel();
    if (from < 1 || from > top)
        from = top;
    to = std::clamp(to, 0, top);
    const int lo = std::min(from, to), hi = std::max(from, to);
    if (lo == 0 && !settings.propagateToBase)
        return;
    for (int level = hi; level > lo; --level) {
        for (const Vertex* v : levels[level]->mesh->vertices) {
            if (Vertex* parent = parentOf(v)) {
                parent->setPosition(v->x, v->y, v->z);
                std::copy(v->normal, v->normal + 3, parent->normal);
            }
        }
    }
    for (int level = std::max(lo, 1); level <= hi; ++level)
        remeasureDisplacement(*levels[level]->mesh);
}

int LevelStack::childFaceStart(int controlFace) const
{
    if (currentLevel <= 0 || currentLevel >= levels.count())
        return controlFace;
    int start = controlFace;
    for (int level = 1; level <= currentLevel; ++level) {
        const List<FaceMapEntry>& map = levels[level]->faceMap;
        int id = start;
        if (level > 1) {
            const InnerShape& below = *levels[level - 1]->mesh;
            if (start < 0 || start >= below.faces.count())
                return 0;
            id = below.faces[start]->id;
        }
        if (id < 0 || id >= map.count() || map[id].firstChild < 0)
            return 0;
        start = map[id].firstChild;
    }
    return start;
}

int LevelStack::childFaceCount(int controlFace) const
{
    if (currentLevel <= 0 || currentLevel >= levels.count())
        return 1;
    const List<FaceMapEntry>& map = levels[1]->faceMap;
    if (controlFace < 0 || controlFace >= map.count() || map[controlFace].firstChild < 0)
        return 0;
    // Every face above level 0 is a quad: each level multiplies by four.
    return map[controlFace].childCount << (2 * (currentLevel - 1));
}

void LevelStack::rebuildLevels()
{
    if (maxBuiltLevel() > 0) {
        DisplacementSnapshot saved;
        saveDisplacement(1, saved);
        rebuildLevels(maxBuiltLevel(), currentLevel, saved);
    }
    dirty = false;
}

void LevelStack::rebuildLevels(int builtLevels, int shownLevel, const DisplacementSnapshot& saved)
{
    clearLevels();
    while (maxBuiltLevel() < builtLevels && stepUp()) {
    }
    restoreDisplacement(saved, true);
    for (int i = 1; i <= maxBuiltLevel(); ++i)
        levels[i]->mesh->update(true, true, -1);
    currentLevel = std::min(shownLevel, maxBuiltLevel());
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
