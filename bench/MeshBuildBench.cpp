// mesh-build-1M: a grid of 1000 x 1000 quads (1001 x 1001 vertices) built as
// a polygon mesh with edges and face normals, by Tavo and by OpenMesh.
// Timed: from the empty mesh to face normals. Not timed: giving the mesh
// back (Tavo's release, OpenMesh's destructor), on both sides alike.
// Memory: the heap the built mesh holds, per face; for Tavo the pools' free
// slots are not counted, so the figure does not depend on earlier runs.
#include <cmath>
#include <memory>

#include <OpenMesh/Core/Mesh/PolyMesh_ArrayKernelT.hh>

#include "Comparison.h"
#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"

namespace {

constexpr int QuadsPerSide = 1000;
constexpr int Side = QuadsPerSide + 1;
constexpr int QuadCount = QuadsPerSide * QuadsPerSide;
constexpr int EdgeCount = 2 * QuadsPerSide * Side;

// The grid lies in the XZ plane; corners run (i,j), (i,j+1), (i+1,j+1),
// (i+1,j), which faces +Y by the right-hand rule.
float gridX(int i) { return static_cast<float>(i) / QuadsPerSide; }
float gridZ(int j) { return static_cast<float>(j) / QuadsPerSide; }

bool facesUp(float x, float y, float z)
{
    return std::fabs(x) < 1e-6f && std::fabs(y - 1.0f) < 1e-6f && std::fabs(z) < 1e-6f;
}

template <class T>
double poolFreeBytes()
{
    return static_cast<double>(Pool<T>::freeCount()) * sizeof(T);
}

// Heap in use by live Tavo objects: pool blocks count only for their taken slots.
double tavoBytesInUse()
{
    return heapBytesInUse() - poolFreeBytes<Vertex>() - poolFreeBytes<Edge>() - poolFreeBytes<Face>() -
        poolFreeBytes<InnerShape>();
}

bool buildTavo(Sample& outSample)
{
    double heapBefore = tavoBytesInUse();
    Stopwatch clock;

    InnerShape* mesh = take<InnerShape>();
    for (int j = 0; j < Side; ++j)
        for (int i = 0; i < Side; ++i)
            mesh->addVertex(take<Vertex>(gridX(i), 0.0f, gridZ(j)));
    Vertex** v = mesh->vertices.data();
    for (int j = 0; j < QuadsPerSide; ++j) {
        for (int i = 0; i < QuadsPerSide; ++i) {
            Face* f = take<Face>();
            f->appendCorner(v[j * Side + i]);
            f->appendCorner(v[(j + 1) * Side + i]);
            f->appendCorner(v[(j + 1) * Side + i + 1]);
            f->appendCorner(v[j * Side + i + 1]);
            mesh->addFace(f);
        }
    }
    mesh->buildEdges();
    mesh->update(true, false, -1);

    outSample.seconds = clock.seconds();
    outSample.heapBytes = tavoBytesInUse() - heapBefore;
    const Point3D& n = mesh->faces[QuadCount / 2]->normal;
    bool ok = mesh->vertices.count() == Side * Side && mesh->faces.count() == QuadCount &&
        mesh->edges.count() == EdgeCount && facesUp(n.x, n.y, n.z);
    mesh->release();
    return ok;
}

using PeerMesh = OpenMesh::PolyMesh_ArrayKernelT<>;

bool buildOpenMesh(Sample& outSample)
{
    double heapBefore = heapBytesInUse();
    Stopwatch clock;

    auto mesh = std::make_unique<PeerMesh>();
    for (int j = 0; j < Side; ++j)
        for (int i = 0; i < Side; ++i)
            mesh->add_vertex(PeerMesh::Point(gridX(i), 0.0f, gridZ(j)));
    // Handles are list positions, so the grid needs no table of its own (as
    // Tavo's side indexes its vertex list).
    auto v = [](int k) { return PeerMesh::VertexHandle(k); };
    for (int j = 0; j < QuadsPerSide; ++j)
        for (int i = 0; i < QuadsPerSide; ++i)
            mesh->add_face(v(j * Side + i), v((j + 1) * Side + i), v((j + 1) * Side + i + 1), v(j * Side + i + 1));
    mesh->request_face_normals();
    mesh->update_face_normals();

    outSample.seconds = clock.seconds();
    outSample.heapBytes = heapBytesInUse() - heapBefore;
    const PeerMesh::Normal& n = mesh->normal(PeerMesh::FaceHandle(QuadCount / 2));
    return static_cast<int>(mesh->n_vertices()) == Side * Side && static_cast<int>(mesh->n_faces()) == QuadCount &&
        static_cast<int>(mesh->n_edges()) == EdgeCount && facesUp(n[0], n[1], n[2]);
}

const bool registered = registerComparison({"mesh-build-1M", "openmesh", buildTavo, buildOpenMesh, QuadCount});

} // namespace
