#include "Mesh/Topology/MirrorGeometry.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/DeleteElements.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// The mirrored copy of a contour: corners in reverse order, each corner's
// vertex mapped across; edges are linked afterwards.
void mirrorContour(const Face& from, Face& to, const std::unordered_map<Vertex*, Vertex*>& across)
{
    for (int k = from.cornerCount() - 1; k >= 0; --k) {
        Corner c = from.corners[k];
        c.vertex = across.at(c.vertex);
        c.edge = nullptr;
        to.corners.append(c);
    }
}

} // namespace

int mirrorGeometry(InnerShape& mesh, const MirrorPlane& plane, float tolerance, bool symmetry)
{
    const float tol = std::max(tolerance, MinSymmetryTolerance);
    const Point3D origin(plane.point), n = Point3D(plane.normal).normalized();
    auto side = [&](const Vertex* v) { return (*v - origin).dot(n); };
    mesh.touch();

    // A face with no corner in front of the plane belongs to the other half,
    // also when some of its corners lie on the plane: kept, its mirror would
    // lie on the mirror of the front half. Faces lying in the plane stay.
    List<Face*> behind;
    for (Face* f : mesh.faces) {
        bool anyInFront = false, anyBehind = false;
        for (const Corner& c : f->corners) {
            const float d = side(c.vertex);
            anyInFront = anyInFront || d > tol;
            anyBehind = anyBehind || d < -tol;
        }
        if (anyBehind && !anyInFront)
            behind.append(f);
    }
    deleteFaces(mesh, behind);

    std::unordered_map<Vertex*, Vertex*> across;
    const int vertexCount = mesh.vertices.count();
    for (int i = 0; i < vertexCount; ++i) {
        Vertex* v = mesh.vertices[i];
        const float d = side(v);
        if (std::abs(d) <= tol) {
            v->setPosition(v->x - d * n.x, v->y - d * n.y, v->z - d * n.z);
            v->set2(Geometry::OnPlane);
            v->mirror = v;
            across[v] = v;
            continue;
        }
        Vertex* copy = take<Vertex>(plane.reflect(*v));
        if (!copy)
            return 0;
        copyFlags(*v, *copy);
        copy->set2(Geometry::OnPlane, false);
        v->set2(Geometry::OnPlane, false);
        v->mirror = copy;
        copy->mirror = v;
        across[v] = copy;
        mesh.addVertex(copy);
    }

    int added = 0;
    const int faceCount = mesh.faces.count();
    for (int i = 0; i < faceCount; ++i) {
        Face* f = mesh.faces[i];
        bool inPlane = true;
        for (const Corner& c : f->corners)
            inPlane = inPlane && across[c.vertex] == c.vertex;
        if (inPlane) {
            f->mirror = f;
            continue;
        }
        Face* copy = take<Face>(f->material);
        if (!copy)
            break;
        copyFlags(*f, *copy);
        mirrorContour(*f, *copy, across);
        for (const Face* h : f->holes) {
            Face* hole = take<Face>(h->material);
            if (!hole)
                continue;
            mirrorContour(*h, *hole, across);
            copy->holes.append(hole);
        }
        f->mirror = copy;
        copy->mirror = f;
        mesh.addFace(copy);
        ++added;
    }

    // Faceless edges are mirrored here; face sides come from the relink.
    // Which mirrored edge carries which flags is settled by vertex pairs.
    const int edgeCount = mesh.edges.count();
    for (int i = 0; i < edgeCount; ++i) {
        Edge* e = mesh.edges[i];
        Vertex* a = across[e->startVertex];
        Vertex* b = across[e->endVertex];
        if (e->faces.empty() && !(a == e->startVertex && b == e->endVertex))
            if (Edge* copy = take<Edge>(a, b))
                mesh.addEdge(copy);
    }
    mesh.rebuildTopology(true);
    std::unordered_map<Vertex*, std::vector<Edge*>> edgesAt;
    for (Edge* e : mesh.edges)
        edgesAt[e->startVertex].push_back(e);
    for (int i = 0; i < edgeCount && i < mesh.edges.count(); ++i) {
        const Edge* e = mesh.edges[i];
        Vertex* a = across[e->startVertex];
        Vertex* b = across[e->endVertex];
        for (Vertex* start : {a, b})
            for (Edge* m : edgesAt[start])
                if (m != e && m->joins(a, b)) {
                    m->set(Geometry::Creased, e->has(Geometry::Creased));
                    m->set2(Geometry::UVSeam, e->has2(Geometry::UVSeam));
                }
    }
    mesh.mirrorPlane = plane;
    if (symmetry)
        mesh.setSymmetry(true);
    return added;
}

int mirrorGeometry(Shape& object, const MirrorPlane& plane, float tolerance, bool symmetry)
{
    return editTopology(object, [&](InnerShape& mesh) { return mirrorGeometry(mesh, plane, tolerance, symmetry); });
}
