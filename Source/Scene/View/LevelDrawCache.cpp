// GL buffers of a big mesh. The buffer entry points are those of GL 1.5,
// which the system's GL library exports directly.
#define GL_GLEXT_PROTOTYPES
#include "Scene/View/LevelDrawCache.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>

#include "Mesh/FaceTessellator.h"
#include "Mesh/InnerShape.h"

namespace {

constexpr int FloatsPerVertex = 6; // position, normal

// The index of a listed vertex (its tag, set by gather); -1 for a vertex the
// mesh does not list.
int indexOf(const InnerShape& mesh, const Vertex* v)
{
    const int i = v ? v->tag : -1;
    return i >= 0 && i < mesh.vertices.count() && mesh.vertices[i] == v ? i : -1;
}

FaceTessellator& cacheTessellator()
{
    static FaceTessellator tessellator;
    return tessellator;
}

// The run of notes of the mesh last painted: stamps[0] is the stamp the run
// starts from, note i leads to stamps[i + 1] and moved the vertices
// vertices[ends[i - 1] … ends[i]).
struct MovedVertexNotes {
    const InnerShape* mesh = nullptr;
    std::vector<uint64_t> stamps;
    std::vector<size_t> ends;
    std::vector<int32_t> vertices;
};

MovedVertexNotes& movedNotes()
{
    static MovedVertexNotes notes;
    return notes;
}

uint64_t partialRefreshCount = 0;

} // namespace

LevelDrawCache::~LevelDrawCache()
{
    if (buffers_[0])
        glDeleteBuffers(3, buffers_);
}

LevelDrawCache::Key LevelDrawCache::keyOf(const InnerShape& mesh, bool vertexNormals)
{
    Key k;
    k.mesh = &mesh;
    k.changeCount = mesh.changeCount;
    k.updateStamp = mesh.updateStamp;
    k.vertexCount = mesh.vertices.count();
    k.edgeCount = mesh.edges.count();
    k.faceCount = mesh.faces.count();
    k.firstVertex = mesh.vertices.empty() ? nullptr : mesh.vertices[0];
    k.lastFace = mesh.faces.empty() ? nullptr : mesh.faces[mesh.faces.count() - 1];
    k.vertexNormals = vertexNormals;
    return k;
}

bool LevelDrawCache::isStale(const InnerShape& mesh, bool vertexNormals) const
{
    return !(key_ == keyOf(mesh, vertexNormals));
}

void LevelDrawCache::noteMovedVertices(const InnerShape& mesh, uint64_t stampBefore,
                                       std::span<const int32_t> vertices)
{
    MovedVertexNotes& notes = movedNotes();
    // A run longer than the mesh is no cheaper than a rebuild.
    const bool continues = notes.mesh == &mesh && !notes.stamps.empty() && notes.stamps.back() == stampBefore &&
                           notes.vertices.size() + vertices.size() <= static_cast<size_t>(mesh.vertices.count());
    if (!continues) {
        notes = {};
        notes.mesh = &mesh;
        notes.stamps.push_back(stampBefore);
    }
    notes.vertices.insert(notes.vertices.end(), vertices.begin(), vertices.end());
    notes.ends.push_back(notes.vertices.size());
    notes.stamps.push_back(mesh.updateStamp);
}

uint64_t LevelDrawCache::partialRefreshes() { return partialRefreshCount; }

bool LevelDrawCache::refresh(const InnerShape& mesh, bool vertexNormals)
{
    if (!isStale(mesh, vertexNormals) && buffers_[0])
        return true;
    if (buffers_[0] && uploadMoved(mesh, vertexNormals)) {
        ++partialRefreshCount;
        key_.updateStamp = mesh.updateStamp;
        return true;
    }
    gather(mesh, vertexNormals);
    const bool ok = upload();
    // The GL holds its own copy; the arrays would only double the memory.
    vertexData_ = {};
    triangles_ = {};
    lines_ = {};
    key_ = ok ? keyOf(mesh, vertexNormals) : Key{};
    return ok;
}

