// Both formats carry the whole scene: .tva -> scene -> .tvb -> scene -> .tva
// gives the same text, and the scene read back has what was saved.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Formats/AsciiScene.h"
#include "Formats/BinaryScene.h"
#include "Formats/SceneFileFixtures.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Validate.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "support/Fixtures.h"

namespace {

std::string asciiOf(Scene& scene, bool selectedOnly = false)
{
    return writeAsciiSceneToText(scene, selectedOnly, sceneFolder);
}

Shape& object(Scene& scene, int i)
{
    return *scene.objectManager->objects[i];
}

} // namespace

TEST(SceneFileRoundTrip, AsciiThroughBinaryGivesTheSameText)
{
    TestScene original;
    buildRichScene(original.scene);
    const std::string text = asciiOf(original.scene);
    TestScene fromText;
    readAsciiSceneFromText(text, sceneFolder, fromText.scene);
    EXPECT_EQ(asciiOf(fromText.scene), text);
    TestScene fromBytes;
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(fromText.scene, false, sceneFolder);
    readBinarySceneFromBytes(bytes, sceneFolder, fromBytes.scene);
    EXPECT_EQ(asciiOf(fromBytes.scene), text);
    EXPECT_EQ(writeBinarySceneToBytes(fromBytes.scene, false, sceneFolder), bytes);
}

TEST(SceneFileRoundTrip, ReadSceneHasTheSavedContent)
{
    TestScene original;
    buildRichScene(original.scene);
    TestScene read;
    readBinarySceneFromBytes(writeBinarySceneToBytes(original.scene, false, sceneFolder), sceneFolder, read.scene);
    SceneObjectManager& objects = *read.scene.objectManager;
    ASSERT_EQ(objects.objects.count(), 5);
    Shape& cube = object(read.scene, 0);
    EXPECT_EQ(cube.currentLevel(), 1);
    EXPECT_EQ(cube.levelStack.maxBuiltLevel(), 2);
    EXPECT_EQ(cube.levelStack.levelMesh(1)->vertices[5]->displacement[1], 0.125f);
    EXPECT_EQ(cube.faces[0]->material, objects.materials[0]);
    EXPECT_EQ(objects.materials[0]->texturePath, sceneFolder + "/tex/wood.png");
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(validateTopology(object(read.scene, i)), "") << i;
    Shape& plate = object(read.scene, 1);
    ASSERT_EQ(plate.faces.count(), 2);
    EXPECT_EQ(plate.faces[0]->holes.count(), 1);
    EXPECT_EQ(plate.edges.count(), 11); // 7 outer sides, 4 hole sides
    EXPECT_EQ(plate.currentLevel(), 0) << "a partial-subdivision list keeps the object unsubdivided";
    EXPECT_EQ(plate.vertices[0]->mirror, plate.vertices[2]);
    EXPECT_TRUE(plate.vertices[1]->has2(Geometry::OnPlane));
    auto& instance = static_cast<ShapeInstance&>(object(read.scene, 2));
    ASSERT_EQ(instance.shapeKind(), InnerShape::KindShapeInstance);
    EXPECT_EQ(instance.instancedShape, &cube);
    EXPECT_TRUE(instance.isMirrored());
    auto& light = static_cast<Light&>(object(read.scene, 3));
    ASSERT_EQ(light.shapeKind(), InnerShape::KindLight);
    EXPECT_EQ(light.lightType, Light::SpotLight);
    EXPECT_EQ(light.w, 1.0f);
    auto& proxy = static_cast<TextureProxy&>(object(read.scene, 4));
    ASSERT_EQ(proxy.shapeKind(), InnerShape::KindTextureProxy);
    EXPECT_EQ(proxy.owner, &plate);
    EXPECT_EQ(proxy.sourceFaces[1], plate.faces[1]);
    EXPECT_EQ(static_cast<ProxyVertex*>(proxy.faces[1]->corners[0].vertex)->sourceVertex,
              plate.faces[1]->corners[0].vertex);
    ASSERT_EQ(objects.groups.size(), 4u);
    EXPECT_EQ(objects.groups[0].members, (std::vector<Group::Member>{{&cube, 1}, {&plate, 0}, {&plate, 3}}));
    EXPECT_EQ(objects.groups[2].members.size(), 1u) << "a member past the end of its list is dropped";
    ASSERT_EQ(read.scene.displayManager->referenceImageList().size(), 1u);
    EXPECT_EQ(read.scene.displayManager->referenceImageList()[0].imagePath, sceneFolder + "/img/top view.png");
}

