// Both formats carry the whole scene: .tva -> contents -> .tvb -> contents
// -> .tva gives the same text, and what is read back has what was saved.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Formats/SceneFileFixtures.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"

namespace fs = std::filesystem;

TEST(SceneFileRoundTrip, AsciiThroughBinaryGivesTheSameTextAndTheSavedContent)
{
    OwnedContents original;
    buildRichScene(original);
    const std::string text = original.text();
    OwnedContents fromText;
    fromText.readText(text);
    EXPECT_EQ(fromText.text(), text);
    OwnedContents fromBytes;
    const std::vector<unsigned char> bytes = fromText.bytes();
    fromBytes.readBytes(bytes);
    EXPECT_EQ(fromBytes.text(), text);
    EXPECT_EQ(fromBytes.bytes(), bytes);
    // What is read back has what was saved.
    OwnedContents& read = fromBytes;
    ASSERT_EQ(read.objects.size(), 5u);
    Shape& cube = read.object(0);
    EXPECT_EQ(cube.currentLevel(), 1);
    EXPECT_EQ(cube.levelStack.maxBuiltLevel(), 2);
    EXPECT_EQ(cube.levelStack.levelMesh(1)->vertices[5]->displacement[1], 0.125f);
    EXPECT_EQ(cube.faces[0]->material, read.materials[0]);
    EXPECT_EQ(read.materials[0]->texturePath, sceneFolder + "/tex/wood.png");
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(validateTopology(read.object(i)), "") << i;
    Shape& plate = read.object(1);
    ASSERT_EQ(plate.faces.count(), 2);
    EXPECT_EQ(plate.faces[0]->holes.count(), 1);
    EXPECT_EQ(plate.edges.count(), 11); // 7 outer sides, 4 hole sides
    EXPECT_EQ(plate.currentLevel(), 0) << "a partial-subdivision list keeps the object unsubdivided";
    EXPECT_EQ(plate.vertices[0]->mirror, plate.vertices[2]);
    EXPECT_TRUE(plate.vertices[1]->has2(Geometry::OnPlane));
    EXPECT_EQ(plate.vertices[0]->normal[2], 1.0f) << "smooth shading gets vertex normals";
    auto& instance = static_cast<ShapeInstance&>(read.object(2));
    ASSERT_EQ(instance.shapeKind(), InnerShape::KindShapeInstance);
    EXPECT_EQ(instance.instancedShape, &cube);
    EXPECT_TRUE(instance.isMirrored());
    auto& light = static_cast<Light&>(read.object(3));
    ASSERT_EQ(light.shapeKind(), InnerShape::KindLight);
    EXPECT_EQ(light.lightType, Light::SpotLight);
    auto& proxy = static_cast<TextureProxy&>(read.object(4));
    ASSERT_EQ(proxy.shapeKind(), InnerShape::KindTextureProxy);
    EXPECT_EQ(proxy.owner, &plate);
    EXPECT_EQ(proxy.sourceFaces[1], plate.faces[1]);
    EXPECT_EQ(static_cast<ProxyVertex*>(proxy.faces[1]->corners[0].vertex)->sourceVertex,
              plate.faces[1]->corners[0].vertex);
    ASSERT_EQ(read.groups.size(), 4u);
    EXPECT_EQ(read.groups[0].members, (std::vector<Group::Member>{{&cube, 1}, {&plate, 0}, {&plate, 3}}));
    EXPECT_EQ(read.groups[2].members.size(), 1u) << "a member past the end of its list is dropped";
    ASSERT_EQ(read.referenceImages.size(), 1u);
    EXPECT_EQ(read.referenceImages[0].path, sceneFolder + "/img/top view.png");
}

