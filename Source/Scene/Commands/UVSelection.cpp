#include "Scene/Commands/UVSelection.h"

#include <algorithm>
#include <unordered_set>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "UV/ProxyBuild.h"
#include "UV/UVLayout.h"

namespace {

bool isProxy(const Shape& s)
{
    return s.shapeKind() == InnerShape::KindTextureProxy;
}

const Vertex* sourceOf(const Vertex* v)
{
    return static_cast<const ProxyVertex*>(v)->sourceVertex;
}

void appendOnce(List<Vertex*>& list, std::unordered_set<const Vertex*>& seen, Vertex* v)
{
    if (seen.insert(v).second)
        list.append(v);
}

// Proxy elements standing for the selection `s` of an owner object.
ProxySelection mapToProxy(TextureProxy& proxy, const ObjectSelection& s)
{
    ProxySelection p{&proxy, s.whole, {}, {}, {}};
    std::unordered_set<const Vertex*> chosen(s.vertices.begin(), s.vertices.end());
    for (const Edge* e : s.edges) {
        chosen.insert(e->startVertex);
        chosen.insert(e->endVertex);
    }
    // Both sides of a split source edge stand for it.
    for (Edge* e : proxy.edges)
        for (const Edge* source : s.edges)
            if (source->joins(sourceOf(e->startVertex), sourceOf(e->endVertex)))
                p.edges.append(e);
    for (Vertex* v : proxy.vertices)
        if (chosen.contains(sourceOf(v)))
            p.vertices.append(v);
    const std::unordered_set<const Face*> faces(s.faces.begin(), s.faces.end());
    for (int i = 0; i < proxy.faces.count() && i < proxy.sourceFaces.count(); ++i)
        if (faces.contains(proxy.sourceFaces[i]))
            p.faces.append(proxy.faces[i]);
    return p;
}

ProxySelection ownSelection(TextureProxy& proxy, const ObjectSelection& s)
{
    ProxySelection p{&proxy, s.whole, {}, s.faces, s.edges};
    std::unordered_set<const Vertex*> seen;
    for (Vertex* v : s.vertices)
        appendOnce(p.vertices, seen, v);
    for (Edge* e : s.edges) {
        appendOnce(p.vertices, seen, e->startVertex);
        appendOnce(p.vertices, seen, e->endVertex);
    }
    return p;
}

} // namespace

List<Vertex*> ProxySelection::faceVertices() const
{
    return verticesOf(faces);
}

List<Vertex*> ProxySelection::touchedVertices() const
{
    if (whole)
        return proxy->vertices;
    List<Vertex*> all = vertices;
    std::unordered_set<const Vertex*> seen(all.begin(), all.end());
    for (Vertex* v : faceVertices())
        appendOnce(all, seen, v);
    return all;
}

List<Face*> ProxySelection::touchedFaces() const
{
    return whole ? proxy->faces : faces;
}

std::vector<ProxySelection> selectedProxyElements(const SceneManagers& managers)
{
    const SceneObjectManager& objects = *managers.objectManager;
    std::vector<ProxySelection> result;
    const SelectedElements selected(managers);
    for (const ObjectSelection& s : selected.perObject()) {
        if (objects.uvSpace && isProxy(*s.object)) {
            result.push_back(ownSelection(*static_cast<TextureProxy*>(s.object), s));
        } else if (!objects.uvSpace && s.object->shapeKind() == InnerShape::KindShape) {
            if (TextureProxy* proxy = findProxy(objects.objects, s.object))
                result.push_back(mapToProxy(*proxy, s));
        }
    }
    std::erase_if(result, [](const ProxySelection& p) { return !p.whole && p.vertices.empty() && p.faces.empty(); });
    return result;
}

std::vector<SourceEdges> selectedSourceEdges(const SceneManagers& managers)
{
    const SceneObjectManager& objects = *managers.objectManager;
    std::vector<SourceEdges> result;
    const SelectedElements selected(managers);
    for (const ObjectSelection& s : selected.perObject()) {
        SourceEdges found;
        if (objects.uvSpace && isProxy(*s.object)) {
            const auto& proxy = static_cast<const TextureProxy&>(*s.object);
            found.object = proxy.owner;
            if (!found.object)
                continue;
            for (const Edge* e : s.edges)
                if (Edge* source = found.object->findEdge(sourceOf(e->startVertex), sourceOf(e->endVertex)))
                    found.edges.push_back(source);
        } else if (!objects.uvSpace && s.object->shapeKind() == InnerShape::KindShape) {
            found.object = s.object;
            found.edges.assign(s.edges.begin(), s.edges.end());
        } else {
            continue;
        }
        if (s.whole)
            found.edges.assign(found.object->edges.begin(), found.object->edges.end());
        if (!found.edges.empty())
            result.push_back(std::move(found));
    }
    return result;
}
