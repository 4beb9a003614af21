#include "Formats/ObjectAssembly.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "Formats/SceneReadLimits.h"
#include "Mesh/Pool.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/VertexEdgeTable.h"

namespace {
float finiteOrZero(float f)
{
    return std::isnan(f) ? 0.0f : f;
}

// A file point of a UV proxy back in UV space (the writer's inverse).
Point3D proxyPointFromFile(float x, float y, float z)
{
    return Point3D(x * 0.1f + 0.5f, 0.5f - z * 0.1f, y * 0.1f);
}
} // namespace

ObjectAssembly::ObjectAssembly(bool proxy)
{
    if (proxy) {
        proxy_ = take<TextureProxy>(nullptr);
        shape_ = proxy_;
    } else {
        shape_ = take<Shape>();
    }
}

ObjectAssembly::~ObjectAssembly()
{
    if (shape_)
        shape_->release();
}

void ObjectAssembly::reserve(long vertices, long edges, long faces)
{
    if (!shape_)
        return;
    auto room = [](long have, long more) { return static_cast<int>(std::min<long>(have + more, INT_MAX / 2)); };
    shape_->vertices.reserve(room(shape_->vertices.count(), vertices));
    shape_->edges.reserve(room(shape_->edges.count(), edges));
    shape_->faces.reserve(room(shape_->faces.count(), faces));
    if (proxy_)
        proxy_->sourceFaces.reserve(room(proxy_->sourceFaces.count(), faces));
    edges_.reserve(edges_.size() + static_cast<size_t>(std::max(edges, 0L)));
    faces_.reserve(faces_.size() + static_cast<size_t>(std::max(faces, 0L)));
}

void ObjectAssembly::addVertex(float x, float y, float z)
{
    if (!shape_)
        return;
    x = finiteOrZero(x);
    y = finiteOrZero(y);
    z = finiteOrZero(z);
    Vertex* v;
    if (proxy_) {
        Point3D p = proxyPointFromFile(x, y, z);
        v = take<ProxyVertex>(p.x, p.y, nullptr);
        if (v)
            v->z = p.z;
    } else {
        v = take<Vertex>(x, y, z);
    }
    if (v && !shape_->vertices.append(v))
        v->release();
}

int ObjectAssembly::vertexCount() const
{
    return shape_ ? shape_->vertices.count() : 0;
}

Vertex* ObjectAssembly::vertexAt(long i) const
{
    return i >= 0 && i < vertexCount() ? shape_->vertices[static_cast<int>(i)] : nullptr;
}

void ObjectAssembly::addEdge(long a, long b)
{
    Vertex* va = vertexAt(a);
    Vertex* vb = vertexAt(b);
    Edge* e = va && vb ? take<Edge>(va, vb) : nullptr;
    if (e && !shape_->edges.append(e)) {
        e->release();
        e = nullptr;
    }
    edges_.push_back(e);
}

Edge* ObjectAssembly::edgeAt(long i) const
{
    return i >= 0 && i < edgeRecords() ? edges_[static_cast<size_t>(i)] : nullptr;
}

Face* ObjectAssembly::newFace(Material* m)
{
    Face* f = shape_ ? take<Face>() : nullptr;
    if (f && m)
        f->material = m;
    return f;
}

bool ObjectAssembly::addCorner(Face* f, long v, float u, float w)
{
    Vertex* vertex = vertexAt(v);
    if (!f || !vertex)
        return false;
    return f->corners.append(Corner{vertex, nullptr, finiteOrZero(u), finiteOrZero(w), 0.0f});
}

void ObjectAssembly::endFace(Face* f)
{
    int position = -1;
    if (f && f->cornerCount() >= 3) {
        position = shape_->faces.count();
        bool added = shape_->faces.append(f);
        if (added && proxy_ && !proxy_->sourceFaces.append(nullptr)) {
            shape_->faces.truncate(position);
            added = false;
        }
        if (added)
            lastFace_ = f;
        else
            position = -1;
    }
    if (position < 0 && f)
        f->release();
    faces_.push_back(position);
}

void ObjectAssembly::endHole(Face* owner, Face* hole)
{
    if (!hole)
        return;
    if (!owner || hole->cornerCount() <= 2 || !owner->holes.append(hole))
        hole->release();
}

int ObjectAssembly::facePosition(long i) const
{
    return i >= 0 && i < faceRecords() ? faces_[static_cast<size_t>(i)] : -1;
}

Face* ObjectAssembly::faceAt(long i) const
{
    int p = facePosition(i);
    return p >= 0 ? shape_->faces[p] : nullptr;
}

void ObjectAssembly::setVertexMirror(long a, long b)
{
    Vertex* va = vertexAt(a);
    Vertex* vb = vertexAt(b);
    if (!va || !vb)
        return;
    va->mirror = vb;
    if (a == b)
        va->set2(Geometry::OnPlane);
}

void ObjectAssembly::setFaceMirror(long a, long b)
{
    Face* fa = faceAt(a);
    Face* fb = faceAt(b);
    if (fa && fb)
        fa->mirror = fb;
}

void ObjectAssembly::markEdge(long i, uint8_t flag, uint8_t flag2)
{
    if (Edge* e = edgeAt(i)) {
        e->flags |= flag;
        e->flags2 |= flag2;
    }
}

