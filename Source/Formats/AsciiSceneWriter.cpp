// Writing the ".tva" format: the text is made record by record and goes
// out to the file in large pieces (or is collected whole, in memory).
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Formats/AsciiScene.h"
#include "Formats/AsciiText.h"
#include "Formats/ReferenceViews.h"
#include "Formats/SceneFileIO.h"
#include "Formats/ScenePaths.h"
#include "Formats/SceneWriteOrder.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Group.h"

namespace {

// Position of an element in its list, read from `index` (set by the writer
// just before); 0 for an element that is not in the list, which only a
// damaged mesh has.
template <class T>
int positionOf(const T* e, const List<T*>& list)
{
    return e && e->index >= 0 && e->index < list.count() && list[e->index] == e ? e->index : 0;
}

template <class T>
bool isListed(const T* e, const List<T*>& list)
{
    return e && e->index >= 0 && e->index < list.count() && list[e->index] == e;
}

template <class T>
void numberList(List<T*>& list)
{
    for (int i = 0; i < list.count(); ++i)
        list[i]->index = i;
}

// A UV proxy's point in file space.
Point3D proxyPointToFile(const Vertex& p)
{
    return Point3D((p.x - 0.5f) * 10.0f, p.z * 10.0f, (p.y - 0.5f) * -10.0f);
}

class AsciiWriter {
public:
    // With `file`, the text goes out to it as it is made and `write` returns
    // nothing; without, `write` returns the whole text.
    AsciiWriter(const SceneContents& contents, bool selectedOnly, const std::string& folder,
                const FileProgress& progress, std::FILE* file)
        : contents_(contents), folder_(folder), progress_(progress),
          numbers_(contents.objects, selectedOnly, ObjectOrder::Ascii), materials_(contents.materials), out_(file)
    {
    }

    // Some text could not be held for want of memory.
    bool failed() const { return out_.failed(); }
    bool shortWrite() const { return out_.shortWrite(); }

    std::string write()
    {
        out_.word("-Version 1.0").newline();
        writeReferenceImages();
        numberMaterials(materials_);
        for (const Material* m : materials_)
            writeMaterial(*m);
        const std::vector<Shape*>& objects = numbers_.written();
        for (size_t i = 0; i < objects.size(); ++i) {
            const int kind = objects[i]->shapeKind();
            if (kind == InnerShape::KindShape || kind == InnerShape::KindTextureProxy)
                writeObject(*objects[i]);
            report(0.9 * static_cast<double>(i + 1) / static_cast<double>(objects.size()));
        }
        for (Shape* s : objects)
            if (s->shapeKind() == InnerShape::KindShape && s->levelStack.anyLevelHasDisplacement())
                writeDisplacement(*s);
        for (Shape* s : objects)
            if (s->shapeKind() == InnerShape::KindShapeInstance)
                writeInstance(static_cast<ShapeInstance&>(*s));
        for (Shape* s : objects)
            if (s->shapeKind() == InnerShape::KindLight)
                writeLight(static_cast<Light&>(*s));
        for (const Group& g : contents_.groups)
            writeGroup(g);
        out_.flush();
        report(1.0);
        return out_.text();
    }

private:
    void report(double fraction)
    {
        if (progress_)
            progress_(fraction);
    }

    void floats(const float* values, int n)
    {
        for (int i = 0; i < n; ++i)
            out_.sp(values[i]);
    }

    void writeReferenceImages()
    {
        for (const ReferenceImageRecord& r : contents_.referenceImages) {
            if (r.path.empty())
                continue;
            out_.word("-camimg ").word(referenceViewName(r.view)).space();
            out_.quoted(pathForFile(r.path, folder_)).space();
            for (float c : r.corners)
                out_.number(c).space();
            for (float t : r.uvs)
                out_.number(t).space();
            out_.newline();
        }
    }

