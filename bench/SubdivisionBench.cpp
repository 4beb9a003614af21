// Subdivision of a torus of 100 x 100 quads (10,000) to level 3, by Tavo and
// by OpenSubdiv (uniform Catmull-Clark refinement).
//
// subdivide-build-L3: building levels 1 to 3 (topology, stencils, positions)
// from the control mesh, against RefineUniform(3) plus the interpolation of
// the three levels' positions. The control mesh (Tavo) and the base
// topology (OpenSubdiv) are made outside the timing; giving the levels back
// too. Memory: the heap the three levels hold, per level-3 vertex.
//
// subdivide-update-L3: every control vertex moved (outside the timing), then
// the positions of levels 1 to 3 evaluated again, against the interpolation
// of the three levels. Both keep their levels between runs.
//
// Each side checks its result with the sum of the squared distances of the
// level-3 vertices from the origin; the two sides must agree.
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include <opensubdiv/far/primvarRefiner.h>
#include <opensubdiv/far/topologyDescriptor.h>
#include <opensubdiv/far/topologyRefinerFactory.h>

#include "Comparison.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/SubdivisionStencils.h"

namespace {

using namespace OpenSubdiv;

constexpr int Around = 100;
constexpr int Tube = 100;
constexpr int Levels = 3;
constexpr int Level3Vertices = 64 * Around * Tube; // each level has four times the faces, as many vertices

struct Torus {
    std::vector<float> points; // x, y, z per vertex
    std::vector<int> counts;
    std::vector<int> indices;
};

const Torus& torus()
{
    static const Torus t = [] {
        Torus m;
        for (int i = 0; i < Around; ++i) {
            const float a = 2.0f * static_cast<float>(M_PI) * i / Around;
            for (int j = 0; j < Tube; ++j) {
                const float b = 2.0f * static_cast<float>(M_PI) * j / Tube;
                const float r = 2.0f + 0.6f * std::cos(b);
                m.points.insert(m.points.end(), {r * std::cos(a), r * std::sin(a), 0.6f * std::sin(b)});
            }
        }
        auto at = [](int i, int j) { return (i % Around) * Tube + j % Tube; };
        for (int i = 0; i < Around; ++i) {
            for (int j = 0; j < Tube; ++j) {
                m.counts.push_back(4);
                m.indices.insert(m.indices.end(), {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
            }
        }
        return m;
    }();
    return t;
}

// Control positions of the n-th run of a side: the torus scaled a little,
// differently on every run, so that every control vertex moves.
float runScale(int run)
{
    return 1.0f + 0.01f * static_cast<float>(run % 5);
}

// Checksums by (comparison, run): the second side to finish a run must
// agree with the first.
bool agrees(int comparison, int run, double checksum)
{
    static std::map<std::pair<int, int>, double> seen;
    auto [it, first] = seen.emplace(std::make_pair(comparison, run), checksum);
    return first || std::fabs(it->second - checksum) <= 1e-4 * std::fabs(checksum);
}

template <class T>
double poolFreeBytes()
{
    return static_cast<double>(Pool<T>::freeCount()) * sizeof(T);
}

double tavoBytesInUse()
{
    return heapBytesInUse() - poolFreeBytes<Vertex>() - poolFreeBytes<Edge>() - poolFreeBytes<Face>() -
        poolFreeBytes<InnerShape>() - static_cast<double>(StencilTable::cachedBytes());
}

// --- Tavo ---

Shape* tavoTorus()
{
    const Torus& t = torus();
    Shape* s = take<Shape>();
    for (size_t i = 0; i < t.points.size(); i += 3)
        s->addVertex(take<Vertex>(t.points[i], t.points[i + 1], t.points[i + 2]));
    for (size_t f = 0; f < t.counts.size(); ++f) {
        Face* face = take<Face>();
        for (int k = 0; k < 4; ++k)
            face->appendCorner(s->vertices[t.indices[4 * f + k]]);
        s->addFace(face);
    }
    s->buildEdges();
    s->update(true, false, -1);
    s->renumber();
    return s;
}

double tavoChecksum(const InnerShape& level)
{
    double sum = 0;
    for (const Vertex* v : level.vertices)
        sum += double(v->x) * v->x + double(v->y) * v->y + double(v->z) * v->z;
    return sum;
}

void moveTavoControl(Shape& s, int run)
{
    const Torus& t = torus();
    const float k = runScale(run);
    for (int i = 0; i < s.vertices.count(); ++i)
        s.vertices[i]->setPosition(k * t.points[3 * i], k * t.points[3 * i + 1], k * t.points[3 * i + 2]);
}

bool buildTavo(Sample& outSample)
{
    static int run = 0;
    Shape* s = tavoTorus();
    moveTavoControl(*s, run);
    const double heapBefore = tavoBytesInUse();
    Stopwatch clock;
    bool ok = true;
    for (int level = 1; level <= Levels; ++level)
        ok = ok && s->levelStack.stepUp();
    outSample.seconds = clock.seconds();
    outSample.heapBytes = tavoBytesInUse() - heapBefore;
    const InnerShape& top = *s->levelStack.levelMesh(Levels);
    ok = ok && top.vertices.count() == Level3Vertices && agrees(0, run++, tavoChecksum(top));
    s->release();
    return ok;
}

bool updateTavo(Sample& outSample)
{
    static Shape* s = nullptr;
    static int run = 0;
    if (!s) {
        s = tavoTorus();
        for (int level = 1; level <= Levels; ++level)
            s->levelStack.stepUp();
    }
    moveTavoControl(*s, run);
    Stopwatch clock;
    for (int level = 1; level <= Levels; ++level)
        s->levelStack.levelMesh(level)->update(false, true, -1);
    outSample.seconds = clock.seconds();
    return agrees(1, run++, tavoChecksum(*s->levelStack.levelMesh(Levels)));
}

// --- OpenSubdiv ---

struct PeerPoint {
    float p[3];
    void Clear() { p[0] = p[1] = p[2] = 0.0f; }
    void AddWithWeight(const PeerPoint& src, float w)
    {
        p[0] += w * src.p[0];
        p[1] += w * src.p[1];
        p[2] += w * src.p[2];
    }
};

std::unique_ptr<Far::TopologyRefiner> peerRefiner()
{
    const Torus& t = torus();
    Far::TopologyDescriptor desc;
    desc.numVertices = static_cast<int>(t.points.size() / 3);
    desc.numFaces = static_cast<int>(t.counts.size());
    desc.numVertsPerFace = t.counts.data();
    desc.vertIndicesPerFace = t.indices.data();
    Sdc::Options options;
    options.SetVtxBoundaryInterpolation(Sdc::Options::VTX_BOUNDARY_EDGE_ONLY);
    using Factory = Far::TopologyRefinerFactory<Far::TopologyDescriptor>;
    return std::unique_ptr<Far::TopologyRefiner>(Factory::Create(desc, Factory::Options(Sdc::SCHEME_CATMARK, options)));
}

void movePeerControl(std::vector<PeerPoint>& control, int run)
{
    const Torus& t = torus();
    const float k = runScale(run);
    control.resize(t.points.size() / 3);
    for (size_t i = 0; i < control.size(); ++i)
        control[i] = {{k * t.points[3 * i], k * t.points[3 * i + 1], k * t.points[3 * i + 2]}};
}

// Levels 1 … 3 from the control positions, into buffers of the right sizes.
void interpolate(const Far::TopologyRefiner& refiner, const std::vector<PeerPoint>& control,
                 std::vector<PeerPoint> (&levels)[Levels])
{
    Far::PrimvarRefiner primvar(refiner);
    const PeerPoint* src = control.data();
    for (int level = 1; level <= Levels; ++level) {
        std::vector<PeerPoint>& dst = levels[level - 1];
        dst.resize(static_cast<size_t>(refiner.GetLevel(level).GetNumVertices()));
        PeerPoint* out = dst.data();
        primvar.Interpolate(level, src, out);
        src = out;
    }
}

double peerChecksum(const std::vector<PeerPoint>& level)
{
    double sum = 0;
    for (const PeerPoint& v : level)
        sum += double(v.p[0]) * v.p[0] + double(v.p[1]) * v.p[1] + double(v.p[2]) * v.p[2];
    return sum;
}

bool buildPeer(Sample& outSample)
{
    static int run = 0;
    std::vector<PeerPoint> control;
    movePeerControl(control, run);
    std::unique_ptr<Far::TopologyRefiner> refiner = peerRefiner();
    const double heapBefore = heapBytesInUse();
    Stopwatch clock;
    refiner->RefineUniform(Far::TopologyRefiner::UniformOptions(Levels));
    std::vector<PeerPoint> levels[Levels];
    interpolate(*refiner, control, levels);
    outSample.seconds = clock.seconds();
    outSample.heapBytes = heapBytesInUse() - heapBefore;
    return static_cast<int>(levels[Levels - 1].size()) == Level3Vertices &&
        agrees(0, run++, peerChecksum(levels[Levels - 1]));
}

bool updatePeer(Sample& outSample)
{
    static std::unique_ptr<Far::TopologyRefiner> refiner;
    static std::vector<PeerPoint> levels[Levels];
    static std::vector<PeerPoint> control;
    static int run = 0;
    if (!refiner) {
        refiner = peerRefiner();
        refiner->RefineUniform(Far::TopologyRefiner::UniformOptions(Levels));
    }
    movePeerControl(control, run);
    Stopwatch clock;
    interpolate(*refiner, control, levels);
    outSample.seconds = clock.seconds();
    return agrees(1, run++, peerChecksum(levels[Levels - 1]));
}

const bool registeredBuild =
    registerComparison({"subdivide-build-L3", "opensubdiv", buildTavo, buildPeer, Level3Vertices});
const bool registeredUpdate = registerComparison({"subdivide-update-L3", "opensubdiv", updateTavo, updatePeer});

} // namespace
