// Writing the ".tvb" format: chunks go through one ByteWriter, which writes
// a file in big pieces as it fills (chunk lengths patched after each
// payload) or collects the bytes in memory.
//
// Beyond the chunks every reader knows, an object chunk may carry four of
// this writer's own, each only when it has something to say, so that a
// scene comes back as it was saved: "SUBL" (u32 current subdivision level),
// "FHID" (u32 index per hidden face), "PSBF" and "PSBE" (u32 index per face
// or edge with the partial-subdivision mark, by the rule of the ".tva"
// "-psubf"/"-psube" records). Readers skip chunks they do not know.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Formats/BinaryScene.h"
#include "Formats/ByteBuffer.h"
#include "Formats/ReferenceViews.h"
#include "Formats/SceneFileIO.h"
#include "Formats/ScenePaths.h"
#include "Formats/SceneWriteOrder.h"
#include "Formats/VertexPositions.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Group.h"

namespace {

template <class T>
void numberList(List<T*>& list)
{
    for (int i = 0; i < list.count(); ++i)
        list[i]->index = i;
}

template <class T>
bool isListed(const T* e, const List<T*>& list)
{
    return e && e->index >= 0 && e->index < list.count() && list[e->index] == e;
}

// Bulk stores into reserved room, for the per-element payloads.
inline void put(unsigned char*& p, uint32_t v)
{
    std::memcpy(p, &v, 4);
    p += 4;
}
inline void put(unsigned char*& p, float v)
{
    if (std::isnan(v))
        v = 0.0f;
    std::memcpy(p, &v, 4);
    p += 4;
}

// Elements sit wherever their pools put them, so the walks below ask for
// the elements a few places ahead (and what those point at) early: the
// passes are bound by memory, not by arithmetic.
constexpr int Ahead = 8;
template <class T>
inline void prefetchAt(const List<T*>& list, int i, int bytes)
{
    if (i < list.count()) {
        const char* p = reinterpret_cast<const char*>(list[i]);
        for (int at = 0; at < bytes; at += 64)
            __builtin_prefetch(p + at);
    }
}

uint32_t flag(bool on)
{
    return on ? 1u : 0u;
}

// The shininess as a whole number, nearest; 0 for a value that is no number
// or does not fit.
uint32_t roundedShininess(float s)
{
    if (!std::isfinite(s) || std::fabs(s) > 2.0e9f)
        return 0;
    return static_cast<uint32_t>(static_cast<int32_t>(std::lround(s)));
}

class BinaryWriter {
public:
    BinaryWriter(ByteWriter& out, const SceneContents& contents, bool selectedOnly, const std::string& folder,
                 const FileProgress& progress)
        : out_(out), contents_(contents), folder_(folder), progress_(progress),
          numbers_(contents.objects, selectedOnly, ObjectOrder::Binary), materials_(contents.materials)
    {
    }

    void write()
    {
        const std::vector<Shape*>& objects = numbers_.written();
        double total = 1.0;
        for (const Shape* s : objects)
            total += s->vertices.count() + s->edges.count() + s->faces.count();
        out_.expect(static_cast<size_t>(total) * 40 + 4096);

        size_t chunk = out_.beginChunk("HEAD");
        out_.u32(1);
        out_.endChunk(chunk);
        numberMaterials(materials_);
        for (const Material* m : materials_)
            writeMaterial(*m);
        double done = 0.0;
        for (Shape* s : objects) {
            switch (s->shapeKind()) {
            case InnerShape::KindShapeInstance: writeInstance(static_cast<ShapeInstance&>(*s)); break;
            case InnerShape::KindLight: writeLight(static_cast<Light&>(*s)); break;
            case InnerShape::KindTextureProxy: writeObject(*s, "TEXP"); break;
            default: writeObject(*s, "SHAP"); break;
            }
            done += s->vertices.count() + s->edges.count() + s->faces.count();
            report(done / total);
        }
        writeGroups();
        writeReferenceImages();
        report(1.0);
    }

private:
    void report(double fraction)
    {
        if (progress_)
            progress_(fraction);
    }

    void writeMaterial(const Material& m)
    {
        size_t chunk = out_.beginChunk("MATR");
        out_.f32s(m.diffuse, 4);
        out_.f32s(m.ambient, 4);
        out_.f32s(m.specular, 4);
        out_.f32s(m.emission, 4);
        out_.u32(roundedShininess(m.shininess));
        out_.stringRecord(m.name);
        out_.stringRecord(pathForFile(m.texturePath, folder_));
        out_.endChunk(chunk);
    }

