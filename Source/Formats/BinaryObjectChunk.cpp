#include "Formats/BinaryObjectChunk.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "Formats/ByteBuffer.h"
#include "Formats/ObjectAssembly.h"
#include "Formats/SceneReadState.h"
#include "Mesh/Face.h"
#include "Mesh/Material.h"
#include "Mesh/Shape.h"

namespace {

// Texture coordinates taken while faces are read: the "FTVS" chunk that
// follows a "FACS" chunk lists the faces in the same order, so each entry
// is applied as its face is made, while the face is at hand. The lane
// closes at the first entry that could mean anything else (another face,
// corners of holes, a short entry); the chunk reads the rest when it comes.
struct UvLane {
    ByteReader* in = nullptr; // the "FTVS" payload, shared with that chunk
    bool open = false;

    // Face record `record` has just been read; `f` is its face (null when it made none).
    void apply(long record, Face* f)
    {
        if (!open)
            return;
        uint32_t face, m;
        const unsigned char* p = in->at();
        if (in->remaining() < 8) {
            open = false;
            return;
        }
        std::memcpy(&face, p, 4);
        std::memcpy(&m, p + 4, 4);
        if (face != static_cast<uint64_t>(record) || (f && m > static_cast<uint32_t>(f->cornerCount())) ||
            (in->remaining() - 8) / 8 < m) {
            open = false;
            return;
        }
        p += 8;
        if (f) {
            Corner* corners = f->corners.data();
            for (uint32_t k = 0; k < m; ++k, p += 8) {
                float uv[2];
                std::memcpy(uv, p, 8);
                corners[k].u = std::isnan(uv[0]) ? 0.0f : uv[0];
                corners[k].v = std::isnan(uv[1]) ? 0.0f : uv[1];
            }
        }
        in->seek(in->position() + 8 + 8 * static_cast<size_t>(m));
    }
};

// A run of "FAMA": the faces from record `face` on have file material `material`.
struct MaterialRun {
    long face, material;
};

// Face materials given while faces are read, when the object's one "FAMA"
// chunk follows all its faces: face record i takes the last run that
// starts at or before it, as reading the runs afterwards would give.
struct RunsAsRead {
    std::vector<MaterialRun> runs;
    size_t next = 0; // runs before it start at or before the last record seen
    bool active = false;

    Material* materialOf(long record, const SceneReadState& state)
    {
        while (next < runs.size() && runs[next].face <= record)
            ++next;
        return next ? state.faceMaterial(runs[next - 1].material) : nullptr;
    }
};

struct Context {
    SceneReadState& state;
    ObjectAssembly& object;
    Shape& shape;
    bool proxy;
    const unsigned char* data;
    UvLane lane;                       // for the "FACS" chunk being read
    RunsAsRead runsAsRead;
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
    const size_t whole = std::min<size_t>(n, in.remaining() / 4);
    const unsigned char* p = in.at();
    for (size_t k = 0; k < whole; ++k, p += 4) {
        int32_t vertex;
        std::memcpy(&vertex, p, 4);
        c.object.addCorner(contour, vertex, 0.0f, 0.0f);
    }
    in.seek(in.position() + 4 * whole);
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
std::vector<MaterialRun> materialRuns(ByteReader in)
{
    std::vector<MaterialRun> runs;
    runs.reserve(in.remaining() / 8);
    forEachPair(in, [&](long f, long m) { runs.push_back({f, m}); });
    std::stable_sort(runs.begin(), runs.end(), [](const MaterialRun& a, const MaterialRun& b) { return a.face < b.face; });
    return runs;
}

void readMaterialRuns(Context& c, ByteReader& in)
{
    if (c.runsAsRead.active)
        return; // applied as the faces were read
    const std::vector<MaterialRun> runs = materialRuns(in);
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
         const size_t count = in.remaining() / 12;
         c.object.reserve(static_cast<long>(count), 0, 0);
         const unsigned char* p = in.at();
         for (size_t k = 0; k < count; ++k, p += 12) {
             float xyz[3];
             std::memcpy(xyz, p, 12);
             c.object.addVertex(xyz[0], xyz[1], xyz[2]); // a value that is no number becomes 0 there
         }
         in.seek(in.position() + 12 * count);
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
             const long record = c.object.faceRecords();
             c.object.endFace(f);
             Face* made = c.object.faceAt(record);
             c.lane.apply(record, made);
             if (c.runsAsRead.active && made)
                 if (Material* m = c.runsAsRead.materialOf(record, c.state))
                     made->material = m;
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

void loadDisplacement(const unsigned char* data, size_t begin, size_t end, Shape& object, SceneReadState& state)
{
    DisplacementLoad load(object, state);
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
        float d[3] = {};
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
    Context c{state, object, *object.object(), proxy, data, {}, {}};
    Chunk sub;
    // Faces are linked as they are read when that gives what linking them
    // all at the end would: every edge record is in by then and no face gets holes.
    bool facesSeen = false, linkAsRead = true, facesAfterRuns = false;
    int runChunks = 0;
    Chunk runs{};
    for (ByteReader scan(data, begin, end); nextChunk(scan, sub);) {
        facesSeen |= sub.is("FACS");
        if ((facesSeen && sub.is("EDGS")) || (sub.is("FAHS") && sub.end - sub.begin >= 8))
            linkAsRead = false;
        facesAfterRuns |= runChunks > 0 && sub.is("FACS");
        if (sub.is("FAMA")) {
            ++runChunks;
            runs = sub;
        }
    }
    if (linkAsRead)
        object.linkFacesAsRead();
    if (runChunks == 1 && !facesAfterRuns)
        c.runsAsRead = {materialRuns(ByteReader(data, runs.begin, runs.end)), 0, true};

    // The "FTVS" chunk next after the "FACS" chunk being read, found by one
    // forward scan over the whole object; its reader is shared with the lane.
    Chunk uvs{};
    bool haveUvs = false;
    ByteReader uvIn(data, begin, begin), uvScan(data, begin, end);
    ByteReader in(data, begin, end);
    while (nextChunk(in, sub)) {
        ByteReader payload(data, sub.begin, sub.end);
        if (haveUvs && sub.begin == uvs.begin)
            payload = uvIn; // from where the lane stopped
        c.lane = {};
        if (sub.is("FACS")) {
            if (!haveUvs || uvs.begin < sub.begin) {
                haveUvs = false;
                if (uvScan.position() < in.position())
                    uvScan.seek(in.position());
                while (!haveUvs && nextChunk(uvScan, uvs))
                    haveUvs = uvs.is("FTVS");
                if (haveUvs)
                    uvIn = ByteReader(data, uvs.begin, uvs.end);
            }
            if (haveUvs)
                c.lane = {&uvIn, true};
        }
        for (const SubChunk& known : subChunks) {
            if (sub.is(known.tag)) {
                known.read(c, payload);
                break;
            }
        }
    }
    Shape* shape = object.finish(state);
    if (!shape)
        return;
    state.addObject(shape);
    if (c.dispEnd > c.dispBegin)
        loadDisplacement(data, c.dispBegin, c.dispEnd, *shape, state);
}
