#include "Formats/AsciiObjectBlock.h"

#include <string_view>

#include "Formats/AsciiText.h"
#include "Formats/ObjectAssembly.h"
#include "Formats/SceneReadState.h"
#include "Mesh/Face.h"
#include "Mesh/Shape.h"

namespace {

struct Block {
    TokenReader& in;
    SceneReadState& state;
    ObjectAssembly& object;
    Shape& shape;
    bool proxy;
};

// Reads n corners (vertex, edge, u, v); a corner joins the contour only
// when its vertex and edge indices are valid.
void readCorners(Block& b, Face* contour)
{
    const long n = b.in.integer();
    for (long k = 0; k < n && !b.in.atEnd(); ++k) {
        const long vertex = b.in.integer();
        const long edge = b.in.integer();
        const float u = b.in.numberOr0();
        const float v = b.in.numberOr0();
        if (edge >= 0 && edge < b.object.edgeRecords())
            b.object.addCorner(contour, vertex, u, v);
    }
}

// Reads n indices and hands each to `mark`.
template <class Mark>
void readIndexList(Block& b, Mark mark)
{
    const long n = b.in.integer();
    for (long k = 0; k < n && !b.in.atEnd(); ++k)
        mark(b.in.integer());
}

void readFloats(Block& b, float* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = b.in.numberOr0();
}

void setDisplayFlag(Shape& s, uint32_t flag, bool on)
{
    s.displayFlags = on ? (s.displayFlags | flag) : (s.displayFlags & ~flag);
}

struct Record {
    std::string_view keyword;
    void (*read)(Block&);
};

// Most frequent records first: the table is searched for every token.
const Record records[] = {
    {"-vert",
     [](Block& b) {
         float p[3];
         readFloats(b, p, 3);
         b.object.addVertex(p[0], p[1], p[2]);
     }},
    {"-edge",
     [](Block& b) {
         const long v0 = b.in.integer();
         b.object.addEdge(v0, b.in.integer());
     }},
    {"-face",
     [](Block& b) {
         Face* f = b.object.newFace(b.state.currentMaterial);
         readCorners(b, f);
         b.object.endFace(f);
     }},
    {"-hole",
     [](Block& b) {
         Face* hole = b.object.newFace(nullptr);
         readCorners(b, hole);
         b.object.endHole(b.object.lastFace(), hole);
     }},
    {"-fhid",
     [](Block& b) {
         if (Face* f = b.object.lastFace())
             f->set(Geometry::Hidden);
     }},
    {"-setmat", [](Block& b) { b.state.currentMaterial = b.state.faceMaterial(b.in.integer()); }},
    {"-mvrt",
     [](Block& b) {
         const long v0 = b.in.integer();
         b.object.setVertexMirror(v0, b.in.integer());
     }},
    {"-mfac",
     [](Block& b) {
         const long f0 = b.in.integer();
         b.object.setFaceMirror(f0, b.in.integer());
     }},
    {"-creas", [](Block& b) { readIndexList(b, [&](long i) { b.object.markEdge(i, Geometry::Creased, 0); }); }},
    {"-tseam", [](Block& b) { readIndexList(b, [&](long i) { b.object.markEdge(i, 0, Geometry::UVSeam); }); }},
    {"-pinv",
     [](Block& b) {
         readIndexList(b, [&](long i) {
             if (Vertex* v = b.object.vertexAt(i); v && b.proxy)
                 v->set(Geometry::Boundary);
         });
     }},
    {"-psubf",
     [](Block& b) {
         b.object.notePartialList();
         readIndexList(b, [&](long i) { b.object.markPsubFace(i); });
     }},
    {"-psube",
     [](Block& b) {
         b.object.notePartialList();
         readIndexList(b, [&](long i) { b.object.markPsubEdge(i); });
     }},
    {"-subl", [](Block& b) { b.object.setLevel(b.in.integer()); }},
    {"-snam", [](Block& b) { b.shape.name = b.in.quoted(); }},
    {"-texp",
     [](Block& b) {
         Shape* owner = b.state.polygonObjectAt(b.in.integer());
         if (b.proxy && owner)
             b.object.setOwner(owner);
     }},
    {"-texf",
     [](Block& b) {
         const long i = b.in.integer();
         b.object.linkProxyFace(i, b.in.integer());
     }},
    {"-snorm", [](Block& b) { setDisplayFlag(b.shape, InnerShape::ShowNormals, true); }},
    {"-shidtex", [](Block& b) { b.shape.textureFlags &= ~InnerShape::ShowTexture; }},
    {"-shid", [](Block& b) { b.shape.set(Geometry::Hidden); }},
    {"-shlok", [](Block& b) { setDisplayFlag(b.shape, InnerShape::Locked, true); }},
    {"-smir", [](Block& b) { b.shape.setSymmetry(true); }},
    {"-simir", [](Block& b) { b.shape.instanceMirror = static_cast<int32_t>(b.in.integer()); }},
    {"-shad",
     [](Block& b) {
         // Only the five modes there are; anything else would reach the drawing code.
         const long mode = b.in.integer();
         if (mode >= InnerShape::FlatShade && mode <= InnerShape::Wireframe)
             b.shape.InnerShape::setShadingMode(static_cast<int>(mode));
     }},
    {"-shadw", [](Block& b) { setDisplayFlag(b.shape, InnerShape::WireOnShaded, b.in.integer() != 0); }},
    {"-axis",
     [](Block& b) {
         float p[12];
         readFloats(b, p, 12);
         setAxisFromPoints(b.shape, p);
     }},
    {"-mirp",
     [](Block& b) {
         float p[6];
         readFloats(b, p, 6);
         b.shape.mirrorPlane.set(Point3D(p[0], p[1], p[2]), Point3D(p[3], p[4], p[5]));
     }},
};

} // namespace

Shape* readAsciiObjectBlock(TokenReader& in, SceneReadState& state, bool proxy, ReadProgress& progress)
{
    ObjectAssembly object(proxy);
    if (!object.object()) {
        // Out of memory: the block is skipped as unknown tokens.
        return nullptr;
    }
    Block block{in, state, object, *object.object(), proxy};
    std::string_view token;
    long count = 0;
    while (in.next(token) && token != "-endShape") {
        for (const Record& r : records) {
            if (token == r.keyword) {
                r.read(block);
                break;
            }
        }
        if ((++count & 0xFFFF) == 0)
            progress.at(in.position());
    }
    return object.finish(state);
}