    void writeDisplayInfo(const Shape& s)
    {
        size_t chunk = out_.beginChunk("DINF");
        out_.i32(s.shadingMode());
        out_.u32(flag(s.displayFlags & InnerShape::WireOnShaded));
        out_.u32(flag(s.textureFlags & InnerShape::ShowTexture));
        out_.u32(flag(s.displayFlags & InnerShape::ShowNormals));
        out_.u32(flag(s.isHidden()));
        out_.endChunk(chunk);
        chunk = out_.beginChunk("PINF");
        out_.u32(flag(s.displayFlags & InnerShape::Locked));
        for (int i = 0; i < 7; ++i)
            out_.u32(0);
        out_.endChunk(chunk);
    }

    void writeAxis(const Shape& s)
    {
        size_t chunk = out_.beginChunk("AXIS");
        const Vertex& o = s.axisFrame[InnerShape::AxisPivot];
        out_.f32(o.x);
        out_.f32(o.y);
        out_.f32(o.z);
        for (int a = InnerShape::AxisX; a <= InnerShape::AxisZ; ++a) {
            const Vertex& d = s.axisFrame[a];
            out_.f32(o.x + d.x);
            out_.f32(o.y + d.y);
            out_.f32(o.z + d.z);
        }
        out_.endChunk(chunk);
    }

    void writeName(const std::string& name)
    {
        size_t chunk = out_.beginChunk("SNAM");
        out_.text(name);
        out_.endChunk(chunk);
    }

    // Element lists are walked as few times as possible: each pass over a
    // million pooled elements costs a cache miss per element. The marks are
    // gathered while numbering and written from the gathered lists.
    struct Marks {
        std::vector<uint32_t> vertexMirrors, pinned, creased, seams, psubEdges, hidden, psubFaces, faceMirrors;
    };

    void writeIndices(const char* tag, const std::vector<uint32_t>& list)
    {
        const size_t chunk = out_.beginChunk(tag);
        out_.bytes(list.data(), 4 * list.size());
        out_.endChunk(chunk);
    }

    void writeObject(Shape& s, const char* tag)
    {
        s.currentLevelMesh(); // brings stale levels up to date before they are read
        const bool proxy = s.shapeKind() == InnerShape::KindTextureProxy;
        const size_t object = out_.beginChunk(tag);
        writeDisplayInfo(s);
        writeAxis(s);
        writeName(s.name);

        size_t chunk = out_.beginChunk("MIRP");
        const MirrorPlane& plane = s.mirrorPlane;
        for (const Vertex* p : {&plane.point, &plane.normal}) {
            out_.f32(p->x);
            out_.f32(p->y);
            out_.f32(p->z);
        }
        out_.u32(flag(s.hasSymmetry()));
        out_.endChunk(chunk);
        chunk = out_.beginChunk("IMRP");
        out_.i32(s.instanceMirror);
        out_.u32(flag(s.instanceMirror != 0));
        out_.endChunk(chunk);

        Marks marks;
        List<Vertex*>& vertices = s.vertices;
        // Vertices are numbered by address where that works, else by `index`.
        const VertexPositions positions(vertices);
        std::vector<const Vertex*> mirrored;
        bool displaced = false; // some vertex of some level has displacement
        chunk = out_.beginChunk("VRTS");
        for (int i = 0; i < vertices.count(); ++i) {
            prefetchAt(vertices, i + Ahead, sizeof(Vertex));
            Vertex& v = *vertices[i];
            if (!positions.usable())
                v.index = i;
            unsigned char* p = out_.room(12);
            if (!p)
                break;
            if (v.displacement && !displaced)
                displaced = v.hasNonZeroDisplacement();
            if (proxy) {
                put(p, (v.x - 0.5f) * 10.0f);
                put(p, v.z * 10.0f);
                put(p, (v.y - 0.5f) * -10.0f);
                if (v.has(Geometry::Boundary))
                    marks.pinned.push_back(static_cast<uint32_t>(i));
            } else {
                put(p, v.x);
                put(p, v.y);
                put(p, v.z);
            }
            out_.commit(p);
            if (v.mirror)
                mirrored.push_back(&v);
        }
        out_.endChunk(chunk);
        VertexPositions::Hint hint;
        for (const Vertex* v : mirrored) {
            const int at = positions.usable() ? positions.find(v, hint) : v->index;
            const int partner = positions.usable() ? positions.find(v->mirror, hint)
                                                   : (isListed(v->mirror, vertices) ? v->mirror->index : -1);
            if (partner >= 0) {
                marks.vertexMirrors.push_back(static_cast<uint32_t>(at));
                marks.vertexMirrors.push_back(static_cast<uint32_t>(partner));
            }
        }
        writeIndices("VMIR", marks.vertexMirrors);

        VertexPositions::Hint startHint, endHint;
        const List<Edge*>& edges = s.edges;
        chunk = out_.beginChunk("EDGS");
        for (int i = 0; i < edges.count(); ++i) {
            prefetchAt(edges, i + 2 * Ahead, sizeof(Edge));
            if (!positions.usable() && i + Ahead < edges.count()) {
                __builtin_prefetch(edges[i + Ahead]->startVertex);
                __builtin_prefetch(edges[i + Ahead]->endVertex);
            }
            const Edge& e = *edges[i];
            unsigned char* p = out_.room(8);
            if (!p)
                break;
            put(p, vertexNumber(e.startVertex, vertices, positions, startHint));
            put(p, vertexNumber(e.endVertex, vertices, positions, endHint));
            out_.commit(p);
            if (e.flags & (Geometry::Creased | Geometry::Psub)) {
                if (e.has(Geometry::Creased))
                    marks.creased.push_back(static_cast<uint32_t>(i));
                if (e.has(Geometry::Psub))
                    marks.psubEdges.push_back(static_cast<uint32_t>(i));
            }
            if (e.has2(Geometry::UVSeam))
                marks.seams.push_back(static_cast<uint32_t>(i));
        }
        out_.endChunk(chunk);
        writeIndices("ECRS", marks.creased);
        writeIndices("TXSM", marks.seams);
        writeFaces(s, marks, positions);
        if (proxy) {
            writeProxyLinks(static_cast<TextureProxy&>(s));
            writeIndices("PINV", marks.pinned);
        }
        writeRestoreChunks(s, marks);
        for (int level = 0; level <= s.levelStack.maxBuiltLevel() && !displaced; ++level)
            if (s.levelStack.levelMesh(level) != &s)
                displaced = s.levelStack.levelMesh(level)->hasDisplacement();
        if (displaced)
            writeDisplacement(s);
        out_.endChunk(object);
    }