    void writeMaterial(const Material& m)
    {
        out_.word("-Mat").newline();
        out_.word("-dif");
        floats(m.diffuse, 4);
        out_.newline().word("-amb");
        floats(m.ambient, 4);
        out_.newline().word("-spec");
        floats(m.specular, 4);
        out_.newline().word("-emis");
        floats(m.emission, 4);
        out_.newline().word("-shin").sp(m.shininess).newline();
        out_.word("-name ").quoted(m.name).newline();
        if (!m.texturePath.empty())
            out_.word("-tex ").quoted(pathForFile(m.texturePath, folder_)).newline();
        out_.word("-endMat").newline();
    }

    void writeCorners(const Shape& s, const Face& contour)
    {
        for (const Corner& c : contour.corners) {
            out_.integer(positionOf(c.vertex, s.vertices)).space();
            out_.integer(positionOf(c.edge, s.edges)).space();
            out_.number(c.u).space().number(c.v).space();
        }
    }

    void writeIndexList(const char* keyword, const std::vector<int>& list)
    {
        out_.word(keyword).spInt(static_cast<long long>(list.size()));
        for (int i : list)
            out_.spInt(i);
        out_.newline();
    }

    void writeObject(Shape& s)
    {
        s.currentLevelMesh(); // brings stale levels up to date before they are read
        const bool proxy = s.shapeKind() == InnerShape::KindTextureProxy;
        out_.word(proxy ? "-Texshape" : "-Shape").newline();
        out_.word("-snam ").quoted(s.name).newline();
        out_.word("-shad").spInt(s.shadingMode()).newline();
        out_.word("-shadw").spInt((s.displayFlags & InnerShape::WireOnShaded) ? 1 : 0).newline();

        numberList(s.vertices);
        for (Vertex* v : s.vertices) {
            if (std::isnan(v->x))
                v->x = 0.0f;
            if (std::isnan(v->y))
                v->y = 0.0f;
            if (std::isnan(v->z))
                v->z = 0.0f;
            const Point3D p = proxy ? proxyPointToFile(*v) : Point3D(v->x, v->y, v->z);
            out_.word("-vert").sp(p.x).sp(p.y).sp(p.z).newline();
        }
        for (const Vertex* v : s.vertices)
            if (isListed(v->mirror, s.vertices))
                out_.word("-mvrt").spInt(v->index).spInt(v->mirror->index).newline();
        if (proxy) {
            // UV vertices that unwrapping keeps in place; the mark shares its bit with Boundary.
            std::vector<int> pinned;
            for (const Vertex* v : s.vertices)
                if (v->has(Geometry::Boundary))
                    pinned.push_back(v->index);
            if (!pinned.empty())
                writeIndexList("-pinv", pinned);
        }

        numberList(s.edges);
        std::vector<int> creased, seams, psubEdges;
        for (const Edge* e : s.edges) {
            out_.word("-edge").spInt(positionOf(e->startVertex, s.vertices));
            out_.spInt(positionOf(e->endVertex, s.vertices)).newline();
            if (e->has(Geometry::Creased))
                creased.push_back(e->index);
            if (e->has2(Geometry::UVSeam))
                seams.push_back(e->index);
            if (e->has(Geometry::Psub))
                psubEdges.push_back(e->index);
        }
        if (!creased.empty())
            writeIndexList("-creas", creased);
        if (!seams.empty())
            writeIndexList("-tseam", seams);

        numberList(s.faces);
        std::vector<int> psubFaces;
        int lastMaterial = -1;
        for (const Face* f : s.faces) {
            const int m = materialNumber(f->material, materials_);
            if (m >= 0 && m != lastMaterial) {
                out_.word("-setmat").spInt(m).newline();
                lastMaterial = m;
            }
            out_.word("-face ").integer(f->cornerCount()).space();
            writeCorners(s, *f);
            out_.newline();
            if (f->isHidden())
                out_.word("-fhid").newline();
            for (const Face* h : f->holes) {
                if (h->corners.empty())
                    continue;
                out_.word("-hole ").integer(h->cornerCount()).space();
                writeCorners(s, *h);
                out_.newline();
            }
            if (f->has(Geometry::Psub))
                psubFaces.push_back(f->index);
        }
        for (const Face* f : s.faces)
            if (isListed(f->mirror, s.faces))
                out_.word("-mfac").spInt(f->index).spInt(f->mirror->index).newline();

        const auto some = [](size_t marked, int all) { return marked > 0 && static_cast<int>(marked) < all; };
        if (some(psubFaces.size(), s.faces.count()))
            writeIndexList("-psubf", psubFaces);
        else if (some(psubEdges.size(), s.edges.count()))
            writeIndexList("-psube", psubEdges);

        if (proxy)
            writeProxyLinks(static_cast<TextureProxy&>(s));
        writeAxis(s);
        out_.word("-mirp").sp(s.mirrorPlane.point.x).sp(s.mirrorPlane.point.y).sp(s.mirrorPlane.point.z);
        out_.sp(s.mirrorPlane.normal.x).sp(s.mirrorPlane.normal.y).sp(s.mirrorPlane.normal.z).newline();
        if (s.isHidden())
            out_.word("-shid").newline();
        if (s.displayFlags & InnerShape::Locked)
            out_.word("-shlok").newline();
        if (!(s.textureFlags & InnerShape::ShowTexture))
            out_.word("-shidtex").newline();
        if (s.displayFlags & InnerShape::ShowNormals)
            out_.word("-snorm").newline();
        if (s.currentLevel() > 0)
            out_.word("-subl").spInt(s.currentLevel()).newline();
        if (s.hasSymmetry())
            out_.word("-smir").newline();
        if (s.instanceMirror != 0)
            out_.word("-simir").spInt(s.instanceMirror).newline();
        out_.word("-endShape").newline();
    }

