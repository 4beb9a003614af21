#include "InnerShape.h"
#include "DisplaySettings.h"

#include <algorithm>
#include <cfloat>
#include <vector>

#include "Pool.h"
#include "SubdivisionStencils.h"

MeshDisplaySettings& meshDisplaySettings()
{
    static MeshDisplaySettings settings;
    return settings;
}

InnerShape::InnerShape()
{
    xAxis().setPosition(1, 0, 0);
    yAxis().setPosition(0, 1, 0);
    zAxis().setPosition(0, 0, 1);
}

InnerShape::InnerShape(const InnerShape& other) : InnerShape()
{
    duplicateElementsOf(other);
}

InnerShape::~InnerShape()
{
    clear();
}

void InnerShape::release()
{
    clear();
    giveBackToPool(this);
}

void InnerShape::copyFrom(const Geometry& other)
{
    touch();
    if (other.kind() != KindMesh || &other == this)
        return;
    const auto& m = static_cast<const InnerShape&>(other);
    vertices = m.vertices;
    edges = m.edges;
    faces = m.faces;
    name = m.name;
    shading = (shading & ~31u) | (m.shading & 31u);
    textureFlags = (textureFlags & ~ShowTexture) | (m.textureFlags & ShowTexture);
    for (int i = 0; i < 4; ++i)
        axisFrame[i].copyFrom(m.axisFrame[i]);
}

void InnerShape::duplicateElementsOf(const InnerShape& other)
{
    name = other.name;
    displayFlags = other.displayFlags;
    shading = other.shading;
    textureFlags = other.textureFlags;
    mirrorPlane = other.mirrorPlane;
    for (int i = 0; i < 4; ++i)
        axisFrame[i].copyFrom(other.axisFrame[i]);

    // Scratch tags of the source map each element to its copy's position.
    vertices.reserve(other.vertices.count());
    for (int i = 0; i < other.vertices.count(); ++i) {
        Vertex* src = other.vertices[i];
        src->tag = i;
        Vertex* v = take<Vertex>(src->x, src->y, src->z);
        if (!v)
            continue;
        v->id = src->id;
        v->flags = static_cast<uint8_t>((src->flags & ~Pooled) | (v->flags & Pooled));
        v->flags2 = src->flags2;
        std::copy(src->normal, src->normal + 3, v->normal);
        v->paintWeight = src->paintWeight;
        if (src->displacement && v->ensureDisplacement())
            std::copy(src->displacement, src->displacement + 3, v->displacement);
        vertices.append(v);
    }
    auto mapVertex = [&](const Vertex* v) -> Vertex* {
        if (!v || v->tag < 0 || v->tag >= vertices.count() || other.vertices[v->tag] != v)
            return nullptr;
        return vertices[v->tag];
    };
    for (int i = 0; i < other.vertices.count(); ++i)
        vertices[i]->mirror = mapVertex(other.vertices[i]->mirror);

    edges.reserve(other.edges.count());
    for (int i = 0; i < other.edges.count(); ++i) {
        Edge* src = other.edges[i];
        src->tag = i;
        Edge* e = take<Edge>(mapVertex(src->startVertex), mapVertex(src->endVertex));
        if (!e)
            continue;
        e->id = src->id;
        e->flags = static_cast<uint8_t>((src->flags & ~Pooled) | (e->flags & Pooled));
        e->flags2 = src->flags2;
        edges.append(e);
    }
    auto mapEdge = [&](const Edge* e) -> Edge* {
        if (!e || e->tag < 0 || e->tag >= edges.count() || other.edges[e->tag] != e)
            return nullptr;
        return edges[e->tag];
    };
    auto remapContour = [&](Face* f) {
        for (Corner& c : f->corners) {
            c.vertex = mapVertex(c.vertex);
            c.edge = mapEdge(c.edge);
        }
    };

    faces.reserve(other.faces.count());
    for (int i = 0; i < other.faces.count(); ++i) {
        Face* src = other.faces[i];
        src->tag = i;
        Face* f = take<Face>(*src);
        if (!f)
            continue;
        f->id = src->id;
        f->flags = static_cast<uint8_t>((src->flags & ~Pooled) | (f->flags & Pooled));
        f->flags2 = src->flags2;
        f->normal = src->normal;
        remapContour(f);
        for (Face* h : f->holes)
            remapContour(h);
        faces.append(f);
    }
    for (int i = 0; i < other.faces.count(); ++i) {
        const Face* m = other.faces[i]->mirror;
        if (m && m->tag >= 0 && m->tag < faces.count() && other.faces[m->tag] == m)
            faces[i]->mirror = faces[m->tag];
    }
    // Edge face lists follow the source's order of linking.
    for (int i = 0; i < other.edges.count(); ++i)
        for (const Face* f : other.edges[i]->faces)
            if (f && f->tag >= 0 && f->tag < faces.count() && other.faces[f->tag] == f)
                edges[i]->faces.append(faces[f->tag]);
}