    static uint32_t vertexNumber(const Vertex* v, const List<Vertex*>& vertices)
    {
        return v && v->index >= 0 && v->index < vertices.count() ? static_cast<uint32_t>(v->index) : 0u;
    }
    // The same, from the address where it can.
    static uint32_t vertexNumber(const Vertex* v, const List<Vertex*>& vertices, const VertexPositions& positions,
                                 VertexPositions::Hint& hint)
    {
        const int position = positions.find(v, hint);
        return position >= 0 ? static_cast<uint32_t>(position) : vertexNumber(v, vertices);
    }

    static bool writtenHole(const Face* h) { return h->cornerCount() >= 3; }

    // One pass over the faces fills "FACS" in the output and "FAHS" and
    // "FTVS" aside (they follow it), and gathers the marks and material
    // runs: each face is read from memory once.
    void writeFaces(Shape& s, Marks& marks, const VertexPositions& positions)
    {
        List<Face*>& faces = s.faces;
        const List<Vertex*>& vertices = s.vertices;
        ByteWriter holes, uvs;
        uvs.expect(40 * static_cast<size_t>(faces.count()));
        bool anyMirror = false;
        VertexPositions::Hint hint;
        std::vector<uint32_t> runs;
        int previous = 0;
        const size_t facs = out_.beginChunk("FACS");
        for (int i = 0; i < faces.count(); ++i) {
            prefetchAt(faces, i + 2 * Ahead, sizeof(Face));
            if (!positions.usable() && i + Ahead < faces.count())
                for (const Corner& c : faces[i + Ahead]->corners)
                    __builtin_prefetch(c.vertex);
            const Face& f = *faces[i];
            const int n = f.cornerCount();
            int m = n; // uv pairs: the corners, then those of the written holes
            if (!f.holes.empty())
                m += writeHoles(f, i, vertices, positions, holes);
            unsigned char* p = out_.room(4 + 4 * static_cast<size_t>(n));
            unsigned char* q = uvs.room(8 + 8 * static_cast<size_t>(m));
            if (!p || !q)
                break;
            put(p, static_cast<uint32_t>(n));
            put(q, static_cast<uint32_t>(i));
            put(q, static_cast<uint32_t>(m));
            for (const Corner& c : f.corners) {
                put(p, vertexNumber(c.vertex, vertices, positions, hint));
                put(q, c.u);
                put(q, c.v);
            }
            for (const Face* h : f.holes)
                if (writtenHole(h))
                    for (const Corner& c : h->corners) {
                        put(q, c.u);
                        put(q, c.v);
                    }
            out_.commit(p);
            uvs.commit(q);
            if (f.flags & (Geometry::Hidden | Geometry::Psub)) {
                if (f.isHidden())
                    marks.hidden.push_back(static_cast<uint32_t>(i));
                if (f.has(Geometry::Psub))
                    marks.psubFaces.push_back(static_cast<uint32_t>(i));
            }
            anyMirror |= f.mirror != nullptr;
            const int material = materialNumber(f.material, materials_);
            if (i == 0 || material != previous) {
                runs.push_back(static_cast<uint32_t>(i));
                runs.push_back(static_cast<uint32_t>(material));
                previous = material;
            }
        }
        out_.endChunk(facs);
        if (holes.failed() || uvs.failed())
            out_.fail();

        size_t chunk = out_.beginChunk("FAHS");
        out_.bytes(holes.data(), holes.size());
        out_.endChunk(chunk);
        chunk = out_.beginChunk("FTVS");
        out_.bytes(uvs.data(), uvs.size());
        out_.endChunk(chunk);

        if (anyMirror) {
            numberList(faces);
            for (const Face* f : faces)
                if (isListed(f->mirror, faces)) {
                    marks.faceMirrors.push_back(static_cast<uint32_t>(f->index));
                    marks.faceMirrors.push_back(static_cast<uint32_t>(f->mirror->index));
                }
        }
        writeIndices("FMIR", marks.faceMirrors);
        // Material runs: the first face, then every change.
        writeIndices("FAMA", runs);
    }

