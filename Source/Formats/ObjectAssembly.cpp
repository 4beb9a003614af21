#include "Formats/ObjectAssembly.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "Formats/SceneReadState.h"
#include "Mesh/Pool.h"
#include "Mesh/TextureProxy.h"

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
    auto room = [](long have, long more) { return static_cast<int>(std::min<long>(have + std::max(more, 0L), INT_MAX / 2)); };
    shape_->vertices.reserve(room(shape_->vertices.count(), vertices));
    shape_->edges.reserve(room(shape_->edges.count(), edges));
    shape_->faces.reserve(room(shape_->faces.count(), faces));
    if (proxy_)
        proxy_->sourceFaces.reserve(room(proxy_->sourceFaces.count(), faces));
    firstSide_.reserve(static_cast<size_t>(room(shape_->vertices.count(), vertices)));
    chainLength_.reserve(static_cast<size_t>(room(shape_->vertices.count(), vertices)));
    points_.reserve(3 * static_cast<size_t>(room(shape_->vertices.count(), vertices)));
    sides_.reserve(static_cast<size_t>(room(shape_->edges.count(), edges)));
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
    if (!v)
        return;
    const int position = shape_->vertices.count();
    shape_->vertices.append(v);
    v->index = position;
    if (!firstSide_.push(-1) || !chainLength_.push(0) || !points_.push(v->x) || !points_.push(v->y) || !points_.push(v->z))
        failed_ = true;
}

int ObjectAssembly::vertexCount() const
{
    return shape_ ? shape_->vertices.count() : 0;
}

Vertex* ObjectAssembly::vertexAt(long i) const
{
    return i >= 0 && i < vertexCount() ? shape_->vertices[static_cast<int>(i)] : nullptr;
}

Edge* ObjectAssembly::findEdge(int a, int b)
{
    const int low = std::min(a, b), high = std::max(a, b);
    const size_t row = static_cast<size_t>(low);
    for (int32_t k = firstSide_[row]; k >= 0; k = sides_[static_cast<size_t>(k)].next) {
        ++lookupSteps_;
        if (sides_[static_cast<size_t>(k)].other == high)
            return shape_->edges[k];
    }
    if (chainLength_[row] < MaxChain)
        return nullptr;
    const int32_t k = crowded_.find(low, high, lookupSteps_);
    return k >= 0 ? shape_->edges[k] : nullptr;
}

bool ObjectAssembly::appendEdge(Edge* e, int a, int b)
{
    const int position = shape_->edges.count();
    shape_->edges.append(e);
    e->index = position;
    e->set(Geometry::Boundary); // until a second face uses it
    if (failed_)
        return true;
    const int low = std::min(a, b), high = std::max(a, b);
    const size_t row = static_cast<size_t>(low);
    // The side keeps the edge's position in the table even when the chain
    // is full; only the first MaxChain sides of a vertex are chained.
    if (!sides_.push(Side{high, -1}))
        failed_ = true;
    else if (chainLength_[row] < MaxChain) {
        sides_[static_cast<size_t>(position)].next = firstSide_[row];
        firstSide_[row] = position;
        ++chainLength_[row];
    } else if (!crowded_.insert(low, high, position))
        failed_ = true;
    return true;
}

void ObjectAssembly::addEdge(long a, long b)
{
    Vertex* va = vertexAt(a);
    Vertex* vb = vertexAt(b);
    Edge* e = nullptr;
    if (va && vb) {
        // A pair listed twice keeps its first edge, which takes the marks meant for either.
        if (!failed_)
            e = findEdge(static_cast<int>(a), static_cast<int>(b));
        if (!e) {
            e = take<Edge>(va, vb);
            if (e && !appendEdge(e, static_cast<int>(a), static_cast<int>(b)))
                e = nullptr;
        }
    }
    const long record = edgeRecords_++;
    if (edgeRecordsAreEdges_ && e && e->index == record)
        return;
    if (edgeRecordsAreEdges_) {
        edgeRecordsAreEdges_ = false;
        for (long i = 0; i < record; ++i)
            edgeRecordTable_.push(shape_->edges[static_cast<int>(i)]);
    }
    if (!edgeRecordTable_.push(e))
        --edgeRecords_; // out of memory: the record is lost, later ones shift
}

Edge* ObjectAssembly::edgeAt(long i) const
{
    if (i < 0 || i >= edgeRecords_)
        return nullptr;
    return edgeRecordsAreEdges_ ? shape_->edges[static_cast<int>(i)] : edgeRecordTable_[static_cast<size_t>(i)];
}