int InnerShape::renumber()
{
    for (int i = 0; i < faces.count(); ++i)
        faces[i]->index = i;
    for (int i = 0; i < edges.count(); ++i)
        edges[i]->index = i;
    for (int i = 0; i < vertices.count(); ++i)
        vertices[i]->index = i;
    return vertices.count();
}

namespace {
// Adds weight × the position the stencil of `v` describes, expanding
// nested stencil vertices with their weights multiplied through.
void accumulateStencil(const Vertex* v, float weight, float sum[3])
{
    for (const StencilEntry& s : v->stencil) {
        float w = weight * s.weight;
        if (s.flags & StencilEntry::Expand) {
            accumulateStencil(static_cast<const Vertex*>(s.source), w, sum);
        } else {
            const auto* p = static_cast<const Point3D*>(s.source);
            sum[0] += w * p->x;
            sum[1] += w * p->y;
            sum[2] += w * p->z;
        }
    }
}
} // namespace

void InnerShape::update(bool normals, bool positions, int mode)
{
    updateStamp = newUpdateStamp();
    if (positions) {
        if (StencilTable* table = StencilTable::ensure(*this)) {
            table->evaluate(*this);
        } else {
            for (Vertex* v : vertices) {
                float sum[3] = {0, 0, 0};
                accumulateStencil(v, 1.0f, sum);
                v->setPosition(sum[0], sum[1], sum[2]);
            }
            for (Vertex* v : vertices)
                if (v->displacement)
                    v->setPosition(v->x + v->displacement[0], v->y + v->displacement[1], v->z + v->displacement[2]);
        }
    }
    if (!normals)
        return;
    if (mode == -1)
        mode = shadingMode();
    if (mode != SmoothShade && mode != FastShade && mode != GhostedShade) {
        for (Face* f : faces)
            f->computeNormal();
        return;
    }
    for (Vertex* v : vertices)
        v->normal[0] = v->normal[1] = v->normal[2] = 0.0f;
    for (Face* f : faces) {
        const Point3D& n = f->computeNormal();
        for (const Corner& c : f->corners) {
            c.vertex->normal[0] += n.x;
            c.vertex->normal[1] += n.y;
            c.vertex->normal[2] += n.z;
        }
    }
    for (Vertex* v : vertices) {
        Point3D n = Point3D(v->normal).normalized();
        v->normal[0] = n.x;
        v->normal[1] = n.y;
        v->normal[2] = n.z;
    }
}

int InnerShape::clearVertexMarks()
{
    for (Vertex* v : vertices)
        v->set(Marked, false);
    return vertices.count();
}

int InnerShape::setVertexMarks()
{
    for (Vertex* v : vertices)
        v->set(Marked, true);
    return vertices.count();
}

bool InnerShape::hasDisplacement() const
{
    return std::any_of(vertices.begin(), vertices.end(), [](const Vertex* v) { return v->hasNonZeroDisplacement(); });
}

void InnerShape::flipFaces(const List<Face*>& list)
{
    touch();
    // The tag keeps a face listed twice from being flipped back.
    for (Face* f : list)
        f->tag = 0;
    for (Face* f : list) {
        if (f->tag)
            continue;
        f->tag = 1;
        f->reverse();
    }
}

void InnerShape::clearVertexFaceLists()
{
    for (Vertex* v : vertices)
        v->faces.freeStorage();
}

