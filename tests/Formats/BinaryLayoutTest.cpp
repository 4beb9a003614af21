// The byte layout of small ".tvb" files, against bytes put together by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "Formats/BinaryScene.h"
#include "Formats/SceneFileFixtures.h"
#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "support/Fixtures.h"

namespace {

using Bytes = std::vector<unsigned char>;

struct Expect {
    Bytes bytes;
    Expect& u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
        return *this;
    }
    Expect& f32(float f)
    {
        uint32_t v;
        std::memcpy(&v, &f, 4);
        return u32(v);
    }
    Expect& tag(const char* t)
    {
        bytes.insert(bytes.end(), t, t + 4);
        return *this;
    }
    Expect& text16(const std::string& s)
    {
        for (unsigned char c : s) {
            bytes.push_back(c);
            bytes.push_back(0);
        }
        return *this;
    }
};

Bytes head()
{
    return Expect().tag("HEAD").u32(4).u32(1).bytes;
}

struct Part {
    std::string tag;
    Bytes payload;
};

// The chunks of a file or of a chunk's payload.
std::vector<Part> partsOf(const Bytes& file)
{
    std::vector<Part> parts;
    for (size_t at = 0; at + 8 <= file.size();) {
        uint32_t length;
        std::memcpy(&length, &file[at + 4], 4);
        parts.push_back({std::string(file.begin() + static_cast<long>(at), file.begin() + static_cast<long>(at) + 4),
                         Bytes(file.begin() + static_cast<long>(at) + 8,
                               file.begin() + static_cast<long>(at + 8 + length))});
        at += 8 + length;
    }
    return parts;
}

// The payload of the chunk reached by `path` of tags (first match at each level).
Bytes payloadAt(Bytes file, std::initializer_list<std::string> path)
{
    for (const std::string& tag : path) {
        const std::vector<Part> parts = partsOf(file);
        auto p = std::find_if(parts.begin(), parts.end(), [&](const Part& part) { return part.tag == tag; });
        if (p == parts.end())
            return {};
        file = p->payload;
    }
    return file;
}

Shape* threeTriangles(SceneContents& scene)
{
    MeshPtr mesh = fixtures::meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}},
                                      {{0, 1, 2}, {0, 2, 3}, {1, 4, 2}, {0, 3, 2}});
    Shape* s = take<Shape>(*mesh);
    scene.objects.push_back(s);
    return s;
}

} // namespace

TEST(BinaryLayout, MaterialsAndTheirRuns)
{
    // An empty scene is the head chunk only.
    OwnedContents t;
    EXPECT_EQ(t.bytes(), head());
    // A material without texture ends with an empty path record.
    auto* a = new Material;
    a->name = "A";
    a->shininess = 12.6f;
    t.materials.push_back(a);
    Expect e;
    e.bytes = head();
    e.tag("MATR").u32(64 + 4 + 4 + 2 + 4);
    for (const float* colour : {a->diffuse, a->ambient, a->specular, a->emission})
        for (int i = 0; i < 4; ++i)
            e.f32(colour[i]);
    e.u32(13).u32(2).text16("A").u32(0);
    EXPECT_EQ(t.bytes(), e.bytes);
    // A run opens at the first face and wherever the material changes;
    // faces[3] keeps the default material.
    auto* b = new Material;
    b->name = "B";
    t.materials.push_back(b);
    Shape* s = threeTriangles(t);
    s->faces[0]->material = s->faces[1]->material = a;
    s->faces[2]->material = b;
    const Bytes file = t.bytes();
    EXPECT_EQ(payloadAt(file, {"SHAP", "FAMA"}), Expect().u32(0).u32(0).u32(2).u32(1).u32(3).u32(~0u).bytes);
    OwnedContents read;
    read.readBytes(file);
    EXPECT_EQ(read.object(0).faces[1]->material, read.materials[0]);
    EXPECT_EQ(read.object(0).faces[2]->material, read.materials[1]);
    EXPECT_EQ(read.object(0).faces[3]->material, Material::defaultMaterial());
}

TEST(BinaryLayout, NamesUnknownChunksAndNewerVersions)
{
    // Names are 16-bit units and read back as 8-bit text.
    OwnedContents t;
    threeTriangles(t)->name = "Ab\xE9";
    Bytes file = t.bytes();
    EXPECT_EQ(payloadAt(file, {"SHAP", "SNAM"}), (Bytes{'A', 0, 'b', 0, 0xE9, 0}));
    // An unknown top-level chunk, and one inside the object before its
    // vertices, are skipped; version 2 warns.
    file[8] = 2;
    Bytes unknown = Expect().tag("ZZZZ").u32(3).bytes;
    unknown.insert(unknown.end(), {1, 2, 3});
    file.insert(file.begin() + 12, unknown.begin(), unknown.end());
    OwnedContents read;
    std::vector<SceneReadWarning> warnings;
    readBinarySceneFromBytes(file, sceneFolder, read, {{}, [&](SceneReadWarning w) { warnings.push_back(w); }});
    ASSERT_EQ(read.objects.size(), 1u);
    EXPECT_EQ(read.object(0).faces.count(), 4);
    EXPECT_EQ(read.object(0).name, "Ab\xE9");
    EXPECT_EQ(warnings, std::vector<SceneReadWarning>{SceneReadWarning::NewerVersion});
}