Face* ObjectAssembly::newFace(Material* m)
{
    Face* f = shape_ ? take<Face>() : nullptr;
    if (f && m)
        f->material = m;
    faceCorners_.clear();
    return f;
}

bool ObjectAssembly::addCorner(Face* f, long v, float u, float w)
{
    Vertex* vertex = vertexAt(v);
    if (!f || !vertex)
        return false;
    f->corners.append(Corner{vertex, nullptr, finiteOrZero(u), finiteOrZero(w), 0.0f});
    if (!faceCorners_.push(static_cast<int32_t>(v)))
        failed_ = true;
    return true;
}

void ObjectAssembly::endFace(Face* f)
{
    int position = -1;
    if (f && f->cornerCount() >= 3) {
        position = shape_->faces.count();
        shape_->faces.append(f);
        if (proxy_)
            proxy_->sourceFaces.append(nullptr);
        lastFace_ = f;
        f->index = position;
        if (linkAsRead_ && !failed_ && linkedFaces_ == position) {
            linkFace(f, faceCorners_.size() == static_cast<size_t>(f->cornerCount()) ? &faceCorners_[0] : nullptr);
            ++linkedFaces_;
        }
    }
    if (position < 0 && f)
        f->release();
    const long record = faceRecords_++;
    if (faceRecordsAreFaces_ && position == record)
        return;
    if (faceRecordsAreFaces_) {
        faceRecordsAreFaces_ = false;
        for (long i = 0; i < record; ++i)
            faceRecordTable_.push(static_cast<int32_t>(i));
    }
    if (!faceRecordTable_.push(position))
        --faceRecords_;
}

void ObjectAssembly::endHole(Face* owner, Face* hole)
{
    if (!hole)
        return;
    if (!owner || hole->cornerCount() <= 2) {
        hole->release();
        return;
    }
    owner->holes.append(hole);
    if (owner->index < linkedFaces_ && !failed_)
        linkContour(owner, hole, nullptr);
}

int ObjectAssembly::facePosition(long i) const
{
    if (i < 0 || i >= faceRecords_)
        return -1;
    return faceRecordsAreFaces_ ? static_cast<int>(i) : faceRecordTable_[static_cast<size_t>(i)];
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

void ObjectAssembly::linkContour(Face* owner, Face* contour, const int32_t* positions)
{
    const int n = contour->corners.count();
    Corner* corners = contour->corners.data();
    for (int k = 0; k < n; ++k) {
        Corner& c = corners[k];
        const int kNext = k + 1 == n ? 0 : k + 1;
        Vertex* from = c.vertex;
        Vertex* next = corners[kNext].vertex;
        const int a = positions ? positions[k] : from->index;
        const int b = positions ? positions[kNext] : next->index;
        Edge* e = failed_ ? nullptr : findEdge(a, b);
        if (!e) {
            e = take<Edge>(from, next);
            if (!e || !appendEdge(e, a, b)) {
                c.edge = nullptr;
                continue;
            }
        }
        c.edge = e;
        e->faces.append(owner);
        if (e->faces.count() == 2)
            e->set(Geometry::Boundary, false);
    }
}

void ObjectAssembly::linkFace(Face* f, const int32_t* positions)
{
    linkContour(f, f, positions);
    for (Face* h : f->holes)
        linkContour(f, h, nullptr);
    const int n = f->cornerCount();
    if (positions && (n == 3 || n == 4) && !failed_) {
        // The arithmetic of computeNormal, on the positions kept aside.
        const float* p = &points_[0];
        f->normal = Face::cornerNormal(p + 3 * positions[0], p + 3 * positions[1], p + 3 * positions[2]);
    } else {
        f->computeNormal();
    }
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

Shape* ObjectAssembly::finish(SceneReadState& state)
{
    if (!shape_)
        return nullptr;
    InnerShape& m = *shape_;
    if (failed_) {
        // Without the table: the general rebuild, which tells twins apart by itself.
        m.rebuildTopology(true);
        m.renumber();
        m.update(true, false, -1);
    } else {
        for (; linkedFaces_ < m.faces.count(); ++linkedFaces_)
            linkFace(m.faces[linkedFaces_], nullptr);
        // Face normals are in place; only smooth shading wants vertex normals.
        if (m.isSmoothShaded() || shape_->levelStack.dirty || shape_->levelStack.maxBuiltLevel() > 0)
            shape_->update(true, false, -1);
    }
    if (proxy_)
        finishProxy();
    if (!partialList_ && level_ > 0)
        shape_->setLevel(state.affordableLevel(*shape_, level_), true);
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
