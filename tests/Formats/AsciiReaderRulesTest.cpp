// The reader's rules for ".tva" text, on hand-written snippets.
#include <gtest/gtest.h>

#include <functional>

#include "Formats/AsciiScene.h"
#include "Formats/SceneFileFixtures.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/ShapeInstance.h"

namespace {

const std::string triangle = "-vert 0 0 0 -vert 1 0 0 -vert 0 1 0 -edge 0 1 -edge 1 2 -edge 2 0 ";
const std::string triangleFace = "-face 3 0 0 0 0 1 1 1 0 2 2 0 1 ";
const std::string materials = "-Mat -name \"Default\" -endMat -Mat -name \"Red\" -endMat "
                              "-Mat -name \"Material0\" -endMat ";

struct Case {
    const char* name;
    std::string text;
    std::function<void(SceneContents&)> check;
};

const Case cases[] = {
    {"FaceWithFewerThanThreeValidCornersIsDropped",
     "-Shape " + triangle + "-face 3 0 0 0 0 1 1 0 0 7 2 0 0 -face 3 0 9 0 0 1 1 0 0 2 2 0 0 " + triangleFace +
         "-mfac 0 1 -endShape",
     [](SceneContents& s) {
         ASSERT_EQ(s.objects[0]->faces.count(), 1);
         EXPECT_EQ(s.objects[0]->faces[0]->corners[1].u, 1.0f);
         EXPECT_EQ(s.objects[0]->faces[0]->mirror, nullptr) << "face record 0 made no face";
     }},
    {"BlockWithoutFacesIsWireframe", "-Shape -shad 1 " + triangle + "-endShape",
     [](SceneContents& s) {
         ASSERT_EQ(s.objects.size(), 1u);
         EXPECT_EQ(s.objects[0]->shadingMode(), InnerShape::Wireframe);
         EXPECT_EQ(s.objects[0]->edges.count(), 3);
     }},
    {"EmptyBlockTakesNoIndex",
     "-Shape -snam \"nothing\" -endShape -Shape " + triangle + triangleFace + "-subl 1 -endShape -Disp 0 -disl 1 1 0 0 "
     "0.5 0 -endDisp -Inst -snum 0 -endInst",
     [](SceneContents& s) {
         ASSERT_EQ(s.objects.size(), 2u);
         Shape& tri = *s.objects[0];
         EXPECT_EQ(tri.levelStack.levelMesh(1)->vertices[0]->displacement[1], 0.5f);
         EXPECT_EQ(static_cast<ShapeInstance&>(*s.objects[1]).instancedShape, &tri);
     }},
    {"AllZeroTransformIsTheIdentity",
     "-Shape " + triangle + triangleFace + "-endShape -Inst -snum 0 -mtx 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -endInst "
     "-Inst -snum 0 -mtx 2 0 0 0 0 1 0 0 0 0 1 0 x 0 0 1 -endInst",
     [](SceneContents& s) {
         auto& identity = static_cast<ShapeInstance&>(*s.objects[1]);
         for (int i = 0; i < 16; ++i)
             EXPECT_EQ(identity.transform[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
         auto& scaled = static_cast<ShapeInstance&>(*s.objects[2]);
         EXPECT_EQ(scaled.transform[0], 2.0f);
         EXPECT_EQ(scaled.transform[12], 0.0f) << "a token that is no number counts as 0";
     }},
    {"DefaultAndMaterial0AreNotAdded",
     materials + "-Shape " + triangle + "-setmat 0 " + triangleFace + "-setmat 1 " + triangleFace + "-setmat 2 " +
         triangleFace + "-endShape",
     [](SceneContents& s) {
         ASSERT_EQ(s.materials.size(), 1u);
         Material* red = s.materials[0];
         EXPECT_EQ(red->name, "Red");
         const List<Face*>& faces = s.objects[0]->faces;
         EXPECT_EQ(faces[0]->material, Material::defaultMaterial());
         EXPECT_EQ(faces[1]->material, red);
         EXPECT_EQ(faces[2]->material, Material::defaultMaterial());
     }},
    {"UnknownViewNameLoadsNoImageAndDisturbsNothing",
     "-camimg sid \"a.png\" 1 2 3 4 5 6 7 8 9 10 11 12 0 0 1 0 1 1 0 1 -camimg per \"b.png\" "
     "1 2 3 4 5 6 7 8 9 10 11 12 0 0 1 0 1 1 0 1 -Light -ltyp 0 -endLight",
     [](SceneContents& s) {
         const auto& images = s.referenceImages;
         ASSERT_EQ(images.size(), 1u);
         EXPECT_EQ(images[0].view, 7);
         EXPECT_EQ(images[0].path, sceneFolder + "/b.png");
         EXPECT_EQ(images[0].corners[11], 12.0f);
         ASSERT_EQ(s.objects.size(), 1u);
         EXPECT_EQ(static_cast<Light&>(*s.objects[0]).lightType, Light::PointLight);
     }},
    {"LightFieldsThatFailToReadStayAsTheyWere",
     "-Light -ltyp 7 -sptcut 120 -ltyp 1 -latt oops -lpos 1 2 3 -ldir 0 0 -4 -endLight",
     [](SceneContents& s) {
         auto& light = static_cast<Light&>(*s.objects[0]);
         EXPECT_EQ(light.lightType, Light::SpotLight) << "7 is no type";
         EXPECT_EQ(light.spotCutoff, 45.0f) << "a spot light's cut-off above 89.999 is reset";
         EXPECT_EQ(light.linearAttenuation, lightDefaults().linearAttenuation);
         EXPECT_EQ(light.position().z, 3.0f);
         EXPECT_EQ(light.direction().z, -1.0f);
     }},
    {"OutOfRangeIndicesAreIgnoredRecordByRecord",
     "-Shape " + triangle + "-edge 0 9 -edge 2 1 -creas 3 1 4 -99 -tseam 2 3 4 -mvrt 0 5 -mvrt 2 2 " + triangleFace +
         "-hole 3 0 0 0 0 1 1 0 0 2 2 0 0 -fhid -psubf 2 0 5 -endShape -Fgrp -mem 0 0 -mem 0 1 -mem 1 0 -endGrp "
         "-Disp 4 -disl 1 1 0 1 1 1 -endDisp",
     [](SceneContents& s) {
         ASSERT_EQ(s.objects.size(), 1u);
         Shape& tri = *s.objects[0];
         EXPECT_EQ(tri.edges.count(), 3) << "out-of-range edge skipped; the repeated pair merged";
         EXPECT_TRUE(tri.edges[1]->has(Geometry::Creased));
         EXPECT_TRUE(tri.edges[1]->has2(Geometry::UVSeam)) << "edge record 4 (2-1) is edge 1's pair";
         EXPECT_EQ(tri.vertices[0]->mirror, nullptr);
         EXPECT_TRUE(tri.vertices[2]->has2(Geometry::OnPlane));
         EXPECT_TRUE(tri.faces[0]->isHidden());
         EXPECT_EQ(tri.faces[0]->holes.count(), 1);
         EXPECT_EQ(tri.currentLevel(), 0);
         ASSERT_EQ(s.groups.size(), 1u);
         EXPECT_EQ(s.groups[0].members.size(), 1u);
     }},
    {"HugeCountsAllocateNothingAndEndWithTheInput", "-Shape -face 2000000000 -creas 2000000000 1 -Disp 2000000000",
     [](SceneContents& s) { EXPECT_EQ(s.objects.size(), 0u); }},
};

} // namespace

TEST(AsciiReaderRules, EverySnippetReadsAsItsRuleSays)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OwnedContents t;
        t.readText(c.text);
        c.check(t);
        for (Shape* s : t.objects)
            EXPECT_GE(s->levelStack.currentLevel, 0);
    }
}

TEST(AsciiReaderVersion, OnlyANewerVersionWarns)
{
    for (const auto& [text, warns] : std::vector<std::pair<std::string, int>>{
             {"-Light -endLight", 0}, {"-Version 1.0 -Light -endLight", 0},
             {"-Version 1.5 -Light -endLight -Version 2", 1}}) {
        OwnedContents read;
        int warnings = 0;
        readAsciiSceneFromText(text, sceneFolder, read,
                               {{}, [&](SceneReadWarning w) { warnings += w == SceneReadWarning::NewerVersion; }});
        EXPECT_EQ(read.objects.size(), 1u) << text;
        EXPECT_EQ(warnings, warns) << text;
    }
}
