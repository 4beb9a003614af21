#include "Formats/BinaryObjectChunk.h"

#include <algorithm>
#include <vector>

#include "Formats/ByteBuffer.h"
#include "Formats/ObjectAssembly.h"
#include "Formats/SceneReadState.h"
#include "Mesh/Material.h"
#include "Mesh/Shape.h"

namespace {

struct Context {
    SceneReadState& state;
    ObjectAssembly& object;
    Shape& shape;
    bool proxy;
    const unsigned char* data;
    size_t dispBegin = 0, dispEnd = 0; // the "DISP" payload, loaded once the object is finished
};

void setDisplayFlag(Shape& s, uint32_t flag, bool on)
{
    s.displayFlags = on ? (s.displayFlags | flag) : (s.displayFlags & ~flag);
}

// Hands every whole u32 of the payload to `each`.
template <class Each>
void forEachIndex(ByteReader& in, Each each)
{
    long i;
    while (in.i32(i))
        each(i);
}

// Hands every whole pair of u32 of the payload to `each`.
template <class Each>
void forEachPair(ByteReader& in, Each each)
{
    long a, b;
    while (in.remaining() >= 8 && in.i32(a) && in.i32(b))
        each(a, b);
}

void readCorners(Context& c, ByteReader& in, Face* contour, uint32_t n)
{
    long vertex;
    for (uint32_t k = 0; k < n && in.i32(vertex); ++k)
        c.object.addCorner(contour, vertex, 0.0f, 0.0f);
}

// "FTVS": the texture coordinates of a face's corners, then of its holes'.
void readTextureCoordinates(Context& c, ByteReader& in)
{
    uint32_t face, m;
    while (in.u32(face) && in.u32(m)) {
        Face* f = c.object.faceAt(face);
        int contour = -1; // -1 the outer corners, then the holes in order
        int corner = 0;
        float uv[2] = {0.0f, 0.0f};
        for (uint32_t k = 0; k < m && in.remaining() >= 8; ++k) {
            in.f32(uv[0]);
            in.f32(uv[1]);
            while (f && contour < f->holes.count()) {
                Face* target = contour < 0 ? f : f->holes[contour];
                if (corner < target->cornerCount()) {
                    target->corners[corner].u = uv[0];
                    target->corners[corner].v = uv[1];
                    ++corner;
                    break;
                }
                ++contour;
                corner = 0;
            }
        }
    }
}

// "FAMA": each run's material holds from its face up to the next run's.
void readMaterialRuns(Context& c, ByteReader& in)
{
    struct Run {
        long face, material;
    };
    std::vector<Run> runs;
    runs.reserve(in.remaining() / 8);
    forEachPair(in, [&](long f, long m) { runs.push_back({f, m}); });
    std::stable_sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.face < b.face; });
    const long faceCount = c.object.faceRecords();
    for (size_t r = 0; r < runs.size(); ++r) {
        Material* m = c.state.faceMaterial(runs[r].material);
        if (m == Material::defaultMaterial())
            continue; // new faces have it already
        const long from = std::max(0L, runs[r].face);
        const long to = std::min(faceCount, r + 1 < runs.size() ? runs[r + 1].face : faceCount);
        for (long f = from; f < to; ++f)
            if (Face* face = c.object.faceAt(f))
                face->material = m;
    }
}

struct SubChunk {
    const char* tag;
    void (*read)(Context&, ByteReader&);
};