namespace {
int signExtend5(uint32_t bits)
{
    int m = static_cast<int>(bits & 31u);
    return (m & 16) ? m - 32 : m;
}
} // namespace

int InnerShape::shadingMode() const
{
    return signExtend5(shading);
}

int InnerShape::previousShadingMode() const
{
    return signExtend5(shading >> 5);
}

void InnerShape::setShadingMode(int mode)
{
    uint32_t current = shading & 31u;
    shading = (shading & ~0x3FFu) | (current << 5) | (static_cast<uint32_t>(mode) & 31u);
}

Edge* InnerShape::findEdge(const Vertex* a, const Vertex* b) const
{
    for (Edge* e : edges)
        if (e->joins(a, b))
            return e;
    return nullptr;
}

Face* InnerShape::otherFace(const Face* f, const Edge* e)
{
    for (Face* g : e->faces)
        if (g != f)
            return g;
    return nullptr;
}

namespace {
void replaceInContour(Face* f, Vertex* oldV, Vertex* newV)
{
    for (Corner& c : f->corners)
        if (c.vertex == oldV)
            c.vertex = newV;
}

bool replaceInEdge(Edge* e, Vertex* oldV, Vertex* newV)
{
    bool replaced = false;
    if (e->startVertex == oldV) {
        e->startVertex = newV;
        replaced = true;
    }
    if (e->endVertex == oldV) {
        e->endVertex = newV;
        replaced = true;
    }
    return replaced;
}
} // namespace

void InnerShape::replaceVertex(Vertex* oldV, Vertex* newV)
{
    for (Edge* e : edges)
        replaceInEdge(e, oldV, newV);
    for (Face* f : faces) {
        replaceInContour(f, oldV, newV);
        for (Face* h : f->holes)
            replaceInContour(h, oldV, newV);
    }
    touch();
}

void InnerShape::replaceVertexFrom(Face* start, Vertex* oldV, Vertex* newV)
{
    // Each edge is replaced at most once, so each face enters the stack at
    // most once per edge it shares: the flood ends.
    std::vector<Face*> pending{start};
    auto visitContour = [&](Face* owner, Face* contour) {
        replaceInContour(contour, oldV, newV);
        for (Corner& c : contour->corners) {
            if (!c.edge || !replaceInEdge(c.edge, oldV, newV))
                continue;
            for (Face* g : c.edge->faces)
                if (g != owner)
                    pending.push_back(g);
        }
    };
    while (!pending.empty()) {
        Face* f = pending.back();
        pending.pop_back();
        visitContour(f, f);
        for (Face* h : f->holes)
            visitContour(f, h);
    }
    touch();
}

bool InnerShape::removeDegenerateFaces(List<Face*>& outRemoved)
{
    touch();
    for (int i = 0; i < faces.count();) {
        Face* f = faces[i];
        if (f->cornerCount() >= 3) {
            ++i;
            continue;
        }
        outRemoved.append(f);
        f->release();
        faces.removeAt(i);
    }
    renumber();
    return true;
}

void InnerShape::clearTags()
{
    for (Vertex* v : vertices)
        v->tag = 0;
}

void InnerShape::resetAxis()
{
    if (vertices.empty())
        return;
    float lo[3] = {FLT_MAX, FLT_MAX, FLT_MAX}, hi[3] = {-FLT_MAX, -FLT_MAX, -FLT_MAX};
    for (const Vertex* v : vertices) {
        const float p[3] = {v->x, v->y, v->z};
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], p[k]);
            hi[k] = std::max(hi[k], p[k]);
        }
    }
    pivot().setPosition((lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2, (lo[2] + hi[2]) / 2);
    xAxis().setPosition(1, 0, 0);
    yAxis().setPosition(0, 1, 0);
    zAxis().setPosition(0, 0, 1);
}

void InnerShape::clear()
{
    for (Vertex* v : vertices)
        v->release();
    for (Face* f : faces)
        f->release();
    for (Edge* e : edges)
        e->release();
    for (Geometry* g : extras)
        g->release();
    dropLists();
    name.clear();
    touch();
}

void InnerShape::dropLists()
{
    vertices.freeStorage();
    edges.freeStorage();
    faces.freeStorage();
    extras.freeStorage();
}