TEST(BinaryLayout, GroupNamesAreFoundAfterMemberLists)
{
    OwnedContents t;
    Shape* s = threeTriangles(t);
    for (int i = 0; i < 9; ++i)
        threeTriangles(t);
    // Object 8 as the last member of an unnamed group: its index equals the
    // byte count of the rest of the entry, the case that looks most like a name.
    t.groups.push_back({Group::Vertices, "", {{s, 1}, {t.objects[8], 4}}});
    t.groups.push_back({Group::Objects, "Whole", {{t.objects[8], -1}}});
    OwnedContents read;
    read.readBytes(t.bytes());
    ASSERT_EQ(read.groups.size(), 2u);
    EXPECT_EQ(read.groups[0].members.size(), 2u);
    EXPECT_EQ(read.groups[0].name, "");
    EXPECT_EQ(read.groups[1].name, "Whole");
    EXPECT_EQ(read.groups[1].members.size(), 1u);
}

namespace {

Bytes joined(const std::vector<Part>& parts)
{
    Expect e;
    for (const Part& p : parts) {
        e.tag(p.tag.c_str()).u32(static_cast<uint32_t>(p.payload.size()));
        e.bytes.insert(e.bytes.end(), p.payload.begin(), p.payload.end());
    }
    return e.bytes;
}

// "FTVS" entries (face, count, count uv pairs) in reverse order.
Bytes reversedEntries(const Bytes& ftvs)
{
    std::vector<Bytes> entries;
    for (size_t at = 0; at + 8 <= ftvs.size();) {
        uint32_t m;
        std::memcpy(&m, &ftvs[at + 4], 4);
        entries.emplace_back(ftvs.begin() + static_cast<long>(at), ftvs.begin() + static_cast<long>(at + 8 + 8 * m));
        at += 8 + 8 * m;
    }
    Bytes out;
    for (auto e = entries.rbegin(); e != entries.rend(); ++e)
        out.insert(out.end(), e->begin(), e->end());
    return out;
}

} // namespace

TEST(BinaryLayout, ObjectChunksInAnotherOrderAndStaleIndicesChangeNothing)
{
    // Edges listed after the faces (faces are then linked at the end, not as
    // read), texture coordinates in reverse face order and a second, empty,
    // material run list (runs are then applied after the faces, not as they
    // are read) give the objects the writer's own order gives.
    OwnedContents t;
    buildRichScene(t);
    MeshPtr grid = fixtures::openGrid(4, 3);
    for (Face* f : grid->faces)
        f->corners[2].u = static_cast<float>(f->index) + 0.5f;
    t.objects.push_back(take<Shape>(*grid));
    const Bytes file = t.bytes();
    std::vector<Part> top = partsOf(file);
    int changed = 0;
    for (Part& object : top) {
        if (object.tag != "SHAP")
            continue;
        std::vector<Part> parts = partsOf(object.payload);
        // The edge marks refer to edge records, so they move with them.
        auto edges = std::find_if(parts.begin(), parts.end(), [](const Part& p) { return p.tag == "EDGS"; });
        ASSERT_TRUE(parts.end() - edges > 3 && edges[1].tag == "ECRS" && edges[2].tag == "TXSM");
        const std::vector<Part> moved(edges, edges + 3); // EDGS, ECRS, TXSM
        parts.erase(edges, edges + 3);
        auto uvs = std::find_if(parts.begin(), parts.end(), [](const Part& p) { return p.tag == "FTVS"; });
        ASSERT_NE(uvs, parts.end());
        uvs->payload = reversedEntries(uvs->payload);
        parts.insert(uvs + 1, moved.begin(), moved.end());
        parts.push_back({"FAMA", {}});
        object.payload = joined(parts);
        ++changed;
    }
    ASSERT_EQ(changed, 3);
    OwnedContents reordered;
    reordered.readBytes(joined(top));
    ASSERT_EQ(reordered.objects.size(), 6u);
    EXPECT_EQ(reordered.bytes(), file);
    // `index` is only valid right after renumbering; a writer that reads a
    // stale one writes wrong element numbers.
    for (Shape* s : t.objects) {
        for (Vertex* v : s->vertices)
            v->index = 1;
        for (Edge* e : s->edges)
            e->index = 1;
        for (Face* f : s->faces)
            f->index = 1;
    }
    EXPECT_EQ(t.bytes(), file);
}
