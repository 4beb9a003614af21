// Reading the ".tvb" format from the whole file held in memory: chunks are
// dispatched by tag through tables, unknown ones skipped by their length.
#include <cstring>

#include "Formats/BinaryObjectChunk.h"
#include "Formats/BinaryScene.h"
#include "Formats/ByteBuffer.h"
#include "Formats/ReferenceViews.h"
#include "Formats/SceneFileIO.h"
#include "Formats/ScenePaths.h"
#include "Formats/SceneReadState.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/Group.h"

namespace {

// Calls `each(chunk, payload)` for every sub-chunk of data[begin, end).
template <class Each>
void forEachChunk(const unsigned char* data, size_t begin, size_t end, Each each)
{
    ByteReader in(data, begin, end);
    Chunk c;
    while (nextChunk(in, c)) {
        ByteReader payload(data, c.begin, c.end);
        each(c, payload);
    }
}

void readHead(SceneReadState& state, const unsigned char*, ByteReader& in)
{
    uint32_t version;
    if (in.u32(version) && version > 1)
        state.warn(SceneReadWarning::NewerVersion);
}

void readMaterial(SceneReadState& state, const unsigned char*, ByteReader& in)
{
    Material* m = state.newMaterial();
    if (!m)
        return;
    in.f32s(m->diffuse, 4);
    in.f32s(m->ambient, 4);
    in.f32s(m->specular, 4);
    in.f32s(m->emission, 4);
    uint32_t shininess;
    if (in.u32(shininess))
        m->shininess = static_cast<float>(static_cast<int32_t>(shininess));
    if (!in.atEnd())
        m->name = in.stringRecord();
    if (!in.atEnd())
        m->texturePath = state.resolvePath(in.stringRecord());
}

void readReferenceImage(SceneReadState& state, const unsigned char*, ByteReader& in)
{
    long view;
    if (!in.i32(view) || !isReferenceView(view))
        return;
    const std::string path = in.stringRecord();
    float corners[12] = {}, uvs[8] = {};
    in.f32s(corners, 12);
    in.f32s(uvs, 8);
    state.setReferenceImage(static_cast<int>(view), path, corners, uvs);
}

void readLight(SceneReadState& state, const unsigned char* data, ByteReader& body)
{
    Light* light = take<Light>();
    if (!light)
        return;
    forEachChunk(data, body.position(), body.end(), [&](const Chunk& c, ByteReader& in) {
        if (c.is("SNAM")) {
            light->name = in.text(in.remaining());
            return;
        }
        if (!c.is("LNFO"))
            return;
        uint32_t type;
        if (in.u32(type))
            light->setLightType(static_cast<int>(type));
        const Vertex& p = light->position();
        const Point3D d = light->direction();
        float place[6] = {p.x, p.y, p.z, d.x, d.y, d.z};
        in.f32s(place, 6);
        light->moveTo(Point3D(place));
        light->setDirection(Point3D(place + 3));
        in.f32s(light->diffuse, 4);
        in.f32s(light->ambient, 4);
        in.f32s(light->specular, 4);
        float* rest[] = {&light->spotExponent, &light->spotCutoff, &light->constantAttenuation,
                         &light->linearAttenuation, &light->quadraticAttenuation};
        for (float* f : rest)
            in.f32s(f, 1);
    });
    state.addObject(light);
}

void readInstance(SceneReadState& state, const unsigned char* data, ByteReader& body)
{
    auto* instance = take<ShapeInstance>(nullptr);
    if (!instance)
        return;
    forEachChunk(data, body.position(), body.end(), [&](const Chunk& c, ByteReader& in) {
        long number;
        uint32_t v;
        if (c.is("SNAM")) {
            instance->name = in.text(in.remaining());
        } else if (c.is("INSI")) {
            if (in.i32(number))
                instance->instancedShape = state.polygonObjectAt(number);
        } else if (c.is("DINF")) {
            in.u32(v); // the shading mode is the source's
            if (in.u32(v))
                instance->displayFlags = v ? (instance->displayFlags | InnerShape::WireOnShaded)
                                           : (instance->displayFlags & ~InnerShape::WireOnShaded);
            if (in.u32(v) && !v)
                instance->textureFlags &= ~InnerShape::ShowTexture;
            if (in.u32(v) && v)
                instance->displayFlags |= InnerShape::ShowNormals;
            if (in.u32(v))
                instance->set(Geometry::Hidden, v != 0);
        } else if (c.is("PINF")) {
            if (in.u32(v) && v)
                instance->displayFlags |= InnerShape::Locked;
        } else if (c.is("AXIS")) {
            float p[12] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
            in.f32s(p, 12);
            setAxisFromPoints(*instance, p);
        } else if (c.is("SMTX")) {
            float m[16];
            std::copy(instance->transform, instance->transform + 16, m);
            in.f32s(m, 16);
            bool allZero = std::all_of(m, m + 16, [](float f) { return f == 0.0f; });
            for (int i = 0; i < 16; ++i)
                instance->transform[i] = allZero ? (i % 5 == 0 ? 1.0f : 0.0f) : m[i];
        }
    });
    state.addObject(instance);
}

// A group entry is its member list followed by a string record with the
// name, and the list's length is not stored. The name record is taken to
// start at the last item boundary where the rest of the payload is exactly
// one string record; without such a place every whole item is a member.
size_t memberBytes(const unsigned char* data, const ByteReader& in, size_t itemSize)
{
    const size_t total = in.remaining();
    size_t found = total - total % itemSize;
    for (size_t at = 0; at + 4 <= total; at += itemSize) {
        uint32_t length;
        std::memcpy(&length, data + in.position() + at, 4);
        if (length == total - at - 4)
            found = at;
    }
    return found;
}

void readGroups(SceneReadState& state, const unsigned char* data, ByteReader& body)
{
    static const char* const tags[] = {"VGRP", "EGRP", "FGRP", "SGRP"};
    forEachChunk(data, body.position(), body.end(), [&](const Chunk& c, ByteReader& in) {
        int kind = -1;
        for (int k = Group::Vertices; k <= Group::Objects; ++k)
            if (c.is(tags[k]))
                kind = k;
        if (kind < 0)
            return;
        const int group = state.addGroup(kind);
        const size_t itemSize = kind == Group::Objects ? 4 : 8;
        const size_t membersEnd = in.position() + memberBytes(data, in, itemSize);
        ByteReader members(data, in.position(), membersEnd);
        long object, element = -1;
        while (members.remaining() >= itemSize && members.i32(object)) {
            if (kind != Group::Objects)
                members.i32(element);
            state.addGroupMember(group, object, element);
        }
        in.seek(membersEnd);
        state.setGroupName(group, in.stringRecord());
    });
}

struct TopChunk {
    const char* tag;
    void (*read)(SceneReadState&, const unsigned char*, ByteReader&);
};

const TopChunk topChunks[] = {
    {"HEAD", readHead},
    {"MATR", readMaterial},
    {"CIMG", readReferenceImage},
    {"LGHT", readLight},
    {"GRPS", readGroups},
    {"INST", readInstance},
    {"SHAP",
     [](SceneReadState& state, const unsigned char* data, ByteReader& in) {
         readBinaryObjectChunk(data, in.position(), in.end(), state, false);
     }},
    {"TEXP",
     [](SceneReadState& state, const unsigned char* data, ByteReader& in) {
         readBinaryObjectChunk(data, in.position(), in.end(), state, true);
     }},
};

} // namespace

void readBinarySceneFromBytes(std::span<const unsigned char> bytes, const std::string& folder, SceneContents& out,
                              const SceneReadFeedback& feedback)
{
    SceneReadState state(out, folder, bytes.size(), feedback);
    ReadProgress ticker(feedback.progress, bytes.size());
    forEachChunk(bytes.data(), 0, bytes.size(), [&](const Chunk& c, ByteReader& in) {
        for (const TopChunk& known : topChunks) {
            if (c.is(known.tag)) {
                known.read(state, bytes.data(), in);
                break;
            }
        }
        ticker.at(c.end);
    });
    ticker.at(bytes.size());
}

bool readBinaryScene(const std::string& path, SceneContents& out, const SceneReadFeedback& feedback)
{
    FileView file;
    if (!file.open(path))
        return false;
    readBinarySceneFromBytes(std::span<const unsigned char>(file.data(), file.size()), sceneFolderOf(path), out,
                             feedback);
    return true;
}
