#include "Formats/SceneFileFixtures.h"

#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "support/Fixtures.h"

namespace {

Material* addMaterial(SceneContents& scene, const char* name, float red, const std::string& texture)
{
    auto* m = new Material;
    m->name = name;
    m->diffuse[0] = red;
    m->ambient[1] = 0.25f;
    m->specular[2] = 0.5f;
    m->emission[3] = 0.75f;
    m->shininess = 12.0f;
    m->texturePath = texture;
    scene.materials.push_back(m);
    return m;
}

Shape* displacedCube(SceneContents& scene, Material* a, Material* b)
{
    Shape* cube = take<Shape>(*fixtures::cube());
    cube->name = "Cube";
    for (int i = 0; i < cube->faces.count(); ++i)
        cube->faces[i]->material = i < 2 ? a : b;
    cube->edges[3]->set(Geometry::Creased);
    cube->setLevel(2, true);
    cube->levelStack.levelMesh(1)->vertices[5]->ensureDisplacement()[1] = 0.125f;
    float* d = cube->levelStack.levelMesh(2)->vertices[7]->ensureDisplacement();
    d[0] = -0.5f;
    d[2] = 1e-07f;
    cube->levelStack.stepDown(false);
    cube->update(true, true, -1);
    scene.objects.push_back(cube);
    return cube;
}

void addReferenceImage(SceneContents& scene)
{
    scene.referenceImages.push_back({4, sceneFolder + "/img/top view.png", {-1, 0, -1, 1, 0, -1, 1, 0, 1, -1, 0, 1},
                                     {0, 0, 1, 0, 1, 1, 0, 1}});
}

} // namespace

void buildRichScene(SceneContents& scene)
{
    Material* red = addMaterial(scene, "Red", 1.0f, sceneFolder + "/tex/wood.png");
    Material* blue = addMaterial(scene, "Blue", 0.5f, "");
    Shape* cube = displacedCube(scene, red, blue);

    // Two quads side by side; the first has a square hole.
    MeshPtr mesh = fixtures::meshFrom(
        {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {0, 2, 0}, {2, 2, 0}, {4, 2, 0}, {0.5f, 0.5f, 0}, {1.5f, 0.5f, 0},
         {1.5f, 1.5f, 0}, {0.5f, 1.5f, 0}},
        {{0, 1, 4, 3}, {1, 2, 5, 4}}, true, {{0, {6, 9, 8, 7}}});
    Shape* plate = take<Shape>(*mesh);
    plate->name = "Plate";
    plate->faces[0]->material = red;
    plate->faces[1]->material = blue;
    plate->faces[1]->set(Geometry::Hidden);
    plate->faces[0]->set(Geometry::Psub);
    plate->faces[0]->mirror = plate->faces[1];
    plate->faces[1]->mirror = plate->faces[0];
    plate->vertices[0]->mirror = plate->vertices[2];
    plate->vertices[2]->mirror = plate->vertices[0];
    plate->vertices[1]->mirror = plate->vertices[1];
    plate->vertices[1]->set2(Geometry::OnPlane);
    plate->edges[0]->set(Geometry::Creased);
    plate->edges[2]->set2(Geometry::UVSeam);
    int k = 0;
    for (Face* f : plate->faces)
        for (Corner& c : f->corners) {
            c.u = 0.25f * (k % 4);
            c.v = 0.125f * (k++ % 8);
        }
    plate->faces[0]->holes[0]->corners[2].u = 0.5f;
    plate->InnerShape::setShadingMode(InnerShape::SmoothShade);
    plate->displayFlags |= InnerShape::Locked | InnerShape::ShowNormals;
    plate->displayFlags &= ~InnerShape::WireOnShaded;
    plate->textureFlags &= ~InnerShape::ShowTexture;
    plate->setPivot(Point3D(2, 1, 0));
    plate->mirrorPlane.set(Point3D(2, 0, 0), Point3D(1, 0, 0));
    plate->setSymmetry(true);
    plate->instanceMirror = 2;
    plate->set(Geometry::Hidden);
    scene.objects.push_back(plate);

    // The plate's UV layout: one proxy face per plate face, at its corners' UVs.
    auto* proxy = take<TextureProxy>(plate);
    for (Face* source : plate->faces) {
        Face* f = take<Face>();
        f->material = blue;
        for (const Corner& c : source->corners) {
            auto* v = take<ProxyVertex>(c.u + 0.5f, c.v, c.vertex);
            proxy->addVertex(v);
            f->appendCorner(v);
        }
        proxy->addProxyFace(f, source);
    }
    proxy->buildEdges();
    proxy->update(true, false, -1);
    scene.objects.push_back(proxy);

    auto* instance = take<ShapeInstance>(cube);
    instance->name = "Cube Copy";
    instance->setScale(2, 1, -1);
    instance->transform[12] = 3;
    instance->textureFlags &= ~InnerShape::ShowTexture;
    instance->set(Geometry::Hidden);
    scene.objects.push_back(instance);

    auto* light = take<Light>(Point3D(1, 5, 2), static_cast<int>(Light::SpotLight));
    light->name = "Key";
    light->diffuse[1] = 0.25f;
    light->spotExponent = 2;
    scene.objects.push_back(light);

    auto& groups = scene.groups;
    groups.push_back({Group::Vertices, "Corners", {{plate, 3}, {cube, 1}, {plate, 0}, {plate, 3}}});
    groups.push_back({Group::Edges, "Rim", {{cube, 2}}});
    groups.push_back({Group::Faces, "Top", {{plate, 1}, {cube, 99}}});
    groups.push_back({Group::Objects, "Pair", {{plate, -1}, {cube, -1}}});
    addReferenceImage(scene);
}

void buildSmallScene(SceneContents& scene)
{
    Material* wood = addMaterial(scene, "Wood", 1.0f, sceneFolder + "/wood.png");
    Shape* cube = take<Shape>(*fixtures::cube());
    for (Face* f : cube->faces)
        f->material = wood;
    cube->setLevel(1, true);
    cube->levelStack.levelMesh(1)->vertices[2]->ensureDisplacement()[0] = 0.5f;
    scene.objects.push_back(cube);
    scene.objects.push_back(take<ShapeInstance>(cube));
    scene.objects.push_back(take<Light>(Point3D(0, 3, 0), static_cast<int>(Light::PointLight)));
    scene.groups.push_back({Group::Faces, "Some", {{cube, 1}, {cube, 4}}});
    addReferenceImage(scene);
}