TEST(SceneFileRoundTrip, WritingResetsNotANumberToZero)
{
    TestScene t;
    buildSmallScene(t.scene);
    Shape& cube = object(t.scene, 0);
    cube.vertices[0]->y = std::nanf("");
    cube.faces[0]->corners[1].u = std::nanf("");
    const std::string text = asciiOf(t.scene);
    EXPECT_EQ(cube.vertices[0]->y, 0.0f);
    EXPECT_NE(text.find("-vert -1 0 -1\n"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
}

TEST(SceneFileRoundTrip, SelectedOnlyNumbersWhatItWrites)
{
    TestScene t;
    buildRichScene(t.scene);
    object(t.scene, 1).set(Geometry::Selected); // the plate; its proxy follows it
    object(t.scene, 3).set(Geometry::Selected); // the instance, whose source stays behind
    const std::string text = asciiOf(t.scene, true);
    EXPECT_EQ(text.find("\"Cube\""), std::string::npos);
    EXPECT_NE(text.find("-texp 0\n"), std::string::npos);
    EXPECT_NE(text.find("-irnum 0\n"), std::string::npos);
    EXPECT_EQ(text.find("-Light"), std::string::npos);
    EXPECT_EQ(text.find("-Disp"), std::string::npos);
    TestScene read;
    readAsciiSceneFromText(text, sceneFolder, read.scene);
    ASSERT_EQ(read.scene.objectManager->objects.count(), 3);
    EXPECT_EQ(static_cast<ShapeInstance&>(object(read.scene, 2)).instancedShape, nullptr);
}

TEST(SceneFileRoundTrip, FilesOnDiskUsePathsRelativeToTheirFolder)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavo-formats-disk";
    std::filesystem::create_directories(folder);
    TestScene t;
    buildSmallScene(t.scene);
    t.scene.objectManager->materials[0]->texturePath = (folder / "maps/wood.png").generic_string();
    for (const char* name : {"scene.tva", "scene.tvb"}) {
        const std::string path = (folder / name).string();
        ASSERT_TRUE(name[7] == 'a' ? writeAsciiScene(path, t.scene, false) : writeBinaryScene(path, t.scene, false));
        TestScene read;
        ASSERT_TRUE(name[7] == 'a' ? readAsciiScene(path, read.scene) : readBinaryScene(path, read.scene));
        EXPECT_EQ(read.scene.objectManager->materials[0]->texturePath, (folder / "maps/wood.png").generic_string());
    }
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(writeAsciiScene((folder / "missing/x.tva").string(), t.scene, false));
    EXPECT_FALSE(readBinaryScene((folder / "missing.tvb").string(), t.scene));
    EXPECT_EQ(t.scene.objectManager->objects.count(), 3);
}

TEST(SceneFileRoundTrip, FilesHoldWhatIsMadeInMemory)
{
    // Big enough that both writers hand the file several pieces, and that
    // chunk lengths are patched after their start went out.
    TestScene t;
    buildSmallScene(t.scene);
    MeshPtr grid = fixtures::openGrid(150, 150);
    t.scene.objectManager->addObject(take<Shape>(*grid));
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string tvb = (folder / "tavo-big.tvb").string(), tva = (folder / "tavo-big.tva").string();
    ASSERT_TRUE(writeBinaryScene(tvb, t.scene, false));
    ASSERT_TRUE(writeAsciiScene(tva, t.scene, false));
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(t.scene, false, folder.string());
    const std::string text = writeAsciiSceneToText(t.scene, false, folder.string());
    ASSERT_GT(bytes.size(), 1u << 20);
    std::ifstream binary(tvb, std::ios::binary), ascii(tva, std::ios::binary);
    const std::vector<unsigned char> fileBytes{std::istreambuf_iterator<char>(binary), {}};
    const std::string fileText{std::istreambuf_iterator<char>(ascii), {}};
    std::filesystem::remove(tvb);
    std::filesystem::remove(tva);
    EXPECT_TRUE(fileBytes == bytes);
    EXPECT_TRUE(fileText == text);
}

TEST(SceneFileRoundTrip, CheckedWritesNoticeAFullDisk)
{
    // A link to the always-full device: every write after opening fails.
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    TestScene t;
    buildSmallScene(t.scene);
    const std::filesystem::path link = std::filesystem::temp_directory_path() / "tavo-full-disk";
    for (auto write : {writeBinarySceneChecked, writeAsciiSceneChecked}) {
        std::filesystem::remove(link);
        std::filesystem::create_symlink("/dev/full", link);
        EXPECT_FALSE(write(link.string(), t.scene, false, {}));
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link))) << "the link goes";
        EXPECT_TRUE(std::filesystem::exists("/dev/full")) << "the device stays";
    }
    std::filesystem::create_symlink("/dev/full", link);
    EXPECT_TRUE(writeBinaryScene(link.string(), t.scene, false)) << "unchecked, write errors are not reported";
    std::filesystem::remove(link);
}

TEST(SceneFileRoundTrip, ProgressRunsFromZeroToOne)
{
    TestScene t;
    buildSmallScene(t.scene);
    std::vector<double> seen;
    auto record = [&](double f) { seen.push_back(f); };
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(t.scene, false, sceneFolder, record);
    readBinarySceneFromBytes(bytes, sceneFolder, t.scene, record);
    readAsciiSceneFromText(writeAsciiSceneToText(t.scene, false, sceneFolder, record), sceneFolder, t.scene, record);
    ASSERT_FALSE(seen.empty());
    for (double f : seen) {
        EXPECT_GE(f, 0.0);
        EXPECT_LE(f, 1.0);
    }
    EXPECT_EQ(seen.back(), 1.0);
}
