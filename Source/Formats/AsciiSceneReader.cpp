// Reading the ".tva" format: tokens from the whole file held in memory,
// top-level records dispatched through one table.
#include <string_view>

#include "Formats/AsciiObjectBlock.h"
#include "Formats/AsciiScene.h"
#include "Formats/AsciiText.h"
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

struct Reader {
    TokenReader& in;
    SceneReadState& state;
    ReadProgress& progress;
};

// Reads tokens up to `end` (or the end of the input), handing every other
// token to `record`, which reads that record's values.
template <class Record>
void readBlock(TokenReader& in, std::string_view end, Record record)
{
    std::string_view token;
    while (in.next(token) && token != end)
        record(token);
}

void readFloats(TokenReader& in, float* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = in.numberOr0();
}

void readVersion(Reader& r)
{
    float version = 0.0f;
    if (r.in.number(version) && version > 1.0f)
        r.state.warn(SceneReadWarning::NewerVersion);
}

void readMaterial(Reader& r)
{
    Material* m = r.state.newMaterial();
    Material scratch; // takes the records when no material could be had
    Material& target = m ? *m : scratch;
    readBlock(r.in, "-endMat", [&](std::string_view t) {
        struct Colour {
            std::string_view keyword;
            float* values;
        };
        const Colour colours[] = {
            {"-dif", target.diffuse}, {"-amb", target.ambient}, {"-spec", target.specular}, {"-emis", target.emission}};
        for (const Colour& c : colours) {
            if (t == c.keyword) {
                readFloats(r.in, c.values, 4);
                return;
            }
        }
        if (t == "-shin")
            target.shininess = r.in.numberOr0();
        else if (t == "-tex")
            target.texturePath = r.state.resolvePath(r.in.quoted());
        else if (t == "-name")
            target.name = r.in.quoted();
    });
}

// A float of a light: a value that fails to read leaves the field as it was.
void readLightFloats(TokenReader& in, float* fields, int n)
{
    for (int i = 0; i < n; ++i)
        in.number(fields[i]);
}

void readLight(Reader& r)
{
    Light* light = take<Light>();
    if (!light)
        return;
    readBlock(r.in, "-endLight", [&](std::string_view t) {
        struct Field {
            std::string_view keyword;
            float* values;
            int count;
        };
        const Field fields[] = {
            {"-ldif", light->diffuse, 4},
            {"-lamb", light->ambient, 4},
            {"-lspec", light->specular, 4},
            {"-sptex", &light->spotExponent, 1},
            {"-sptcut", &light->spotCutoff, 1},
            {"-catt", &light->constantAttenuation, 1},
            {"-latt", &light->linearAttenuation, 1},
            {"-qatt", &light->quadraticAttenuation, 1},
        };
        for (const Field& f : fields) {
            if (t == f.keyword) {
                readLightFloats(r.in, f.values, f.count);
                return;
            }
        }
        if (t == "-ltyp") {
            light->setLightType(static_cast<int>(r.in.integer()));
        } else if (t == "-snam") {
            light->name = r.in.quoted();
        } else if (t == "-lpos") {
            const Vertex& at = light->position();
            float p[3] = {at.x, at.y, at.z};
            readLightFloats(r.in, p, 3);
            light->moveTo(Point3D(p));
        } else if (t == "-ldir") {
            const Point3D d = light->direction();
            float p[3] = {d.x, d.y, d.z};
            readLightFloats(r.in, p, 3);
            light->setDirection(Point3D(p));
        }
    });
    r.state.addObject(light);
}