const SubChunk subChunks[] = {
    {"DINF",
     [](Context& c, ByteReader& in) {
         long mode;
         uint32_t v;
         if (in.i32(mode) && mode >= InnerShape::FlatShade && mode <= InnerShape::Wireframe)
             c.shape.InnerShape::setShadingMode(static_cast<int>(mode));
         if (in.u32(v))
             setDisplayFlag(c.shape, InnerShape::WireOnShaded, v != 0);
         if (in.u32(v))
             c.shape.textureFlags = v ? (c.shape.textureFlags | InnerShape::ShowTexture)
                                      : (c.shape.textureFlags & ~InnerShape::ShowTexture);
         if (in.u32(v))
             setDisplayFlag(c.shape, InnerShape::ShowNormals, v != 0);
         if (in.u32(v))
             c.shape.set(Geometry::Hidden, v != 0);
     }},
    {"PINF",
     [](Context& c, ByteReader& in) {
         uint32_t v;
         if (in.u32(v))
             setDisplayFlag(c.shape, InnerShape::Locked, v != 0);
     }},
    {"AXIS",
     [](Context& c, ByteReader& in) {
         float p[12];
         const Vertex& o = c.shape.pivot();
         for (int a = 0; a < 4; ++a) {
             const Vertex& d = c.shape.axisFrame[a];
             p[3 * a] = a ? o.x + d.x : o.x;
             p[3 * a + 1] = a ? o.y + d.y : o.y;
             p[3 * a + 2] = a ? o.z + d.z : o.z;
         }
         in.f32s(p, 12);
         setAxisFromPoints(c.shape, p);
     }},
    {"SNAM", [](Context& c, ByteReader& in) { c.shape.name = in.text(in.remaining()); }},
    {"MIRP",
     [](Context& c, ByteReader& in) {
         const MirrorPlane& plane = c.shape.mirrorPlane;
         float p[6] = {plane.point.x, plane.point.y, plane.point.z, plane.normal.x, plane.normal.y, plane.normal.z};
         in.f32s(p, 6);
         c.shape.mirrorPlane.set(Point3D(p[0], p[1], p[2]), Point3D(p[3], p[4], p[5]));
         uint32_t symmetry;
         if (in.u32(symmetry))
             c.shape.setSymmetry(symmetry != 0);
     }},
    {"IMRP",
     [](Context& c, ByteReader& in) {
         long setting;
         if (in.i32(setting))
             c.shape.instanceMirror = static_cast<int32_t>(setting);
     }},
    {"VRTS",
     [](Context& c, ByteReader& in) {
         c.object.reserve(static_cast<long>(in.remaining() / 12), 0, 0);
         float p[3];
         while (in.remaining() >= 12) {
             in.f32s(p, 3);
             c.object.addVertex(p[0], p[1], p[2]);
         }
     }},
    {"VMIR", [](Context& c, ByteReader& in) { forEachPair(in, [&](long a, long b) { c.object.setVertexMirror(a, b); }); }},
    {"EDGS",
     [](Context& c, ByteReader& in) {
         c.object.reserve(0, static_cast<long>(in.remaining() / 8), 0);
         forEachPair(in, [&](long a, long b) { c.object.addEdge(a, b); });
     }},
    {"ECRS", [](Context& c, ByteReader& in) { forEachIndex(in, [&](long i) { c.object.markEdge(i, Geometry::Creased, 0); }); }},
    {"TXSM", [](Context& c, ByteReader& in) { forEachIndex(in, [&](long i) { c.object.markEdge(i, 0, Geometry::UVSeam); }); }},
    {"FACS",
     [](Context& c, ByteReader& in) {
         // A face takes at least 16 bytes; more faces than that only grow the list.
         c.object.reserve(0, 0, static_cast<long>(in.remaining() / 16));
         uint32_t n;
         while (in.u32(n)) {
             Face* f = c.object.newFace(nullptr);
             readCorners(c, in, f, n);
             c.object.endFace(f);
         }
     }},
    {"FAHS",
     [](Context& c, ByteReader& in) {
         long face;
         uint32_t n;
         while (in.i32(face) && in.u32(n)) {
             Face* hole = c.object.newFace(nullptr);
             readCorners(c, in, hole, n);
             c.object.endHole(c.object.faceAt(face), hole);
         }
     }},
    {"FTVS", readTextureCoordinates},
    {"FMIR", [](Context& c, ByteReader& in) { forEachPair(in, [&](long a, long b) { c.object.setFaceMirror(a, b); }); }},
    {"FAMA", readMaterialRuns},
    {"TEXF",
     [](Context& c, ByteReader& in) {
         long owner;
         if (!c.proxy || !in.i32(owner))
             return;
         if (Shape* s = c.state.polygonObjectAt(owner))
             c.object.setOwner(s);
         forEachPair(in, [&](long i, long j) { c.object.linkProxyFace(i, j); });
     }},
    {"PINV",
     [](Context& c, ByteReader& in) {
         // The pinned mark of a UV vertex shares its bit with Boundary.
         forEachIndex(in, [&](long i) {
             if (Vertex* v = c.object.vertexAt(i); v && c.proxy)
                 v->set(Geometry::Boundary);
         });
     }},
    {"SUBL",
     [](Context& c, ByteReader& in) {
         long level;
         if (in.i32(level))
             c.object.setLevel(level);
     }},
    {"FHID",
     [](Context& c, ByteReader& in) {
         forEachIndex(in, [&](long i) {
             if (Face* f = c.object.faceAt(i))
                 f->set(Geometry::Hidden);
         });
     }},
    {"PSBF",
     [](Context& c, ByteReader& in) {
         c.object.notePartialList();
         forEachIndex(in, [&](long i) { c.object.markPsubFace(i); });
     }},
    {"PSBE",
     [](Context& c, ByteReader& in) {
         c.object.notePartialList();
         forEachIndex(in, [&](long i) { c.object.markPsubEdge(i); });
     }},
    {"DISP",
     [](Context& c, ByteReader& in) {
         c.dispBegin = in.position();
         c.dispEnd = in.end();
     }},
};

void loadDisplacement(const unsigned char* data, size_t begin, size_t end, Shape& object)
{
    DisplacementLoad load(object);
    ByteReader in(data, begin, end);
    Chunk level;
    while (nextChunk(in, level)) {
        if (!level.is("DISL"))
            continue;
        ByteReader entries(data, level.begin, level.end);
        long L, vertex;
        if (!entries.i32(L))
            continue;
        InnerShape* mesh = load.level(L);
        float d[3];
        while (entries.remaining() >= 16 && entries.i32(vertex)) {
            entries.f32s(d, 3);
            DisplacementLoad::set(mesh, vertex, d[0], d[1], d[2]);
        }
    }
}

} // namespace

void readBinaryObjectChunk(const unsigned char* data, size_t begin, size_t end, SceneReadState& state, bool proxy)
{
    ObjectAssembly object(proxy);
    if (!object.object())
        return;
    Context c{state, object, *object.object(), proxy, data};
    ByteReader in(data, begin, end);
    Chunk sub;
    while (nextChunk(in, sub)) {
        for (const SubChunk& known : subChunks) {
            if (sub.is(known.tag)) {
                ByteReader payload(data, sub.begin, sub.end);
                known.read(c, payload);
                break;
            }
        }
    }
    Shape* shape = object.finish();
    if (!shape)
        return;
    state.addObject(shape);
    if (c.dispEnd > c.dispBegin)
        loadDisplacement(data, c.dispBegin, c.dispEnd, *shape);
}
