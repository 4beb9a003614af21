#include "ProxyBuild.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Pool.h"
#include "Mesh/TextureProxy.h"

namespace {

int rootOf(std::vector<int>& parent, int i)
{
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

struct CornerRef {
    int face;   // position in the face list given
    int corner; // corner index in that face
};

} // namespace

bool sameTextureCoordinates(const Edge&, const Face& a, int cornerA, const Face& b, int cornerB)
{
    const Corner& p = a.corners[cornerA];
    const Corner& q = b.corners[cornerB];
    return p.u == q.u && p.v == q.v;
}

bool notAcrossSeam(const Edge& edge, const Face&, int, const Face&, int)
{
    return !edge.has2(Geometry::UVSeam);
}

TextureProxy* buildProxy(Shape& owner, const List<Face*>& faces, const CornerJoin& join)
{
    std::vector<int> start;
    int total = 0;
    for (Face* f : faces) {
        start.push_back(total);
        total += f->cornerCount();
    }
    std::vector<int> parent(total);
    for (int i = 0; i < total; ++i)
        parent[i] = i;
    auto unite = [&](const Edge& e, int fa, int ka, int fb, int kb) {
        const Face& a = *faces[fa];
        const Face& b = *faces[fb];
        ka %= a.cornerCount();
        kb %= b.cornerCount();
        if (a.corners[ka].vertex == b.corners[kb].vertex && join(e, a, ka, b, kb))
            parent[rootOf(parent, start[fa] + ka)] = rootOf(parent, start[fb] + kb);
    };
    // The first face seen on each edge; later faces join it.
    std::unordered_map<const Edge*, CornerRef> firstUse;
    for (int fi = 0; fi < faces.count(); ++fi) {
        const Face& f = *faces[fi];
        for (int k = 0; k < f.cornerCount(); ++k) {
            const Edge* e = f.corners[k].edge;
            if (!e)
                continue;
            auto [it, fresh] = firstUse.try_emplace(e, CornerRef{fi, k});
            if (fresh)
                continue;
            const CornerRef other = it->second;
            // Opposite windings meet start to end; faces wound the same way meet start to start.
            if (faces[other.face]->cornerVertex(other.corner) == f.cornerVertex(k + 1)) {
                unite(*e, fi, k, other.face, other.corner + 1);
                unite(*e, fi, k + 1, other.face, other.corner);
            } else {
                unite(*e, fi, k, other.face, other.corner);
                unite(*e, fi, k + 1, other.face, other.corner + 1);
            }
        }
    }

    TextureProxy* proxy = take<TextureProxy>(&owner);
    if (!proxy)
        return nullptr;
    std::vector<ProxyVertex*> vertexOfRoot(total, nullptr);
    for (int fi = 0; fi < faces.count(); ++fi) {
        Face* source = faces[fi];
        Face* face = take<Face>(source->material);
        if (!face) {
            proxy->release();
            return nullptr;
        }
        for (int k = 0; k < source->cornerCount(); ++k) {
            const Corner& c = source->corners[k];
            ProxyVertex*& v = vertexOfRoot[rootOf(parent, start[fi] + k)];
            if (!v) {
                v = take<ProxyVertex>(c.u, c.v, c.vertex);
                if (!v) {
                    face->release();
                    proxy->release();
                    return nullptr;
                }
                proxy->addVertex(v);
            }
            face->appendCorner(v);
            face->corners[k].u = c.u;
            face->corners[k].v = c.v;
        }
        proxy->addProxyFace(face, source);
    }
    proxy->buildEdges();
    copySeamsFromOwner(*proxy);
    proxy->update(true, false, -1);
    proxy->renumber();
    return proxy;
}

namespace {

// Runs `visit` (proxy face, owner face) on every proxy face whose source the
// owner still has with the same corner count. A source face the owner no
// longer has may be storage another face uses now.
template <class Visit>
void forEachLiveSource(const TextureProxy& proxy, Visit visit)
{
    if (!proxy.owner)
        return;
    const std::unordered_set<const Face*> current(proxy.owner->faces.begin(), proxy.owner->faces.end());
    const int n = std::min(proxy.faces.count(), proxy.sourceFaces.count());
    for (int i = 0; i < n; ++i) {
        const Face& f = *proxy.faces[i];
        Face* source = proxy.sourceFaces[i];
        if (source && current.count(source) && source->cornerCount() == f.cornerCount())
            visit(f, *source);
    }
}

} // namespace

void copySeamsFromOwner(TextureProxy& proxy)
{
    forEachLiveSource(proxy, [](const Face& f, const Face& source) {
        for (int k = 0; k < f.cornerCount(); ++k)
            if (f.corners[k].edge && source.corners[k].edge)
                f.corners[k].edge->set2(Geometry::UVSeam, source.corners[k].edge->has2(Geometry::UVSeam));
    });
}

void writeBackTextureCoordinates(const TextureProxy& proxy)
{
    forEachLiveSource(proxy, [](const Face& f, Face& source) {
        for (int k = 0; k < f.cornerCount(); ++k) {
            source.corners[k].u = f.corners[k].vertex->x;
            source.corners[k].v = f.corners[k].vertex->y;
        }
    });
}

TextureProxy* findProxy(const List<Shape*>& objects, const Shape* owner)
{
    for (Shape* o : objects)
        if (o && o->shapeKind() == InnerShape::KindTextureProxy && static_cast<TextureProxy*>(o)->owner == owner)
            return static_cast<TextureProxy*>(o);
    return nullptr;
}