void ObjectAssembly::markPsubFace(long i)
{
    if (Face* f = faceAt(i))
        f->set(Geometry::Psub);
}

void ObjectAssembly::markPsubEdge(long i)
{
    markEdge(i, Geometry::Psub, 0);
}

void ObjectAssembly::setOwner(Shape* owner)
{
    if (proxy_)
        proxy_->owner = owner;
}

void ObjectAssembly::linkProxyFace(long i, long j)
{
    int p = facePosition(i);
    if (!proxy_ || !proxy_->owner || p < 0 || p >= proxy_->sourceFaces.count())
        return;
    if (j < 0 || j >= proxy_->owner->faces.count())
        return;
    proxy_->sourceFaces[p] = proxy_->owner->faces[static_cast<int>(j)];
}

// The edges come from the file, so each corner only looks its edge up by
// vertex pair; a pair the file lists twice keeps its first edge (taking
// over the marks of the second), and a side the file lists no edge for
// gets a new one. Afterwards the invariants of the topology builders hold.
void ObjectAssembly::link()
{
    InnerShape& m = *shape_;
    const int vertexCount = m.vertices.count();
    for (int i = 0; i < vertexCount; ++i)
        m.vertices[i]->tag = i;
    auto forEachContour = [&](auto&& visit) {
        for (Face* f : m.faces) {
            visit(f, f);
            for (Face* h : f->holes)
                visit(f, h);
        }
    };

    static VertexEdgeTable table;
    if (!table.start(vertexCount)) {
        m.rebuildTopology(true);
        return;
    }
    for (const Edge* e : m.edges)
        table.countSide(e->startVertex->tag, e->endVertex->tag);
    forEachContour([&](Face*, Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k)
            table.countSide(contour->corners[k].vertex->tag, contour->corners[k + 1 == n ? 0 : k + 1].vertex->tag);
    });
    if (!table.finishCounting()) {
        m.rebuildTopology(true);
        return;
    }

    // Edge tags: 0 kept, 1 a second edge for a pair already listed.
    bool anyDuplicate = false;
    for (int i = 0; i < m.edges.count(); ++i) {
        Edge* e = m.edges[i];
        e->faces.clear();
        const int a = e->startVertex->tag, b = e->endVertex->tag;
        const int twin = table.find(a, b);
        if (twin >= 0) {
            Edge* first = m.edges[twin];
            first->flags |= e->flags & (Geometry::Creased | Geometry::Psub);
            first->flags2 |= e->flags2 & (Geometry::UVSeam | Geometry::EdgeKeep);
            e->tag = 1;
            anyDuplicate = true;
        } else {
            e->tag = 0;
            table.add(a, b, i);
        }
    }

    forEachContour([&](Face* owner, Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k) {
            Corner& c = contour->corners[k];
            Vertex* next = contour->corners[k + 1 == n ? 0 : k + 1].vertex;
            const int found = table.find(c.vertex->tag, next->tag);
            Edge* e = found >= 0 ? m.edges[found] : nullptr;
            if (!e) {
                e = take<Edge>(c.vertex, next);
                if (e && !m.edges.append(e)) {
                    e->release();
                    e = nullptr;
                }
                if (!e) {
                    c.edge = nullptr;
                    continue;
                }
                e->tag = 0;
                table.add(c.vertex->tag, next->tag, m.edges.count() - 1);
            }
            c.edge = e;
            e->faces.append(owner);
        }
    });

    int kept = 0;
    for (int i = 0; i < m.edges.count(); ++i) {
        Edge* e = m.edges[i];
        if (anyDuplicate && e->tag == 1) {
            e->release();
            continue;
        }
        e->set(Geometry::Boundary, e->faces.count() < 2);
        m.edges[kept++] = e;
    }
    m.edges.truncate(kept);
    // The record table may name edges given back above.
    edges_.clear();
}

void ObjectAssembly::finishProxy()
{
    TextureProxy& p = *proxy_;
    if (!p.owner)
        return;
    const int n = std::min(p.faces.count(), p.sourceFaces.count());
    for (int i = 0; i < n; ++i) {
        const Face* source = p.sourceFaces[i];
        Face* f = p.faces[i];
        if (!source || source->cornerCount() != f->cornerCount())
            continue;
        for (int k = 0; k < f->cornerCount(); ++k)
            static_cast<ProxyVertex*>(f->corners[k].vertex)->sourceVertex = source->corners[k].vertex;
    }
}

Shape* ObjectAssembly::finish()
{
    if (!shape_)
        return nullptr;
    link();
    shape_->renumber();
    shape_->update(true, false, -1);
    if (proxy_)
        finishProxy();
    if (!partialList_ && level_ > 0)
        shape_->setLevel(affordableLevel(*shape_, level_), true);
    if (shape_->faces.empty()) {
        if (shape_->edges.empty() && shape_->vertices.empty())
            return nullptr; // the destructor gives the empty object back
        shape_->setShadingMode(InnerShape::Wireframe);
    }
    if (!(shape_->textureFlags & InnerShape::ShowTexture))
        for (int i = 1; i <= shape_->levelStack.maxBuiltLevel(); ++i)
            shape_->levelStack.levelMesh(i)->textureFlags &= ~InnerShape::ShowTexture;
    Shape* done = shape_;
    shape_ = nullptr;
    proxy_ = nullptr;
    return done;
}
