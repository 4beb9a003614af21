// boolean-100k: one sphere of about 100,000 triangles minus another that
// overlaps it, by Tavo and by CGAL. Tavo is timed scene to scene: from its
// two meshes to the result mesh (triangulated copies, checks, corefinement,
// faces merged back). CGAL is timed on the corefinement alone, on surface
// meshes the bench builds beforehand from the same triangles. Both use the
// exact-constructions kernel and check their result by its volume.
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/corefinement.h>
#include <CGAL/Polygon_mesh_processing/measure.h>
#include <CGAL/Surface_mesh.h>

#include <cmath>

#include "Comparison.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/Boolean.h"

namespace {

namespace PMP = CGAL::Polygon_mesh_processing;
using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using PeerMesh = CGAL::Surface_mesh<Kernel::Point_3>;

constexpr int Columns = 250; // around the pole axis
constexpr int Rows = 200;    // pole to pole: 2 · Columns · (Rows − 1) triangles

// A triangulated UV sphere: ring vertices, then the two poles.
struct Sphere {
    std::vector<std::array<float, 3>> points;
    std::vector<std::array<int, 3>> triangles;
};

Sphere makeSphere(float radius, float cx)
{
    Sphere s;
    for (int r = 1; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            const double polar = M_PI * r / Rows, around = 2 * M_PI * c / Columns;
            s.points.push_back({float(cx + radius * std::sin(polar) * std::cos(around)),
                                float(radius * std::sin(polar) * std::sin(around)), float(radius * std::cos(polar))});
        }
    const int top = static_cast<int>(s.points.size());
    s.points.push_back({cx, 0, radius});
    s.points.push_back({cx, 0, -radius});
    auto at = [](int r, int c) { return (r - 1) * Columns + (c % Columns); };
    for (int c = 0; c < Columns; ++c) {
        s.triangles.push_back({top, at(1, c), at(1, c + 1)});
        s.triangles.push_back({top + 1, at(Rows - 1, c + 1), at(Rows - 1, c)});
        for (int r = 1; r + 1 < Rows; ++r) {
            s.triangles.push_back({at(r, c), at(r + 1, c), at(r + 1, c + 1)});
            s.triangles.push_back({at(r, c), at(r + 1, c + 1), at(r, c + 1)});
        }
    }
    return s;
}

const Sphere& first()
{
    static const Sphere s = makeSphere(1.0f, 0.0f);
    return s;
}

const Sphere& second()
{
    static const Sphere s = makeSphere(0.8f, 0.9f);
    return s;
}

Shape* tavoMesh(const Sphere& s)
{
    Shape* m = take<Shape>();
    for (const auto& p : s.points)
        m->addVertex(take<Vertex>(p[0], p[1], p[2]));
    for (const auto& t : s.triangles) {
        Face* f = take<Face>();
        for (int i : t)
            f->appendCorner(m->vertices[i]);
        m->addFace(f);
    }
    m->buildEdges();
    m->update(true, false, -1);
    return m;
}

PeerMesh peerMesh(const Sphere& s)
{
    PeerMesh m;
    std::vector<PeerMesh::Vertex_index> index;
    for (const auto& p : s.points)
        index.push_back(m.add_vertex(Kernel::Point_3(p[0], p[1], p[2])));
    for (const auto& t : s.triangles)
        m.add_face(index[t[0]], index[t[1]], index[t[2]]);
    return m;
}

// The first result's volume; every later one, on either side, must match it.
double expectedVolume = 0;

bool plausible(double volume)
{
    // The whole sphere (4.19) minus the lens the two share (about 0.93).
    return volume > 2.5 && volume < 4.0 && (expectedVolume == 0 || std::abs(volume - expectedVolume) < 1e-4);
}

double tavoVolume(const InnerShape& m)
{
    double sum = 0;
    for (const Face* f : m.faces) {
        auto contour = [&](const Face& c) {
            const Vertex* p = c.corners[0].vertex;
            for (int k = 1; k + 1 < c.cornerCount(); ++k) {
                const Point3D q = *c.corners[k].vertex, r = *c.corners[k + 1].vertex;
                sum += double(p->x) * (double(q.y) * r.z - double(q.z) * r.y) -
                       double(p->y) * (double(q.x) * r.z - double(q.z) * r.x) +
                       double(p->z) * (double(q.x) * r.y - double(q.y) * r.x);
            }
        };
        contour(*f);
        for (const Face* h : f->holes)
            contour(*h);
    }
    return sum / 6;
}

bool runTavo(Sample& outSample)
{
    Shape* a = tavoMesh(first());
    Shape* b = tavoMesh(second());
    Shape* result = take<Shape>();
    Stopwatch clock;
    const BooleanOutcome outcome = booleanShapes(*a, *b, BooleanOperation::Subtract, *result);
    outSample.seconds = clock.seconds();
    const double volume = tavoVolume(*result);
    const bool ok = outcome == BooleanOutcome::Done && plausible(volume);
    if (ok && expectedVolume == 0)
        expectedVolume = volume;
    a->release();
    b->release();
    result->release();
    return ok;
}

bool runPeer(Sample& outSample)
{
    PeerMesh a = peerMesh(first()), b = peerMesh(second()), result;
    Stopwatch clock;
    const bool done = PMP::corefine_and_compute_difference(a, b, result);
    outSample.seconds = clock.seconds();
    const double volume = CGAL::to_double(PMP::volume(result));
    const bool ok = done && plausible(volume);
    if (ok && expectedVolume == 0)
        expectedVolume = volume;
    return ok;
}

const bool registered = registerComparison({"boolean-100k", "cgal", runTavo, runPeer});

} // namespace
