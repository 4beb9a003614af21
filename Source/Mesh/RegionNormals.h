#pragma once
// Normals of a part of a mesh after only some of its points moved: the
// faces with a moved corner get new normals and, for smooth shading, so do
// the vertices of those faces. Dragging a few points of a big object then
// costs in proportion to the part, not to the object.
#include <cstdint>
#include <span>
#include <vector>

class Face;
class InnerShape;
class Shape;
class Vertex;

class RegionNormals {
public:
    // The faces of `mesh` with a corner among `moved` (one pass over the mesh).
    void findFaces(const InnerShape& mesh, std::span<Vertex* const> moved);
    // Faces known by whoever moved the points: every face with a moved corner.
    void setFaces(std::vector<Face*> faces);
    bool hasFaces() const { return known_; }
    size_t faceCount() const { return faces_.size(); }

    // New normals for the region as `update` with normals would give them
    // (`smooth`: vertex normals too, as the mean of the faces around each
    // vertex), and a new update stamp for the mesh. The faces around the
    // region's vertices are found once, on the first smooth update.
    void update(InnerShape& mesh, bool smooth);

private:
    void findAround(const InnerShape& mesh);

    bool known_ = false;
    std::vector<Face*> faces_;
    bool aroundKnown_ = false;
    std::vector<Vertex*> vertices_;     // corners of the faces, once each
    std::vector<int32_t> aroundStart_;  // per vertex into around_; one more at the end
    std::vector<Face*> around_;         // every face of the mesh around each vertex
};

// `update` with normals for an object of which only the region changed:
// limited to the region while the object shows its control mesh and the
// region is under half of it, the whole update otherwise (levels follow
// the control mesh through all their points).
void updateObjectRegion(Shape& object, RegionNormals& region);