    void writeProxyLinks(TextureProxy& p)
    {
        const int owner = numbers_.numberOf(p.owner);
        if (!p.owner || owner < 0)
            return;
        out_.word("-texp").spInt(owner).newline();
        numberList(p.owner->faces);
        const int n = std::min(p.faces.count(), p.sourceFaces.count());
        for (int i = 0; i < n; ++i) {
            const Face* source = p.sourceFaces[i];
            if (isListed(source, p.owner->faces))
                out_.word("-texf").spInt(i).spInt(source->index).newline();
        }
    }

    void writeAxis(InnerShape& s)
    {
        const Vertex& o = s.pivot();
        out_.word("-axis").sp(o.x).sp(o.y).sp(o.z);
        for (int a = InnerShape::AxisX; a <= InnerShape::AxisZ; ++a) {
            const Vertex& d = s.axisFrame[a];
            out_.sp(o.x + d.x).sp(o.y + d.y).sp(o.z + d.z);
        }
        out_.newline();
    }

    void writeDisplacement(Shape& s)
    {
        out_.word("-Disp").spInt(numbers_.numberOf(&s));
        for (int level = 1; level <= s.levelStack.maxBuiltLevel(); ++level) {
            const InnerShape* mesh = s.levelStack.levelMesh(level);
            int k = 0;
            for (const Vertex* v : mesh->vertices)
                k += v->hasNonZeroDisplacement();
            out_.newline().word("-disl").spInt(level).spInt(k).space();
            for (int i = 0; i < mesh->vertices.count(); ++i) {
                const Vertex* v = mesh->vertices[i];
                if (!v->hasNonZeroDisplacement())
                    continue;
                out_.integer(i).space();
                for (int c = 0; c < 3; ++c)
                    out_.number(v->displacement[c]).space();
            }
        }
        out_.newline().word("-endDisp").newline();
    }