    // Appends the "FAHS" entries of face i's written holes to `out`; returns
    // the number of their corners.
    static int writeHoles(const Face& f, int i, const List<Vertex*>& vertices, const VertexPositions& positions,
                          ByteWriter& out)
    {
        VertexPositions::Hint hint;
        int corners = 0;
        for (const Face* h : f.holes) {
            if (!writtenHole(h))
                continue;
            const int n = h->cornerCount();
            unsigned char* p = out.room(8 + 4 * static_cast<size_t>(n));
            if (!p)
                return corners;
            put(p, static_cast<uint32_t>(i));
            put(p, static_cast<uint32_t>(n));
            for (const Corner& c : h->corners)
                put(p, vertexNumber(c.vertex, vertices, positions, hint));
            out.commit(p);
            corners += n;
        }
        return corners;
    }

    void writeProxyLinks(TextureProxy& p)
    {
        const int owner = numbers_.numberOf(p.owner);
        if (!p.owner || owner < 0)
            return;
        numberList(p.owner->faces);
        size_t chunk = out_.beginChunk("TEXF");
        out_.u32(static_cast<uint32_t>(owner));
        const int n = std::min(p.faces.count(), p.sourceFaces.count());
        for (int i = 0; i < n; ++i) {
            if (isListed(p.sourceFaces[i], p.owner->faces)) {
                out_.u32(static_cast<uint32_t>(i));
                out_.u32(static_cast<uint32_t>(p.sourceFaces[i]->index));
            }
        }
        out_.endChunk(chunk);
    }

    // This writer's own chunks (see the top of the file).
    void writeRestoreChunks(const Shape& s, const Marks& marks)
    {
        if (s.currentLevel() > 0) {
            size_t chunk = out_.beginChunk("SUBL");
            out_.u32(static_cast<uint32_t>(s.currentLevel()));
            out_.endChunk(chunk);
        }
        if (!marks.hidden.empty())
            writeIndices("FHID", marks.hidden);
        const auto some = [](const std::vector<uint32_t>& marked, int all) {
            return !marked.empty() && static_cast<int>(marked.size()) < all;
        };
        if (some(marks.psubFaces, s.faces.count()))
            writeIndices("PSBF", marks.psubFaces);
        else if (some(marks.psubEdges, s.edges.count()))
            writeIndices("PSBE", marks.psubEdges);
    }

    void writeDisplacement(const Shape& s)
    {
        const size_t disp = out_.beginChunk("DISP");
        for (int level = 1; level <= s.levelStack.maxBuiltLevel(); ++level) {
            const List<Vertex*>& vertices = s.levelStack.levelMesh(level)->vertices;
            const size_t chunk = out_.beginChunk("DISL");
            out_.u32(static_cast<uint32_t>(level));
            for (int i = 0; i < vertices.count(); ++i) {
                const Vertex* v = vertices[i];
                if (!v->hasNonZeroDisplacement())
                    continue;
                out_.u32(static_cast<uint32_t>(i));
                out_.f32s(v->displacement, 3);
            }
            out_.endChunk(chunk);
        }
        out_.endChunk(disp);
    }