TEST(SceneFileRoundTrip, WritingResetsNotANumberToZeroAndProgressRunsFromZeroToOne)
{
    OwnedContents t;
    buildSmallScene(t);
    t.object(0).vertices[0]->y = std::nanf("");
    t.object(0).faces[0]->corners[1].u = std::nanf("");
    const std::string text = t.text();
    EXPECT_EQ(t.object(0).vertices[0]->y, 0.0f);
    EXPECT_NE(text.find("-vert -1 0 -1\n"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    std::vector<double> seen;
    const FileProgress record = [&](double f) { seen.push_back(f); };
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(t, false, sceneFolder, record);
    readBinarySceneFromBytes(bytes, sceneFolder, t, {record, {}});
    readAsciiSceneFromText(writeAsciiSceneToText(t, false, sceneFolder, record), sceneFolder, t, {record, {}});
    ASSERT_FALSE(seen.empty());
    for (double f : seen)
        EXPECT_TRUE(f >= 0.0 && f <= 1.0) << f;
    EXPECT_EQ(seen.back(), 1.0);
}

TEST(SceneFileRoundTrip, SelectedOnlyNumbersWhatItWrites)
{
    OwnedContents t;
    buildRichScene(t);
    t.object(1).set(Geometry::Selected); // the plate; its proxy follows it
    t.object(3).set(Geometry::Selected); // the instance, whose source stays behind
    const std::string text = t.text(true);
    EXPECT_EQ(text.find("\"Cube\""), std::string::npos);
    EXPECT_NE(text.find("-texp 0\n"), std::string::npos);
    EXPECT_NE(text.find("-irnum 0\n"), std::string::npos);
    EXPECT_EQ(text.find("-Light"), std::string::npos);
    EXPECT_EQ(text.find("-Disp"), std::string::npos);
    OwnedContents read;
    read.readText(text);
    ASSERT_EQ(read.objects.size(), 3u);
    EXPECT_EQ(static_cast<ShapeInstance&>(read.object(2)).instancedShape, nullptr);
}

TEST(SceneFileRoundTrip, FilesHoldWhatIsMadeInMemoryWithPathsRelativeToTheirFolder)
{
    // Big enough that both writers hand the file several pieces, and that
    // chunk lengths are patched after their start went out.
    const fs::path folder = fs::temp_directory_path() / "tavo-formats-disk";
    fs::create_directories(folder);
    OwnedContents t;
    buildSmallScene(t);
    t.objects.push_back(take<Shape>(*fixtures::openGrid(150, 150)));
    t.materials[0]->texturePath = (folder / "maps/wood.png").generic_string();
    const std::string tvb = (folder / "big.tvb").string(), tva = (folder / "big.tva").string();
    ASSERT_TRUE(writeBinaryScene(tvb, t, false));
    ASSERT_TRUE(writeAsciiScene(tva, t, false));
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(t, false, folder.string());
    ASSERT_GT(bytes.size(), 1u << 20);
    std::ifstream binary(tvb, std::ios::binary), ascii(tva, std::ios::binary);
    EXPECT_TRUE(std::vector<unsigned char>(std::istreambuf_iterator<char>(binary), {}) == bytes);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(ascii), {}) == writeAsciiSceneToText(t, false, folder.string()));
    for (const std::string& path : {tva, tvb}) {
        OwnedContents read;
        ASSERT_TRUE(path == tva ? readAsciiScene(path, read) : readBinaryScene(path, read));
        EXPECT_EQ(read.materials[0]->texturePath, (folder / "maps/wood.png").generic_string());
    }
    fs::remove_all(folder);
    EXPECT_FALSE(writeAsciiScene((folder / "missing/x.tva").string(), t, false));
    EXPECT_FALSE(readBinaryScene((folder / "missing.tvb").string(), t));
    EXPECT_FALSE(readAsciiScene(fs::temp_directory_path().string(), t)) << "a folder is no file";
    EXPECT_EQ(t.objects.size(), 4u) << "a failed read adds nothing";
}

TEST(SceneFileRoundTrip, CheckedWritesNoticeAFullDisk)
{
    // A link to the always-full device: every write after opening fails.
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    OwnedContents t;
    buildSmallScene(t);
    const fs::path link = fs::temp_directory_path() / "tavo-full-disk";
    for (auto write : {writeBinarySceneChecked, writeAsciiSceneChecked}) {
        fs::remove(link);
        fs::create_symlink("/dev/full", link);
        EXPECT_FALSE(write(link.string(), t, false, {}));
        EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link goes";
        EXPECT_TRUE(fs::exists("/dev/full")) << "the device stays";
    }
    fs::create_symlink("/dev/full", link);
    EXPECT_TRUE(writeBinaryScene(link.string(), t, false)) << "unchecked, write errors are not reported";
    fs::remove(link);
}