    void writeInstance(ShapeInstance& inst)
    {
        out_.word("-Inst").newline();
        out_.word("-snam ").quoted(inst.name).newline();
        if (inst.isHidden())
            out_.word("-ihid").newline();
        if (!(inst.textureFlags & InnerShape::ShowTexture))
            out_.word("-ihidtex").newline();
        if (inst.displayFlags & InnerShape::ShowNormals)
            out_.word("-inorm").newline();
        const int source = numbers_.numberOf(inst.instancedShape);
        if (source >= 0)
            out_.word("-snum").spInt(source).newline();
        else
            out_.word("-irnum").spInt(-1LL - source).newline();
        out_.word("-mtx");
        floats(inst.transform, 16);
        out_.newline();
        writeAxis(inst);
        out_.word("-sca").spInt(inst.isScaled() ? 1 : 0).newline();
        out_.word("-rev").spInt(inst.isMirrored() ? 0 : 1).newline();
        out_.word("-endInst").newline();
    }

    void writeLight(Light& l)
    {
        out_.word("-Light").newline();
        out_.word("-snam ").quoted(l.name).newline();
        out_.word("-ltyp").spInt(l.lightType).newline();
        const Vertex& p = l.position();
        out_.word("-lpos").sp(p.x).sp(p.y).sp(p.z).newline();
        const Point3D d = l.direction();
        out_.word("-ldir").sp(d.x).sp(d.y).sp(d.z).newline();
        out_.word("-ldif");
        floats(l.diffuse, 4);
        out_.newline().word("-lamb");
        floats(l.ambient, 4);
        out_.newline().word("-lspec");
        floats(l.specular, 4);
        out_.newline();
        out_.word("-sptex").sp(l.spotExponent).newline();
        out_.word("-sptcut").sp(l.spotCutoff).newline();
        out_.word("-catt").sp(l.constantAttenuation).newline();
        out_.word("-latt").sp(l.linearAttenuation).newline();
        out_.word("-qatt").sp(l.quadraticAttenuation).newline();
        out_.word("-endLight").newline();
    }

    void writeGroup(const Group& g)
    {
        static const char* const openers[] = {"-Vgrp", "-Egrp", "-Fgrp", "-Sgrp"};
        if (g.kind < Group::Vertices || g.kind > Group::Objects)
            return;
        out_.word(openers[g.kind]).newline();
        out_.word("-name ").quoted(g.name).newline();
        for (const FileGroupMember& m : fileGroupMembers(g, contents_.objects, numbers_)) {
            out_.word("-mem").spInt(m.object);
            if (g.kind != Group::Objects)
                out_.spInt(m.element);
            out_.newline();
        }
        out_.word("-endGrp").newline();
    }

    const SceneContents& contents_;
    const std::string& folder_;
    const FileProgress& progress_;
    ObjectNumbers numbers_;
    const std::vector<Material*>& materials_;
    TextOut out_;
};

} // namespace

std::string writeAsciiSceneToText(const SceneContents& contents, bool selectedOnly, const std::string& folder,
                                  const FileProgress& progress)
{
    return AsciiWriter(contents, selectedOnly, folder, progress, nullptr).write();
}

namespace {

bool writeAsciiFile(const std::string& path, const SceneContents& contents, bool selectedOnly,
                    const FileProgress& progress, bool checked)
{
    return writeSceneFile(path, "w", checked, [&](std::FILE* file) {
        const std::string folder = sceneFolderOf(path); // the writer keeps a reference
        AsciiWriter writer(contents, selectedOnly, folder, progress, file);
        writer.write();
        return SceneFileWrite{!writer.failed(), !writer.shortWrite()};
    });
}

} // namespace

bool writeAsciiScene(const std::string& path, const SceneContents& contents, bool selectedOnly,
                     const FileProgress& progress)
{
    return writeAsciiFile(path, contents, selectedOnly, progress, false);
}

bool writeAsciiSceneChecked(const std::string& path, const SceneContents& contents, bool selectedOnly,
                            const FileProgress& progress)
{
    return writeAsciiFile(path, contents, selectedOnly, progress, true);
}
