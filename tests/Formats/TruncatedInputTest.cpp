// Damaged input: every prefix of a small file, and files with bytes
// changed at random, read without crashing and without touching the
// objects the scene already had.
#include <gtest/gtest.h>

#include <random>

#include "Formats/AsciiScene.h"
#include "Formats/AsciiText.h"
#include "Formats/BinaryScene.h"
#include "Formats/SceneFileFixtures.h"
#include "Formats/SceneReadLimits.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "support/Fixtures.h"

namespace {

// A scene that already holds one object, which no read may disturb.
struct Target : TestScene {
    Target()
    {
        existing = take<Shape>(*fixtures::cube());
        scene.objectManager->addObject(existing);
    }
    void expectUntouched() const
    {
        ASSERT_GE(scene.objectManager->objects.count(), 1);
        EXPECT_EQ(scene.objectManager->objects[0], existing);
        EXPECT_EQ(existing->faces.count(), 6);
        EXPECT_EQ(existing->currentLevel(), 0);
    }
    Shape* existing;
};

} // namespace

TEST(TruncatedInput, EveryTokenPrefixOfAsciiText)
{
    TestScene source;
    buildSmallScene(source.scene);
    const std::string text = writeAsciiSceneToText(source.scene, false, sceneFolder);
    TokenReader tokens(text);
    std::string_view token;
    int prefixes = 0;
    while (tokens.next(token)) {
        Target t;
        readAsciiSceneFromText(std::string_view(text).substr(0, tokens.position()), sceneFolder, t.scene);
        t.expectUntouched();
        ++prefixes;
    }
    EXPECT_GT(prefixes, 100);
}

TEST(TruncatedInput, EveryBytePrefixOfBinaryFile)
{
    TestScene source;
    buildSmallScene(source.scene);
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(source.scene, false, sceneFolder);
    for (size_t n = 0; n <= bytes.size(); ++n) {
        Target t;
        readBinarySceneFromBytes(std::span(bytes.data(), n), sceneFolder, t.scene);
        t.expectUntouched();
        if (n == bytes.size()) {
            EXPECT_EQ(t.scene.objectManager->objects.count(), 4);
        }
    }
}

TEST(TruncatedInput, RandomlyChangedBytesAndTokens)
{
    // Changed level numbers must not build millions of faces.
    const int64_t savedBudget = sceneReadLimits().maxLevelElements;
    sceneReadLimits().maxLevelElements = 20000;
    TestScene source;
    buildSmallScene(source.scene);
    const std::vector<unsigned char> bytes = writeBinarySceneToBytes(source.scene, false, sceneFolder);
    const std::string text = writeAsciiSceneToText(source.scene, false, sceneFolder);
    std::mt19937 random(7);
    const char* const noise[] = {"-1", "2147483647", "-face", "-endShape", "\"", "nan", "1e39", "-Shape", "-disl"};
    for (int round = 0; round < 300; ++round) {
        std::vector<unsigned char> damaged = bytes;
        for (int k = 0; k < 4; ++k)
            damaged[random() % damaged.size()] = static_cast<unsigned char>(random());
        Target b;
        readBinarySceneFromBytes(damaged, sceneFolder, b.scene);
        b.expectUntouched();
        std::string garbled = text;
        for (int k = 0; k < 3; ++k)
            garbled.insert(random() % garbled.size(), std::string(" ") + noise[random() % 9] + " ");
        Target a;
        readAsciiSceneFromText(garbled, sceneFolder, a.scene);
        a.expectUntouched();
        for (Shape* s : a.scene.objectManager->objects)
            EXPECT_LE(s->currentLevelMesh()->faces.count(), 20000);
    }
    sceneReadLimits().maxLevelElements = savedBudget;
}

TEST(TruncatedInput, LevelsStopAtTheBudget)
{
    const int64_t savedBudget = sceneReadLimits().maxLevelElements;
    sceneReadLimits().maxLevelElements = 1000;
    Target t;
    readAsciiSceneFromText("-Shape -vert 0 0 0 -vert 1 0 0 -vert 1 1 0 -vert 0 1 0 -edge 0 1 -edge 1 2 -edge 2 3 "
                           "-edge 3 0 -face 4 0 0 0 0 1 1 0 0 2 2 0 0 3 3 0 0 -subl 9 -endShape "
                           "-Disp 1 -disl 8 1 0 1 1 1 -endDisp",
                           sceneFolder, t.scene);
    sceneReadLimits().maxLevelElements = savedBudget;
    ASSERT_EQ(t.scene.objectManager->objects.count(), 2);
    const Shape& quad = *t.scene.objectManager->objects[1];
    EXPECT_EQ(quad.currentLevel(), 3) << "the estimate for level 4 passes the budget";
}

TEST(TruncatedInput, AHugeLevelOnAMeshWithoutFacesEndsAtOnce)
{
    Target t;
    readAsciiSceneFromText("-Shape -vert 0 0 0 -subl 2000000000 -endShape", sceneFolder, t.scene);
    ASSERT_EQ(t.scene.objectManager->objects.count(), 2);
    EXPECT_LT(t.scene.objectManager->objects[1]->currentLevel(), 20);
}
