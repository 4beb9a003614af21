#pragma once
// The selection as the commands read it: per object, the elements that the
// current selection mode makes "selected". It is read straight from the
// `Selected` flags, which stay the single source of truth; hidden objects and
// hidden elements never count.
#include <vector>

#include "Mesh/List.h"

class Edge;
class Face;
class Shape;
class Vertex;
struct SceneManagers;

// What one object contributes to the selection.
struct ObjectSelection {
    Shape* object = nullptr;
    bool whole = false;     // object mode: the object itself is selected
    List<Vertex*> vertices; // selected vertices, in the object's list order
    List<Edge*> edges;      // selected edges, in list order
    List<Face*> faces;      // selected faces, in list order
};

class SelectedElements {
public:
    // Reads `objects` in the selection mode `mode` (a SceneSelectionManager::
    // Mode value): object mode takes the selected objects; vertex, edge and
    // face mode the selected elements of that kind; multi mode all three
    // kinds. Objects that contribute nothing are left out, the others keep
    // the scene's order.
    SelectedElements(const List<Shape*>& objects, int mode);
    // The scene's objects in the selection manager's current mode.
    explicit SelectedElements(const SceneManagers& managers);

    const std::vector<ObjectSelection>& perObject() const { return perObject_; }
    std::vector<ObjectSelection>& perObject() { return perObject_; }
    bool empty() const { return perObject_.empty(); }

    // Totals over every object.
    int objectCount() const; // whole objects
    int vertexCount() const;
    int edgeCount() const;
    int faceCount() const;

private:
    std::vector<ObjectSelection> perObject_;
};
