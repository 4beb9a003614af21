#pragma once
// The selection as the UV commands read it, whichever space the scene
// shows: in UV space the selected elements of the proxies themselves; in
// model space the proxy elements that stand for the selected elements of
// each object that has a proxy.
#include <vector>

#include "Mesh/List.h"

class Edge;
class Face;
class Shape;
class TextureProxy;
class Vertex;
struct SceneManagers;

struct ProxySelection {
    TextureProxy* proxy = nullptr;
    bool whole = false;     // the object (or its proxy) is selected
    List<Vertex*> vertices; // selected vertices and the ends of selected edges, each once
    List<Face*> faces;      // selected faces
    List<Edge*> edges;      // selected edges
    // The vertices of selected faces, each once.
    List<Vertex*> faceVertices() const;
    // Every vertex the selection touches: all of a whole proxy, else the
    // selected vertices and those of selected faces.
    List<Vertex*> touchedVertices() const;
    // All faces of a whole proxy, else the selected faces.
    List<Face*> touchedFaces() const;
};

std::vector<ProxySelection> selectedProxyElements(const SceneManagers& managers);

// The source edges a seam command works on, per object: every edge of a
// selected object (or of a selected proxy's owner), the selected edges, and
// in UV space the owner edges under the selected proxy edges.
struct SourceEdges {
    Shape* object = nullptr;
    std::vector<Edge*> edges;
};
std::vector<SourceEdges> selectedSourceEdges(const SceneManagers& managers);