void LevelDrawCache::gather(const InnerShape& mesh, bool vertexNormals)
{
    const int n = mesh.vertices.count();
    vertexData_.assign(static_cast<size_t>(n) * FloatsPerVertex, 0.0f);
    extraPoints_ = false;
    for (int i = 0; i < n; ++i) {
        Vertex* v = mesh.vertices[i];
        v->tag = i;
        float* to = &vertexData_[static_cast<size_t>(i) * FloatsPerVertex];
        to[0] = v->x;
        to[1] = v->y;
        to[2] = v->z;
        if (vertexNormals) {
            to[3] = v->normal[0];
            to[4] = v->normal[1];
            to[5] = v->normal[2];
        }
    }

    triangles_.clear();
    triangles_.reserve(static_cast<size_t>(mesh.faces.count()) * 6);
    FaceTessellator& tess = cacheTessellator();
    for (const Face* f : mesh.faces) {
        if (f->isHidden() || f->cornerCount() < 3)
            continue;
        if (!vertexNormals)
            for (const Corner& c : f->corners)
                if (int i = indexOf(mesh, c.vertex); i >= 0) {
                    float* to = &vertexData_[static_cast<size_t>(i) * FloatsPerVertex + 3];
                    to[0] += f->normal.x;
                    to[1] += f->normal.y;
                    to[2] += f->normal.z;
                }
        if (!needsTessellation(*f)) {
            int at[4];
            bool listed = true;
            for (int k = 0; k < f->cornerCount(); ++k)
                listed = listed && (at[k] = indexOf(mesh, f->corners[k].vertex)) >= 0;
            if (!listed)
                continue;
            // Quads split along their first diagonal, as GL splits GL_QUADS.
            triangles_.insert(triangles_.end(), {uint32_t(at[0]), uint32_t(at[1]), uint32_t(at[2])});
            if (f->cornerCount() == 4)
                triangles_.insert(triangles_.end(), {uint32_t(at[0]), uint32_t(at[2]), uint32_t(at[3])});
            continue;
        }
        if (!tess.tessellate(*f))
            continue;
        // Points where contours cross are no vertices of the mesh: they get
        // entries of their own after the mesh's.
        std::vector<uint32_t> pointIndex;
        for (const TessellatedPoint& p : tess.points()) {
            int i = indexOf(mesh, p.vertex);
            if (i < 0) {
                extraPoints_ = true;
                i = static_cast<int>(vertexData_.size() / FloatsPerVertex);
                vertexData_.insert(vertexData_.end(), {p.position[0], p.position[1], p.position[2], f->normal.x,
                                                       f->normal.y, f->normal.z});
            }
            pointIndex.push_back(static_cast<uint32_t>(i));
        }
        for (int t : tess.triangles())
            triangles_.push_back(pointIndex[t]);
    }
    if (!vertexNormals)
        for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
            float* nrm = &vertexData_[i * FloatsPerVertex + 3];
            const float length = std::sqrt(nrm[0] * nrm[0] + nrm[1] * nrm[1] + nrm[2] * nrm[2]);
            if (length > 0.0f)
                for (int k = 0; k < 3; ++k)
                    nrm[k] /= length;
        }

    lines_.clear();
    lines_.reserve(static_cast<size_t>(mesh.edges.count()) * 2);
    for (const Edge* e : mesh.edges) {
        const int a = indexOf(mesh, e->startVertex), b = indexOf(mesh, e->endVertex);
        if (!e->isHidden() && a >= 0 && b >= 0)
            lines_.insert(lines_.end(), {uint32_t(a), uint32_t(b)});
    }
}

bool LevelDrawCache::uploadMoved(const InnerShape& mesh, bool vertexNormals)
{
    Key moved = key_;
    moved.updateStamp = mesh.updateStamp;
    const MovedVertexNotes& notes = movedNotes();
    if (extraPoints_ || !(moved == keyOf(mesh, vertexNormals)) || notes.mesh != &mesh ||
        notes.stamps.back() != mesh.updateStamp)
        return false;
    const auto from = std::ranges::find(notes.stamps, key_.updateStamp);
    if (from == notes.stamps.end())
        return false;
    const size_t first = from == notes.stamps.begin() ? 0 : notes.ends[from - notes.stamps.begin() - 1];
    std::vector<int32_t> vertices(notes.vertices.begin() + static_cast<std::ptrdiff_t>(first), notes.vertices.end());
    std::sort(vertices.begin(), vertices.end());
    vertices.erase(std::unique(vertices.begin(), vertices.end()), vertices.end());
    // Both shading kinds read the vertex normals here: the brush leaves
    // every noted vertex with the mean of its face normals, which is what a
    // flat rebuild would compute.
    glBindBuffer(GL_ARRAY_BUFFER, buffers_[0]);
    std::vector<float> run;
    for (size_t i = 0; i < vertices.size();) {
        size_t j = i;
        run.clear();
        while (j < vertices.size() && vertices[j] == vertices[i] + static_cast<int32_t>(j - i)) {
            const Vertex* v = mesh.vertices[vertices[j]];
            run.insert(run.end(), {v->x, v->y, v->z, v->normal[0], v->normal[1], v->normal[2]});
            ++j;
        }
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(vertices[i]) * FloatsPerVertex * sizeof(float),
                        static_cast<GLsizeiptr>(run.size() * sizeof(float)), run.data());
        i = j;
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return true;
}

bool LevelDrawCache::upload()
{
    if (!buffers_[0])
        glGenBuffers(3, buffers_);
    while (glGetError() != GL_NO_ERROR) {
    }
    glBindBuffer(GL_ARRAY_BUFFER, buffers_[0]);
    glBufferData(GL_ARRAY_BUFFER, vertexData_.size() * sizeof(float), vertexData_.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers_[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, triangles_.size() * sizeof(uint32_t), triangles_.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers_[2]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, lines_.size() * sizeof(uint32_t), lines_.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    triangleIndexCount_ = static_cast<int>(triangles_.size());
    lineIndexCount_ = static_cast<int>(lines_.size());
    return buffers_[0] && glGetError() == GL_NO_ERROR;
}

namespace {

// Draws `count` indices of `indices` as `mode` from the vertex buffer.
void drawIndexed(unsigned vertices, unsigned indices, int count, GLenum mode, bool normals)
{
    if (count <= 0)
        return;
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glBindBuffer(GL_ARRAY_BUFFER, vertices);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, FloatsPerVertex * sizeof(float), nullptr);
    if (normals) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, FloatsPerVertex * sizeof(float), reinterpret_cast<void*>(3 * sizeof(float)));
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
    glDrawElements(mode, count, GL_UNSIGNED_INT, nullptr);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glPopClientAttrib();
}

} // namespace

void LevelDrawCache::drawFaces() const
{
    drawIndexed(buffers_[0], buffers_[1], triangleIndexCount_, GL_TRIANGLES, true);
}

void LevelDrawCache::drawEdges() const
{
    drawIndexed(buffers_[0], buffers_[2], lineIndexCount_, GL_LINES, false);
}
