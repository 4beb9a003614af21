// extrude-10k: 10,000 faces of a grid of 1000 x 1000 quads extruded
// together, as the "Extrude" command with "Keep Faces Together" does it: the
// faces are 100 blocks of 10 x 10 quads spread evenly over the grid (one
// block every 100 quads each way), so each block rises as one region with
// an inner part and a wall of 40 quads. Tavo runs `extrudeFaceRegions`
// into a `ManipulatorFrame` through `FrameDirections`, captures the start
// positions, sets the value 0.1 and finishes the frame (face normals).
// The peer `arrays` does the same on flat position and quad index arrays:
// finds the blocks' boundary edges, adds a vertex above every boundary
// vertex, rewrites the blocks' quads onto them, appends the wall quads,
// moves the risen points 0.1 along the mean normal of the block faces
// around them and recomputes every face normal. Each run starts from a
// fresh grid made (and afterwards released) outside the timing.
// Goal: ratio 3 or less.
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Comparison.h"
#include "GridShape.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ExtrudeRegions.h"
#include "Tools/FrameDirections.h"
#include "Tools/ManipulatorFrame.h"

namespace {

constexpr int QuadsPerSide = 1000;
constexpr int Side = QuadsPerSide + 1;
constexpr int BlockSide = 10;
constexpr int BlockStride = 100;
constexpr float Value = 0.1f;
constexpr int ExtrudedFaces = (QuadsPerSide / BlockStride) * (QuadsPerSide / BlockStride) * BlockSide * BlockSide;
constexpr int WallQuads = (QuadsPerSide / BlockStride) * (QuadsPerSide / BlockStride) * 4 * BlockSide;

// Face positions of the blocks, in the grid's face order (row j, column i).
std::vector<int> blockFaces()
{
    std::vector<int> out;
    for (int j = 0; j < QuadsPerSide; ++j)
        for (int i = 0; i < QuadsPerSide; ++i)
            if (i % BlockStride >= 45 && i % BlockStride < 45 + BlockSide && j % BlockStride >= 45 &&
                j % BlockStride < 45 + BlockSide)
                out.push_back(j * QuadsPerSide + i);
    return out;
}

bool runTavo(Sample& outSample)
{
    static const std::vector<int> picked = blockFaces();
    Shape* grid = gridShape(QuadsPerSide);
    List<Face*> faces;
    for (int f : picked)
        faces.append(grid->faces[f]);
    ManipulatorFrame frame;
    Face* probe = faces[0];

    Stopwatch clock;
    FrameDirections directions(frame, *grid);
    extrudeFaceRegions(*grid, faces, &directions);
    directions.commit();
    frame.captureStart();
    frame.setValue(Value);
    frame.finish();
    outSample.seconds = clock.seconds();

    const bool ok = grid->faces.count() == QuadsPerSide * QuadsPerSide + WallQuads &&
                    frame.points.count() == WallQuads + (BlockSide - 1) * (BlockSide - 1) * ExtrudedFaces / (BlockSide * BlockSide) &&
                    std::abs(probe->centre().y - Value) < 1e-6f && probe->normal.y > 0.99f;
    grid->release();
    return ok;
}

// The peer: positions and quads in flat arrays.
struct Arrays {
    Arrays()
    {
        gridArrays(QuadsPerSide, positions, quads);
        faceNormals.resize(quads.size() / 4 * 3);
    }
    std::vector<float> positions, faceNormals;
    std::vector<int> quads;
};

uint64_t edgeKey(int a, int b)
{
    return a < b ? (uint64_t(uint32_t(a)) << 32) | uint32_t(b) : (uint64_t(uint32_t(b)) << 32) | uint32_t(a);
}

void normalOf(const float* p0, const float* p1, const float* p2, float* out)
{
    const float u[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    const float w[3] = {p0[0] - p1[0], p0[1] - p1[1], p0[2] - p1[2]};
    float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
    const float l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (int k = 0; k < 3; ++k)
        out[k] = l > 0 ? n[k] / l : 0;
}

bool runArrays(Sample& outSample)
{
    static const Arrays base;
    static const std::vector<int> picked = blockFaces();
    Arrays a = base;

    Stopwatch clock;
    // Boundary edges of the regions: used once among the picked faces.
    std::unordered_map<uint64_t, int> uses;
    uses.reserve(picked.size() * 4);
    for (int f : picked)
        for (int k = 0; k < 4; ++k)
            ++uses[edgeKey(a.quads[f * 4 + k], a.quads[f * 4 + (k + 1) % 4])];
    // Every region vertex: its risen vertex (new on the boundary) and normal sum.
    struct Risen {
        int vertex = -1;
        float normal[3] = {0, 0, 0};
    };
    std::unordered_map<int, Risen> risen;
    risen.reserve(picked.size() * 2);
    const int oldCount = int(a.positions.size() / 3);
    for (int f : picked) {
        const int* q = &a.quads[f * 4];
        float n[3];
        normalOf(&a.positions[q[0] * 3], &a.positions[q[1] * 3], &a.positions[q[2] * 3], n);
        for (int k = 0; k < 4; ++k) {
            Risen& r = risen[q[k]];
            for (int c = 0; c < 3; ++c)
                r.normal[c] += n[c];
            const bool onBoundary = uses[edgeKey(q[k], q[(k + 1) % 4])] == 1 || uses[edgeKey(q[(k + 3) % 4], q[k])] == 1;
            if (onBoundary && (r.vertex < 0 || r.vertex == q[k])) {
                r.vertex = int(a.positions.size() / 3);
                a.positions.insert(a.positions.end(), {a.positions[q[k] * 3], a.positions[q[k] * 3 + 1], a.positions[q[k] * 3 + 2]});
            } else if (r.vertex < 0) {
                r.vertex = q[k];
            }
        }
    }
    // Walls on the boundary edges, then the picked quads onto the risen vertices.
    for (int f : picked) {
        for (int k = 0; k < 4; ++k) {
            const int p = a.quads[f * 4 + k], q = a.quads[f * 4 + (k + 1) % 4];
            if (uses[edgeKey(p, q)] == 1)
                a.quads.insert(a.quads.end(), {p, q, risen[q].vertex, risen[p].vertex});
        }
    }
    for (int f : picked)
        for (int k = 0; k < 4; ++k)
            a.quads[f * 4 + k] = risen[a.quads[f * 4 + k]].vertex;
    for (auto& [old, r] : risen) {
        const float l = std::sqrt(r.normal[0] * r.normal[0] + r.normal[1] * r.normal[1] + r.normal[2] * r.normal[2]);
        for (int c = 0; c < 3; ++c)
            a.positions[size_t(r.vertex) * 3 + c] += Value * (l > 0 ? r.normal[c] / l : 0);
    }
    a.faceNormals.resize(a.quads.size() / 4 * 3);
    for (size_t f = 0; f < a.quads.size() / 4; ++f)
        normalOf(&a.positions[size_t(a.quads[f * 4]) * 3], &a.positions[size_t(a.quads[f * 4 + 1]) * 3],
                 &a.positions[size_t(a.quads[f * 4 + 2]) * 3], &a.faceNormals[f * 3]);
    outSample.seconds = clock.seconds();

    const int* probe = &a.quads[size_t(picked[0]) * 4];
    return a.quads.size() / 4 == size_t(QuadsPerSide) * QuadsPerSide + WallQuads &&
           int(a.positions.size() / 3) == oldCount + WallQuads && std::abs(a.positions[size_t(probe[0]) * 3 + 1] - Value) < 1e-6f &&
           a.faceNormals[size_t(picked[0]) * 3 + 1] > 0.99f;
}

const bool registered = registerComparison({"extrude-10k", "arrays", runTavo, runArrays});

} // namespace