    void writeInstance(ShapeInstance& inst)
    {
        const size_t object = out_.beginChunk("INST");
        writeName(inst.name);
        size_t chunk = out_.beginChunk("INSI");
        out_.i32(numbers_.numberOf(inst.instancedShape));
        out_.endChunk(chunk);
        writeDisplayInfo(inst);
        writeAxis(inst);
        chunk = out_.beginChunk("SMTX");
        out_.f32s(inst.transform, 16);
        out_.endChunk(chunk);
        out_.endChunk(object);
    }

    void writeLight(Light& l)
    {
        const size_t object = out_.beginChunk("LGHT");
        const size_t chunk = out_.beginChunk("LNFO");
        out_.u32(static_cast<uint32_t>(l.lightType));
        const Vertex& p = l.position();
        const Point3D d = l.direction();
        const float place[6] = {p.x, p.y, p.z, d.x, d.y, d.z};
        out_.f32s(place, 6);
        out_.f32s(l.diffuse, 4);
        out_.f32s(l.ambient, 4);
        out_.f32s(l.specular, 4);
        const float rest[5] = {l.spotExponent, l.spotCutoff, l.constantAttenuation, l.linearAttenuation,
                               l.quadraticAttenuation};
        out_.f32s(rest, 5);
        out_.endChunk(chunk);
        writeName(l.name);
        out_.endChunk(object);
    }

    void writeGroups()
    {
        static const char* const tags[] = {"VGRP", "EGRP", "FGRP", "SGRP"};
        const std::vector<Group>& groups = contents_.groups;
        if (groups.empty())
            return;
        const size_t all = out_.beginChunk("GRPS");
        for (const Group& g : groups) {
            if (g.kind < Group::Vertices || g.kind > Group::Objects)
                continue;
            const size_t chunk = out_.beginChunk(tags[g.kind]);
            for (const FileGroupMember& m : fileGroupMembers(g, contents_.objects, numbers_)) {
                out_.u32(static_cast<uint32_t>(m.object));
                if (g.kind != Group::Objects)
                    out_.u32(static_cast<uint32_t>(m.element));
            }
            out_.stringRecord(g.name);
            out_.endChunk(chunk);
        }
        out_.endChunk(all);
    }

    void writeReferenceImages()
    {
        for (const ReferenceImageRecord& r : contents_.referenceImages) {
            if (r.path.empty())
                continue;
            const size_t chunk = out_.beginChunk("CIMG");
            out_.u32(static_cast<uint32_t>(r.view));
            out_.stringRecord(pathForFile(r.path, folder_));
            out_.f32s(r.corners, 12);
            out_.f32s(r.uvs, 8);
            out_.endChunk(chunk);
        }
    }

    ByteWriter& out_;
    const SceneContents& contents_;
    const std::string& folder_;
    const FileProgress& progress_;
    ObjectNumbers numbers_;
    const std::vector<Material*>& materials_;
};

} // namespace

std::vector<unsigned char> writeBinarySceneToBytes(const SceneContents& contents, bool selectedOnly,
                                                   const std::string& folder, const FileProgress& progress)
{
    ByteWriter out;
    BinaryWriter(out, contents, selectedOnly, folder, progress).write();
    return std::vector<unsigned char>(out.data(), out.data() + out.size());
}

namespace {

bool writeBinaryFile(const std::string& path, const SceneContents& contents, bool selectedOnly,
                     const FileProgress& progress, bool checked)
{
    return writeSceneFile(path, "wb", checked, [&](std::FILE* file) {
        ByteWriter out(file);
        BinaryWriter(out, contents, selectedOnly, sceneFolderOf(path), progress).write();
        const bool held = out.finish();
        return SceneFileWrite{held, !out.shortWrite()};
    });
}

} // namespace

bool writeBinaryScene(const std::string& path, const SceneContents& contents, bool selectedOnly,
                      const FileProgress& progress)
{
    return writeBinaryFile(path, contents, selectedOnly, progress, false);
}

bool writeBinarySceneChecked(const std::string& path, const SceneContents& contents, bool selectedOnly,
                             const FileProgress& progress)
{
    return writeBinaryFile(path, contents, selectedOnly, progress, true);
}