void readInstance(Reader& r)
{
    Shape* source = nullptr;
    std::string name;
    bool hidden = false, textureOff = false, normals = false, haveAxis = false;
    float transform[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float axis[12];
    readBlock(r.in, "-endInst", [&](std::string_view t) {
        if (t == "-snum") {
            if (Shape* s = r.state.polygonObjectAt(r.in.integer()))
                source = s;
        } else if (t == "-snam") {
            name = r.in.quoted();
        } else if (t == "-ihid") {
            hidden = true;
        } else if (t == "-ihidtex") {
            textureOff = true;
        } else if (t == "-inorm") {
            normals = true;
        } else if (t == "-mtx") {
            bool allZero = true;
            for (float& v : transform) {
                v = static_cast<float>(r.in.leadingNumber());
                allZero = allZero && v == 0.0f;
            }
            if (allZero)
                for (int i = 0; i < 16; ++i)
                    transform[i] = i % 5 == 0 ? 1.0f : 0.0f;
        } else if (t == "-axis") {
            readFloats(r.in, axis, 12);
            haveAxis = true;
        } else if (t == "-sca" || t == "-rev") {
            // Both follow from the transform; read and dropped.
            r.in.integer();
        }
    });
    auto* instance = take<ShapeInstance>(source);
    if (!instance)
        return;
    std::copy(transform, transform + 16, instance->transform);
    if (haveAxis)
        setAxisFromPoints(*instance, axis);
    instance->set(Geometry::Hidden, hidden);
    if (textureOff)
        instance->textureFlags &= ~InnerShape::ShowTexture;
    if (normals)
        instance->displayFlags |= InnerShape::ShowNormals;
    if (!name.empty())
        instance->name = name;
    r.state.addObject(instance);
}

void readGroup(Reader& r, int kind)
{
    const int group = r.state.addGroup(kind);
    readBlock(r.in, "-endGrp", [&](std::string_view t) {
        if (t == "-name") {
            r.state.setGroupName(group, r.in.quoted());
        } else if (t == "-mem") {
            const long object = r.in.integer();
            const long element = kind == Group::Objects ? -1 : r.in.integer();
            r.state.addGroupMember(group, object, element);
        }
    });
}

void readReferenceImage(Reader& r)
{
    std::string_view name;
    if (!r.in.next(name))
        return;
    const int view = referenceViewOfName(name);
    if (view < 0)
        return; // the rest of the record is read as top-level tokens
    const std::string path = r.in.quoted();
    float corners[12], uvs[8];
    readFloats(r.in, corners, 12);
    readFloats(r.in, uvs, 8);
    r.state.setReferenceImage(view, path, corners, uvs);
}

void readDisplacement(Reader& r)
{
    Shape* object = r.state.displaceableObjectAt(r.in.integer());
    if (!object)
        return; // the block's tokens are read at top level, where they mean nothing
    DisplacementLoad load(*object, r.state);
    readBlock(r.in, "-endDisp", [&](std::string_view t) {
        if (t != "-disl")
            return;
        InnerShape* level = load.level(r.in.integer());
        const long k = r.in.integer();
        for (long j = 0; j < k && !r.in.atEnd(); ++j) {
            const long vertex = r.in.integer();
            float d[3];
            readFloats(r.in, d, 3);
            DisplacementLoad::set(level, vertex, d[0], d[1], d[2]);
        }
    });
}

struct TopRecord {
    std::string_view keyword;
    void (*read)(Reader&);
};

const TopRecord topRecords[] = {
    {"-Version", readVersion},
    {"-Mat", readMaterial},
    {"-Light", readLight},
    {"-Shape", [](Reader& r) { r.state.addObject(readAsciiObjectBlock(r.in, r.state, false, r.progress)); }},
    {"-Texshape", [](Reader& r) { r.state.addObject(readAsciiObjectBlock(r.in, r.state, true, r.progress)); }},
    {"-Disp", readDisplacement},
    {"-Inst", readInstance},
    {"-Vgrp", [](Reader& r) { readGroup(r, Group::Vertices); }},
    {"-Egrp", [](Reader& r) { readGroup(r, Group::Edges); }},
    {"-Fgrp", [](Reader& r) { readGroup(r, Group::Faces); }},
    {"-Sgrp", [](Reader& r) { readGroup(r, Group::Objects); }},
    {"-camimg", readReferenceImage},
};

} // namespace

void readAsciiSceneFromText(std::string_view text, const std::string& folder, SceneContents& out,
                            const SceneReadFeedback& feedback)
{
    TokenReader in(text);
    SceneReadState state(out, folder, text.size(), feedback);
    ReadProgress ticker(feedback.progress, text.size());
    Reader reader{in, state, ticker};
    std::string_view token;
    while (in.next(token)) {
        for (const TopRecord& r : topRecords) {
            if (token == r.keyword) {
                r.read(reader);
                break;
            }
        }
        ticker.at(in.position());
    }
    ticker.at(text.size());
}

bool readAsciiScene(const std::string& path, SceneContents& out, const SceneReadFeedback& feedback)
{
    FileView file;
    if (!file.open(path))
        return false;
    readAsciiSceneFromText(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()),
                           sceneFolderOf(path), out, feedback);
    return true;
}
